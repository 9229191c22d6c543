#pragma once
// The typed task of the exercise editor, without any widget: the entry text ends in the
// cursor mark "_" and grows «12_», «12 + _», «12 + 34_», «12 + 34 = _». The keypad and the
// keyboard edit it through these rules; placing checks the complete task against the list.

#include <QString>
#include <QStringList>

namespace exercises::entry {

inline const QString kCursorMark = QStringLiteral("_");
// Operands have at most this many digits.
constexpr int kMaxOperandDigits = 4;

// Characters of the operand being typed: from the last blank (or the start) to the mark.
int typed_operand_length(const QString &entry);
// The entry after a digit key; unchanged when the digit does not fit.
QString press_digit(const QString &entry, int digit);
// The entry after the correction key: one digit, or the operator or " =" with its blanks.
QString press_correction(const QString &entry);
// The entry after the operator key with `sign`; unchanged when the entry is empty or
// already holds that sign.
QString press_operator(const QString &entry, const QString &sign);

struct KeypadState {
    bool digits = false;
    bool correction = false;
    bool operator_key = false;
};
// Which keys the keypad offers for `entry` in an exercise of `type` ("¤" for mixed).
KeypadState keypad_state(const QString &entry, const QString &type);

// The operator a placed task is read with: the type, or in a mixed exercise the first of
// "+", "-", "*", "/" in the entry (empty when none).
QString placing_sign(const QString &entry, const QString &type);
// True when the entry holds `sign`, a typed digit of the second operand and no "=".
bool is_ready_to_place(const QString &entry, const QString &sign);
// «12 + 34_» becomes «12 + 34 = _».
QString completed(const QString &entry);

enum class Placement { Last = 0, First = 1, BeforeSelected = 2 };
// Where a task placed by `placement` goes, with the selected task at `selected`.
int placement_index(Placement placement, int selected, int count);

enum class CheckOutcome { Accepted, ListFull, Invalid, Duplicate };
struct TaskCheck {
    CheckOutcome outcome = CheckOutcome::Invalid;
    QString task;    // the task line to insert, «12 + 3 =»
    QString message; // for the message line, when refused there
};
// Checks a complete entry read with `sign` against the list and its rules.
TaskCheck check_typed_task(const QString &entry, const QString &sign, const QStringList &tasks,
                           bool duplicates_allowed);

} // namespace exercises::entry
