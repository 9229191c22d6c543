#pragma once
// Things that are not plain files, for tests of the readers that must refuse them.
#include <QDir>
#include <QFile>
#include <QString>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

// Who may wrongly wait in open() on a FIFO: code reading it, or code writing into it.
enum class FifoWaiter { Reader, Writer };

// A FIFO, watched so that code which wrongly waits in open() on it cannot hang the suite:
// after `limit` the guard opens the FIFO again and again from the other side (for writing
// to let a reader go on, for reading, and draining, to let a writer go on); the test then
// sees that it had to.
class FifoGuard {
public:
    explicit FifoGuard(QString path, std::chrono::seconds limit = std::chrono::seconds(10),
                       FifoWaiter waiter = FifoWaiter::Reader)
        : path_(QFile::encodeName(path)), waiter_(waiter) {
        made_ = ::mkfifo(path_.constData(), S_IRUSR | S_IWUSR) == 0;
        watch_ = std::thread([this, limit] { watch(limit); });
    }
    ~FifoGuard() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        watch_.join();
    }
    FifoGuard(const FifoGuard &) = delete;
    FifoGuard &operator=(const FifoGuard &) = delete;

    bool made() const { return made_; }
    // True when a reader was found waiting on the FIFO and had to be let go.
    bool had_to_unblock() const { return unblocked_; }

private:
    void watch(std::chrono::seconds limit) {
        constexpr std::chrono::milliseconds kRetry{50};
        std::unique_lock lock(mutex_);
        if (wake_.wait_for(lock, limit, [this] { return stop_; }))
            return;
        while (!stop_) {
            if (waiter_ == FifoWaiter::Reader) {
                // Succeeds only while something has the FIFO open for reading.
                const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    unblocked_ = true;
                    ::close(fd);
                }
            } else {
                drain_writers(lock, kRetry);
            }
            wake_.wait_for(lock, kRetry, [this] { return stop_; });
        }
    }

    // Opens the FIFO for reading, which lets a writer waiting in open() go on, and reads what
    // it writes until it closes. A read finds no writer at once when none was waiting.
    void drain_writers(std::unique_lock<std::mutex> &lock, std::chrono::milliseconds retry) {
        const int fd = ::open(path_.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return;
        char buffer[4096];
        while (!stop_) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n == 0)
                break;
            unblocked_ = true; // data, or a writer that has not written yet
            if (n < 0)
                wake_.wait_for(lock, retry, [this] { return stop_; });
        }
        ::close(fd);
    }

    QByteArray path_;
    FifoWaiter waiter_;
    bool made_ = false;
    std::atomic<bool> unblocked_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread watch_;
};

// A listening Unix socket at `path`, closed (not removed) with the object.
class SocketFile {
public:
    explicit SocketFile(const QString &path) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        if (fd_ < 0 || size_t(name.size()) >= sizeof address.sun_path)
            return;
        std::copy(name.begin(), name.end(), address.sun_path);
        made_ = ::bind(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
                ::listen(fd_, 1) == 0;
    }
    ~SocketFile() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    SocketFile(const SocketFile &) = delete;
    SocketFile &operator=(const SocketFile &) = delete;
    bool made() const { return made_; }

private:
    int fd_;
    bool made_ = false;
};

// One of the things above, or a folder, standing at a path for as long as it lives.
enum class SpecialKind { Fifo, Folder, Socket };

inline const char *name_of(SpecialKind kind) {
    switch (kind) {
    case SpecialKind::Fifo:
        return "a FIFO";
    case SpecialKind::Folder:
        return "a folder";
    case SpecialKind::Socket:
        return "a socket";
    }
    return "";
}

class SpecialFile {
public:
    SpecialFile(SpecialKind kind, const QString &path, FifoWaiter waiter = FifoWaiter::Reader)
        : kind_(kind), path_(path) {
        switch (kind) {
        case SpecialKind::Fifo:
            fifo_ = std::make_unique<FifoGuard>(path, std::chrono::seconds(10), waiter);
            made_ = fifo_->made();
            break;
        case SpecialKind::Folder:
            made_ = QDir().mkpath(path);
            break;
        case SpecialKind::Socket:
            socket_ = std::make_unique<SocketFile>(path);
            made_ = socket_->made();
            break;
        }
    }
    ~SpecialFile() {
        fifo_.reset();
        socket_.reset();
        if (kind_ == SpecialKind::Folder)
            QDir(path_).removeRecursively();
        else
            QFile::remove(path_);
    }
    SpecialFile(const SpecialFile &) = delete;
    SpecialFile &operator=(const SpecialFile &) = delete;

    bool made() const { return made_; }
    // True when code waited in open() on the FIFO and had to be let go.
    bool waited_on() const { return fifo_ && fifo_->had_to_unblock(); }

private:
    SpecialKind kind_;
    QString path_;
    bool made_ = false;
    std::unique_ptr<FifoGuard> fifo_;
    std::unique_ptr<SocketFile> socket_;
};

constexpr SpecialKind kSpecialKinds[] = {SpecialKind::Fifo, SpecialKind::Folder,
                                         SpecialKind::Socket};
