#pragma once
// The drill clock's digit arithmetic, without widgets: the six digits of an elapsed time,
// which of them must be drawn again, and where in the digit strip each is taken from. The
// tens digits sit a little off their cell, by the ones digit and a jitter, like the wheels
// of a mechanical counter.

#include <array>
#include <random>
#include <vector>

namespace clock_face {

// Position 0 is the seconds' ones (rightmost) .. 5 the hours' tens (leftmost).
constexpr int kPositions = 6;
constexpr int kDigits = 10;
// The strip holds a cell above 0 (a 9) and below 9 (a 0), so a tens digit taken off its
// cell never reads outside the picture: cell c + 1 of the strip holds digit c.
constexpr int kStripCells = kDigits + 2;
using Digits = std::array<int, kPositions>;

// The six digits of `elapsed` seconds; hours above 99 show their last two digits.
Digits digits_of(long elapsed);

struct Draw {
    int position;
    int digit;
    double source_y; // top of the slice in the padded strip, in the units of `cell`
};

// One tick's drawing state, kept for the whole run; the jitter has its own generator so the
// clock never disturbs the order of the tasks.
class ClockFace {
public:
    ClockFace();
    explicit ClockFace(unsigned seed);
    // What to draw for `elapsed` seconds, positions 0 to 5 in order, with cells of `cell`
    // height and the jitter in (-jitter_range, jitter_range] of the same unit.
    std::vector<Draw> tick(long elapsed, double cell, double jitter_range);
    const Digits &last_drawn() const { return last_drawn_; }
    // The boxes were set to 00 00 00 by a fresh start.
    void shows_zero() { last_drawn_ = {}; }

private:
    double jitter(double range);
    Digits last_drawn_{};
    std::mt19937 generator_;
};

} // namespace clock_face
