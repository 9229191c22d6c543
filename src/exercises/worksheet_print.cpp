#include "exercises/worksheet_print.h"

#include "exercises/worksheet_layout.h"
#include "platform/print_dialog.h"
#include "platform/print_session.h"

#include <QFontMetricsF>
#include <QPrinter>

namespace exercises {
namespace {

constexpr int kNameLineHeights = 2;
constexpr auto kTopLeft = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip;

QFont print_font(double points) {
    QFont font(kPrintFontFamily);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(points);
    return font;
}

// Print positions are the top of a line.
void draw_at(QPainter &painter, double x, double y, const QString &text) {
    painter.drawText(QRectF(x, y, 0, 0), kTopLeft, text);
}

void draw_frame(QPainter &painter, const QFont &frame_font, const QFontMetricsF &metrics,
                const WorksheetGrid &grid, double page_width, double page_height,
                const QString &file_name, int page) {
    painter.setFont(frame_font);
    draw_at(painter, grid.margin, metrics.height(), file_name);
    const QString counter = page_counter(page, grid.pages);
    draw_at(painter, page_width - grid.margin - metrics.horizontalAdvance(counter),
            metrics.height(), counter);
    draw_at(painter, grid.margin, page_height - kNameLineHeights * metrics.height(), kNameLine);
}

} // namespace

bool print_worksheet(QPrinter &printer, const Worksheet &sheet) {
    if (sheet.lines.isEmpty())
        return true;
    const QFont task_font = print_font(sheet.task_points);
    const QFont frame_font = print_font(kFramePoints);
    const QFontMetricsF task_metrics(task_font, &printer);
    const QFontMetricsF frame_metrics(frame_font, &printer);
    platform::PrintSession session(printer);
    const double width = session.page_width();
    const double height = session.page_height();
    const std::optional<WorksheetGrid> grid =
        worksheet_grid(width, height, task_metrics.horizontalAdvance(kPrintSampleLine),
                       task_metrics.height(), int(sheet.lines.size()));
    if (!grid)
        return false;

    const QString file_name = sheet.file_name.toLower();
    const platform::PageRange chosen = platform::chosen_pages(printer);
    const int copies = platform::copies_to_draw(printer);
    for (int copy = 0; copy < copies; ++copy) {
        int page = -1;
        for (int k = 0; k < sheet.lines.size(); ++k) {
            const TaskPlace place = task_place(*grid, k);
            if (!chosen.contains(place.page + 1))
                continue;
            if (place.page != page) {
                page = place.page;
                if (!session.start_page())
                    return false;
                draw_frame(session.painter(), frame_font, frame_metrics, *grid, width, height,
                           file_name, page + 1);
                session.painter().setFont(task_font);
            }
            draw_at(session.painter(), place.x, place.y, sheet.lines.at(k));
        }
    }
    return session.finish();
}

} // namespace exercises
