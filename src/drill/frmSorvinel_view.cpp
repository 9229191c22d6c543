// What the shared module and the settings dialog may do to the main window.
#include "drill/frmSorvinel.h"
#include "drill/frmSorvinel_elements.h"
#include "platform/vb.h"
#include "shared/colour_schemes.h"
#include "shared/font_fitting.h"

namespace {
constexpr int kSampleLabel = tal::TooLow;

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
    sample->setAutoSize(true);
    // The sample at a size, measured as it sizes itself to its caption.
    auto extent = [sample](int points) {
        sample->setFontSize(points);
        return QSizeF(sample->Width(), sample->Height());
    };
    const int start = int(vb::round_even(sample->fontSize()));
    const QSizeF at_start(sample->Width(), sample->Height());
    const bool changed = at_start.width() != width || at_start.height() > height;
    if (changed) {
        sample->setFontSize(fit_font_size(start, QSizeF(width, height), extent));
        for (int i = 0; i < kSampleLabel; ++i)
            labTal[i]->setFontSize(sample->fontSize());
    }
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

unsigned frmSorvinel::background_colour() const {
    const QColor back = form->palette().color(form->backgroundRole());
    return vb::rgb(back.red(), back.green(), back.blue());
}

unsigned frmSorvinel::number_colour() const {
    return labTal[tal::First]->ForeColor();
}

void frmSorvinel::set_one_key_scanning(bool on, int interval_ms) {
    // An interval of 0 would fire on every pass of the event loop: that is a stopped timer.
    if (interval_ms > 0)
        timEnTangent->setInterval(interval_ms);
    if (on && interval_ms > 0)
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
    // The same text again is no change of the field, yet it is heard and copied again.
    if (txtJaws->text() == text)
        txtJaws_Change();
    else
        txtJaws->setText(text);
    txtJaws_reader->tell(text);
}

QString frmSorvinel::reader_text() const {
    return txtJaws->text();
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
