// Speech through the sound server, by libpulse. espeak-ng's own playback cannot be used: a
// cancel before each text left almost nothing of the next one audible, and its output,
// opened twice, failed for the rest of the run.
//
// One playback stream carries every text. The server is asked for a short buffer (50 ms), so
// a cut is heard at once and the first sound of a text follows its key closely; the rest of
// a text waits here, in `queue_`, and goes to the server as it asks for more. Everything is
// guarded by the mainloop's lock, which its own thread holds while it runs our callbacks.
#include "platform/sound_output.h"

#include <QLoggingCategory>
#include <chrono>
#include <pulse/pulseaudio.h>
#include <thread>
#include <vector>

namespace {

Q_LOGGING_CATEGORY(lcSound, "sorvinel.sound", QtWarningMsg)

using Clock = std::chrono::steady_clock;

constexpr int kServerBufferMs = 50;
constexpr int kRequestMs = 10;
// Playback starts once this much is at the server, and again after it ran dry.
constexpr int kStartMs = 20;
// How far synthesis may run ahead of what is heard before write() waits.
constexpr int kAheadMs = 500;
// A connection that is neither made nor refused by then is given up.
constexpr auto kConnectTimeout = std::chrono::milliseconds(1000);
constexpr auto kPollStep = std::chrono::milliseconds(2);
constexpr int kMsPerSecond = 1000;

class PulseOutput final : public SoundOutput {
public:
    explicit PulseOutput(int sample_rate) : rate_(sample_rate) {
        mainloop_ = pa_threaded_mainloop_new();
        if (mainloop_ && pa_threaded_mainloop_start(mainloop_) < 0) {
            pa_threaded_mainloop_free(mainloop_);
            mainloop_ = nullptr;
        }
    }

    ~PulseOutput() override {
        if (!mainloop_)
            return;
        pa_threaded_mainloop_lock(mainloop_);
        close_locked();
        pa_threaded_mainloop_unlock(mainloop_);
        pa_threaded_mainloop_stop(mainloop_);
        pa_threaded_mainloop_free(mainloop_);
    }

    void cut(std::uint64_t text) override {
        if (!mainloop_)
            return;
        Locked lock(mainloop_);
        text_ = text;
        queue_.clear();
        head_ = 0;
        ended_ = false;
        if (stream_ready_locked())
            forget(pa_stream_flush(stream_, nullptr, nullptr));
        pa_threaded_mainloop_signal(mainloop_, 0);
    }

    bool write(std::uint64_t text, const short *samples, std::size_t count) override {
        if (!mainloop_)
            return false;
        Locked lock(mainloop_);
        if (text != text_)
            return false;
        if (!stream_ready_locked() && !open_locked())
            return false;
        if (text != text_)
            return false;
        queue_.insert(queue_.end(), samples, samples + count);
        send_locked();
        const std::size_t ahead = std::size_t(rate_) * kAheadMs / kMsPerSecond;
        while (text == text_ && stream_ready_locked() && queue_.size() - head_ > ahead)
            pa_threaded_mainloop_wait(mainloop_);
        return text == text_ && stream_ready_locked();
    }

    void end(std::uint64_t text) override {
        if (!mainloop_)
            return;
        Locked lock(mainloop_);
        if (text != text_)
            return;
        ended_ = true;
        send_locked();
    }

private:
    struct Locked {
        explicit Locked(pa_threaded_mainloop *m) : m(m) { pa_threaded_mainloop_lock(m); }
        ~Locked() { pa_threaded_mainloop_unlock(m); }
        Locked(const Locked &) = delete;
        Locked &operator=(const Locked &) = delete;
        pa_threaded_mainloop *m;
    };

    static void forget(pa_operation *operation) {
        if (operation)
            pa_operation_unref(operation);
    }

    std::uint32_t bytes_of_ms(int ms) const {
        return std::uint32_t(rate_) * ms / kMsPerSecond * sizeof(short);
    }

    bool stream_ready_locked() const {
        return stream_ && pa_stream_get_state(stream_) == PA_STREAM_READY;
    }

    // Hands the server as much of the queue as it takes now; once a text ended and all of it
    // is there, playback starts even if it is shorter than the start level.
    void send_locked() {
        if (!stream_ready_locked())
            return;
        const std::size_t room = pa_stream_writable_size(stream_);
        if (room != std::size_t(-1) && head_ < queue_.size()) {
            const std::size_t count = std::min(room / sizeof(short), queue_.size() - head_);
            if (count > 0 && pa_stream_write(stream_, queue_.data() + head_, count * sizeof(short),
                                             nullptr, 0, PA_SEEK_RELATIVE) == 0)
                head_ += count;
        }
        if (head_ == queue_.size()) {
            queue_.clear();
            head_ = 0;
            if (ended_) {
                ended_ = false;
                forget(pa_stream_trigger(stream_, nullptr, nullptr));
            }
        } else if (head_ > queue_.size() / 2) {
            queue_.erase(queue_.begin(), queue_.begin() + std::ptrdiff_t(head_));
            head_ = 0;
        }
        pa_threaded_mainloop_signal(mainloop_, 0);
    }

