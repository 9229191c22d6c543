// One-key figures: one scanning step and one mouse move over a key to the repainted board,
// and the scanning timer's real step interval at one second. Speech is in bench_speech.
#include "bench_support.h"
#include "drill/frmSorvinel.h"
#include "platform/settings_store.h"
#include "platform/speech.h"
#include "platform/system.h"
#include "shared/assets.h"
#include "shared/modSorvinel.h"
#include "shared/number_board.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <memory>
#include <thread>

namespace {

constexpr int kScreenWidthPx = 1024;
constexpr int kScreenHeightPx = 768;
constexpr int kWorkAreaHeightPx = 740;
constexpr double kTwipsPerPixel = 15;
constexpr int kNoReward = 1000000;
constexpr int kTimerSteps = 20;
constexpr int kOneSecondMs = 1000;

// The main window in one-key mode, a drill task waiting for its answer.
struct Window {
    Window() {
        init_assets();
        store = std::make_unique<SettingsStore>(home.path() + "/bench.ini");
        store->SaveSetting("Styrning", "Alternativ", "3");
        modSorvinel.store = store.get();
        platform::set_screen_metrics(platform::ScreenMetrics{kScreenWidthPx, kScreenHeightPx,
                                                             kScreenWidthPx, kWorkAreaHeightPx,
                                                             kTwipsPerPixel, kTwipsPerPixel});
        window = std::make_unique<frmSorvinel>(&speech);
        close_modal_when_shown();
        window->Form_Load();
        window->timEnTangent->stop();
        modSorvinel.beep_on = false;
        modSorvinel.reward_min_tasks = kNoReward;
        window->labMenyVal_Click(index_of(Operation::Addition));
        window->labMenyVal_Click(0);
    }
    void repaint_board() {
        for (VbLabel *key : window->labSiffertavla)
            if (key)
                key->repaint();
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

void BM_ScanningStepToRepaintedBoard(benchmark::State &state) {
    Window &w = shared_window();
    modSorvinel.board_clickable = false;
    for (auto _ : state) {
        w.window->timEnTangent_Timer();
        w.repaint_board();
    }
}
BENCHMARK(BM_ScanningStepToRepaintedBoard)->Unit(benchmark::kMicrosecond);

void BM_MouseMoveToRepaintedKey(benchmark::State &state) {
    Window &w = shared_window();
    modSorvinel.board_clickable = true;
    int key = 1;
    for (auto _ : state) {
        key = key % (number_board::kKeyCount - 1) + 1;
        w.window->labSiffertavla_MouseMove(key);
        w.repaint_board();
    }
    modSorvinel.board_clickable = false;
}
BENCHMARK(BM_MouseMoveToRepaintedKey)->Unit(benchmark::kMicrosecond);

// The window's own timer at one second, in its own event loop; the worst step is reported.
void BM_ScanningTimerStepAtOneSecond(benchmark::State &state) {
    Window &w = shared_window();
    for (auto _ : state) {
        QTimer *timer = w.window->timEnTangent;
        QElapsedTimer clock;
        std::vector<double> steps;
        QEventLoop loop;
        auto c = QObject::connect(timer, &QTimer::timeout, &loop, [&] {
            steps.push_back(double(clock.nsecsElapsed()) / 1e6);
            clock.restart();
            if (int(steps.size()) == kTimerSteps)
                loop.quit();
        });
        modSorvinel.one_key_interval = 1;
        clock.start();
        modSorvinel.set_one_key_scanning(true);
        loop.exec();
        modSorvinel.set_one_key_scanning(false);
        QObject::disconnect(c);
        double worst = 0;
        for (double s : steps)
            worst = std::max(worst, std::abs(s - kOneSecondMs));
        state.counters["worst_ms_off"] = worst;
    }
}
BENCHMARK(BM_ScanningTimerStepAtOneSecond)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return run_benchmarks_offscreen(argc, argv);
}
