// The engine used when no voice is available: it has nothing to offer and ignores every call.
#include "platform/speech.h"

namespace {

class SilentSpeech final : public SpeechEngine {
public:
    bool ready() const override { return true; }
    int voice_count() const override { return 0; }
    std::optional<QString> voice_name(int) const override { return std::nullopt; }
    bool select_voice(int) override { return false; }
    QString current_voice_name() const override { return {}; }
    void store_voice(const QString &) override {}
    void restore_voice(const QString &) override {}
    void speak(const QString &) override {}
    void stop() override {}
};

} // namespace

std::unique_ptr<SpeechEngine> create_silent_speech() {
    return std::make_unique<SilentSpeech>();
}
