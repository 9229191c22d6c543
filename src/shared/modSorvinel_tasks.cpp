// Task line parsing and the small task, duration and path helpers of the shared module.
// They keep no state and touch no widget.

#include "shared/modSorvinel.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

const QString kMixedSign = QStringLiteral("¤");
const QString kOperatorSigns = QStringLiteral("+-*/");
// Each sign on its own, handed out by the parser without making a new string.
const std::array<QString, 4> kSingleSigns{QStringLiteral("+"), QStringLiteral("-"),
                                          QStringLiteral("*"), QStringLiteral("/")};
constexpr QChar kBlank = u' ';
constexpr QChar kPathSeparator = u'/';
// "9999" in the result messages: the largest result allowed.
const QString kLargestResult = QString::number(kOperandLimit - 1);

constexpr long kSecondsPerMinute = 60;
constexpr long kMinutesPerHour = 60;
constexpr long kSecondsPerHour = kSecondsPerMinute * kMinutesPerHour;
// A digit run longer than this is 10000 or more whatever its digits.
constexpr qsizetype kMaxOperandDigits = 4;

struct OperationInfo {
    QString name;
    QString sign;
};

const std::array<OperationInfo, 5> &operation_table() {
    static const std::array<OperationInfo, 5> table{{
        {QStringLiteral("Addition"), QStringLiteral("+")},
        {QStringLiteral("Subtraktion"), QStringLiteral("-")},
        {QStringLiteral("Multiplikation"), QStringLiteral("*")},
        {QStringLiteral("Division"), QStringLiteral("/")},
        {QStringLiteral("Blandat"), kMixedSign},
    }};
    return table;
}

bool is_digit(QChar c) {
    return c >= u'0' && c <= u'9';
}

QStringView trim_left_blanks(QStringView s) {
    qsizetype i = 0;
    while (i < s.size() && s[i] == kBlank)
        ++i;
    return s.sliced(i);
}

QStringView trim_right_blanks(QStringView s) {
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == kBlank)
        --n;
    return s.first(n);
}

// Value of a run of decimal digits when it is below the operand limit. The run is judged by
// its significant digits first, so a run of any length never overflows.
std::optional<int> operand_value(QStringView digits) {
    qsizetype start = 0;
    while (start < digits.size() && digits[start] == u'0')
        ++start;
    const QStringView significant = digits.mid(start);
    if (significant.size() > kMaxOperandDigits)
        return std::nullopt;
    int value = 0;
    for (QChar c : significant)
        value = value * 10 + (c.unicode() - u'0');
    if (value >= kOperandLimit)
        return std::nullopt;
    return value;
}

// The rule of the operator on a complete task; an empty result means the task is fine.
std::optional<QString> result_rule_violation(const QString &op, int first, int second) {
    if (op == u"+" && first + second >= kOperandLimit)
        return QStringLiteral("Summan blir större än ") + kLargestResult + u'!';
    if (op == u"-" && first - second < 0)
        return QStringLiteral("Differensen blir mindre än noll!");
    if (op == u"*" && static_cast<long long>(first) * second >= kOperandLimit)
        return QStringLiteral("Produkten blir större än ") + kLargestResult + u'!';
    if (op == u"/") {
        if (second == 0)
            return QStringLiteral("Division med 0!");
        if (first % second != 0)
            return QStringLiteral("Kvoten är ej heltal!");
    }
    return std::nullopt;
}

// How many j in [from, to] satisfy j <= limit.
long long count_up_to(long long from, long long to, long long limit) {
    const long long hi = std::min(to, limit);
    return hi >= from ? hi - from + 1 : 0;
}

// How many j in [from, to] give i * j below the operand limit.
long long count_small_products(long long i, long long from, long long to) {
    constexpr long long largest = kOperandLimit - 1;
    if (i == 0)
        return from <= to ? to - from + 1 : 0;
    if (i > 0)
        return count_up_to(from, to, largest / i);
    // Negative operands only come from odd caller ranges: there j must be large enough.
    const long long lowest = -(largest / -i);
    return count_up_to(std::max(from, lowest), to, to);
}

} // namespace