    // A context or a stream changed state: wake whoever waits for it.
    template <typename Object> static void on_state(Object *, void *self) {
        pa_threaded_mainloop_signal(static_cast<PulseOutput *>(self)->mainloop_, 0);
    }

    static void on_writable(pa_stream *, std::size_t, void *self) {
        static_cast<PulseOutput *>(self)->send_locked();
    }

    // Waits, with the lock let go, until `done` holds or the time is up.
    template <typename Done> bool wait_locked(Done done) {
        const auto deadline = Clock::now() + kConnectTimeout;
        while (!done()) {
            if (Clock::now() >= deadline)
                return false;
            pa_threaded_mainloop_unlock(mainloop_);
            std::this_thread::sleep_for(kPollStep);
            pa_threaded_mainloop_lock(mainloop_);
        }
        return true;
    }

    // Tried once for each text that finds no stream, so a server that is back is heard from
    // the next text on; a refused connection costs well under a millisecond.
    bool open_locked() {
        close_locked();
        pa_proplist *properties = pa_proplist_new();
        pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Sorvinel");
        pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "a11y");
        context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(mainloop_), "Sorvinel",
                                                properties);
        if (!context_) {
            pa_proplist_free(properties);
            return false;
        }
        pa_context_set_state_callback(context_, on_state<pa_context>, this);
        const bool connected =
            pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
            wait_locked([this] {
                const pa_context_state_t s = pa_context_get_state(context_);
                return s == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(s);
            }) &&
            pa_context_get_state(context_) == PA_CONTEXT_READY;
        if (!connected) {
            pa_proplist_free(properties);
            lost_locked("no sound server");
            return false;
        }
        const pa_sample_spec format{PA_SAMPLE_S16NE, std::uint32_t(rate_), 1};
        stream_ = pa_stream_new_with_proplist(context_, "Tal", &format, nullptr, properties);
        pa_proplist_free(properties);
        if (!stream_) {
            lost_locked("the sound server refused a stream");
            return false;
        }
        pa_stream_set_state_callback(stream_, on_state<pa_stream>, this);
        pa_stream_set_write_callback(stream_, on_writable, this);
        pa_buffer_attr attributes{};
        attributes.maxlength = std::uint32_t(-1);
        attributes.tlength = bytes_of_ms(kServerBufferMs);
        attributes.prebuf = bytes_of_ms(kStartMs);
        attributes.minreq = bytes_of_ms(kRequestMs);
        attributes.fragsize = std::uint32_t(-1);
        const auto flags =
            pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_AUTO_TIMING_UPDATE);
        const bool ready = pa_stream_connect_playback(stream_, nullptr, &attributes, flags, nullptr,
                                                      nullptr) >= 0 &&
                           wait_locked([this] {
                               const pa_stream_state_t s = pa_stream_get_state(stream_);
                               return s == PA_STREAM_READY || !PA_STREAM_IS_GOOD(s);
                           }) &&
                           stream_ready_locked();
        if (!ready) {
            lost_locked("the sound server refused a stream");
            return false;
        }
        if (warned_)
            qCInfo(lcSound) << "the sound server is back";
        warned_ = false;
        return true;
    }

    // Said once until speech is heard again, not for every text.
    void lost_locked(const char *why) {
        close_locked();
        if (!warned_)
            qCWarning(lcSound) << why << "- going on without sound";
        warned_ = true;
    }

    void close_locked() {
        if (stream_) {
            pa_stream_set_state_callback(stream_, nullptr, nullptr);
            pa_stream_set_write_callback(stream_, nullptr, nullptr);
            if (PA_STREAM_IS_GOOD(pa_stream_get_state(stream_)))
                pa_stream_disconnect(stream_);
            pa_stream_unref(stream_);
            stream_ = nullptr;
        }
        if (context_) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            if (PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)))
                pa_context_disconnect(context_);
            pa_context_unref(context_);
            context_ = nullptr;
        }
        queue_.clear();
        head_ = 0;
    }

    const int rate_;
    pa_threaded_mainloop *mainloop_ = nullptr;
    pa_context *context_ = nullptr;
    pa_stream *stream_ = nullptr;
    std::vector<short> queue_;
    std::size_t head_ = 0;
    std::uint64_t text_ = 0;
    bool ended_ = false;
    bool warned_ = false;
};

} // namespace

std::unique_ptr<SoundOutput> create_sound_server_output(int sample_rate) {
    return std::make_unique<PulseOutput>(sample_rate);
}
