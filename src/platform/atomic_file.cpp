#include "platform/atomic_file.h"

#include <QSaveFile>

namespace platform {

bool write_file_atomically(const QString &path, const QByteArray &bytes) {
    // Unbuffered, so a short write shows in write() instead of being lost in a flush that
    // commit() does not check; never fall back to writing over the old file in place.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

} // namespace platform
