#include "drill/selection_panel_logic.h"

#include "exercises/own_selection_rules.h"

#include <algorithm>

namespace drill {
namespace {

using own_selection::kMaxCount;
using own_selection::kMaxOperand;
using own_selection::kMaxResult;
using own_selection::kMinDivisor;

int field_number(ScreenState field) {
    return int(field) - int(ScreenState::PanelBase);
}

// 9999 \ divisor, never above 999, and 999 when the divisor is 0.
int product_limit(int divisor) {
    if (divisor <= 0)
        return int(kMaxOperand);
    return int(std::min<long>(kMaxResult / divisor, kMaxOperand));
}

bool multiplies(Operation operation) {
    return operation == Operation::Multiplikation || operation == Operation::Division;
}

QString sign_of(Operation operation) {
    switch (operation) {
    case Operation::Addition:
        return QStringLiteral("+");
    case Operation::Subtraktion:
        return QStringLiteral("-");
    case Operation::Multiplikation:
        return QStringLiteral("•");
    default:
        return QStringLiteral("=");
    }
}

QString result_of(Operation operation, int first, int second) {
    switch (operation) {
    case Operation::Addition:
        return QString::number(first + second);
    case Operation::Subtraktion:
        return QString::number(first - second);
    default:
        return QString::number(first * second);
    }
}

QString number(int value) {
    return QString::number(value);
}

// "Från 12 / 3 = 4": a division pair as dividend, denominator and quotient.
QString division_pair(int denominator, int quotient) {
    return number(denominator * quotient) + QStringLiteral(" / ") + number(denominator) +
           QStringLiteral(" = ") + number(quotient);
}

const QString kFrom = QStringLiteral("Från ");
const QString kTill = QStringLiteral("   till ");
const QString kUnknownDividend = QStringLiteral("  # / ");
const QString kUnknown = QStringLiteral("#");
const QString kEquals = QStringLiteral("= ");
const QString kThreeBlanks = QStringLiteral("   ");
const QString kFourBlanks = QStringLiteral("    ");

} // namespace

FieldLimits panel_field_limits(ScreenState field, Operation operation, const PanelBounds &b,
                               int min_task_count) {
    const bool mul = multiplies(operation);
    switch (field) {
    case ScreenState::PanelLowFirst:
        return {operation == Operation::Division ? int(kMinDivisor) : 0, int(kMaxOperand)};
    case ScreenState::PanelLowSecond:
        if (operation == Operation::Subtraktion)
            return {0, b.low_first};
        return {0, mul ? product_limit(b.low_first) : int(kMaxOperand)};
    case ScreenState::PanelHighFirst:
        return {b.low_first, mul ? product_limit(b.low_second) : int(kMaxOperand)};
    case ScreenState::PanelHighSecond:
        if (operation == Operation::Subtraktion)
            return {b.low_second, b.high_first};
        return {b.low_second, mul ? product_limit(b.high_first) : int(kMaxOperand)};
    case ScreenState::PanelCount:
        return {min_task_count, int(kMaxCount)};
    default:
        return {0, 0};
    }
}

namespace {
// One half of the template line: the operands typed so far, blanks for the rest; a division
// shows its pair only once both are known.
QString template_half(Operation operation, int first, int second, bool first_known,
                      bool second_known) {
    const bool division = operation == Operation::Division;
    if (division && second_known)
        return division_pair(first, second);
    QString half = division ? kUnknownDividend : QString();
    half += first_known ? number(first) + u' ' : kThreeBlanks;
    half += sign_of(operation);
    half += second_known ? u' ' + number(second) + u' ' : kFourBlanks;
    if (!division)
        half += kEquals + (second_known ? result_of(operation, first, second) + u' ' : kUnknown);
    return half;
}
} // namespace

QString panel_template_line(ScreenState field, Operation operation, const PanelBounds &b) {
    const int n = field_number(field);
    return kFrom + template_half(operation, b.low_first, b.low_second, n >= 2, n >= 3) + kTill +
           template_half(operation, b.high_first, b.high_second, n >= 4, n >= 5);
}

QString panel_prompt(ScreenState field, Operation operation, const FieldLimits &limits,
                     long possible_task_count) {
    const QString range = QStringLiteral(" (") + number(limits.min) + QStringLiteral(" - ") +
                          number(limits.max) + QStringLiteral("): ");
    const int n = field_number(field);
    if (field == ScreenState::PanelCount)
        return QStringLiteral("Antal av ") + QString::number(possible_task_count) + range;
    if (n < 1 || n > 4)
        return QString();
    const QString word = n <= 2 ? QStringLiteral("Lägsta ") : QStringLiteral("Högsta ");
    const bool first = n % 2 == 1;
    QString name;
    if (operation == Operation::Multiplikation)
        name = first ? QStringLiteral("första faktor") : QStringLiteral("andra faktor");
    else if (operation == Operation::Division)
        name = first ? QStringLiteral("nämnare") : QStringLiteral("kvot");
    else
        name = first ? QStringLiteral("första term") : QStringLiteral("andra term");
    return word + name + range;
}

QString speak_range_text(const QString &text) {
    QString spoken;
    for (QChar c : text) {
        if (c == u'(')
            spoken += QStringLiteral(". mellan ");
        else if (c == u'-')
            spoken += QStringLiteral("och");
        else if (c != u')')
            spoken += c;
    }
    return spoken;
}

GeneratorRanges panel_generator_ranges(Operation operation, const PanelBounds &b) {
    if (operation == Operation::Division)
        return {b.low_second, b.high_second, b.low_first, b.high_first};
    return {b.low_first, b.high_first, b.low_second, b.high_second};
}

} // namespace drill
