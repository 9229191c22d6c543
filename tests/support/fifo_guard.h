#pragma once
// A FIFO for a test, watched so that code which wrongly waits in open() on it cannot hang
// the suite: after `limit` the guard opens the FIFO for writing, again and again, which
// lets a reader blocked in open() go on; the test then sees that it had to.
#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

class FifoGuard {
public:
    explicit FifoGuard(QString path, std::chrono::seconds limit = std::chrono::seconds(10))
        : path_(QFile::encodeName(path)) {
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
            // Succeeds only while something has the FIFO open for reading.
            const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                unblocked_ = true;
                ::close(fd);
            }
            wake_.wait_for(lock, kRetry, [this] { return stop_; });
        }
    }

    QByteArray path_;
    bool made_ = false;
    std::atomic<bool> unblocked_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread watch_;
};
