#pragma once
// The per-user settings store: text values addressed by section and key, kept in our own
// INI file. Section and key names match without regard to case and keep the spelling they
// were first written with; values are kept byte-exact. Saving writes the whole file aside
// and renames it over the old one, so a failed save never damages what was stored.

#include <QHash>
#include <QString>
#include <vector>

class SettingsStore {
public:
    // Reads `filePath` at once; a missing, unreadable or damaged file gives an empty store.
    explicit SettingsStore(QString filePath);

    // $XDG_CONFIG_HOME/PLOXA Sorvinel.ini (default ~/.config).
    static QString defaultPath();

    // The stored text, or `defaultValue` when the section or key is missing.
    QString GetSetting(const QString &section, const QString &key,
                       const QString &defaultValue) const;
    // Creates section and key as needed and overwrites the value, then saves the file.
    // False (and the file on disk untouched) when it could not be written.
    bool SaveSetting(const QString &section, const QString &key, const QString &value);

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
        // The entry (created if missing, spelled as `key`).
        Entry &obtain(const QString &key);
    };
    Section *findSection(const QString &name);
    const Section *findSection(const QString &name) const;
    Section &obtainSection(const QString &name);
    void load();
    bool save() const;

    QString path_;
    std::vector<Section> sections_;
    QHash<QString, size_t> sectionIndex_; // case-folded name -> position in sections_
};
