#include "shared/number_board.h"
#include "platform/vb.h"

#include <algorithm>

namespace number_board {
namespace {
constexpr int kRowLength = 6;
constexpr int kTwoRows = 2;
// A row of twelve is centred as if it were thirteen keys wide.
constexpr int kOneRowWidthInKeys = 13;
constexpr int kSmallestPt = 1;
constexpr int kLargestPt = 1000;
// A font whose height stays put this many points running cannot grow any further.
constexpr int kPlateauSteps = 8;
constexpr int kOkShare = 3;
const QString kOkCaption = QStringLiteral("\nOK");
const QString kEraseCaption = QString(QChar(0x00AB));
} // namespace

QString key_caption(int key) {
    if (key == kEnterKey)
        return kOkCaption;
    if (key == kEraseKey)
        return kEraseCaption;
    return QString::number(key - 1);
}

int key_code(int key) {
    if (key == kEnterKey)
        return vb::key::Return;
    if (key == kEraseKey)
        return vb::key::Back;
    if (key > kEnterKey && key < kEraseKey)
        return vb::key::D0 + key - 1;
    return -1;
}

bool shown_in(ScreenState state) {
    return state == ScreenState::DrillSetUp || state == ScreenState::TaskShown ||
           is_panel_field(state);
}

Layout layout(double screen_width, double top, QSizeF key, int rows) {
    const bool two_rows = rows >= kTwoRows;
    const double w = key.width(), h = key.height();
    const double left = (screen_width - (two_rows ? kRowLength : kOneRowWidthInKeys) * w) / 2;
    Layout l;
    for (int i = 0; i < kKeyCount; ++i) {
        const bool first_row = i < kRowLength || !two_rows;
        const int column = first_row ? i : i - kRowLength;
        l.keys[std::size_t(i)] =
            QRectF(left + column * (w + kGapTwips), first_row ? top : top + h + kGapTwips, w, h);
    }
    const QRectF &last_of_row = l.keys[std::size_t(two_rows ? kRowLength - 1 : kEraseKey)];
    const QRectF &second_row = l.keys[std::size_t(kRowLength)];
    l.frame = QRectF(left - kGapTwips, top - kGapTwips, last_of_row.right() - left + 2 * kGapTwips,
                     second_row.bottom() - top + 2 * kGapTwips);
    return l;
}

int fit_digit_points(int start, double key_size, const std::function<double(int)> &height_at) {
    int s = std::clamp(start, kSmallestPt, kLargestPt);
    double h = height_at(s);
    int last_growth = s;
    double last = h;
    while (h < key_size && s < kLargestPt) {
        h = height_at(++s);
        if (h != last) {
            last = h;
            last_growth = s;
        } else if (s - last_growth >= kPlateauSteps) {
            s = last_growth;
            h = last;
            break;
        }
    }
    while (h > key_size && s > kSmallestPt)
        h = height_at(--s);
    return s;
}

int ok_key_points(int digit_points) {
    return std::max(kSmallestPt, digit_points / kOkShare);
}

std::optional<Looks> paint(const Looks &now, int current, const Colours &colours) {
    if (current < 0 || current >= kKeyCount || now[std::size_t(current)].bold)
        return std::nullopt;
    Looks next = now;
    for (int i = 0; i < kKeyCount; ++i) {
        KeyLook &k = next[std::size_t(i)];
        k.bold = i == current;
        if (i == current) {
            k.fore = colours.text;
            k.framed = true;
            k.back = i == kEnterKey ? kOkGreen : vb::kButtonFace;
        } else if (k.fore != colours.dim || k.back != colours.window || k.framed) {
            // A key already dim on this background stays as it is; one of another colour
            // style (styles share dim colours) takes the new background too.
            k.fore = colours.dim;
            k.framed = false;
            k.back = colours.window;
        }
    }
    return next;
}

unsigned pressed_back(int key, unsigned back) {
    if (key == kEnterKey)
        return kOkPressedGreen;
    return back == vb::kButtonFace ? vb::kButtonShadow : back;
}

unsigned released_back(int key) {
    return key == kEnterKey ? kOkGreen : vb::kButtonFace;
}

} // namespace number_board
