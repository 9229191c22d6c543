#pragma once
// The per-user settings store: text values addressed by section and key, kept in our own
// INI file. Section and key names match without regard to case and keep the spelling they
// were first written with; values are kept byte-exact.
//
// Two copies of the program may run at once on the same file. Each keeps in memory what it
// read at start-up and what it set itself, and reads only that. A save changes only the keys
// being saved: under a lock file beside the settings file it reads the file as it is now,
// sets those keys, writes the whole file aside and renames it over the old one. Every line
// that does not hold one of those keys stays byte for byte (comments, other keys, line ends,
// text that is not UTF-8), and a failed save leaves the file as it was.

#include "platform/regular_file.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <list>
#include <optional>
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
    // One file: its lines as they were read, and the sections and keys they hold. Setting a
    // value rewrites the line of its key, or adds one; every other line stays byte for byte.
    class Document {
    public:
        Document() = default;
        // Entries point into the lines: a move keeps them there, a copy would not.
        Document(const Document &) = delete;
        Document &operator=(const Document &) = delete;
        Document(Document &&) = default;
        Document &operator=(Document &&) = default;

        void read(QByteArray bytes);
        QByteArray bytes() const;
        const QString *value(const QString &section, const QString &key) const;
        // Sets the value, with section and key created (spelled as given) when missing.
        void set(const QString &section, const QString &key, const QString &value);

    private:
        // A line's bytes, its line end apart: "\n", "\r\n", or at the end of the file
        // none or a lone "\r".
        struct Line {
            QByteArray text;
            QByteArray end;
        };
        using LineAt = std::list<Line>::iterator;
        struct Entry {
            QString key;
            QString value;
            LineAt line;
            qsizetype valueAt; // where the value begins in the line's text
        };
        struct Section {
            QString name;
            std::vector<Entry> entries;
            LineAt last; // its last key line, or its header: where a new key goes after
        };
        // Where an entry is: its section's position and its case-folded key.
        using EntryKey = std::pair<size_t, QString>;

        // A new entry spelled as `key` in section `s`, or null when the section has that key.
        Entry *add(size_t s, const QString &key);
        // The section's position, created (spelled as `name`, its header at the end of the
        // file) when missing.
        size_t obtain_section(const QString &name);
        size_t add_section(const QString &name, LineAt header);
        // A new line after `after`, or at the end of the file.
        LineAt insert_line(std::optional<LineAt> after, QByteArray text);

        QByteArray head_; // a byte order mark
        std::list<Line> lines_;
        QByteArray lineEnd_ = QByteArrayLiteral("\n"); // ends the lines it adds
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
