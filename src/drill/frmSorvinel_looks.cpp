// The main window's looks as the shared module asks for them: the colours of a style, the
// pointer over clickable items, and the number line's ticks and labels.
#include "drill/frmSorvinel.h"
#include "drill/frmSorvinel_elements.h"
#include "platform/vb.h"
#include "shared/colour_schemes.h"
#include "shared/modSorvinel.h"
#include "shared/number_line_geometry.h"

#include <QPalette>
#include <algorithm>

namespace {
constexpr double kLabelsAboveTick = 1.5;
} // namespace

void frmSorvinel::apply_colours(const ColourScheme &scheme) {
    QPalette p = form->palette();
    p.setColor(form->backgroundRole(), vb::ole_color(scheme.background));
    form->setPalette(p);
    for (int i = tal::First; i <= tal::Answer; ++i)
        labTal[i]->setForeColor(scheme.foreground);
    labTal[tal::TooHigh]->setForeColor(scheme.wrong);
    labTal[tal::TooLow]->setForeColor(scheme.wrong);
    labMeny->setForeColor(scheme.heading);
    labResultat[result::Line]->setForeColor(scheme.heading);
    labResultat[result::Time]->setForeColor(scheme.heading);
    labUrval[0]->setForeColor(scheme.heading);
    for (int i = 1; i <= urval::Input; ++i)
        labUrval[i]->setForeColor(scheme.foreground);
    // All six items, "Sluta" too: none keeps the old style until the highlight moves.
    for (VbLabel *item : labMenyVal)
        if (item)
            item->setForeColor(item->font().bold() ? scheme.foreground : scheme.dim);
    linTallinje->setBorderColor(scheme.foreground);
    for (VbLine *tick : linTalindex)
        if (tick)
            tick->setBorderColor(scheme.foreground);
    for (VbLabel *number : labTalindex)
        if (number)
            number->setForeColor(scheme.foreground);
}

void frmSorvinel::point_at_clickable(QWidget *control) const {
    if (control)
        control->setCursor(clickable_pointer);
}

void frmSorvinel::set_mouse_pointer(const QCursor &pointer) {
    clickable_pointer = pointer;
    for (VbLabel *item : labMenyVal)
        point_at_clickable(item);
    for (QWidget *w : {static_cast<QWidget *>(picNer), static_cast<QWidget *>(picUpp),
                       static_cast<QWidget *>(labFilnamn)})
        point_at_clickable(w);
    // Keys past the first exist only once the board is built.
    const int last_key = modSorvinel.number_board_built ? labSiffertavla.ubound() : 0;
    for (int i = 0; i <= last_key; ++i)
        if (labSiffertavla.loaded(i))
            point_at_clickable(labSiffertavla[i]);
}

QPixmap frmSorvinel::mouse_pointer_picture() const {
    // The hand stays the window's pointer icon even while the arrow is shown.
    return QPixmap(QStringLiteral(":/pointer-hand.svg"));
}

void frmSorvinel::build_number_line(int length, int marking) {
    const auto ticks = number_line::ticks(linTallinje->X1, linTallinje->X2, linTallinje->Y1,
                                          labTal[tal::First]->Top(), length, marking);
    labTalindex[0]->setAutoSize(true);
    for (int i = 0; i < int(ticks.size()); ++i) {
        VbLine *tick = i > 0 ? linTalindex.load(i) : linTalindex[0];
        VbLabel *number = i > 0 ? labTalindex.load(i) : labTalindex[0];
        const number_line::Tick &t = ticks[std::size_t(i)];
        tick->setBorderWidth(t.width);
        tick->set_ends(t.x, t.y1, t.x, t.y2);
        number->setCaption(QString::number(i));
        number->setLeft(t.x - number->Width() / 2);
        number->setTop(t.y1 - kLabelsAboveTick * number->Height());
    }
}

void frmSorvinel::remove_number_line(int length) {
    // Only what exists is unloaded; element 0 stays.
    for (int i = 1; i <= length; ++i) {
        linTalindex.unload(i);
        labTalindex.unload(i);
    }
}

void frmSorvinel::set_number_line_visible(int last_index, bool visible) {
    linTallinje->setVisible(visible);
    const int last = std::min(last_index, std::min(linTalindex.ubound(), labTalindex.ubound()));
    for (int i = 0; i <= last; ++i) {
        for (QWidget *w :
             {static_cast<QWidget *>(linTalindex[i]), static_cast<QWidget *>(labTalindex[i])}) {
            if (!w)
                continue;
            w->setVisible(visible);
            if (visible)
                w->raise();
        }
    }
}
