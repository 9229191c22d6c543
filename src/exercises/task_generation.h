#pragma once
// Random tasks for the exercise editor, without any widget: filling a list out to a chosen
// count within its own operand interval, and generating a list from an own selection of
// operand ranges. Each function checks first that a valid task exists, so none can loop
// without end.

#include "exercises/list_tools.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace exercises {

constexpr int kOperatorCount = 4;
// Index 0 "+", 1 "-", 2 "*", 3 "/".
using OperatorSet = std::array<bool, kOperatorCount>;
QString operator_sign(int index);

// The smallest and largest first and second operand over a list.
struct OperandInterval {
    int lowest_first = 0;
    int highest_first = 0;
    int lowest_second = 0;
    int highest_second = 0;
};
OperandInterval task_interval(const QStringList &tasks);
// "2 + 1   till   9 + 5".
QString interval_text(const OperandInterval &interval, const QString &sign);

// Fill-out dialog: the counts n + 1 .. 1000 and the default shown.
struct FillOutChoices {
    QStringList items;
    int default_index = -1;
};
FillOutChoices fill_out_choices(int task_count);
// The operators some task of the list uses.
OperatorSet operators_used(const QStringList &tasks);

// True when some pair of the interval is valid for `sign`.
bool fill_out_possible(const OperandInterval &interval, const QString &sign);

struct FillOut {
    QStringList tasks;                  // the whole new list when done
    std::optional<MessageText> refusal; // nothing can be drawn: the list stays as it was
};
// Appends random tasks until the list holds `target`; `type` is the exercise type and, for a
// mixed exercise, `allowed` the operators to draw.
FillOut fill_out(const QStringList &tasks, const QString &type, const OperatorSet &allowed,
                 int target, const RandomSource &rnd);

// Own selection: `bounds` are lowest first, lowest second, highest first, highest second;
// `task_count` 0 asks for every possible task once.
struct Generation {
    QStringList tasks;
    int possible = 0;              // different valid tasks of the selection
    bool needs_duplicates = false; // more tasks asked than there are different ones
    std::optional<MessageText> refusal;
};
Generation generate_from_selection(const QString &sign, const std::array<int, 4> &bounds,
                                   long task_count, const RandomSource &rnd);

} // namespace exercises
