#pragma once
// The arithmetic of the own-selection dialog (frmEgetVal), free of widgets: the results of
// the lowest and highest operand pairs, how a confirmed change of one bound moves the others
// so that no task exceeds the result limit (and no difference goes negative), the count of
// possible tasks, the minimum task count, the typing of a number field and the hand-over.
//
// The dialog keeps its five values in a FieldValues array, calls confirm_field() when the
// user confirms a field and then shows what the outcome says. Everything the rules need
// comes in as arguments; the shared possible-task count is passed by reference.

#include "shared/operation.h"

#include <QString>
#include <array>
#include <optional>

namespace own_selection {

// Indices of the five number fields (also the indices of the dialog's control arrays).
namespace field {
constexpr int LowFirst = 0;
constexpr int LowSecond = 1;
constexpr int HighFirst = 2;
constexpr int HighSecond = 3;
constexpr int Count = 4;
constexpr int Total = 5;
constexpr int Bounds = 4; // fields 0..3 are operand bounds
} // namespace field

// V0..V4: lowest first, lowest second, highest first, highest second operand, task count.
using FieldValues = std::array<long, field::Total>;

constexpr long kMaxResult = 9999;
constexpr long kMaxOperand = 999;
constexpr long kMinDivisor = 1;
constexpr long kMinCount = 1;
constexpr long kMaxCount = 1000;
// A change of a bound proposes every possible task, but not more than this many.
constexpr long kCountStepCap = 100;
constexpr FieldValues kDefaultValues{1, 1, 10, 10, 0};

inline const QString kDialogTitle = QStringLiteral("Eget urval");
// The typing label: the digits typed so far followed by this cursor.
inline const QString kTypingCursor = QStringLiteral("_");

// How an operation's pairs give their result.
enum class ResultClass { Sum, Difference, Product, None };

ResultClass result_class(Operation operation);
// The operation handed to the possible-task counter; Addition for a mixed one.
Operation counted_operation(Operation operation);

// The result of a pair for the operation; nothing for a mixed one.
std::optional<long> compute_result(long first, long second, Operation operation);
// compute_result as the dialog shows it: decimal text, empty for a mixed one.
QString result_text(long first, long second, Operation operation);

// A new value for a bound whose result with `other` exceeds the limit; also stored in
// `bound`. A bound that does not exceed the limit, and every bound of an operation without
// a limit rule, stays as it is. Never negative.
long limit_to_max_result(long other, long &bound, Operation operation);

// Counts the possible tasks of the ranges V0..V2 and V1..V3, stores the count in
// `possible_task_count` and returns it.
long count_tasks_for_bounds(long v0, long v1, long v2, long v3, Operation operation,
                            long &possible_task_count);

// Raises `task_count` to `min_task_count` when below it; true when it did, and the dialog
// then shows min_task_count_message() (information icon, OK, title kDialogTitle).
bool check_min_task_count(long &task_count, int min_task_count);
QString min_task_count_message(int min_task_count);

// The values at load: the default bounds and, as V4, every possible task (no cap, no
// minimum check). `possible_task_count` receives the count too.
FieldValues initial_field_values(Operation operation, long &possible_task_count);

// The lowest and highest value a field can hold for the operation.
struct FieldRange {
    long lowest;
    long highest;
};
FieldRange field_range(int field_index, Operation operation);

// What the rules of one confirmed field did.
struct RuleOutcome {
    bool recounted = false;        // the count step ran: show possible_count in labTal(2)
    long possible_count = 0;       // valid when recounted
    bool min_count_raised = false; // show the minimum-count message
};

// Runs the rules of field `field_index` after its value changed to values[field_index].
RuleOutcome apply_field_rules(FieldValues &values, int field_index, Operation operation,
                              int min_task_count, long &possible_task_count);

// What a confirmation did, for the dialog to show.
struct ConfirmOutcome {
    RuleOutcome rules;
    bool value_changed = false;               // the rules ran
    std::array<bool, field::Total> changed{}; // fields whose marker turns on
};

// Confirms field `field_index`: takes the number typed in `typing_text` (the typing label,
// digits and cursor), or `value_before_edit` when nothing was typed, kept within
// field_range(); runs the field rules when the value changed.
ConfirmOutcome confirm_field(FieldValues &values, int field_index, const QString &typing_text,
                             long value_before_edit, Operation operation, int min_task_count,
                             long &possible_task_count);

// --- typing in a field in edit mode ------------------------------------------------------
enum class KeyEffect { Changed, Beep, Ignored };

// A digit key (0..9) for field `field_index`; changes `typing_text` or tells to beep/ignore.
KeyEffect type_digit(QString &typing_text, int digit, int field_index, Operation operation);
// Backspace: removes the last typed digit, or beeps when none is typed.
KeyEffect erase_digit(QString &typing_text);

// --- the hand-over of "&Klart" -------------------------------------------------------------
// False when the bounds allow no task: the generators need at least one.
bool can_finish(long shown_possible_count);

struct Handover {
    std::array<int, field::Bounds> selection_bounds{};
    long task_count = 0;                     // 0: every possible task once
    std::optional<long> possible_task_count; // written only when set
};
Handover klart_handover(const FieldValues &values, long shown_possible_count);

} // namespace own_selection
