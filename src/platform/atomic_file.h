#pragma once
// Writes a whole file aside and renames it over the old one, so a failed write (a full
// disk, a read-only folder) leaves the old file as it was.
#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>

namespace platform {
bool write_file_atomically(const QString &path, const QByteArray &bytes);

// Writes the bytes into the file set aside and returns how many it wrote, or -1. Tests put
// in one that fails or stops short, as a full disk does; empty restores the plain write.
using FileWriter = std::function<qint64(QIODevice &file, const QByteArray &bytes)>;
void set_file_writer(FileWriter writer);
} // namespace platform
