#pragma once
// The on-screen number board without its widgets: what each key types, where the twelve
// keys and their frame stand, how large the digits are, and which key looks current.
// The shared module's board procedures decide with these and the main window draws.

#include "shared/modSorvinel.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace number_board {

// Keys: 0 "OK" (Enter), 1..10 the digits 0..9, 11 "«" (Backspace).
constexpr int kEnterKey = 0;
constexpr int kEraseKey = 11;
constexpr int kKeyCount = 12;
// Keys stand this far apart, and the frame this far outside them (twips).
constexpr double kGapTwips = 48;

// Colours of the keys (OLE &HBBGGRR).
constexpr unsigned kOkGreen = 0x00FF00;
constexpr unsigned kOkPressedGreen = 0x008000;
constexpr unsigned kOkCaptionColour = 0x00FFFF;

QString key_caption(int key);
// The key code a key feeds to the key handler: 13, 48..57 or 8; -1 for no key.
int key_code(int key);
// Whether the board stands on screen in this state: a drill or the own-selection panel.
bool shown_in(ScreenState state);

struct Layout {
    std::array<QRectF, kKeyCount> keys;
    QRectF frame;
};
// One row of twelve or two rows of six (key 6 under key 0), centred on a screen
// `screen_width` twips wide, the first row at `top`.
Layout layout(double screen_width, double top, QSizeF key, int rows);

// The whole-point digit size at which a key is as high as `key_size` twips, stepping from
// `start`: grown while lower, then shrunk while higher. Bounded whatever `height_at` answers
// (a font that stops growing, a key size of 0 or less).
int fit_digit_points(int start, double key_size, const std::function<double(int)> &height_at);
// The "OK" key's size: a third of the digits', never below one point.
int ok_key_points(int digit_points);

struct KeyLook {
    bool bold = false;
    bool framed = true;
    unsigned fore = kOkCaptionColour;
    unsigned back = kOkGreen;
    bool operator==(const KeyLook &) const = default;
};
struct Colours {
    unsigned text = 0;   // the task row's text colour
    unsigned dim = 0;    // keys that are not current
    unsigned window = 0; // the window's background
};
using Looks = std::array<KeyLook, kKeyCount>;
// The looks after marking `current`: it alone bold, framed, on a key-coloured background,
// every other key plain in the dim colour on the window. Nothing when `current` is already
// the bold key.
std::optional<Looks> paint(const Looks &now, int current, const Colours &colours);

// The background of a key under a pressed mouse button, and once it is released.
unsigned pressed_back(int key, unsigned back);
unsigned released_back(int key);

} // namespace number_board
