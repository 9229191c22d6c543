#pragma once
// The per-user settings store: text values addressed by section and key, kept in our own
// INI file. Section and key names match without regard to case and keep the spelling they
// were first written with; values are kept byte-exact.
//
// Two copies of the program may run at once on the same file. Each keeps in memory what it
// read at start-up and what it set itself, and reads only that. A save changes only the keys
// being saved: under a lock file beside the settings file it reads the file as it is now,
// sets those keys, writes the whole file aside and renames it over the old one. A key that
// this copy did not save is left as the file has it, and a failed save leaves the file as it
// was.

#include "platform/regular_file.h"

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
    // The file at `path` as it is now.
    using Reader = std::function<platform::FileRead(const QString &path)>;

    // Reads `filePath` at once. A missing file gives an empty store. A file that is there
    // but cannot be read whole gives an empty store that never writes the file.
    explicit SettingsStore(QString filePath);
    // Reads and saves through `reader` and `writer`, without the lock file (tests and
    // fuzzing keep the file in memory this way).
    SettingsStore(QString filePath, Reader reader, Writer writer);

    // $XDG_CONFIG_HOME/PLOXA Sorvinel.ini (default ~/.config).
    static QString default_path();

    // The text this copy holds, or `defaultValue` when the section or key is missing.
    QString GetSetting(const QString &section, const QString &key,
                       const QString &defaultValue) const;
    // Sets the value in memory, creating section and key as needed, and saves that key.
    // False when it could not reach the file: memory keeps the value, the file is unchanged.
    bool SaveSetting(const QString &section, const QString &key, const QString &value);

    // Until release_saves(), SaveSetting changes memory only (and says true), so that many
    // settings are written in one save; release_saves() saves them and says whether it could.
    void hold_saves() { savesHeld_ = true; }
    bool release_saves();

    // False when a file was there at start-up that could not be read whole: this run then
    // keeps its settings in memory only, and every save fails.
    bool file_usable() const { return fileUsable_; }

    // The bytes of what this copy holds, as a save would write them.
    QByteArray file_bytes() const;

    const QString &filePath() const { return path_; }

private:
    // The sections and keys of one file, in file order.
    class Document {
    public:
        void read(QByteArray bytes);
        QByteArray bytes() const;
        const QString *value(const QString &section, const QString &key) const;
        // Sets the value, with section and key created (spelled as given) when missing.
        void set(const QString &section, const QString &key, const QString &value);

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

        // A new entry spelled as `key` in section `s`, or null when the section has that key.
        Entry *add(size_t s, const QString &key);
        // The section's position, created (spelled as `name`) when missing.
        size_t obtain_section(const QString &name);

        std::vector<Section> sections_;
        // One index of each kind for the whole file: a small hash table per section cost
        // more than reading its lines.
        QHash<QString, size_t> sectionIndex_; // case-folded name -> position in sections_
        QHash<EntryKey, size_t> entryIndex_;  // -> position in its section's entries
    };
    struct Address {
        QString section;
        QString key;
    };

    // Writes the keys saved since the last save, then forgets them.
    bool save();
    bool save_under_lock();
    // Sets those keys in the file as it is now and writes it.
    bool write_unsaved();

    QString path_;
    Reader reader_;
    Writer writer_;
    bool lockBeside_ = false;
    bool fileUsable_ = true;
    bool savesHeld_ = false;
    Document memory_;
    std::vector<Address> unsaved_;
};
