#pragma once
// Where the number line's ticks stand, without widgets: tick i of 0..length evenly spaced
// between the line's ends, every marking-th one thick, each centred on the line.

#include <vector>

namespace number_line {

constexpr int kThinPx = 1;
constexpr int kThickPx = 5;

struct Tick {
    double x, y1, y2; // twips
    int width;        // pixels
};

// The ticks of a line from x1 to x2 at height y, the task row's top at `task_top`. A
// marking below 1 is taken as 1; a length below 1 gives tick 0 alone.
std::vector<Tick> ticks(double x1, double x2, double y, double task_top, int length, int marking);

} // namespace number_line
