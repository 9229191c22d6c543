#include "platform/regular_file.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr qint64 kReadPiece = 64 * 1024;

// Closes the descriptor however the read ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

FileRead with_state(FileState state) {
    FileRead r;
    r.state = state;
    return r;
}

} // namespace

bool is_special_file(const QString &path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode);
}

bool is_file_larger_than(const QString &path, qint64 limit) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode) &&
           st.st_size > limit;
}

FileRead read_regular_file(const QString &path, qint64 limit) {
    // Without O_NONBLOCK, opening a FIFO would wait for a writer. What was opened is then
    // looked at through the descriptor itself, so nothing can be swapped in between.
    const Descriptor fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        switch (errno) {
        case ENOENT:
        case ENOTDIR:
            return with_state(FileState::Missing);
        case ENXIO: // a socket
            return with_state(FileState::NotAFile);
        default:
            return with_state(FileState::Unreadable);
        }
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return with_state(FileState::Unreadable);
    if (!S_ISREG(st.st_mode))
        return with_state(FileState::NotAFile);

    FileRead r;
    limit = std::max<qint64>(limit, 0);
    // One byte beyond the limit tells whether the file goes on.
    r.bytes.reserve(qsizetype(std::min<qint64>(st.st_size, limit)) + 1);
    for (;;) {
        const qint64 left = limit - r.bytes.size();
        const qint64 piece = left >= kReadPiece ? kReadPiece : left + 1;
        const qsizetype at = r.bytes.size();
        r.bytes.resize(at + qsizetype(piece));
        const ssize_t n = ::read(fd.get(), r.bytes.data() + at, size_t(piece));
        if (n < 0) {
            r.bytes.resize(at);
            if (errno == EINTR)
                continue;
            return with_state(FileState::Unreadable);
        }
        r.bytes.resize(at + n);
        if (n == 0 || r.bytes.size() > limit)
            break;
    }
    if (r.bytes.size() > limit) {
        r.cut_short = true;
        r.bytes.truncate(qsizetype(limit));
    }
    r.state = FileState::Read;
    return r;
}

} // namespace platform
