#include "platform/atomic_file.h"

#include <QSaveFile>

namespace platform {

namespace {
FileWriter g_file_writer;
} // namespace

void set_file_writer(FileWriter writer) {
    g_file_writer = std::move(writer);
}

bool write_file_atomically(const QString &path, const QByteArray &bytes) {
    // Unbuffered, so a short write shows in write() instead of being lost in a flush that
    // commit() does not check; never fall back to writing over the old file in place.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const qint64 written = g_file_writer ? g_file_writer(file, bytes) : file.write(bytes);
    if (written != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

} // namespace platform
