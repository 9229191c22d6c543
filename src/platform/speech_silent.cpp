// The engine used when no voice is available: it has nothing to offer and ignores every call.
#include "platform/speech.h"

namespace {

class SilentSpeech final : public SpeechEngine {
public:
    bool ready() const override { return true; }
    int voiceCount() const override { return 0; }
    std::optional<QString> voiceName(int) const override { return std::nullopt; }
    bool selectVoice(int) override { return false; }
    QString currentVoiceName() const override { return {}; }
    void storeVoice(const QString &) override {}
    void restoreVoice(const QString &) override {}
    void speak(const QString &) override {}
    void stop() override {}
};

} // namespace

std::unique_ptr<SpeechEngine> createSilentSpeech() {
    return std::make_unique<SilentSpeech>();
}
