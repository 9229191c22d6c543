// What the shared module and the settings dialog may do to the main window.
#include "drill/frmSorvinel.h"
#include "drill/frmSorvinel_elements.h"
#include "platform/vb.h"
#include "shared/colour_schemes.h"

namespace {
constexpr int kFontStepLimit = 400; // ends a fitting loop whatever the font does
constexpr double kSmallestFont = 1.0;
constexpr double kLargestFont = 1000.0;
// The too-low mark holds the widest task-row text: the others follow its size.
constexpr int kSampleLabel = tal::TooLow;

// Grows or shrinks `label` a point at a time while `go_on` holds; stops when the size no
// longer changes or after a bounded number of steps.
template <class Pred> void step_font(VbLabel *label, double delta, Pred go_on) {
    for (int step = 0; step < kFontStepLimit && go_on(); ++step) {
        const double before = double(vb::round_even(label->fontSize()));
        const double next = before + delta;
        if (next < kSmallestFont || next > kLargestFont)
            break;
        label->setFontSize(next);
        if (label->fontSize() == before)
            break;
    }
}

void plain_family(VbLabel *label, const QString &family) {
    QFont f = vb::plain(label->font());
    f.setFamily(family);
    label->setFont(f);
}
} // namespace

QString frmSorvinel::design_number_font() const {
    return labTal[tal::First]->font().family();
}

NumberFont frmSorvinel::fit_number_font(const QString &family, int width, int height) {
    for (int i = 0; i <= kSampleLabel; ++i)
        plain_family(labTal[i], family);
    VbLabel *sample = labTal[kSampleLabel];
    bool changed = false;
    sample->setAutoSize(true);
    if (sample->Width() < width) {
        changed = true;
        step_font(sample, 1, [&] { return sample->Width() < width; });
    }
    if (sample->Width() > width) {
        changed = true;
        step_font(sample, -1, [&] { return sample->Width() > width; });
    }
    if (sample->Height() > height) {
        changed = true;
        step_font(sample, -1, [&] { return sample->Height() > height; });
    }
    if (changed)
        for (int i = 0; i < kSampleLabel; ++i)
            labTal[i]->setFontSize(sample->fontSize());
    sample->setAutoSize(false);
    return {sample->font().family(), sample->fontSize(), changed};
}

void frmSorvinel::set_number_font(const QString &family, double points) {
    for (int i = 0; i < labTal.count(); ++i)
        labTal[i]->setFontName(family);
    for (int i = 0; i < labTal.count(); ++i) {
        QFont f = labTal[i]->font();
        f.setPointSizeF(points);
        labTal[i]->setFont(f);
        plain_family(labTal[i], f.family());
    }
}

NumberFont frmSorvinel::number_font() const {
    return {labTal[tal::First]->font().family(), labTal[tal::First]->fontSize()};
}

void frmSorvinel::apply_colours(const ColourScheme &scheme) {
    // The task row's colours follow the style once the colour styles are painted.
    (void)scheme;
}

unsigned frmSorvinel::background_colour() const {
    const QColor back = form->palette().color(form->backgroundRole());
    return vb::rgb(back.red(), back.green(), back.blue());
}

unsigned frmSorvinel::number_colour() const {
    return labTal[tal::First]->ForeColor();
}

void frmSorvinel::set_number_board_visible(bool visible) {
    shaSiffertavla->setVisible(visible);
}

void frmSorvinel::set_number_line_visible(bool visible) {
    linTallinje->setVisible(visible);
}

void frmSorvinel::set_mouse_pointer(const QCursor &pointer) {
    for (VbLabel *item : labMenyVal)
        if (item)
            item->setCursor(pointer);
}

QPixmap frmSorvinel::mouse_pointer_picture() const {
    return labMenyVal[0]->cursor().pixmap();
}

void frmSorvinel::set_clock_running(bool running) {
    if (running)
        timKlocka->start();
    else
        timKlocka->stop();
}

void frmSorvinel::set_one_key_scanning(bool on, int interval_ms) {
    timEnTangent->setInterval(interval_ms);
    if (on)
        timEnTangent->start();
    else
        timEnTangent->stop();
}

SpeechEngine *frmSorvinel::speech() const {
    return tspSorvinel;
}

void frmSorvinel::set_reader_field_visible(bool visible) {
    txtJaws->setVisible(visible);
}

void frmSorvinel::set_reader_text(const QString &text) {
    txtJaws->setText(text);
}

QPoint frmSorvinel::reader_field_centre() const {
    return txtJaws->mapToGlobal(txtJaws->rect().center());
}

bool frmSorvinel::set_exercise_folder(const QString &folder) {
    return filSorvinel.setPath(folder);
}

void frmSorvinel::repaint_view() {
    update();
}
