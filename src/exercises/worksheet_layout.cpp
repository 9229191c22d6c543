#include "exercises/worksheet_layout.h"

#include "platform/system.h"
#include "platform/vb.h"

#include <array>
#include <cmath>
#include <utility>

namespace exercises {
namespace {

constexpr std::array<double, 3> kTaskPoints{10, 18, 26};
constexpr int kOperandWidth = 4;
constexpr double kMarginDivisor = 12;
constexpr double kTopDivisor = 16;
constexpr double kGridShare = 11.0 / 12.0;
constexpr double kRowLines = 3;
const QString kSearchOrder = QStringLiteral("+-*/");
const QString kAnswerBlank = QStringLiteral(" = _____");

} // namespace

double print_task_points(int print_size) {
    if (print_size < 0 || print_size >= int(kTaskPoints.size()))
        return kTaskPoints[0];
    return kTaskPoints[std::size_t(print_size)];
}

QString format_task_for_print(const QString &task, const QString &exercise_type) {
    QChar op = exercise_type.isEmpty() ? QChar(u'+') : exercise_type.at(0);
    if (!kSearchOrder.contains(op)) {
        for (const QChar c : kSearchOrder) {
            if (task.contains(c)) {
                op = c;
                break;
            }
        }
    }
    const qsizetype at = task.indexOf(op);
    const QString first = at < 0 ? task.trimmed() : task.left(at).trimmed();
    QString second = at < 0 ? QString() : task.mid(at + 1);
    const qsizetype equals = second.indexOf(u'=');
    if (equals >= 0)
        second.truncate(equals);
    second = second.trimmed();
    const QString shown = op == u'*' ? QStringLiteral("•") : QString(op);
    return first.rightJustified(kOperandWidth, u' ') + u' ' + shown + u' ' +
           second.rightJustified(kOperandWidth, u' ') + kAnswerBlank;
}

std::vector<int> print_order(int task_count, bool random) {
    std::vector<int> order;
    order.reserve(std::size_t(std::max(0, task_count)));
    for (int i = 0; i < task_count; ++i)
        order.push_back(i);
    if (!random || task_count < 2)
        return order;
    platform::randomize();
    for (int i = 0; i < task_count; ++i) {
        const int j = std::min(task_count - 1, int(std::floor(platform::rnd() * task_count)));
        std::swap(order[std::size_t(i)], order[std::size_t(j)]);
    }
    return order;
}

QString page_counter(int page, int pages) {
    return QStringLiteral("Sidan %1 av %2").arg(page).arg(pages);
}

std::optional<WorksheetGrid> worksheet_grid(double page_width, double page_height,
                                            double sample_width, double sample_height,
                                            int task_count) {
    WorksheetGrid g;
    g.margin = page_width / kMarginDivisor;
    g.top = page_height / kTopDivisor;
    g.row_pitch = kRowLines * sample_height;
    g.column_pitch = sample_width + g.margin;
    const double rounded_pitch = double(vb::round_even(g.row_pitch));
    if (g.column_pitch <= 0 || rounded_pitch <= 0)
        return std::nullopt;
    g.columns = int(std::floor(page_width * kGridShare / g.column_pitch));
    const double free_height = page_height - 2 * g.top;
    if (g.columns < 1 || free_height < 0)
        return std::nullopt;
    g.rows = int(std::floor(free_height / rounded_pitch)) + 1;
    const int per_page = g.columns * g.rows;
    g.pages = task_count <= 0 ? 0 : (task_count + per_page - 1) / per_page;
    return g;
}

TaskPlace task_place(const WorksheetGrid &grid, int position) {
    const int per_page = grid.columns * grid.rows;
    const int on_page = position % per_page;
    TaskPlace p;
    p.page = position / per_page;
    p.x = grid.margin + (on_page / grid.rows) * grid.column_pitch;
    p.y = grid.top + (on_page % grid.rows) * grid.row_pitch;
    return p;
}

} // namespace exercises
