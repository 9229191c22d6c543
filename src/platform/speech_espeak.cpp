// The espeak-ng engine. espeak-ng is started once per process and never stopped: starting it
// a second time hangs. Every engine object shares that one instance; each keeps its own
// current voice and loads it into espeak-ng before it speaks.
//
// espeak-ng synthesises into our own sound output, on a thread of its own: speak() and
// stop() only hand over a text or a cut and return at once. A stop numbers the texts anew;
// the output drops what it still has of earlier ones, and their synthesis ends at its next
// piece.
#include "platform/settings_store.h"
#include "platform/sound_output.h"
#include "platform/speech.h"
#include "platform/speech_espeak_detail.h"
#include "platform/voice_names.h"

#include <QLoggingCategory>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <espeak-ng/speak_lib.h>
#include <mutex>
#include <thread>

namespace {

using platform::swedish_voice_name;

// Every text spoken is logged at debug level ("sorvinel.speech.debug=true"), for the checks
// that record what a listener hears.
Q_LOGGING_CATEGORY(lcSpeech, "sorvinel.speech", QtWarningMsg)

// Sound is handed to the output in pieces this long: the first piece of a text is all that a
// child waits for before it is heard.
constexpr int kBufferLengthMs = 10;
// Returned from the synthesis callback: go on, or give up this text.
constexpr int kContinueSynthesis = 0;
constexpr int kAbandonSynthesis = 1;
constexpr int kNoVoice = -1;

const QString kVoiceSection = QStringLiteral("Röst");
const QString kVoiceKey = QStringLiteral("Namn");
const QByteArray kSwedishIdentifier = QByteArrayLiteral("gmq/sv");
const QString kSwedishLanguage = QStringLiteral("sv");
const QByteArray kMbrolaPrefixes[] = {QByteArrayLiteral("mb/"), QByteArrayLiteral("mb-")};

// Counts what would be heard instead of playing it, for tests and benchmarks.
class SampleCounter final : public SoundOutput {
public:
    void cut(std::uint64_t text) override { text_ = text; }

    bool write(std::uint64_t text, const short *, std::size_t count) override {
        if (text != text_)
            return false;
        long long none = 0;
        first_nanos.compare_exchange_strong(
            none, std::chrono::steady_clock::now().time_since_epoch().count());
        samples += (long long)count;
        return true;
    }

    void end(std::uint64_t) override {}

    std::atomic<long long> samples{0};
    std::atomic<long long> first_nanos{0};

private:
    std::atomic<std::uint64_t> text_{0};
};

struct Request {
    QByteArray utf8;
    int voice = kNoVoice;
    std::uint64_t text = 0;
};

struct Runtime {
    int sample_rate = 0;
    std::vector<espeak_detail::Voice> voices;
    // Guards every call into espeak-ng and `loadedVoice`.
    std::mutex mutex;
    int loadedVoice = kNoVoice;

    std::unique_ptr<SoundOutput> soundServer;
    SampleCounter counter;
    std::atomic<SoundOutput *> output{nullptr};
    // The number that texts spoken now carry; each stop moves it on.
    std::atomic<std::uint64_t> text{0};

    // Texts waiting for the synthesis thread, and whether it is busy with one.
    std::mutex queueMutex;
    std::condition_variable queueChanged;
    std::deque<Request> queue;
    bool synthesising = false;
    std::thread synthesis;
};

std::mutex startMutex;
bool started = false;
bool countingRequested = false;

// The text being synthesised, for the callback; set under Runtime::mutex.
SoundOutput *synthesisOutput = nullptr;
std::uint64_t synthesisText = 0;

int to_output(short *wav, int sampleTotal, espeak_EVENT *) {
    if (wav && sampleTotal > 0 &&
        !synthesisOutput->write(synthesisText, wav, std::size_t(sampleTotal)))
        return kAbandonSynthesis;
    return kContinueSynthesis;
}

bool load_voice_locked(Runtime &rt, int index) {
    if (rt.loadedVoice == index)
        return true;
    if (espeak_SetVoiceByName(rt.voices[size_t(index)].identifier.constData()) != EE_OK) {
        rt.loadedVoice = kNoVoice;
        return false;
    }
    rt.loadedVoice = index;
    return true;
}

// Synthesises `utf8` in voice `voice` into `output` as text number `text`; false when the
// voice could not be loaded.
bool synthesise_locked(Runtime &rt, const QByteArray &utf8, int voice, SoundOutput *output,
                       std::uint64_t text) {
    if (!load_voice_locked(rt, voice))
        return false;
    synthesisOutput = output;
    synthesisText = text;
    espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                 nullptr, nullptr);
    return true;
}

