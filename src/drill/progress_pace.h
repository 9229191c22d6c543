#pragma once
// Paces the drill's progress bar. Every value the bar shows is an accessibility event; one
// per ordering step (hundreds at a drill start) keeps a screen reader busy long after the
// first task is up, and the repaints slow the start itself.

#include "drill/drill_tasks.h"

namespace drill {

// The least time between two values shown, and the least step (a hundredth of the bar).
constexpr long long kProgressIntervalMs = 50;
constexpr long kProgressSteps = 100;

// Passes start and finish on at once; a new value only when at least kProgressIntervalMs
// have passed since the last one shown and it differs from it by a hundredth of the bar.
class PacedProgress : public Progress {
public:
    explicit PacedProgress(Progress &shown) : shown_(shown) {}
    void start(long maximum) override;
    void set_value(long value) override;
    long maximum() const override { return shown_.maximum(); }
    void finish() override { shown_.finish(); }

private:
    Progress &shown_;
    long last_value_ = 0;
    long long last_time_ = 0;
};

} // namespace drill
