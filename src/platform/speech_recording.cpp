// The recording engine: answers like a real one from a fixed voice list and writes every
// call into its log, so tests can check what would have been said and chosen.
#include "platform/speech.h"

namespace {

const QString kSpeakPrefix = QStringLiteral("speak:");

} // namespace

RecordingSpeech::RecordingSpeech(QStringList voices) : voices_(std::move(voices)) {}

std::optional<QString> RecordingSpeech::voice_name(int index) const {
    if (index < 0 || index >= voices_.size() || unreadable.contains(index))
        return std::nullopt;
    return voices_.at(index);
}

bool RecordingSpeech::select_voice(int index) {
    log << QStringLiteral("select:%1").arg(index);
    if (index < 0 || index >= voices_.size() || unselectable.contains(index))
        return false;
    current_ = index;
    return true;
}

// An unreadable current voice gives an empty name, as a real engine whose voice has no
// readable name would; callers then find it in no list.
QString RecordingSpeech::current_voice_name() const {
    if (current_ >= voices_.size() || unreadable.contains(current_))
        return {};
    return voices_.at(current_);
}

void RecordingSpeech::store_voice(const QString &application_name) {
    log << QStringLiteral("store:") + application_name;
}

void RecordingSpeech::restore_voice(const QString &application_name) {
    log << QStringLiteral("restore:") + application_name;
}

void RecordingSpeech::speak(const QString &text) {
    log << kSpeakPrefix + text;
}

void RecordingSpeech::stop() {
    log << QStringLiteral("stop");
}

QStringList RecordingSpeech::spoken() const {
    QStringList texts;
    for (const QString &line : log) {
        if (line.startsWith(kSpeakPrefix))
            texts << line.mid(kSpeakPrefix.size());
    }
    return texts;
}
