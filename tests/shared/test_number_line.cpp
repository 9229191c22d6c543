// The number line: where its ticks stand, and building and taking it away through the view.
#include "shared/modSorvinel.h"
#include "shared/number_line_geometry.h"
#include "support/recording_view.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberLineGeometry, TicksAreEvenAndEveryMarkingIsThick) {
    struct Case {
        int length, marking;
        std::vector<int> thick;
    };
    const Case cases[] = {
        {10, 5, {0, 5, 10}},
        {10, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {10, 20, {0}},
        {20, 20, {0, 20}},
        {5, 0, {0, 1, 2, 3, 4, 5}}, // an interval of 0 marks every tick
    };
    for (const Case &c : cases) {
        const auto ticks = number_line::ticks(100, 1100, 500, 700, c.length, c.marking);
        ASSERT_EQ(int(ticks.size()), c.length + 1) << c.length;
        std::vector<int> thick;
        for (int i = 0; i <= c.length; ++i) {
            const auto &t = ticks[std::size_t(i)];
            EXPECT_DOUBLE_EQ(t.x, 100 + i * 1000.0 / c.length);
            EXPECT_DOUBLE_EQ(t.y1, 400);
            EXPECT_DOUBLE_EQ(t.y2, 600);
            if (t.width == number_line::kThickPx)
                thick.push_back(i);
            else
                EXPECT_EQ(t.width, number_line::kThinPx);
        }
        EXPECT_EQ(thick, c.thick) << c.length << "/" << c.marking;
    }
}

class NumberLineLayout : public ::testing::Test {
protected:
    void SetUp() override {
        modSorvinel.reset();
        modSorvinel.main_window = &view;
    }
    void TearDown() override { modSorvinel.main_window = nullptr; }
    RecordingView view;
};

TEST_F(NumberLineLayout, BuildsOnceRemovesOnceAndNeverBuildsOnRemoval) {
    struct Step {
        bool on;
        int length, marking;
        const char *call; // nullptr: nothing asked of the window
        bool built;
        int marking_after;
    };
    const Step steps[] = {
        {false, 10, 0, nullptr, false, 0}, // switched off, never built: nothing built
        {true, 10, 0, "build line 10 1", true, 1}, {true, 10, 5, "remove line 10", false, 5},
        {true, 12, 3, "build line 12 3", true, 3}, {false, 12, 0, "remove line 12", false, 0},
        {false, 12, 0, nullptr, false, 0},
    };
    for (const Step &s : steps) {
        view.calls.clear();
        modSorvinel.number_line_on = s.on;
        int marking = s.marking;
        modSorvinel.layout_number_line(s.length, marking);
        EXPECT_EQ(view.calls, s.call ? QStringList{s.call} : QStringList{}) << s.call;
        EXPECT_EQ(modSorvinel.number_line_built, s.built);
        EXPECT_EQ(marking, s.marking_after);
    }
}

TEST_F(NumberLineLayout, ClockFollowsTheSettingAndNeverToggles) {
    struct Step {
        bool show;
        bool running_before;
        QStringList calls;
    };
    const Step steps[] = {
        {true, false, {"clock on"}},
        {true, true, {}},
        {false, true, {"clock off"}},
        {false, false, {}},
    };
    for (const Step &s : steps) {
        view.calls.clear();
        modSorvinel.show_clock = s.show;
        modSorvinel.clock_running = s.running_before;
        modSorvinel.setup_clock();
        EXPECT_EQ(view.calls, s.calls);
        EXPECT_EQ(modSorvinel.clock_running, s.show);
    }
}

} // namespace
