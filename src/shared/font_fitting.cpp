#include "shared/font_fitting.h"
#include "platform/vb.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kSmallestPt = 1;
constexpr int kLargestPt = 1000;
// A font whose extent stays put this many points running cannot grow any further.
constexpr int kPlateauSteps = 8;
// The layout box a label measures its text in.
constexpr int kMeasureBox = 2000;
} // namespace

int fit_font_size(int start, QSizeF target, const std::function<QSizeF(int)> &extent) {
    int size = std::clamp(start, kSmallestPt, kLargestPt);
    QSizeF e = extent(size);
    if (e.width() < target.width()) {
        int last_growth = size;
        QSizeF last = e;
        while (size < kLargestPt && e.width() < target.width()) {
            e = extent(++size);
            if (e != last) {
                last = e;
                last_growth = size;
            } else if (size - last_growth >= kPlateauSteps) {
                // The font does not grow with its size: keep the last size that mattered.
                size = last_growth;
                e = last;
                break;
            }
        }
    }
    while (size > kSmallestPt && e.width() > target.width())
        e = extent(--size);
    while (size > kSmallestPt && e.height() > target.height())
        e = extent(--size);
    return size;
}

double shrink_to_width(double start, double room, const std::function<double(double)> &width) {
    if (width(start) <= room)
        return start;
    // The whole points below a fractional start, then on down.
    int size = std::min(int(std::ceil(start)) - 1, kLargestPt);
    while (size > kSmallestPt && width(size) > room)
        --size;
    return std::max(size, kSmallestPt);
}

QSizeF text_extent_twips(const QFont &font, const QString &text) {
    // Measured as a label measures its caption when it sizes itself to it.
    const QRect r = QFontMetrics(font).boundingRect(0, 0, kMeasureBox, kMeasureBox, 0, text);
    return {vb::px_to_twips_x(r.width()), vb::px_to_twips_y(r.height())};
}

QSizeF text_extent_twips(const QString &family, int points, const QString &text) {
    QFont f = vb::plain(QFont(family));
    f.setPointSize(points);
    return text_extent_twips(f, text);
}
