#pragma once
// Helpers for the program's own units and conventions: twips, OLE colours, rounding
// halves to even, leading numbers of texts, and key codes as the program names them.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QKeyEvent;

namespace vb {

// Nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
long round_even(double value);
// The leading number of a text: leading blanks skipped, an optional sign, digits and an
// optional fraction; 0 when the text starts with no number.
double leading_number(const QString &text);
// Whether `text` starts (after blanks) with a number at all.
bool has_leading_number(const QString &text);

// OLE colours &HBBGGRR; the two system colours named by the program map to the palette.
constexpr unsigned kButtonFace = 0x8000000F;
constexpr unsigned kButtonShadow = 0x80000010;
QColor ole_color(unsigned ole);
constexpr unsigned rgb(int r, int g, int b) {
    return unsigned(r) | unsigned(g) << 8 | unsigned(b) << 16;
}

// `font` with none of the four styles (bold, italic, strikeout, underline).
inline QFont plain(QFont font) {
    font.setBold(false);
    font.setItalic(false);
    font.setStrikeOut(false);
    font.setUnderline(false);
    return font;
}

// Twips <-> pixels with the screen's factors.
double twips_per_pixel_x();
double twips_per_pixel_y();
int twips_to_px_x(double twips);
int twips_to_px_y(double twips);
double px_to_twips_x(int px);
double px_to_twips_y(int px);
// A rectangle given in twips, in pixels.
QRect twips_rect(double left, double top, double width, double height);

// Key codes as the program names them.
namespace key {
constexpr int Back = 8;
constexpr int Tab = 9;
constexpr int Return = 13;
constexpr int Shift = 16;
constexpr int Control = 17;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Delete = 46;
constexpr int D0 = 48;
constexpr int D9 = 57;
constexpr int A = 65;
constexpr int Z = 90;
constexpr int Numpad0 = 96;
constexpr int Numpad9 = 105;
constexpr int Multiply = 106;
constexpr int Add = 107;
constexpr int Subtract = 109;
constexpr int Decimal = 110;
constexpr int Divide = 111;
constexpr int F1 = 112;
constexpr int F9 = 120;
constexpr int F12 = 123;
constexpr int Oe = 192; // the key of "Ö" on a Swedish keyboard
constexpr int Ae = 222; // "Ä"
constexpr int Aa = 221; // "Å"
} // namespace key

// Shift-state bits.
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// The key code of a Qt key event (0 when it has none of ours).
int key_code(const QKeyEvent *event);
int shift_state(const QKeyEvent *event);
// A key event that a held key repeats (X11 also sends a release before each repeat; a
// release counts as one while its key is still down, see key_state.h).
bool is_auto_repeat(const QKeyEvent *event);

} // namespace vb
