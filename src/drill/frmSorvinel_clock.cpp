// The drill clock: six digit boxes just under the upper band, each a slice of the digit
// strip, on a grey band. Laid out once per start; each tick repaints only the digits that
// changed (the arithmetic is clock_face's).
#include "drill/frmSorvinel.h"
#include "drill/frmSorvinel_elements.h"
#include "platform/system.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {
constexpr double kDigitWidth = 540;         // twips: the strip's width
constexpr double kDigitHeight = 735;        // twips: a digit box
constexpr double kCounterWidths = 19.0 / 3; // six digits and two gaps of a sixth
constexpr double kGap = 1.0 / 6;
constexpr double kBandCover = 1.4;    // the band is this much taller than a digit
constexpr double kBandCentre = 0.8;   // of half the band below the digits' top
constexpr double kBandHalfLength = 4; // digit widths either side of the centre
constexpr double kJitterTwips = 10;
constexpr int kTickMs = 500;

QPixmap render_strip(int width_px, int cell_px) {
    QPixmap strip(width_px, cell_px * clock_face::kStripCells);
    strip.fill(Qt::transparent);
    QSvgRenderer svg(QStringLiteral(":/digit-strip.svg"));
    QPainter p(&strip);
    svg.render(&p);
    return strip;
}
} // namespace

void frmSorvinel::set_clock_running(bool running) {
    if (running != modSorvinel.clock_running)
        update_clock();
}

void frmSorvinel::update_clock() {
    if (modSorvinel.clock_running) {
        timKlocka->stop();
        delete clock_band;
        clock_band = nullptr;
        for (int i = 1; i < clock_face::kPositions; ++i)
            picDig.unload(i);
        picDig[0]->hide();
        modSorvinel.clock_running = false;
        return;
    }
    const double tppy = vb::twips_per_pixel_y();
    const double sw = double(modSorvinel.screen_width);
    const double w = kDigitWidth;
    const VbLine *upper = linRam[band::Upper];
    VbLabel *ones = picDig[0];
    ones->setWidth(w);
    ones->setHeight(kDigitHeight);
    ones->setTop(upper->Y1 + upper->BorderWidth() * tppy / 2);
    ones->setLeft((sw - w * kCounterWidths) / 2 + 5 * w + w / 3);
    ones->setScaledContents(false);

    clock_band = new VbLine(form);
    clock_band->copy_from(*upper);
    const int thickness = int(vb::round_even(ones->Height() * kBandCover / tppy));
    clock_band->setBorderWidth(thickness);
    const double y = ones->Top() + kBandCentre * thickness * tppy / 2;
    clock_band->set_ends(sw / 2 - kBandHalfLength * w, y, sw / 2 + kBandHalfLength * w, y);
    clock_band->show();
    // The status line on the upper band stays readable above the band's top edge.
    for (VbLabel *l : labFakta)
        l->raise();

    for (int i = 1; i < clock_face::kPositions; ++i) {
        VbLabel *digit = picDig.load(i);
        const bool gap = i == 2 || i == 4;
        digit->setLeft(picDig[i - 1]->Left() - w - (gap ? w * kGap : 0));
    }
    const int width_px = vb::twips_to_px_x(w), cell_px = vb::twips_to_px_y(kDigitHeight);
    if (digit_strip_.width() != width_px ||
        digit_strip_.height() != cell_px * clock_face::kStripCells)
        digit_strip_ = render_strip(width_px, cell_px);
    const QPixmap zero = digit_strip_.copy(0, cell_px, width_px, cell_px);
    for (int i = 0; i < clock_face::kPositions; ++i) {
        picDig[i]->setPixmap(zero);
        picDig[i]->show();
        picDig[i]->raise();
    }
    if (!clock_face_)
        clock_face_ = std::make_unique<clock_face::ClockFace>();
    clock_face_->shows_zero();
    modSorvinel.clock_running = true;
    timKlocka->start(kTickMs);
}

void frmSorvinel::timKlocka_Timer() {
    if (!modSorvinel.clock_running || !clock_face_)
        return;
    const long elapsed =
        vb::round_even(platform::monotonic_seconds()) - modSorvinel.drill_start_time;
    const int width_px = digit_strip_.width();
    const int cell_px = digit_strip_.height() / clock_face::kStripCells;
    const double jitter_px = kJitterTwips / vb::twips_per_pixel_y();
    for (const clock_face::Draw &d : clock_face_->tick(elapsed, cell_px, jitter_px)) {
        if (!picDig.loaded(d.position))
            continue;
        picDig[d.position]->setPixmap(
            digit_strip_.copy(0, int(vb::round_even(d.source_y)), width_px, cell_px));
    }
}
