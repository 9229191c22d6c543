#pragma once
// Writes a whole file aside and renames it over the old one, so a failed write (a full
// disk, a read-only folder) leaves the old file as it was.
#include <QByteArray>
#include <QString>

namespace platform {
bool write_file_atomically(const QString &path, const QByteArray &bytes);
} // namespace platform
