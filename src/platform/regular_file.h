#pragma once
// Reading files that must be plain files. Whatever else stands at the path (a FIFO, a
// socket, a device, a folder) is refused at once: opening a FIFO to read it waits until
// something writes into it, and a device may never end.
#include <QByteArray>
#include <QString>

namespace platform {

enum class FileState {
    Read,       // a plain file, read
    Missing,    // nothing at the path (or its folder is missing or is a file)
    NotAFile,   // something that is not a plain file
    Unreadable, // a plain file that could not be opened or read to its end
};

struct FileRead {
    FileState state = FileState::Missing;
    QByteArray bytes;       // what was read; empty unless state is Read
    bool cut_short = false; // the file holds more than the limit: `bytes` is its head
};

// True when something other than a plain file stands at `path` (or at the end of a link
// there): a FIFO, a socket, a device or a folder. Looks without opening it.
bool is_special_file(const QString &path);

// True when a plain file stands at `path` (or at the end of a link there) and holds more
// than `limit` bytes. Looks without opening it.
bool is_file_larger_than(const QString &path, qint64 limit);

// At most `limit` bytes from the start of the file at `path`, never waiting on a FIFO.
FileRead read_regular_file(const QString &path, qint64 limit);

} // namespace platform
