// The number board's widgets: its twelve key labels and frame, as the shared module lays
// them out and paints them, and the mouse on the keys, which types through the key handler.
#include "drill/frmSorvinel.h"
#include "platform/system.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"
#include "shared/number_board.h"

namespace {
const QString kDesignFont = QStringLiteral("Arial");
constexpr double kDesignPoints = 48;
constexpr int kOpaque = 1;
constexpr int kCentred = 2;
constexpr int kSingleFrame = 1;
} // namespace

void frmSorvinel::create_number_board_key() {
    VbLabel *key = labSiffertavla[0];
    key->setFontName(kDesignFont);
    key->setFontSize(kDesignPoints);
    key->setCaption(QStringLiteral("0"));
    key->setBackStyle(kOpaque);
    key->setTextAlignment(kCentred);
    key->setBorderStyle(kSingleFrame);
    key->setMouseTracking(true);
    key->hide();
    wire_board_key(0);
}

void frmSorvinel::wire_board_key(int index) {
    VbLabel *key = labSiffertavla[index];
    connect(key, &VbLabel::clicked, this, [this, index] { labSiffertavla_Click(index); });
    connect(key, &VbLabel::mousePressed, this, [this, index] { labSiffertavla_MouseDown(index); });
    connect(key, &VbLabel::mouseMoved, this, [this, index] { labSiffertavla_MouseMove(index); });
    connect(key, &VbLabel::mouseReleased, this, [this, index] { labSiffertavla_MouseUp(index); });
}

void frmSorvinel::set_number_board_visible(bool visible) {
    for (VbLabel *key : labSiffertavla)
        if (key) {
            key->setVisible(visible);
            if (visible)
                key->raise();
        }
    shaSiffertavla->setVisible(visible);
}

// Every screen that offers the board starts on its "OK" key.
void frmSorvinel::show_board_from_ok() {
    set_number_board_visible(true);
    board_key = 0;
    modSorvinel.paint_number_board(board_key);
}

QSizeF frmSorvinel::board_digit_extent(int points) {
    VbLabel *key = labSiffertavla[0];
    key->setCaption(QStringLiteral("0"));
    key->setAutoSize(true);
    key->setFontSize(points);
    key->setAutoSize(false);
    return {key->Width(), key->Height()};
}

double frmSorvinel::board_digit_points() const {
    return labSiffertavla[0]->fontSize();
}

double frmSorvinel::board_top() const {
    return labSiffertavla[0]->Top();
}

void frmSorvinel::place_number_board(const number_board::Layout &layout, int digit_points,
                                     int ok_points) {
    VbLabel *first = labSiffertavla[0];
    first->setFontSize(digit_points);
    const number_board::KeyLook fresh;
    for (int i = 0; i < number_board::kKeyCount; ++i) {
        if (i == number_board::kEnterKey) {
            set_board_key_look(i, fresh);
        } else if (!labSiffertavla.loaded(i)) {
            // A copy of key 0 as it is now: green, framed, at the digit size.
            labSiffertavla.load(i);
            wire_board_key(i);
        }
        VbLabel *key = labSiffertavla[i];
        const QRectF &r = layout.keys[std::size_t(i)];
        key->move_to(r.left(), r.top());
        key->setWidth(r.width());
        key->setHeight(r.height());
        key->setCaption(number_board::key_caption(i));
        if (number_board::shown_in(modSorvinel.screen_state))
            key->show();
    }
    first->setFontSize(ok_points);
    shaSiffertavla->setLeft(layout.frame.left());
    shaSiffertavla->setTop(layout.frame.top());
    shaSiffertavla->setWidth(layout.frame.width());
    shaSiffertavla->setHeight(layout.frame.height());
    shaSiffertavla->lower();
}

void frmSorvinel::remove_number_board() {
    for (int i = number_board::kEraseKey; i > 0; --i)
        labSiffertavla.unload(i);
    shaSiffertavla->hide();
    labSiffertavla[0]->hide();
}

number_board::KeyLook frmSorvinel::board_key_look(int key) const {
    if (!labSiffertavla.loaded(key))
        return {};
    const VbLabel *l = labSiffertavla[key];
    return {l->font().bold(), l->BorderStyle() != 0, l->ForeColor(), l->BackColor()};
}

void frmSorvinel::set_board_key_look(int key, const number_board::KeyLook &look) {
    if (!labSiffertavla.loaded(key))
        return;
    VbLabel *l = labSiffertavla[key];
    if (l->font().bold() != look.bold)
        l->setFontBold(look.bold);
    l->setBorderStyle(look.framed ? kSingleFrame : 0);
    l->setForeColor(look.fore);
    l->setBackColor(look.back);
}

void frmSorvinel::labSiffertavla_MouseMove(int index) {
    if (!modSorvinel.board_clickable)
        return;
    board_key = index;
    modSorvinel.paint_number_board(board_key);
}

void frmSorvinel::labSiffertavla_MouseDown(int index) {
    if (!modSorvinel.board_clickable || !labSiffertavla.loaded(index))
        return;
    VbLabel *key = labSiffertavla[index];
    key->setBackColor(number_board::pressed_back(index, key->BackColor()));
    if (modSorvinel.beep_on)
        platform::beep();
}

void frmSorvinel::labSiffertavla_MouseUp(int index) {
    if (!modSorvinel.board_clickable || !labSiffertavla.loaded(index))
        return;
    labSiffertavla[index]->setBackColor(number_board::released_back(index));
}

void frmSorvinel::labSiffertavla_Click(int index) {
    if (!modSorvinel.board_clickable)
        return;
    int code = number_board::key_code(index);
    if (code < 0)
        return;
    // A click is no key of the keyboard: a held key does not block it, and it holds nothing
    // and releases nothing.
    key_clicked = true;
    Form_KeyDown(code, 0);
    key_clicked = false;
}
