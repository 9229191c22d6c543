#pragma once
// Reads an old Windows profile file (sorvinel.ini) the way GetPrivateProfileIntA and
// GetPrivateProfileStringA do: Windows-1252 text, names matched without regard to case.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

class ProfileFile {
public:
    explicit ProfileFile(const QString &path);
    // The file's bytes read as the file would be (tests and fuzzing, without a disk).
    static ProfileFile from_bytes(const QByteArray &bytes);

    // Whether the file was there and could be read.
    bool exists() const { return exists_; }

    // The leading whole number of the value (as the Windows call reads it), or `def` when
    // the key is missing. A value without a leading number reads as 0.
    int GetPrivateProfileInt(const QString &section, const QString &key, int def) const;
    // The value (or `def` when the key is missing), cut to `bufferSize` - 1 characters.
    QString GetPrivateProfileString(const QString &section, const QString &key, const QString &def,
                                    int bufferSize = 255) const;

private:
    ProfileFile() = default;
    void read(const QByteArray &bytes);

    struct Entry {
        QString section;
        QString key;
        QString value;
    };
    const Entry *find(const QString &section, const QString &key) const;

    bool exists_ = false;
    std::vector<Entry> entries_;
    QHash<QString, size_t> index_; // case-folded "section\nkey" -> position in entries_
};
