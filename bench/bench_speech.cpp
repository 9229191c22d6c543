// Speech from a key to its first sound: stop() and speak() as the program calls them, to the
// first sample handed to the output (synthesis and the hand-over to the synthesis thread),
// and to the first sound that a recording of a private sound server hears. The second
// needs pulseaudio and parec; it is skipped without them.
#include "bench_support.h"
#include "platform/speech.h"
#include "platform/speech_espeak_detail.h"
#include "support/env_guard.h"
#include "support/sound_server.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <thread>

namespace {

using std::chrono::milliseconds;

const QString kTexts[] = {QStringLiteral("Subtraktion"), QStringLiteral("Multiplikation")};

void BM_SpeakToFirstSynthesisedSample(benchmark::State &state) {
    if (!espeak_detail::count_samples_instead_of_playing()) {
        state.SkipWithError("espeak-ng is not usable here");
        return;
    }
    auto engine = create_espeak_speech(nullptr);
    int n = 0;
    for (auto _ : state) {
        espeak_detail::wait_until_synthesised();
        (void)espeak_detail::take_first_sample_nanos();
        const auto start = std::chrono::steady_clock::now().time_since_epoch().count();
        engine->stop();
        engine->speak(kTexts[n++ % 2]);
        espeak_detail::wait_until_synthesised();
        const long long first = espeak_detail::take_first_sample_nanos();
        state.SetIterationTime(first > 0 ? double(first - start) / 1e9 : 0);
    }
}
BENCHMARK(BM_SpeakToFirstSynthesisedSample)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Twenty texts, each waited for until it is heard: the median and the worst are the figures.
void BM_SpeakToFirstSoundAtServer(benchmark::State &state) {
    constexpr int kTextsHeard = 20;
    if (const auto why = sound::Server::missing_tools()) {
        state.SkipWithError(why->toStdString().c_str());
        return;
    }
    sound::Server server;
    QString why;
    if (!server.start(&why)) {
        state.SkipWithError(why.toStdString().c_str());
        return;
    }
    const EnvGuard server_address("PULSE_SERVER", server.address());
    if (!espeak_detail::play_through_sound_server()) {
        state.SkipWithError("espeak-ng is not usable here");
        return;
    }
    auto engine = create_espeak_speech(nullptr);
    sound::Recording rec(server);
    for (auto _ : state) {
        std::vector<double> delays;
        for (int n = 0; n < kTextsHeard; ++n) {
            const auto asked = sound::Clock::now();
            engine->stop();
            engine->speak(kTexts[n % 2]);
            const size_t from = size_t(rec.sample_at(asked) / sound::kFrame);
            std::optional<int> first;
            for (int waited = 0; waited < 1000 && !first; waited += 2) {
                std::this_thread::sleep_for(milliseconds(2));
                const std::vector<double> frames = rec.frames();
                if (frames.size() <= from)
                    continue;
                const int loud =
                    sound::loud_span(std::vector<double>(frames.begin() + long(from), frames.end()))
                        .first;
                if (loud >= 0)
                    first = loud;
            }
            delays.push_back(first ? *first * sound::kFrameSeconds : 1.0);
            std::this_thread::sleep_for(milliseconds(400));
        }
        std::sort(delays.begin(), delays.end());
        state.SetIterationTime(delays[delays.size() / 2]);
        state.counters["median_ms"] = 1000 * delays[delays.size() / 2];
        state.counters["worst_ms"] = 1000 * delays.back();
    }
    engine->stop();
    espeak_detail::count_samples_instead_of_playing();
}
BENCHMARK(BM_SpeakToFirstSoundAtServer)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return run_benchmarks_offscreen(argc, argv);
}
