// Printing figures: a 1000-task worksheet laid out and printed to PDF, and the whole guide
// printed to PDF (target: under 500 ms each). SORVINEL_BENCH_KEEP=folder keeps the PDFs.
#include "exercises/worksheet_layout.h"
#include "exercises/worksheet_print.h"
#include "platform/print_dialog.h"
#include "settings/frmSorvinelHandledning.h"
#include "settings/guide_print.h"
#include "shared/assets.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kTasks = 1000;
constexpr double kGuidePoints = 12;

QString output_path(const char *name) {
    static QTemporaryDir dir;
    const QString keep = qEnvironmentVariable("SORVINEL_BENCH_KEEP");
    return (keep.isEmpty() ? dir.path() : keep) + u'/' + QString::fromLatin1(name);
}

void BM_Worksheet1000ToPdf(benchmark::State &state) {
    QStringList tasks;
    for (int i = 0; i < kTasks; ++i)
        tasks << QStringLiteral("%1 * %2 =").arg(i % 100).arg(i / 10);
    const QString pdf = output_path("worksheet-1000.pdf");
    for (auto _ : state) {
        exercises::Worksheet sheet;
        sheet.file_name = QStringLiteral("tusen.mul");
        sheet.task_points = exercises::print_task_points(0);
        for (const int index : exercises::print_order(kTasks, true))
            sheet.lines << exercises::format_task_for_print(tasks.at(index), QStringLiteral("*"));
        const std::unique_ptr<QPrinter> printer = platform::make_pdf_printer({pdf});
        if (!exercises::print_worksheet(*printer, sheet))
            state.SkipWithError("print failed");
    }
}
BENCHMARK(BM_Worksheet1000ToPdf)->Unit(benchmark::kMillisecond);

void BM_GuideToPdf(benchmark::State &state) {
    const QString text = frmSorvinelHandledning::guide_text();
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(kGuidePoints);
    const QString pdf = output_path("guide.pdf");
    for (auto _ : state) {
        const std::unique_ptr<QPrinter> printer = platform::make_pdf_printer({pdf});
        if (!guide::print_guide(*printer, text, font))
            state.SkipWithError("print failed");
    }
}
BENCHMARK(BM_GuideToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    init_assets();
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
