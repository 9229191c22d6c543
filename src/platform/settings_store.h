#pragma once
// The per-user settings store: text values addressed by section and key, kept in our own
// INI file. Section and key names match without regard to case and keep the spelling they
// were first written with; values are kept byte-exact. Saving writes the whole file aside
// and renames it over the old one, so a failed save never damages what was stored.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class SettingsStore {
public:
    // Puts the whole file's bytes at `path`; false when they did not get there.
    using Writer = std::function<bool(const QString &path, const QByteArray &bytes)>;

    // Reads `filePath` at once; a missing, unreadable or damaged file gives an empty store.
    explicit SettingsStore(QString filePath);
    // Reads `bytes` as the file at `filePath` would be read, and saves through `writer`
    // (tests and fuzzing keep the file in memory this way).
    SettingsStore(QString filePath, const QByteArray &bytes, Writer writer);

    // $XDG_CONFIG_HOME/PLOXA Sorvinel.ini (default ~/.config).
    static QString default_path();

    // The stored text, or `defaultValue` when the section or key is missing.
    QString GetSetting(const QString &section, const QString &key,
                       const QString &defaultValue) const;
    // Creates section and key as needed and overwrites the value, then saves the file.
    // False (and the file on disk untouched) when it could not be written.
    bool SaveSetting(const QString &section, const QString &key, const QString &value);

    // Until release_saves(), SaveSetting changes memory only (and says true), so that many
    // settings are written in one save; release_saves() saves them and says whether it could.
    void hold_saves() { savesHeld_ = true; }
    bool release_saves();

    // The file's bytes as a save writes them.
    QByteArray file_bytes() const;

    const QString &filePath() const { return path_; }

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };
    // Where an entry is: its section's position and its case-folded key.
    using EntryKey = std::pair<size_t, QString>;

    const Entry *find(const QString &section, const QString &key) const;
    // A new entry spelled as `key` in section `s`, or null when the section has that key.
    Entry *add(size_t s, const QString &key);
    // The entry, with section and key created (spelled as given) when missing.
    Entry &obtain(const QString &section, const QString &key);
    // The section's position, created (spelled as `name`) when missing.
    size_t obtain_section(const QString &name);
    void read(QByteArray bytes);
    bool save() const;

    QString path_;
    Writer writer_;
    bool savesHeld_ = false;
    std::vector<Section> sections_;
    // One index of each kind for the whole store: a small hash table per section cost more
    // than reading its lines.
    QHash<QString, size_t> sectionIndex_; // case-folded name -> position in sections_
    QHash<EntryKey, size_t> entryIndex_;  // -> position in its section's entries
};
