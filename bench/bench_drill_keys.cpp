// Drill key figures on the real main window (offscreen, speech recorded): a digit key to the
// answer label repainted, Enter on a right answer to the next task repainted, and the
// exercise files: a list of 500 files shown and stepped, a 1000-line file loaded into a drill,
// and the reading of the largest file taken and of a huge one, refused.
#include "bench_support.h"
#include "drill/exercise_drill_logic.h"
#include "drill/frmSorvinel.h"
#include "exercises/exercise_file.h"
#include "platform/settings_store.h"
#include "platform/speech.h"
#include "platform/system.h"
#include "shared/assets.h"
#include "shared/modSorvinel.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kScreenWidthPx = 1024;
constexpr int kScreenHeightPx = 768;
constexpr int kWorkAreaHeightPx = 740;
constexpr double kTwipsPerPixel = 15;
constexpr int kAnswerLabel = 4;
constexpr int kTaskRowLabels = 5;
constexpr int kNoReward = 1000000;

// One main window for all benchmarks, started as the program starts it.
struct Window {
    Window() {
        init_assets();
        store = std::make_unique<SettingsStore>(home.path() + "/bench.ini");
        modSorvinel.store = store.get();
        platform::set_screen_metrics(platform::ScreenMetrics{kScreenWidthPx, kScreenHeightPx,
                                                             kScreenWidthPx, kWorkAreaHeightPx,
                                                             kTwipsPerPixel, kTwipsPerPixel});
        window = std::make_unique<frmSorvinel>(&speech);
        close_modal_when_shown();
        window->Form_Load();
        modSorvinel.speak_in_exercises = true;
        modSorvinel.beep_on = false;
        // No reward window at the end of a drill: it would wait for a key.
        modSorvinel.reward_min_tasks = kNoReward;
    }
    void key(Qt::Key k, const QString &text = QString()) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier, text);
        QApplication::sendEvent(window.get(), &press);
        QApplication::sendEvent(window.get(), &release);
    }
    void type(int value) {
        for (QChar d : QString::number(value))
            key(Qt::Key(Qt::Key_0 + d.digitValue()), QString(d));
    }
    // A fresh "Till 10:an" addition drill when none waits for an answer.
    void ensure_task() {
        if (modSorvinel.screen_state == ScreenState::TaskShown)
            return;
        window->back_to_main_menu();
        window->labMenyVal_Click(index_of(Operation::Addition));
        window->labMenyVal_Click(0);
        speech.log.clear();
    }
    void repaint_task_row() {
        for (int i = 0; i < kTaskRowLabels; ++i)
            window->labTal[i]->repaint();
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

void BM_DigitKeyToAnswerRepainted(benchmark::State &state) {
    Window &w = shared_window();
    w.ensure_task();
    for (auto _ : state) {
        w.key(Qt::Key_7, QStringLiteral("7"));
        w.window->labTal[kAnswerLabel]->repaint();
        state.PauseTiming();
        w.key(Qt::Key_Backspace);
        if (w.speech.log.size() > 1000)
            w.speech.log.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DigitKeyToAnswerRepainted)->Unit(benchmark::kMicrosecond);

void BM_RightAnswerToNextTaskShown(benchmark::State &state) {
    Window &w = shared_window();
    for (auto _ : state) {
        state.PauseTiming();
        w.ensure_task();
        w.type(w.window->drill_session().task().right_answer);
        if (w.speech.log.size() > 1000)
            w.speech.log.clear();
        state.ResumeTiming();
        w.key(Qt::Key_Return);
        w.repaint_task_row();
    }
}
BENCHMARK(BM_RightAnswerToNextTaskShown)->Unit(benchmark::kMicrosecond);

constexpr int kListedFiles = 500;
constexpr int kFileTasks = 1000;

// The exercise folder with `count` addition files of `tasks` lines each.
QString exercise_folder(int count, int tasks) {
    static QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/f%1x%2").arg(count).arg(tasks);
    QDir().mkpath(folder);
    QByteArray bytes;
    for (int i = 0; i < tasks; ++i)
        bytes += QByteArray::number(i % 90 + 1) + " + " + QByteArray::number(i % 7) + " =\r\n";
    for (int i = 0; i < count; ++i) {
        QFile f(folder + QStringLiteral("/Övning %1.ADD").arg(i, 3, 10, QChar(u'0')));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
    return folder;
}

void to_drill_type_menu(Window &w) {
    w.window->back_to_main_menu();
    w.window->back_to_main_menu();
    w.window->labMenyVal_Click(index_of(Operation::Addition));
}

void BM_ListOf500FilesShownAndStepped(benchmark::State &state) {
    Window &w = shared_window();
    modSorvinel.exercise_folder = exercise_folder(kListedFiles, 5);
    for (auto _ : state) {
        state.PauseTiming();
        to_drill_type_menu(w);
        w.speech.log.clear();
        state.ResumeTiming();
        w.window->show_exercise_list();
        for (int i = 0; i < kListedFiles; ++i)
            w.key(Qt::Key_Down);
        w.window->labFilnamn->repaint();
    }
}
BENCHMARK(BM_ListOf500FilesShownAndStepped)->Unit(benchmark::kMillisecond);

void BM_ThousandLineFileLoadedIntoADrill(benchmark::State &state) {
    Window &w = shared_window();
    const QString folder = exercise_folder(1, kFileTasks);
    const QString path = folder + QStringLiteral("/Övning 000.ADD");
    modSorvinel.random_order = true;
    for (auto _ : state) {
        state.PauseTiming();
        to_drill_type_menu(w);
        w.speech.log.clear();
        state.ResumeTiming();
        w.window->load_exercise_file(path, false);
        w.repaint_task_row();
    }
}
BENCHMARK(BM_ThousandLineFileLoadedIntoADrill)->Unit(benchmark::kMillisecond);

// The reading of a load, which holds up the window: a file at the size limit, all of it
// tasks as short as they come (each one counted), another of one line that the task
// parser scans to its end, and a sparse terabyte, refused.
enum class BigFile { ShortestTasks, OneLongLine, Terabyte };

void BM_BigExerciseFileRead(benchmark::State &state) {
    static QTemporaryDir dir;
    const auto kind = BigFile(state.range(0));
    const QString path = dir.path() + QStringLiteral("/big%1.add").arg(state.range(0));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        state.SkipWithError("no file");
    if (kind == BigFile::Terabyte) {
        file.resize(qint64(1) << 40);
    } else {
        const QByteArray unit = kind == BigFile::ShortestTasks ? "1+1\n" : "1 ";
        file.write(unit.repeated(exercises::kMaxExerciseFileBytes / unit.size()));
    }
    file.close();
    for (auto _ : state) {
        const drill::LoadedExercise loaded = drill::read_exercise_for_drill(path);
        benchmark::DoNotOptimize(loaded.left_out);
    }
}
BENCHMARK(BM_BigExerciseFileRead)
    ->Arg(int(BigFile::ShortestTasks))
    ->Arg(int(BigFile::OneLongLine))
    ->Arg(int(BigFile::Terabyte))
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return run_benchmarks_offscreen(argc, argv);
}
