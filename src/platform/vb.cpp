#include "platform/vb.h"
#include "platform/key_state.h"
#include "platform/system.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPalette>
#include <cmath>

namespace vb {

long round_even(double value) {
    if (!std::isfinite(value))
        return 0;
    return static_cast<long>(std::nearbyint(value));
}

namespace {
// Parses the leading number; `found` tells whether any digit was read.
double parse_leading(const QString &text, bool &found) {
    found = false;
    int i = 0;
    const int n = int(text.size());
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    double value = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        value = value * 10 + (text[i].unicode() - '0');
        found = true;
        ++i;
    }
    if (i < n && text[i] == '.') {
        ++i;
        double scale = 0.1;
        while (i < n && text[i].unicode() >= '0' && text[i].unicode() <= '9') {
            value += scale * (text[i].unicode() - '0');
            scale /= 10;
            found = true;
            ++i;
        }
    }
    return negative ? -value : value;
}
} // namespace

double leading_number(const QString &text) {
    bool found = false;
    return parse_leading(text, found);
}

bool has_leading_number(const QString &text) {
    bool found = false;
    parse_leading(text, found);
    return found;
}

QColor ole_color(unsigned ole) {
    if (ole == kButtonFace)
        return QApplication::palette().color(QPalette::Button);
    if (ole == kButtonShadow)
        return QApplication::palette().color(QPalette::Dark);
    return QColor(int(ole & 0xFF), int(ole >> 8 & 0xFF), int(ole >> 16 & 0xFF));
}

double twips_per_pixel_x() {
    return platform::screen_metrics().twips_per_pixel_x;
}
double twips_per_pixel_y() {
    return platform::screen_metrics().twips_per_pixel_y;
}
int twips_to_px_x(double twips) {
    return int(round_even(twips / twips_per_pixel_x()));
}
int twips_to_px_y(double twips) {
    return int(round_even(twips / twips_per_pixel_y()));
}
double px_to_twips_x(int px) {
    return px * twips_per_pixel_x();
}
double px_to_twips_y(int px) {
    return px * twips_per_pixel_y();
}
QRect twips_rect(double left, double top, double width, double height) {
    return {twips_to_px_x(left), twips_to_px_y(top), twips_to_px_x(width), twips_to_px_y(height)};
}

int key_code(const QKeyEvent *event) {
    const int k = event->key();
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    if (keypad && k >= Qt::Key_0 && k <= Qt::Key_9)
        return key::Numpad0 + (k - Qt::Key_0);
    if (keypad) {
        switch (k) {
        case Qt::Key_Asterisk:
            return key::Multiply;
        case Qt::Key_Plus:
            return key::Add;
        case Qt::Key_Minus:
            return key::Subtract;
        case Qt::Key_Slash:
            return key::Divide;
        case Qt::Key_Comma:
        case Qt::Key_Period:
            return key::Decimal;
        case Qt::Key_Enter:
            return key::Return;
        default:
            break;
        }
    }
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return key::D0 + (k - Qt::Key_0);
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return key::A + (k - Qt::Key_A);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12)
        return key::F1 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace:
        return key::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return key::Return;
    case Qt::Key_Shift:
        return key::Shift;
    case Qt::Key_Control:
        return key::Control;
    case Qt::Key_Escape:
        return key::Escape;
    case Qt::Key_Space:
        return key::Space;
    case Qt::Key_PageUp:
        return key::PageUp;
    case Qt::Key_PageDown:
        return key::PageDown;
    case Qt::Key_End:
        return key::End;
    case Qt::Key_Home:
        return key::Home;
    case Qt::Key_Left:
        return key::Left;
    case Qt::Key_Up:
        return key::Up;
    case Qt::Key_Right:
        return key::Right;
    case Qt::Key_Down:
        return key::Down;
    case Qt::Key_Delete:
        return key::Delete;
    case Qt::Key_Odiaeresis:
        return key::Oe;
    case Qt::Key_Adiaeresis:
        return key::Ae;
    case Qt::Key_Aring:
        return key::Aa;
    default:
        break;
    }
    // Letters typed on other layouts: fall back to the text.
    const QString t = event->text().toUpper();
    if (t.size() == 1) {
        const QChar c = t[0];
        if (c == QChar(0x00D6))
            return key::Oe;
        if (c == QChar(0x00C4))
            return key::Ae;
        if (c == QChar(0x00C5))
            return key::Aa;
        if (c >= 'A' && c <= 'Z')
            return c.unicode();
    }
    return 0;
}

int shift_state(const QKeyEvent *event) {
    int s = 0;
    if (event->modifiers() & Qt::ShiftModifier)
        s |= kShiftMask;
    if (event->modifiers() & Qt::ControlModifier)
        s |= kCtrlMask;
    if (event->modifiers() & Qt::AltModifier)
        s |= kAltMask;
    return s;
}

bool is_auto_repeat(const QKeyEvent *event) {
    if (event->type() == QEvent::KeyRelease)
        return platform::classify_release(event) == platform::KeyRelease::Repeat;
    return event->isAutoRepeat();
}

} // namespace vb
