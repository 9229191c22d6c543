#include "support/sound_server.h"

#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace sound {

namespace {

constexpr double kLoud = 150.0; // speech is 1,500-5,000 RMS, silence 0
constexpr int kProbeFrames = 12;
constexpr int kWindow = 10;
constexpr double kAgreement = 0.7;
constexpr int kStartTimeoutMs = 10000;
constexpr int kPollMs = 20;

bool loud(double v) {
    return v > kLoud;
}

double frame_loudness(const short *frame) {
    double sum = 0;
    for (int i = 0; i < kFrame; ++i)
        sum += double(frame[i]) * frame[i];
    return std::sqrt(sum / kFrame);
}

bool pactl_answers(const QByteArray &address) {
    QProcess pactl;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PULSE_SERVER", QString::fromUtf8(address));
    pactl.setProcessEnvironment(env);
    pactl.start("pactl", {"info"});
    return pactl.waitForFinished() && pactl.exitStatus() == QProcess::NormalExit &&
           pactl.exitCode() == 0;
}

} // namespace

Server::Server() = default;

Server::~Server() {
    stop();
}

std::optional<QString> Server::missing_tools() {
    for (const char *tool : {"pulseaudio", "parec", "pactl"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return QStringLiteral("%1 is not installed (Debian pulseaudio, pulseaudio-utils)")
                .arg(tool);
    }
    return std::nullopt;
}

QByteArray Server::address() const {
    return "unix:" + QFile::encodeName(dir_.path() + "/native");
}

bool Server::start(QString *why) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("PULSE_SERVER");
    env.insert("PULSE_RUNTIME_PATH", dir_.path() + "/runtime");
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(
        "pulseaudio",
        {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
         QStringLiteral("--load=module-null-sink sink_name=null rate=%1 channels=1 "
                        "format=s16le")
             .arg(kRate),
         "--load=module-native-protocol-unix socket=" + dir_.path() + "/native auth-anonymous=1"});
    for (int waited = 0; waited < kStartTimeoutMs; waited += kPollMs) {
        if (process_.state() == QProcess::NotRunning)
            break;
        if (pactl_answers(address()))
            return true;
        process_.waitForFinished(kPollMs);
    }
    *why = QStringLiteral("pulseaudio did not start: ") + QString::fromUtf8(process_.readAll());
    stop();
    return false;
}

void Server::stop() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished();
    }
    QFile::remove(dir_.path() + "/native");
}

Recording::Recording(const Server &server) {
    int pipe_fds[2];
    if (pipe(pipe_fds) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
    const QByteArray server_env = "PULSE_SERVER=" + server.address();
    std::vector<char *> env;
    for (char **e = environ; *e; ++e) {
        if (std::strncmp(*e, "PULSE_SERVER=", 13) != 0)
            env.push_back(*e);
    }
    env.push_back(const_cast<char *>(server_env.constData()));
    env.push_back(nullptr);
    const QByteArray rate = "--rate=" + QByteArray::number(kRate);
    const char *argv[] = {
        "parec",          "-d",           "null.monitor",     "--raw", "--format=s16le",
        rate.constData(), "--channels=1", "--latency-msec=5", nullptr};
    if (posix_spawnp(&pid_, "parec", &actions, nullptr, const_cast<char **>(argv), env.data()) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_fds[1]);
    fd_ = pipe_fds[0];
    reader_ = std::thread([this] { read_all(); });
    for (int waited = 0; waited < kStartTimeoutMs && !started(); waited += kPollMs)
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
}

Recording::~Recording() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (reader_.joinable())
        reader_.join();
    if (fd_ >= 0)
        close(fd_);
}

