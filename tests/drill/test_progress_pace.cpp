// The drill's progress bar shows a new value at most every 50 ms and every hundredth of
// the bar, so a drill start sends a screen reader a handful of changes, not hundreds.
#include "drill/progress_pace.h"
#include "platform/system.h"
#include "shared/modSorvinel.h"
#include "test_drill_road_fixture.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <vector>

namespace {

class RecordedProgress : public drill::Progress {
public:
    void start(long maximum) override { maximum_ = maximum; }
    void set_value(long value) override { values.push_back(value); }
    long maximum() const override { return maximum_; }
    void finish() override { finished = true; }
    std::vector<long> values;
    bool finished = false;

private:
    long maximum_ = 0;
};

// A steady clock that moves `step` milliseconds each time it is read.
class SteppingClock {
public:
    explicit SteppingClock(long long step) {
        platform::set_steady_source([this, step] { return now_ += step; });
    }
    ~SteppingClock() { platform::set_steady_source({}); }

private:
    long long now_ = 1000;
};

TEST(ProgressPace, ShowsAValueOnlyWhenTimeAndAHundredthHavePassed) {
    struct Case {
        long long ms_per_read;
        long maximum;
        long calls;
        size_t shown;
    } const cases[] = {
        {0, 1000, 1000, 0},    // a fast start: the bar stays at 0 until it hides
        {60, 1000, 1000, 100}, // slow steps: every hundredth of the bar
        {10, 1000, 1000, 71},  // past each hundredth, five reads (50 ms) more
        {10, 50, 50, 10},      // a small bar's hundredth is one task: every 50 ms
        {50, 1, 1, 1},         // one step fills the bar
        {60, 0, 5, 0},         // an empty bar never shows a value
    };
    for (const Case &c : cases) {
        SteppingClock clock(c.ms_per_read);
        RecordedProgress bar;
        drill::PacedProgress paced(bar);
        paced.start(c.maximum);
        for (long v = 1; v <= c.calls; ++v)
            paced.set_value(std::min(v, c.maximum));
        paced.finish();
        EXPECT_TRUE(bar.finished);
        ASSERT_EQ(bar.values.size(), c.shown) << c.ms_per_read << " ms, max " << c.maximum;
        const long step = std::max(1L, c.maximum / 100);
        for (size_t i = 1; i < bar.values.size(); ++i)
            EXPECT_GE(bar.values[i] - bar.values[i - 1], step);
    }
}

TEST_F(DrillRoad, DrillStartShowsTheBarAFewTimesOnly) {
    // "Till 10:an" Blandat: 355 tasks generated and ordered, 710 steps of the bar.
    struct Case {
        long long ms_per_read;
        int most_changes;
    } const cases[] = {{0, 1}, {1, 1 + 710 / 50}, {60, 1 + 100}};
    for (const Case &c : cases) {
        SteppingClock clock(c.ms_per_read);
        modSorvinel.current_operation = Operation::Blandat;
        QSignalSpy changes(w->pbaMusse, &QProgressBar::valueChanged);
        w->pbaMusse->reset();
        w->generate_selection_tasks(1, 10, 1, 10, drill::till10_task_count(Operation::Blandat));
        ASSERT_EQ(w->drill_session().pass_length(), 355);
        EXPECT_GE(changes.count(), 1) << "the bar starts at 0";
        EXPECT_LE(changes.count(), c.most_changes) << c.ms_per_read << " ms a read";
        EXPECT_TRUE(w->pbaMusse->isHidden());
    }
}

} // namespace
