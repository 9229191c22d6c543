#include "exercises/task_entry.h"

#include "exercises/exercise_file.h"
#include "shared/modSorvinel.h"

#include <algorithm>

namespace exercises::entry {

namespace {

const QString kSigns = QStringLiteral("+-*/");
const QString kEquals = QStringLiteral("=");
const QString kCompletion = QStringLiteral(" = _");
const QString kInvalidPrefix = QStringLiteral("Felaktig uppgift! ");
const QString kDuplicateSuffix = QStringLiteral("   finns redan!");
constexpr QChar kBlank = u' ';
// «12 + _» loses " + _" and «12 + 34 = _» loses " = _" to the correction key.
constexpr int kSignWithBlanks = 4;
// A digit and the cursor mark.
constexpr int kDigitWithMark = 2;
// «= _»: a complete task has "=" third from its end.
constexpr int kEqualsFromEnd = 3;

// The operand being typed, without the cursor mark.
QString typed_operand(const QString &entry) {
    const QString body = entry.endsWith(kCursorMark) ? entry.chopped(1) : entry;
    return body.mid(body.lastIndexOf(kBlank) + 1);
}

bool holds_any_sign(const QString &entry) {
    return std::any_of(kSigns.begin(), kSigns.end(), [&](QChar c) { return entry.contains(c); });
}

bool is_complete(const QString &entry) {
    return entry.size() >= kEqualsFromEnd + 1 && entry[entry.size() - kEqualsFromEnd] == u'=';
}

} // namespace

int typed_operand_length(const QString &entry) {
    return int(typed_operand(entry).size());
}

QString press_digit(const QString &entry, int digit) {
    if (digit < 0 || digit > 9 || entry.isEmpty() || is_complete(entry) ||
        typed_operand_length(entry) >= kMaxOperandDigits)
        return entry;
    return entry.chopped(1) + QString::number(digit) + kCursorMark;
}

QString press_correction(const QString &entry) {
    if (entry.size() < kDigitWithMark)
        return entry;
    const bool after_blank = entry[entry.size() - kDigitWithMark] == kBlank;
    const int cut = after_blank ? kSignWithBlanks : kDigitWithMark;
    return entry.chopped(std::min<qsizetype>(cut, entry.size())) + kCursorMark;
}

QString press_operator(const QString &entry, const QString &sign) {
    if (entry.size() < kDigitWithMark || sign.size() != 1 || !kSigns.contains(sign) ||
        holds_any_sign(entry))
        return entry;
    return entry.chopped(1) + kBlank + sign + kBlank + kCursorMark;
}

KeypadState keypad_state(const QString &entry, const QString &type) {
    KeypadState state;
    const QString operand = typed_operand(entry);
    state.digits = operand.size() < kMaxOperandDigits && operand != QStringLiteral("0");
    state.correction = entry.size() >= kDigitWithMark;
    const bool has_operator = type == kTypeMixed ? holds_any_sign(entry) : entry.contains(type);
    state.operator_key = entry.size() >= kDigitWithMark && !has_operator;
    return state;
}

QString placing_sign(const QString &entry, const QString &type) {
    if (type != kTypeMixed)
        return type;
    for (QChar c : kSigns)
        if (entry.contains(c))
            return QString(c);
    return QString();
}

bool is_ready_to_place(const QString &entry, const QString &sign) {
    if (sign.isEmpty() || entry.contains(kEquals))
        return false;
    const qsizetype at = entry.indexOf(sign);
    if (at < 0)
        return false;
    // The cursor mark is not a typed digit: «12 + _» has no second operand yet.
    QString second = entry.mid(at + sign.size() + 1);
    if (second.endsWith(kCursorMark))
        second.chop(1);
    return !second.trimmed().isEmpty();
}

QString completed(const QString &entry) {
    return (entry.endsWith(kCursorMark) ? entry.chopped(1) : entry) + kCompletion;
}

int placement_index(Placement placement, int selected, int count) {
    switch (placement) {
    case Placement::First:
        return 0;
    case Placement::BeforeSelected:
        return std::clamp(selected, 0, count);
    case Placement::Last:
        break;
    }
    return count;
}

TaskCheck check_typed_task(const QString &entry, const QString &sign, const QStringList &tasks,
                           bool duplicates_allowed) {
    TaskCheck check;
    QString op = sign;
    int first = 0;
    int second = 0;
    bool first_found = false;
    bool ok = false;
    QString reason;
    ModSorvinel::parse_task(entry, op, first, second, first_found, ok, reason);
    if (tasks.size() >= kMaxExerciseTasks) {
        check.outcome = CheckOutcome::ListFull;
        return check;
    }
    if (!ok) {
        check.outcome = CheckOutcome::Invalid;
        check.message = kInvalidPrefix + reason;
        return check;
    }
    check.task = task_line(first, op, second);
    if (!duplicates_allowed && tasks.contains(check.task)) {
        check.outcome = CheckOutcome::Duplicate;
        check.message = check.task + kDuplicateSuffix;
        return check;
    }
    check.outcome = CheckOutcome::Accepted;
    return check;
}

} // namespace exercises::entry
