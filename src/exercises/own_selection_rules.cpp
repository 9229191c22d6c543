#include "exercises/own_selection_rules.h"

#include "shared/modSorvinel.h"

#include <algorithm>

namespace own_selection {

namespace {

constexpr int kLastDigit = 9;
constexpr int kMaxTypedDigits = 3;
// The one four-digit count that can be typed: "100" followed by 0.
const QString kFourDigitPrefix = QStringLiteral("100");
constexpr int kFourDigitSuffix = 0;

bool is_division(Operation operation) {
    return operation == Operation::Division;
}

bool exceeds_limit(long first, long second, Operation operation) {
    const std::optional<long> r = compute_result(first, second, operation);
    return r && *r > kMaxResult;
}

QString typed_digits(const QString &typing_text) {
    return typing_text.endsWith(kTypingCursor) ? typing_text.chopped(kTypingCursor.size())
                                               : typing_text;
}

// Every bound changed: propose every possible task (at most the cap) and keep the minimum.
void count_step(FieldValues &v, Operation operation, int min_task_count, long &possible_task_count,
                RuleOutcome &out) {
    const long n =
        count_tasks_for_bounds(v[field::LowFirst], v[field::LowSecond], v[field::HighFirst],
                               v[field::HighSecond], operation, possible_task_count);
    out.recounted = true;
    out.possible_count = n;
    v[field::Count] = std::min(n, kCountStepCap);
    out.min_count_raised = check_min_task_count(v[field::Count], min_task_count);
}

// A lowest value of one operand changed. The other operand's lowest value gives way to the
// result limit; the operand's own highest value follows it up, and the other's highest value
// gives way in turn. Sum and product do not depend on the order of the operands.
void low_bound_rules(long &low, long &other_low, long &high, long &other_high, Operation op) {
    if (exceeds_limit(low, other_low, op))
        limit_to_max_result(low, other_low, op);
    if (low > high) {
        high = low;
        if (exceeds_limit(high, other_high, op))
            limit_to_max_result(high, other_high, op);
    }
}

// A highest value of one operand changed: the other operand's highest value gives way to the
// result limit, and the lowest values follow the highest ones down.
void high_bound_rules(long &high, long &other_high, long &low, long &other_low, Operation op) {
    if (exceeds_limit(high, other_high, op)) {
        limit_to_max_result(high, other_high, op);
        // Lowering the other operand's highest value must not leave its range empty.
        if (other_high < other_low)
            other_low = other_high;
    }
    if (high < low) {
        low = high;
        if (exceeds_limit(low, other_low, op))
            limit_to_max_result(low, other_low, op);
    }
}

// Sum and product share their rules; the result limit moves the bound on the other side.
void sum_or_product_rules(FieldValues &v, int field_index, Operation op) {
    switch (field_index) {
    case field::LowFirst:
        low_bound_rules(v[field::LowFirst], v[field::LowSecond], v[field::HighFirst],
                        v[field::HighSecond], op);
        break;
    case field::LowSecond:
        low_bound_rules(v[field::LowSecond], v[field::LowFirst], v[field::HighSecond],
                        v[field::HighFirst], op);
        break;
    case field::HighFirst:
        high_bound_rules(v[field::HighFirst], v[field::HighSecond], v[field::LowFirst],
                         v[field::LowSecond], op);
        break;
    case field::HighSecond:
        high_bound_rules(v[field::HighSecond], v[field::HighFirst], v[field::LowSecond],
                         v[field::LowFirst], op);
        break;
    default:
        break;
    }
}

// Keeps V1 <= V0 <= V2 and V1 <= V3 <= V2, so no task of the ranges is negative.
void difference_rules(FieldValues &v, int field_index) {
    long &v0 = v[field::LowFirst];
    long &v1 = v[field::LowSecond];
    long &v2 = v[field::HighFirst];
    long &v3 = v[field::HighSecond];
    switch (field_index) {
    case field::LowFirst:
        if (v0 < v1) {
            v1 = v0;
            if (v1 > v3) {
                v3 = v1;
                if (v3 > v2)
                    v2 = v3;
            }
        }
        if (v0 > v2)
            v2 = v0;
        break;
    case field::LowSecond:
        if (v1 > v0) {
            v0 = v1;
            if (v0 > v2) {
                v2 = v0;
                if (v3 > v2)
                    v2 = v3;
            }
        }
        if (v3 < v1)
            v3 = v1;
        break;
    case field::HighFirst:
        if (v2 < v3) {
            v3 = v2;
            if (v3 < v1) {
                v1 = v3;
                if (v1 < v0)
                    v0 = v1;
            }
        }
        if (v2 < v0)
            v0 = v2;
        break;
    case field::HighSecond:
        if (v3 > v2)
            v2 = v3;
        if (v3 < v1)
            v1 = v3;
        break;
    default:
        break;
    }
}

} // namespace

ResultClass result_class(Operation operation) {
    switch (operation) {
    case Operation::Addition:
        return ResultClass::Sum;
    case Operation::Subtraktion:
        return ResultClass::Difference;
    case Operation::Multiplikation:
    case Operation::Division:
        return ResultClass::Product;
    case Operation::Blandat:
        break;
    }
    return ResultClass::None;
}

Operation counted_operation(Operation operation) {
    return operation == Operation::Blandat ? Operation::Addition : operation;
}

std::optional<long> compute_result(long first, long second, Operation operation) {
    switch (result_class(operation)) {
    case ResultClass::Sum:
        return first + second;
    case ResultClass::Difference:
        return first - second;
    case ResultClass::Product:
        return first * second;
    case ResultClass::None:
        break;
    }
    return std::nullopt;
}

QString result_text(long first, long second, Operation operation) {
    const std::optional<long> r = compute_result(first, second, operation);
    return r ? QString::number(*r) : QString();
}

long limit_to_max_result(long other, long &bound, Operation operation) {
    if (!exceeds_limit(other, bound, operation))
        return bound;
    switch (result_class(operation)) {
    case ResultClass::Sum:
        bound = std::max(0L, kMaxResult - other);
        break;
    case ResultClass::Product:
        // The largest bound whose product with other stays within the limit; other is
        // positive here, since a product with 0 or less never exceeds it.
        bound = std::max(0L, std::min(bound - 1, kMaxResult / other));
        break;
    case ResultClass::Difference:
    case ResultClass::None:
        break;
    }
    return bound;
}

long count_tasks_for_bounds(long v0, long v1, long v2, long v3, Operation operation,
                            long &possible_task_count) {
    ModSorvinel::count_possible_tasks(possible_task_count, counted_operation(operation),
                                      static_cast<int>(v0), static_cast<int>(v2),
                                      static_cast<int>(v1), static_cast<int>(v3));
    return possible_task_count;
}

bool check_min_task_count(long &task_count, int min_task_count) {
    if (task_count >= min_task_count)
        return false;
    task_count = min_task_count;
    return true;
}

QString min_task_count_message(int min_task_count) {
    return QStringLiteral("Minsta antal uppgifter är inställt till ") +
           QString::number(min_task_count);
}

FieldValues initial_field_values(Operation operation, long &possible_task_count) {
    FieldValues v = kDefaultValues;
    v[field::Count] =
        count_tasks_for_bounds(v[field::LowFirst], v[field::LowSecond], v[field::HighFirst],
                               v[field::HighSecond], operation, possible_task_count);
    return v;
}

FieldRange field_range(int field_index, Operation operation) {
    switch (field_index) {
    case field::LowSecond:
    case field::HighSecond:
        return {is_division(operation) ? kMinDivisor : 0, kMaxOperand};
    case field::Count:
        return {kMinCount, kMaxCount};
    default:
        return {0, kMaxOperand};
    }
}

RuleOutcome apply_field_rules(FieldValues &values, int field_index, Operation operation,
                              int min_task_count, long &possible_task_count) {
    RuleOutcome out;
    if (field_index == field::Count) {
        out.min_count_raised = check_min_task_count(values[field::Count], min_task_count);
        return out;
    }
    if (field_index < 0 || field_index >= field::Bounds)
        return out;
    switch (result_class(operation)) {
    case ResultClass::Sum:
    case ResultClass::Product:
        sum_or_product_rules(values, field_index, operation);
        break;
    case ResultClass::Difference:
        difference_rules(values, field_index);
        break;
    case ResultClass::None:
        return out;
    }
    count_step(values, operation, min_task_count, possible_task_count, out);
    return out;
}

ConfirmOutcome confirm_field(FieldValues &values, int field_index, const QString &typing_text,
                             long value_before_edit, Operation operation, int min_task_count,
                             long &possible_task_count) {
    ConfirmOutcome out;
    if (field_index < 0 || field_index >= field::Total)
        return out;
    const FieldValues before = values;
    const QString digits = typed_digits(typing_text);
    bool ok = false;
    long typed = digits.toLong(&ok);
    if (digits.isEmpty() || !ok) {
        values[field_index] = value_before_edit;
    } else {
        // Keys allow only valid values; a value from elsewhere is held within the range,
        // so a divisor can never become 0.
        const FieldRange range = field_range(field_index, operation);
        values[field_index] = std::clamp(typed, range.lowest, range.highest);
    }
    if (values[field_index] != value_before_edit) {
        out.value_changed = true;
        out.rules =
            apply_field_rules(values, field_index, operation, min_task_count, possible_task_count);
    }
    for (int j = 0; j < field::Total; ++j)
        out.changed[j] = values[j] != before[j];
    return out;
}

KeyEffect type_digit(QString &typing_text, int digit, int field_index, Operation operation) {
    if (digit < 0 || digit > kLastDigit)
        return KeyEffect::Ignored;
    const QString digits = typed_digits(typing_text);
    const QString d = QString::number(digit);
    if (digits.size() >= kMaxTypedDigits) {
        if (field_index == field::Count && digits == kFourDigitPrefix &&
            digit == kFourDigitSuffix) {
            typing_text = digits + d + kTypingCursor;
            return KeyEffect::Changed;
        }
        return KeyEffect::Beep;
    }
    if (digits == QStringLiteral("0"))
        return KeyEffect::Beep; // nothing may follow a leading zero
    if (digits.isEmpty() && digit == 0) {
        if (field_index == field::Count)
            return KeyEffect::Ignored;
        if (field_range(field_index, operation).lowest > 0)
            return KeyEffect::Beep; // no zero divisor
    }
    typing_text = digits + d + kTypingCursor;
    return KeyEffect::Changed;
}

KeyEffect erase_digit(QString &typing_text) {
    const QString digits = typed_digits(typing_text);
    if (digits.isEmpty())
        return KeyEffect::Beep;
    typing_text = digits.chopped(1) + kTypingCursor;
    return KeyEffect::Changed;
}

bool can_finish(long shown_possible_count) {
    return shown_possible_count > 0;
}

Handover klart_handover(const FieldValues &values, long shown_possible_count) {
    Handover h;
    for (int k = 0; k < field::Bounds; ++k)
        h.selection_bounds[k] = static_cast<int>(values[k]);
    if (shown_possible_count != values[field::Count]) {
        h.possible_task_count = shown_possible_count;
        h.task_count = values[field::Count];
    }
    return h;
}

} // namespace own_selection