void ModSorvinel::parse_task(const QString &line, QString &op, int &first, int &second,
                             bool &first_found, bool &ok, QString &message) {
    first_found = false;
    ok = false;

    // Looks at the text between one operator and the next, in place: files of a thousand
    // lines come through here.
    qsizetype segment = 0;
    qsizetype pos = 0;
    bool mixed = op == kMixedSign; // until the line's first sign
    while (pos < line.size() && !first_found) {
        const QChar c = line[pos++];
        if (mixed) {
            if (const qsizetype sign = kOperatorSigns.indexOf(c); sign >= 0) {
                op = kSingleSigns[static_cast<size_t>(sign)];
                mixed = false;
            }
        }
        if (op.size() != 1 || c != op[0])
            continue;

        // The digits just before the operator (blanks between allowed) are the first operand.
        const QStringView before =
            trim_right_blanks(QStringView(line).sliced(segment, pos - 1 - segment));
        segment = pos;
        qsizetype start = before.size();
        while (start > 0 && is_digit(before[start - 1]))
            --start;
        const QStringView candidate = before.sliced(start);
        if (!candidate.isEmpty()) {
            if (const auto value = operand_value(candidate)) {
                first = *value;
                first_found = true;
            }
        }
    }
    if (!first_found)
        return;

    const QStringView rest = trim_left_blanks(QStringView(line).sliced(pos));
    qsizetype end = 0;
    while (end < rest.size() && is_digit(rest[end]))
        ++end;
    if (end == 0) {
        first_found = false;
        return;
    }
    const auto value = operand_value(rest.first(end));
    if (!value)
        return;
    second = *value;
    ok = true;

    if (const auto violation = result_rule_violation(op, first, second)) {
        ok = false;
        message = *violation;
    }
}

void ModSorvinel::count_possible_tasks(long &count, Operation operation, int first_from,
                                       int first_to, int second_from, int second_to) {
    const bool add = operation == Operation::Addition || operation == Operation::Blandat;
    const bool sub = operation == Operation::Subtraktion || operation == Operation::Blandat;
    const bool mul = operation == Operation::Multiplikation || operation == Operation::Blandat;
    const bool div = operation == Operation::Division || operation == Operation::Blandat;

    long long n = 0;
    for (long long i = first_from; i <= first_to; ++i) {
        if (add)
            n += count_up_to(second_from, second_to, kOperandLimit - 1 - i);
        if (sub)
            n += count_up_to(second_from, second_to, i);
        const long long products =
            (mul || div) ? count_small_products(i, second_from, second_to) : 0;
        if (mul)
            n += products;
        if (div)
            n += products;
    }
    count = static_cast<long>(n);
}

QString ModSorvinel::format_duration(long seconds) {
    const long s = seconds % kSecondsPerMinute;
    const long m = (seconds / kSecondsPerMinute) % kMinutesPerHour;
    const long h = seconds / kSecondsPerHour;
    QString text;
    if (h > 0)
        text += QString::number(h) + QStringLiteral(" tim ");
    if (m > 0)
        text += QString::number(m) + QStringLiteral(" min ");
    text += QString::number(s) + QStringLiteral(" sek ");
    return text;
}

QString ModSorvinel::path_directory(const QString &path) {
    const qsizetype at = path.lastIndexOf(kPathSeparator);
    return at < 0 ? path : path.left(at + 1);
}

QString ModSorvinel::path_file_name(const QString &path) {
    const qsizetype at = path.lastIndexOf(kPathSeparator);
    return at < 0 ? path : path.mid(at + 1);
}

QString ModSorvinel::operation_name(Operation operation) {
    return operation_table()[static_cast<size_t>(index_of(operation))].name;
}

QString ModSorvinel::operation_sign(Operation operation) {
    return operation_table()[static_cast<size_t>(index_of(operation))].sign;
}