void synthesise(Runtime &rt) {
    for (;;) {
        Request request;
        {
            std::unique_lock lock(rt.queueMutex);
            rt.synthesising = false;
            rt.queueChanged.notify_all();
            rt.queueChanged.wait(lock, [&] { return !rt.queue.empty(); });
            request = std::move(rt.queue.front());
            rt.queue.pop_front();
            rt.synthesising = true;
        }
        if (request.text != rt.text)
            continue;
        std::lock_guard lock(rt.mutex);
        SoundOutput *output = rt.output;
        if (synthesise_locked(rt, request.utf8, request.voice, output, request.text))
            output->end(request.text);
    }
}

// Ends what is being said and what waits to be said; texts spoken after it are heard.
void cut_speech(Runtime &rt) {
    {
        std::lock_guard lock(rt.queueMutex);
        rt.queue.clear();
    }
    const std::uint64_t next = ++rt.text;
    // Both outputs, so that neither goes on when a test switches between them.
    rt.counter.cut(next);
    if (rt.soundServer)
        rt.soundServer->cut(next);
}

// The languages field is a list of (priority byte, zero-terminated name), ended by a zero.
QStringList languages_of(const char *field) {
    QStringList languages;
    if (!field)
        return languages;
    for (const char *p = field; *p != '\0';) {
        ++p; // priority
        languages << QString::fromUtf8(p);
        p += std::strlen(p) + 1;
    }
    return languages;
}

void start(Runtime &rt) {
    bool counting = false;
    {
        std::lock_guard lock(startMutex);
        started = true;
        counting = countingRequested;
    }
    // Without DONT_EXIT espeak-ng ends the whole process when its data folder is empty.
    rt.sample_rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, kBufferLengthMs, nullptr,
                                       espeakINITIALIZE_DONT_EXIT);
    if (rt.sample_rate <= 0) {
        qCWarning(lcSpeech) << "espeak-ng could not start; running without speech";
        return;
    }
    espeak_SetSynthCallback(to_output);
    // The list belongs to espeak-ng and is rebuilt by later calls: copy what we need.
    const espeak_VOICE **list = espeak_ListVoices(nullptr);
    for (int i = 0; list && list[i]; ++i) {
        const espeak_VOICE *v = list[i];
        if (!v->identifier || !espeak_detail::is_usable_voice(v->identifier))
            continue;
        const QByteArray identifier(v->identifier);
        // espeak-ng names its voices in English; a voice outside our table keeps that name.
        const QString name =
            swedish_voice_name(identifier)
                .value_or(v->name ? QString::fromUtf8(v->name) : QString::fromUtf8(identifier));
        rt.voices.push_back({name, identifier, languages_of(v->languages)});
    }
    if (rt.voices.empty()) {
        qCWarning(lcSpeech) << "espeak-ng has no usable voice; running without speech";
        return;
    }
    if (!counting)
        rt.soundServer = create_sound_server_output(rt.sample_rate);
    rt.output = counting ? static_cast<SoundOutput *>(&rt.counter) : rt.soundServer.get();
    rt.synthesis = std::thread(synthesise, std::ref(rt));
}

Runtime &runtime() {
    // Left alive to the end of the process: espeak-ng must not be shut down and restarted.
    static Runtime *const instance = [] {
        auto *rt = new Runtime;
        start(*rt);
        return rt;
    }();
    return *instance;
}

bool usable(const Runtime &rt) {
    return rt.sample_rate > 0 && !rt.voices.empty();
}

class EspeakSpeech final : public SpeechEngine {
public:
    EspeakSpeech(Runtime &rt, SettingsStore *store)
        : rt_(rt), store_(store), current_(espeak_detail::default_voice_index(rt.voices)) {}

    bool ready() const override { return true; }
    int voice_count() const override { return int(rt_.voices.size()); }

    std::optional<QString> voice_name(int index) const override {
        if (!is_voice(index))
            return std::nullopt;
        return rt_.voices[size_t(index)].name;
    }

