// The espeak-ng engine. espeak-ng is started once per process and never stopped: starting it
// a second time hangs. Every engine object shares that one instance; each keeps its own
// current voice and loads it into espeak-ng before it speaks.
#include "platform/settings_store.h"
#include "platform/speech.h"
#include "platform/speech_espeak_detail.h"
#include "platform/voice_names.h"

#include <QLoggingCategory>
#include <atomic>
#include <chrono>
#include <cstring>
#include <espeak-ng/speak_lib.h>
#include <mutex>

namespace {

using platform::swedish_voice_name;

Q_LOGGING_CATEGORY(lcSpeech, "sorvinel.speech")

// Sound is handed to the audio output in pieces this long. espeak-ng's own choice (0) is
// 60 ms, all of which a child waits for before the first sound of every highlighted item;
// synthesis runs far ahead of playback, so short pieces leave no gaps.
constexpr int kBufferLengthMs = 10;
// Returned from the synthesis callback: go on synthesising.
constexpr int kContinueSynthesis = 0;
constexpr int kNoVoice = -1;

const QString kVoiceSection = QStringLiteral("Röst");
const QString kVoiceKey = QStringLiteral("Namn");
const QByteArray kSwedishIdentifier = QByteArrayLiteral("gmq/sv");
const QString kSwedishLanguage = QStringLiteral("sv");
const QByteArray kMbrolaPrefixes[] = {QByteArrayLiteral("mb/"), QByteArrayLiteral("mb-")};

struct Runtime {
    int sample_rate = 0;
    std::vector<espeak_detail::Voice> voices;
    // Guards every call into espeak-ng and `loadedVoice`.
    std::mutex mutex;
    int loadedVoice = kNoVoice;
};

std::mutex startMutex;
bool started = false;
bool synchronousOutput = false;
std::atomic<long long> sampleCount{0};
std::atomic<long long> firstSampleNanos{0};

int count_samples(short *wav, int sampleTotal, espeak_EVENT *) {
    if (wav && sampleTotal > 0) {
        long long none = 0;
        firstSampleNanos.compare_exchange_strong(
            none, std::chrono::steady_clock::now().time_since_epoch().count());
        sampleCount += sampleTotal;
    }
    return kContinueSynthesis;
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
    {
        std::lock_guard lock(startMutex);
        started = true;
    }
    // Without DONT_EXIT espeak-ng ends the whole process when its data folder is empty.
    rt.sample_rate =
        espeak_Initialize(synchronousOutput ? AUDIO_OUTPUT_SYNCHRONOUS : AUDIO_OUTPUT_PLAYBACK,
                          kBufferLengthMs, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rt.sample_rate <= 0) {
        qCWarning(lcSpeech) << "espeak-ng could not start; running without speech";
        return;
    }
    if (synchronousOutput)
        espeak_SetSynthCallback(count_samples);
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
    if (rt.voices.empty())
        qCWarning(lcSpeech) << "espeak-ng has no usable voice; running without speech";
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
        std::lock_guard lock(rt_.mutex);
        if (!load_locked(index))
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
        const QByteArray utf8 = text.toUtf8();
        std::lock_guard lock(rt_.mutex);
        if (rt_.loadedVoice != current_ && !load_locked(current_))
            return;
        espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8, nullptr, nullptr);
    }

    void stop() override {
        std::lock_guard lock(rt_.mutex);
        espeak_Cancel();
    }

private:
    bool is_voice(int index) const { return index >= 0 && size_t(index) < rt_.voices.size(); }

    bool load_locked(int index) {
        if (rt_.loadedVoice == index)
            return true;
        // The synthesis thread must not be reading the voice that is being replaced.
        espeak_Cancel();
        if (espeak_SetVoiceByName(rt_.voices[size_t(index)].identifier.constData()) != EE_OK) {
            rt_.loadedVoice = kNoVoice;
            return false;
        }
        rt_.loadedVoice = index;
        return true;
    }

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
    std::lock_guard lock(startMutex);
    if (!started)
        synchronousOutput = true;
    return synchronousOutput;
}

long long take_sample_count() {
    return sampleCount.exchange(0);
}

long long take_first_sample_nanos() {
    return firstSampleNanos.exchange(0);
}

int sample_rate() {
    return runtime().sample_rate;
}

} // namespace espeak_detail

std::unique_ptr<SpeechEngine> create_espeak_speech(SettingsStore *store) {
    Runtime &rt = runtime();
    if (rt.sample_rate <= 0 || rt.voices.empty())
        return create_silent_speech();
    return std::make_unique<EspeakSpeech>(rt, store);
}
