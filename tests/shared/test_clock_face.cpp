// The drill clock's digits: which positions change at a tick, and where each is taken from.
#include "shared/clock_face.h"

#include <gtest/gtest.h>

namespace {

using clock_face::ClockFace;
using clock_face::Digits;

TEST(ClockFace, DigitsOfElapsedTimes) {
    struct Case {
        long elapsed;
        Digits digits; // seconds' ones first
    };
    const Case cases[] = {
        {0, {0, 0, 0, 0, 0, 0}},
        {15, {5, 1, 0, 0, 0, 0}},
        {65, {5, 0, 1, 0, 0, 0}},
        {70, {0, 1, 1, 0, 0, 0}},
        {3599, {9, 5, 9, 5, 0, 0}},
        {3600, {0, 0, 0, 0, 1, 0}},
        {100 * 3600 + 2 * 60 + 3, {3, 0, 2, 0, 0, 0}},
        {-5, {0, 0, 0, 0, 0, 0}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(clock_face::digits_of(c.elapsed), c.digits) << c.elapsed;
}

std::vector<int> positions(const std::vector<clock_face::Draw> &draws) {
    std::vector<int> out;
    for (const auto &d : draws)
        out.push_back(d.position);
    return out;
}

TEST(ClockFace, OnlyChangedPositionsAreDrawnAndATensFollowsItsOnes) {
    ClockFace face(7);
    struct Step {
        long elapsed;
        std::vector<int> drawn;
    };
    const Step steps[] = {
        {0, {}},                    // the boxes already show 00 00 00
        {0, {}},                    // a second tick in the same second
        {1, {0, 1}},                // the tens is redrawn with its ones, same digit
        {59, {0, 1}},               //
        {60, {0, 1, 2, 3}},         // 59 -> 00 carries into the minutes
        {3599, {0, 1, 2, 3}},       //
        {3600, {0, 1, 2, 3, 4, 5}}, // the hour carry
    };
    for (const Step &s : steps)
        EXPECT_EQ(positions(face.tick(s.elapsed, 10, 0)), s.drawn) << s.elapsed;
    EXPECT_EQ(face.last_drawn(), clock_face::digits_of(3600));
}

TEST(ClockFace, TensSlicesStayInsideThePaddedStrip) {
    constexpr double cell = 50, jitter = 1;
    const double last_top = (clock_face::kStripCells - 1) * cell;
    // Every tens digit against every ones digit, the worst ends included (0 with ones 0,
    // 9 with ones 9).
    for (long tens = 0; tens <= 5; ++tens)
        for (long ones = 0; ones <= 9; ++ones) {
            ClockFace face(unsigned(tens * 10 + ones));
            face.tick(11, cell, jitter); // make the next tick draw both positions
            for (const auto &d : face.tick(tens * 10 + ones, cell, jitter)) {
                EXPECT_GE(d.source_y, 0) << tens << ones;
                EXPECT_LE(d.source_y, last_top) << tens << ones;
                if (d.position == 0)
                    EXPECT_EQ(d.source_y, (ones + 1) * cell);
                if (d.position == 1)
                    EXPECT_NEAR(d.source_y, (tens + 1) * cell + (ones - 5) * cell / 50, jitter);
            }
        }
}

} // namespace
