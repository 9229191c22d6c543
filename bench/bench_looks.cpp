// The main window's looks: one clock tick, applying a colour style, and the idle cost of
// the window over 10 s with and without the clock (CPU from getrusage, and the voluntary
// context switches as the count of wake-ups).
#include "bench_support.h"
#include "drill/frmSorvinel.h"
#include "platform/settings_store.h"
#include "platform/speech.h"
#include "platform/system.h"
#include "shared/assets.h"
#include "shared/modSorvinel.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>

namespace {

constexpr int kIdleMs = 10000;
constexpr int kStyles = 6;
constexpr double kPercent = 100;
constexpr double kMicrosPerSecond = 1e6;

struct Window {
    Window() {
        init_assets();
        store = std::make_unique<SettingsStore>(home.path() + "/bench.ini");
        modSorvinel.store = store.get();
        window = std::make_unique<frmSorvinel>(&speech);
        close_modal_when_shown();
        window->Form_Load();
        modSorvinel.beep_on = false;
    }
    void start_drill(bool clock) {
        window->back_to_main_menu();
        modSorvinel.show_clock = clock;
        window->labMenyVal_Click(index_of(Operation::Addition));
        window->labMenyVal_Click(0);
    }
    QTemporaryDir home;
    std::unique_ptr<SettingsStore> store;
    RecordingSpeech speech;
    std::unique_ptr<frmSorvinel> window;
};

Window &shared_window() {
    // Never destroyed: its widgets would outlive the application object.
    static Window *w = new Window;
    return *w;
}

double cpu_seconds(const rusage &u) {
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / kMicrosPerSecond;
}

void BM_ClockTick(benchmark::State &state) {
    Window &w = shared_window();
    w.start_drill(true);
    double steady = 0;
    platform::set_monotonic_source([&steady] { return steady; });
    modSorvinel.drill_start_time = 0;
    for (auto _ : state) {
        steady += 1; // every tick a new second: the seconds digits are repainted
        w.window->timKlocka_Timer();
        w.window->picDig[0]->repaint();
        w.window->picDig[1]->repaint();
    }
    platform::set_monotonic_source({});
}
BENCHMARK(BM_ClockTick)->Unit(benchmark::kMicrosecond);

void BM_ApplyColourStyle(benchmark::State &state) {
    Window &w = shared_window();
    w.window->back_to_main_menu();
    int style = 0;
    for (auto _ : state) {
        modSorvinel.apply_colour_style(style);
        w.window->repaint();
        style = (style + 1) % kStyles;
    }
}
BENCHMARK(BM_ApplyColourStyle)->Unit(benchmark::kMicrosecond);

void BM_IdleTenSeconds(benchmark::State &state) {
    Window &w = shared_window();
    const bool clock = state.range(0) != 0;
    w.start_drill(clock);
    for (auto _ : state) {
        rusage before{}, after{};
        getrusage(RUSAGE_SELF, &before);
        QEventLoop loop;
        QTimer::singleShot(kIdleMs, &loop, &QEventLoop::quit);
        loop.exec();
        getrusage(RUSAGE_SELF, &after);
        state.counters["cpu_percent"] =
            (cpu_seconds(after) - cpu_seconds(before)) / (kIdleMs / 1000.0) * kPercent;
        state.counters["wakeups"] = double(after.ru_nvcsw - before.ru_nvcsw);
    }
    w.window->back_to_main_menu();
}
BENCHMARK(BM_IdleTenSeconds)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char **argv) {
    return run_benchmarks_offscreen(argc, argv);
}
