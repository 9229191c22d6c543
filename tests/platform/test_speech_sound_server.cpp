// Speech as a listener hears it: the engine plays through a private PulseAudio server with a
// null sink, whose sound is recorded and compared with espeak-ng's synthesis of each text.
// Skipped, with the reason, where no such server can run.
#include "platform/speech.h"
#include "platform/speech_espeak_detail.h"
#include "support/env_guard.h"
#include "support/sound_server.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

using sound::Clock;
using std::chrono::milliseconds;

constexpr double kWhole = 0.8;
// Longest wait from speak() to a text's first sound that still counts as its start.
constexpr milliseconds kFirstSoundWithin{400};
// What is still heard of a text after the stop that cut it off.
constexpr milliseconds kCutWithin{50};
constexpr milliseconds kAfterLast{600};
// How much later than its own length a text may end: a loaded machine can hold a piece back.
constexpr milliseconds kLateEnd{25};

int swedish() {
    const auto &voices = espeak_detail::voices();
    for (size_t i = 0; i < voices.size(); ++i) {
        if (voices[i].identifier == "gmq/sv")
            return int(i);
    }
    return -1;
}

int frames_in(milliseconds d) {
    return int(std::chrono::duration<double>(d).count() / sound::kFrameSeconds);
}

class SoundServerSpeech : public ::testing::Test {
protected:
    void SetUp() override {
        if (const auto why = sound::Server::missing_tools())
            GTEST_SKIP() << why->toStdString();
        if (swedish() < 0)
            GTEST_SKIP() << "espeak-ng-data has no Swedish voice here";
        QString why;
        if (!server_.start(&why))
            GTEST_SKIP() << why.toStdString();
        server_address_.emplace("PULSE_SERVER", server_.address());
        ASSERT_TRUE(espeak_detail::play_through_sound_server());
        speech_ = create_espeak_speech(nullptr);
    }

    void TearDown() override {
        if (speech_)
            speech_->stop();
        espeak_detail::count_samples_instead_of_playing();
        server_address_.reset();
    }

    // As the program speaks: stop, then speak. Returns when it was asked.
    Clock::time_point say(const QString &text) {
        const auto at = Clock::now();
        speech_->stop();
        speech_->speak(text);
        return at;
    }

    std::vector<double> reference(const QString &text) {
        return sound::loudness(espeak_detail::synthesise(text, swedish()));
    }

    struct Heard {
        std::optional<int> onset; // frame where the text's sample 0 lies
        double fraction = 0;
        int last_frame = -1; // of the text, had it been heard whole
    };

    Heard heard(const sound::Recording &rec, const std::vector<double> &frames, const QString &text,
                Clock::time_point asked, std::optional<Clock::time_point> until = std::nullopt) {
        const std::vector<double> ref = reference(text);
        const int from = int(rec.sample_at(asked) / sound::kFrame);
        const int end = until ? int(rec.sample_at(*until) / sound::kFrame) : int(frames.size());
        Heard h;
        h.onset =
            sound::onset(frames, ref, from, std::min(end, from + frames_in(kFirstSoundWithin)));
        if (h.onset) {
            h.fraction = sound::heard_fraction(frames, ref, *h.onset, end);
            h.last_frame = *h.onset + sound::loud_span(ref).second;
        }
        return h;
    }

    sound::Server server_;
    std::optional<EnvGuard> server_address_;
    std::unique_ptr<SpeechEngine> speech_;
};

// A text cut off by the next: the next is heard whole from its first sound, the first stops
// at once, and nothing of either comes after. The program says "Addition" twice at start.
TEST_F(SoundServerSpeech, StopThenSpeakIsHeardWhole) {
    struct Case {
        const char *what;
        QString first;
        milliseconds gap;
        QString second;
    };
    const Case cases[] = {
        {"start-up pair", "Addition", milliseconds(2), "Addition"},
        {"cut off after 150 ms", "Subtraktion", milliseconds(150), "Multiplikation"},
        {"a child's pace", "Subtraktion", milliseconds(1000), "Multiplikation"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        sound::Recording rec(server_);
        ASSERT_TRUE(rec.started());
        const auto first = say(c.first);
        std::this_thread::sleep_for(c.gap);
        const auto second = say(c.second);
        std::this_thread::sleep_for(
            milliseconds(
                int(espeak_detail::synthesise(c.second, swedish()).size() * 1000 / sound::kRate)) +
            kAfterLast);
        const std::vector<double> frames = rec.frames();

        const Heard last = heard(rec, frames, c.second, second);
        ASSERT_TRUE(last.onset.has_value()) << "the second text was not heard";
        EXPECT_GE(last.fraction, kWhole);
        EXPECT_EQ(
            sound::loud_frames(frames, last.last_frame + frames_in(kLateEnd), int(frames.size())),
            0)
            << "sound after the last text";
        if (c.gap < kFirstSoundWithin)
            continue;
        const Heard cut = heard(rec, frames, c.first, first, second + kCutWithin);
        ASSERT_TRUE(cut.onset.has_value()) << "the first text was not heard";
        if (c.gap >= milliseconds(1000))
            EXPECT_GE(cut.fraction, kWhole);
        const int cut_frame = int(rec.sample_at(second + kCutWithin) / sound::kFrame);
        const int second_start = *last.onset + sound::loud_span(reference(c.second)).first;
        EXPECT_EQ(sound::loud_frames(frames, cut_frame, second_start), 0)
            << "the first text went on after the stop";
    }
}

// The server goes away and comes back: speech goes on without sound, and returns with the
// next text.
TEST_F(SoundServerSpeech, ServerThatComesBackIsHeardAgain) {
    {
        sound::Recording rec(server_);
        const auto asked = say("Addition");
        std::this_thread::sleep_for(milliseconds(1200));
        EXPECT_GE(heard(rec, rec.frames(), "Addition", asked).fraction, kWhole);
    }
    server_.stop();
    say("Subtraktion");
    espeak_detail::wait_until_synthesised();
    say("Division");
    espeak_detail::wait_until_synthesised();
    QString why;
    ASSERT_TRUE(server_.start(&why)) << why.toStdString();
    sound::Recording rec(server_);
    const auto asked = say("Multiplikation");
    std::this_thread::sleep_for(milliseconds(1600));
    EXPECT_GE(heard(rec, rec.frames(), "Multiplikation", asked).fraction, kWhole);
}

} // namespace
