#pragma once
// The per-user settings store: text values addressed by section and key, kept in our own
// INI file. Section and key names match without regard to case and keep the spelling they
// were first written with; values are kept byte-exact. Saving writes the whole file aside
// and renames it over the old one, so a failed save never damages what was stored.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <vector>

class SettingsStore {
public:
    // Puts the whole file's bytes at `path`; false when they did not get there.
    using Writer = std::function<bool(const QString &path, const QByteArray &bytes)>;

    // Reads `filePath` at once; a missing, unreadable or damaged file gives an empty store.
    explicit SettingsStore(QString filePath);
    // Reads `fileBytes` as the file at `filePath` would be read, and saves through `writer`
    // (tests and fuzzing keep the file in memory this way).
    SettingsStore(QString filePath, const QByteArray &fileBytes, Writer writer);

    // $XDG_CONFIG_HOME/PLOXA Sorvinel.ini (default ~/.config).
    static QString defaultPath();

    // The stored text, or `defaultValue` when the section or key is missing.
    QString GetSetting(const QString &section, const QString &key,
                       const QString &defaultValue) const;
    // Creates section and key as needed and overwrites the value, then saves the file.
    // False (and the file on disk untouched) when it could not be written.
    bool SaveSetting(const QString &section, const QString &key, const QString &value);

    // Until releaseSaves(), SaveSetting changes memory only (and says true), so that many
    // settings are written in one save; releaseSaves() saves them and says whether it could.
    void holdSaves() { savesHeld_ = true; }
    bool releaseSaves();

    // The file's bytes as a save writes them.
    QByteArray fileBytes() const;

    const QString &filePath() const { return path_; }

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
        QHash<QString, size_t> index; // case-folded key -> position in entries
        const Entry *find(const QString &key) const;
        // A new entry spelled as `key`, or null when the section has that key already.
        Entry *add(const QString &key);
        // The entry (created if missing, spelled as `key`).
        Entry &obtain(const QString &key);
    };
    Section *findSection(const QString &name);
    const Section *findSection(const QString &name) const;
    Section &obtainSection(const QString &name);
    void read(QByteArray bytes);
    bool save() const;

    QString path_;
    Writer writer_;
    bool savesHeld_ = false;
    std::vector<Section> sections_;
    QHash<QString, size_t> sectionIndex_; // case-folded name -> position in sections_
};