void Recording::read_all() {
    char buffer[4096];
    std::vector<char> rest;
    for (;;) {
        const ssize_t n = read(fd_, buffer, sizeof buffer);
        if (n <= 0)
            return;
        const auto now = Clock::now();
        rest.insert(rest.end(), buffer, buffer + n);
        const size_t whole = rest.size() / sizeof(short);
        std::lock_guard lock(mutex_);
        const size_t old = partial_frame_.size();
        partial_frame_.resize(old + whole);
        std::memcpy(partial_frame_.data() + old, rest.data(), whole * sizeof(short));
        rest.erase(rest.begin(), rest.begin() + std::ptrdiff_t(whole * sizeof(short)));
        size_t used = 0;
        for (; used + kFrame <= partial_frame_.size(); used += kFrame)
            frames_.push_back(frame_loudness(partial_frame_.data() + used));
        partial_frame_.erase(partial_frame_.begin(), partial_frame_.begin() + std::ptrdiff_t(used));
        sample_count_ += (long long)whole;
        marks_.emplace_back(now, sample_count_);
    }
}

bool Recording::started() const {
    std::lock_guard lock(mutex_);
    return !marks_.empty();
}

long long Recording::sample_at(Clock::time_point moment) const {
    std::lock_guard lock(mutex_);
    if (marks_.empty())
        return 0;
    auto seconds = [](Clock::duration d) { return std::chrono::duration<double>(d).count(); };
    if (moment <= marks_.front().first)
        return std::max(0LL, marks_.front().second -
                                 (long long)(seconds(marks_.front().first - moment) * kRate));
    for (size_t i = 1; i < marks_.size(); ++i) {
        const auto &[t0, n0] = marks_[i - 1];
        const auto &[t1, n1] = marks_[i];
        if (moment <= t1)
            return n0 + (long long)(double(n1 - n0) * seconds(moment - t0) /
                                    std::max(seconds(t1 - t0), 1e-9));
    }
    return marks_.back().second + (long long)(seconds(moment - marks_.back().first) * kRate);
}

std::vector<double> Recording::frames() const {
    std::lock_guard lock(mutex_);
    return frames_;
}

std::vector<double> loudness(const std::vector<short> &samples) {
    std::vector<double> out;
    for (size_t start = 0; start + kFrame <= samples.size(); start += kFrame)
        out.push_back(frame_loudness(samples.data() + start));
    return out;
}

std::pair<int, int> loud_span(const std::vector<double> &frames) {
    int first = -1, last = -1;
    for (int i = 0; i < int(frames.size()); ++i) {
        if (loud(frames[size_t(i)])) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    return {first, last};
}

std::optional<int> onset(const std::vector<double> &heard, const std::vector<double> &reference,
                         int first, int last) {
    const int ref_first = loud_span(reference).first;
    if (ref_first < 0)
        return std::nullopt;
    const int probe = std::min(kProbeFrames, int(reference.size()) - ref_first);
    last = std::min(last, int(heard.size()) - probe);
    for (int at = std::max(0, first); at <= last; ++at) {
        if (!loud(heard[size_t(at)]))
            continue;
        int same = 0;
        for (int k = 0; k < probe; ++k)
            same += loud(heard[size_t(at + k)]) == loud(reference[size_t(ref_first + k)]);
        if (same >= probe - 1)
            return at - ref_first;
    }
    return std::nullopt;
}

double heard_fraction(const std::vector<double> &heard, const std::vector<double> &reference,
                      int start, int until) {
    const auto [ref_first, ref_last] = loud_span(reference);
    if (ref_first < 0)
        return 0;
    until = std::min(until, int(heard.size()));
    int agreed = ref_first;
    for (int f = ref_first; f <= ref_last && start + f < until; ++f) {
        const int lo = std::max(ref_first, f - kWindow + 1);
        int same = 0;
        for (int g = lo; g <= f; ++g)
            same += start + g >= 0 && loud(heard[size_t(start + g)]) == loud(reference[size_t(g)]);
        if (same >= kAgreement * (f - lo + 1))
            agreed = f;
        else if (f - agreed > kWindow)
            break;
    }
    return double(agreed - ref_first) / std::max(1, ref_last - ref_first);
}

int loud_frames(const std::vector<double> &heard, int first, int last) {
    int count = 0;
    for (int i = std::max(0, first); i < std::min(last, int(heard.size())); ++i)
        count += loud(heard[size_t(i)]);
    return count;
}

} // namespace sound
