// Editor list tools on a full exercise of 1000 tasks: sorting, shuffling, the duplicate
// search, filling out to 999 and generating 1000 tasks from an own selection; and the
// editor's own sort command, list refresh included (offscreen).
#include "exercises/frmSkrivIn.h"
#include "exercises/list_tools.h"
#include "exercises/task_generation.h"
#include "shared/assets.h"
#include "shared/modSorvinel.h"

#include <QApplication>
#include <QListWidget>
#include <benchmark/benchmark.h>
#include <random>

namespace {

using namespace exercises;

constexpr int kFull = 1000;

RandomSource seeded(unsigned seed) {
    auto engine = std::make_shared<std::mt19937>(seed);
    return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

// 1000 mixed tasks with some repeats.
QStringList full_list() {
    QStringList tasks;
    std::mt19937 engine(42);
    std::uniform_int_distribution<int> operand(0, 99);
    const QString signs = "+-*/";
    for (int i = 0; i < kFull; ++i) {
        const int a = operand(engine), b = operand(engine) + 1;
        const QString sign(signs[i % 4]);
        tasks << (sign == "/" ? task_line(a * b, sign, b)
                              : task_line(std::max(a, b), sign, std::min(a, b)));
    }
    return tasks;
}

void BM_SortAscending(benchmark::State &state) {
    const QStringList tasks = full_list();
    for (auto _ : state)
        benchmark::DoNotOptimize(sort_tasks(tasks, SortMode::Ascending, seeded(1)));
}
BENCHMARK(BM_SortAscending)->Unit(benchmark::kMillisecond);

void BM_Shuffle(benchmark::State &state) {
    const QStringList tasks = full_list();
    const RandomSource rnd = seeded(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(sort_tasks(tasks, SortMode::Random, rnd));
}
BENCHMARK(BM_Shuffle)->Unit(benchmark::kMillisecond);

void BM_FindDuplicates(benchmark::State &state) {
    const QStringList tasks = full_list();
    for (auto _ : state)
        benchmark::DoNotOptimize(find_duplicate_tasks(tasks));
}
BENCHMARK(BM_FindDuplicates)->Unit(benchmark::kMillisecond);

// Fill out from two tasks to 999; arg 0 addition, 1 division over a wide interval, 2 the
// sparsest division: one dividend, where 2 of 9973 divisors divide it.
void BM_FillOutTo999(benchmark::State &state) {
    const QStringList starts[] = {
        {"1 + 1 =", "999 + 999 ="}, {"1 / 1 =", "9999 / 99 ="}, {"9973 / 9973 =", "9973 / 1 ="}};
    const QStringList &start = starts[state.range(0)];
    const QString type = state.range(0) == 0 ? kTypeAddition : kTypeDivision;
    const RandomSource rnd = seeded(3);
    for (auto _ : state)
        benchmark::DoNotOptimize(fill_out(start, type, {}, kFull - 1, rnd));
}
BENCHMARK(BM_FillOutTo999)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// 1000 tasks from an own selection: arg = highest operand (10: ten whole sets; 50: one
// remainder of 1000; 999: a remainder among every pair of 1..999).
void BM_Generate1000(benchmark::State &state) {
    const int high = int(state.range(0));
    const RandomSource rnd = seeded(5);
    for (auto _ : state)
        benchmark::DoNotOptimize(generate_from_selection("+", {1, 1, high, high}, kFull, rnd));
}
BENCHMARK(BM_Generate1000)->Arg(10)->Arg(50)->Arg(999)->Unit(benchmark::kMillisecond);

// The editor's sort command on 1000 tasks, with the list shown again.
void BM_EditorSort(benchmark::State &state) {
    frmSkrivIn editor(nullptr, {Operation::Blandat, true}, full_list());
    bool down = false;
    for (auto _ : state) {
        editor.sort_tasks(down ? SortMode::Descending : SortMode::Ascending);
        down = !down;
    }
    state.counters["tasks"] = editor.lstSkrivIn->count();
}
BENCHMARK(BM_EditorSort)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    init_assets();
    modSorvinel.reset();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
