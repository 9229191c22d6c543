#pragma once
// A private PulseAudio server whose only sink is a null sink, a recording of that sink that
// knows when each piece arrived, and a comparison of what was heard with a reference
// synthesis, by loudness in 5 ms frames. For tests and benchmarks that check what a listener
// hears. Sink, recording and espeak-ng all run at 22,050 Hz mono, so nothing is resampled.
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace sound {

using Clock = std::chrono::steady_clock;

constexpr int kRate = 22050;
constexpr int kFrame = 110; // 5 ms
constexpr double kFrameSeconds = double(kFrame) / kRate;

class Server {
public:
    Server();
    ~Server();
    // Why a server cannot run here, or nothing when it can.
    static std::optional<QString> missing_tools();
    // Starts it on this object's socket (again after stop()); false with `why` set on failure.
    bool start(QString *why);
    void stop();
    // The address clients are given in PULSE_SERVER.
    QByteArray address() const;

private:
    QTemporaryDir dir_;
    QProcess process_;
};

class Recording {
public:
    explicit Recording(const Server &server);
    ~Recording();
    bool started() const;
    // The index of the sample that arrived at `moment`.
    long long sample_at(Clock::time_point moment) const;
    // RMS loudness of each whole 5 ms frame so far.
    std::vector<double> frames() const;

private:
    void read_all();

    pid_t pid_ = -1;
    int fd_ = -1;
    std::thread reader_;
    mutable std::mutex mutex_;
    // Loudness is taken as the samples come, so frames() costs no more as the recording grows.
    std::vector<double> frames_;
    std::vector<short> partial_frame_;
    long long sample_count_ = 0;
    std::vector<std::pair<Clock::time_point, long long>> marks_;
};

std::vector<double> loudness(const std::vector<short> &samples);

// First and last loud frame, or -1, -1.
std::pair<int, int> loud_span(const std::vector<double> &frames);

// The frame in [first, last] of `heard` at which `reference` starts (its loud frames of the
// first 60 ms line up), or nothing.
std::optional<int> onset(const std::vector<double> &heard, const std::vector<double> &reference,
                         int first, int last);

// How much of `reference`, placed at frame `start` of `heard`, is heard before frame `until`:
// the share of its loud span over which both stay loud and quiet together.
double heard_fraction(const std::vector<double> &heard, const std::vector<double> &reference,
                      int start, int until);

// Loud frames of `heard` in [first, last).
int loud_frames(const std::vector<double> &heard, int first, int last);

} // namespace sound
