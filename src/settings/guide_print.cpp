#include "settings/guide_print.h"

#include "platform/print_dialog.h"
#include "platform/print_session.h"
#include "platform/vb.h"
#include "settings/guide_layout.h"

#include <QFontMetricsF>
#include <QPrinter>

namespace guide {
namespace {

constexpr double kSideDivisor = 12;
constexpr double kTopDivisor = 16;
constexpr auto kTopLeft = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip;

} // namespace

bool print_guide(QPrinter &printer, const QString &text, const QFont &font) {
    platform::PrintSession session(printer);
    const double width = session.page_width();
    const double height = session.page_height();
    const double left = width / kSideDivisor;
    const double top = double(vb::round_even(height / kTopDivisor));
    const QFontMetricsF metrics(font, &printer);
    const std::vector<QString> lines =
        printed_lines(text, width - 2 * left,
                      [&metrics](const QString &s) { return metrics.horizontalAdvance(s); });
    const double line_height = metrics.lineSpacing();
    std::vector<int> starts = page_starts(int(lines.size()), line_height, top, height);
    starts.push_back(int(lines.size()));

    const platform::PageRange chosen = platform::chosen_pages(printer);
    const int copies = platform::copies_to_draw(printer);
    for (int copy = 0; copy < copies; ++copy) {
        for (std::size_t page = 0; page + 1 < starts.size(); ++page) {
            if (!chosen.contains(int(page) + 1))
                continue;
            if (!session.start_page())
                return false;
            QPainter &painter = session.painter();
            painter.setFont(font);
            double y = top;
            for (int i = starts[page]; i < starts[page + 1]; ++i) {
                painter.drawText(QRectF(left, y, 0, 0), kTopLeft, lines[std::size_t(i)]);
                y += line_height;
            }
        }
    }
    return session.finish();
}

} // namespace guide