    bool select_voice(int index) override {
        if (!is_voice(index))
            return false;
        // A voice is not replaced under a text being synthesised in it: that text ends.
        std::unique_lock lock(rt_.mutex, std::try_to_lock);
        if (!lock.owns_lock()) {
            cut_speech(rt_);
            lock.lock();
        }
        if (!load_voice_locked(rt_, index))
            return false;
        current_ = index;
        return true;
    }

    QString current_voice_name() const override { return rt_.voices[size_t(current_)].name; }

    void store_voice(const QString &) override {
        if (store_)
            store_->SaveSetting(kVoiceSection, kVoiceKey,
                                QString::fromUtf8(rt_.voices[size_t(current_)].identifier));
    }

    void restore_voice(const QString &) override {
        if (!store_)
            return;
        const QByteArray stored = store_->GetSetting(kVoiceSection, kVoiceKey, {}).toUtf8();
        if (stored.isEmpty())
            return;
        for (size_t i = 0; i < rt_.voices.size(); ++i) {
            if (rt_.voices[i].identifier == stored) {
                select_voice(int(i));
                return;
            }
        }
    }

    void speak(const QString &text) override {
        if (text.isEmpty())
            return;
        qCDebug(lcSpeech).noquote() << "speak:" << QString(text).replace(u'\n', "\\n");
        std::lock_guard lock(rt_.queueMutex);
        rt_.queue.push_back({text.toUtf8(), current_, rt_.text});
        rt_.queueChanged.notify_all();
    }

    void stop() override { cut_speech(rt_); }

private:
    bool is_voice(int index) const { return index >= 0 && size_t(index) < rt_.voices.size(); }

    Runtime &rt_;
    SettingsStore *store_;
    int current_;
};

} // namespace

namespace espeak_detail {

bool is_usable_voice(const QByteArray &identifier) {
    for (const QByteArray &prefix : kMbrolaPrefixes) {
        if (identifier.startsWith(prefix))
            return false;
    }
    return true;
}

int default_voice_index(const std::vector<Voice> &voices) {
    if (voices.empty())
        return kNoVoice;
    for (size_t i = 0; i < voices.size(); ++i) {
        if (voices[i].identifier == kSwedishIdentifier)
            return int(i);
    }
    for (size_t i = 0; i < voices.size(); ++i) {
        if (voices[i].languages.contains(kSwedishLanguage))
            return int(i);
    }
    return 0;
}

const std::vector<Voice> &voices() {
    return runtime().voices;
}

bool count_samples_instead_of_playing() {
    {
        std::lock_guard lock(startMutex);
        if (!started) {
            countingRequested = true;
            return true;
        }
    }
    Runtime &rt = runtime();
    if (!usable(rt))
        return false;
    cut_speech(rt);
    rt.output = &rt.counter;
    return true;
}

bool play_through_sound_server() {
    Runtime &rt = runtime();
    if (!usable(rt))
        return false;
    cut_speech(rt);
    if (!rt.soundServer)
        rt.soundServer = create_sound_server_output(rt.sample_rate);
    rt.output = rt.soundServer.get();
    return true;
}

void wait_until_synthesised() {
    Runtime &rt = runtime();
    if (!usable(rt))
        return;
    std::unique_lock lock(rt.queueMutex);
    rt.queueChanged.wait(lock, [&] { return rt.queue.empty() && !rt.synthesising; });
}

std::vector<short> synthesise(const QString &text, int voice_index) {
    struct Collect final : SoundOutput {
        void cut(std::uint64_t) override {}
        bool write(std::uint64_t, const short *s, std::size_t n) override {
            samples.insert(samples.end(), s, s + n);
            return true;
        }
        void end(std::uint64_t) override {}
        std::vector<short> samples;
    } collect;
    Runtime &rt = runtime();
    if (!usable(rt) || voice_index < 0 || size_t(voice_index) >= rt.voices.size())
        return {};
    std::lock_guard lock(rt.mutex);
    synthesise_locked(rt, text.toUtf8(), voice_index, &collect, 0);
    return std::move(collect.samples);
}

long long take_sample_count() {
    return runtime().counter.samples.exchange(0);
}

long long take_first_sample_nanos() {
    return runtime().counter.first_nanos.exchange(0);
}

int sample_rate() {
    return runtime().sample_rate;
}

} // namespace espeak_detail

std::unique_ptr<SpeechEngine> create_espeak_speech(SettingsStore *store) {
    Runtime &rt = runtime();
    if (!usable(rt))
        return create_silent_speech();
    return std::make_unique<EspeakSpeech>(rt, store);
}
