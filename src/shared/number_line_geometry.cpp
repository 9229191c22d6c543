#include "shared/number_line_geometry.h"

#include <algorithm>

namespace number_line {

std::vector<Tick> ticks(double x1, double x2, double y, double task_top, int length, int marking) {
    marking = std::max(1, marking);
    const int n = std::max(0, length);
    const double half = (task_top - y) / 2;
    std::vector<Tick> out;
    for (int i = 0; i <= n; ++i) {
        const double x = n > 0 ? x1 + i * (x2 - x1) / n : x1;
        out.push_back({x, y - half, y + half, i % marking == 0 ? kThickPx : kThinPx});
    }
    return out;
}

} // namespace number_line
