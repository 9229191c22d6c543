#include "shared/clock_face.h"

#include <algorithm>

namespace clock_face {
namespace {
constexpr long kSecondsPerMinute = 60;
constexpr long kSecondsPerHour = 3600;
constexpr int kRestOnes = 5;
// A tens digit moves by a fiftieth of a cell per step of its ones digit.
constexpr double kTensStepsPerCell = 50;
constexpr int kRedraw = -1;
} // namespace

Digits digits_of(long elapsed) {
    elapsed = std::max(0L, elapsed);
    const long s = elapsed % kSecondsPerMinute;
    const long m = elapsed / kSecondsPerMinute % kSecondsPerMinute;
    const long h = elapsed / kSecondsPerHour;
    return {int(s % kDigits), int(s / kDigits), int(m % kDigits),
            int(m / kDigits), int(h % kDigits), int(h / kDigits % kDigits)};
}

ClockFace::ClockFace() : generator_(std::random_device{}()) {}
ClockFace::ClockFace(unsigned seed) : generator_(seed) {}

double ClockFace::jitter(double range) {
    const double r = std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
    return range - 2 * range * r;
}

std::vector<Draw> ClockFace::tick(long elapsed, double cell, double jitter_range) {
    const Digits now = digits_of(elapsed);
    std::vector<Draw> draws;
    double shake = 0;
    for (int p = 0; p < kPositions; ++p) {
        const int digit = now[std::size_t(p)];
        int &last = last_drawn_[std::size_t(p)];
        if (digit == last)
            continue;
        const bool ones = p % 2 == 0;
        double y = (digit + 1) * cell;
        if (ones) {
            last_drawn_[std::size_t(p + 1)] = kRedraw;
            if (p == 0)
                shake = jitter(jitter_range);
        } else {
            const int right = now[std::size_t(p - 1)];
            y += (right - kRestOnes) * cell / kTensStepsPerCell + shake;
            y = std::clamp(y, 0.0, (kStripCells - 1) * cell);
        }
        last = digit;
        draws.push_back({p, digit, y});
    }
    return draws;
}

} // namespace clock_face
