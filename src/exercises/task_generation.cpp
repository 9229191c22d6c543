#include "exercises/task_generation.h"

#include "platform/message_box.h"
#include "shared/modSorvinel.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace exercises {

namespace {

const QString kSigns = QStringLiteral("+-*/");
const QString kIntervalSeparator = QStringLiteral("   till   ");
constexpr QChar kBlank = u' ';
// Filled-out sums and products stay below this; typed tasks may reach 9999.
constexpr long long kFillOutLimit = kOperandLimit - 2;
constexpr long long kLargestResult = kOperandLimit - 1;
// The fill-out dialog's default target, unless the list already holds more.
constexpr int kDefaultFillTarget = 100;
const QString kFillOutTitle = QStringLiteral("Fyll ut med uppgifter");
const QString kSelectionTitle = QStringLiteral("Eget urval");

enum Bound { LowFirst = 0, LowSecond = 1, HighFirst = 2, HighSecond = 3 };

// low + Int(c * r) over the c values from low to high.
int draw_between(int low, int high, const RandomSource &rnd) {
    const int count = high - low + 1;
    return low + std::clamp(int(std::floor(count * rnd())), 0, count - 1);
}

MessageText notice(const QString &text, const QString &title) {
    return MessageText{text, vb::vbOKOnly + vb::vbInformation, title};
}

struct Pair {
    int first;
    int second;
};

// A pair of an own selection: the first operand is the quotient for division, whose divisor
// must not be 0.
bool selection_pair_valid(const QString &sign, long long a, long long b) {
    if (sign == kTypeAddition)
        return a + b <= kLargestResult;
    if (sign == kTypeSubtraction)
        return a >= b;
    if (sign == kTypeDivision && b == 0)
        return false;
    return a * b <= kLargestResult;
}

QString selection_task(const QString &sign, const Pair &p) {
    if (sign == kTypeDivision)
        return task_line(p.first * p.second, sign, p.second);
    return task_line(p.first, sign, p.second);
}

} // namespace

QString operator_sign(int index) {
    return index >= 0 && index < kOperatorCount ? QString(kSigns[index]) : QString();
}

OperandInterval task_interval(const QStringList &tasks) {
    OperandInterval in;
    bool first = true;
    for (const QString &t : tasks) {
        const QStringList parts = t.split(kBlank, Qt::SkipEmptyParts);
        const int a = parts.value(0).toInt();
        const int b = parts.value(2).toInt();
        if (first) {
            in = OperandInterval{a, a, b, b};
            first = false;
            continue;
        }
        in.lowest_first = std::min(in.lowest_first, a);
        in.highest_first = std::max(in.highest_first, a);
        in.lowest_second = std::min(in.lowest_second, b);
        in.highest_second = std::max(in.highest_second, b);
    }
    return in;
}

QString interval_text(const OperandInterval &in, const QString &sign) {
    const auto pair = [&](int a, int b) {
        return QString::number(a) + kBlank + sign + kBlank + QString::number(b);
    };
    return pair(in.lowest_first, in.lowest_second) + kIntervalSeparator +
           pair(in.highest_first, in.highest_second);
}

FillOutChoices fill_out_choices(int task_count) {
    FillOutChoices choices;
    const int from = std::max(task_count + 1, 1);
    for (int k = from; k <= kMaxExerciseTasks; ++k)
        choices.items << QString::number(k);
    if (!choices.items.isEmpty())
        choices.default_index = from <= kDefaultFillTarget ? kDefaultFillTarget - from : 0;
    return choices;
}

OperatorSet operators_used(const QStringList &tasks) {
    OperatorSet used{};
    for (const QString &t : tasks)
        for (int i = 0; i < kOperatorCount; ++i)
            used[std::size_t(i)] = used[std::size_t(i)] || t.contains(kSigns[i]);
    return used;
}

bool fill_out_pair_valid(const QString &sign, int first, int second) {
    const long long a = first, b = second;
    if (sign == kTypeAddition)
        return a + b < kFillOutLimit;
    if (sign == kTypeSubtraction)
        return a >= b;
    if (sign == kTypeMultiplication)
        return a * b < kFillOutLimit;
    if (sign == kTypeDivision)
        return b != 0 && a % b == 0;
    return false;
}

bool fill_out_possible(const OperandInterval &in, const QString &sign) {
    if (in.lowest_first > in.highest_first || in.lowest_second > in.highest_second)
        return false;
    if (sign == kTypeDivision) {
        // Some multiple of a divisor lies in the first operand's range.
        for (int b = std::max(in.lowest_second, 1); b <= in.highest_second; ++b)
            if (in.highest_first / b * b >= in.lowest_first)
                return true;
        return false;
    }
    if (sign == kTypeSubtraction)
        return fill_out_pair_valid(sign, in.highest_first, in.lowest_second);
    // Sums and products are smallest at the lowest operands.
    return fill_out_pair_valid(sign, in.lowest_first, in.lowest_second);
}

FillOut fill_out(const QStringList &tasks, const QString &type, const OperatorSet &allowed,
                 int target, const RandomSource &rnd) {
    FillOut result;
    const OperandInterval in = task_interval(tasks);
    // The operators that can be drawn at all; in a mixed exercise only ticked ones.
    OperatorSet drawable{};
    bool any_ticked = false;
    bool any_drawable = false;
    for (int i = 0; i < kOperatorCount; ++i) {
        const QString sign = operator_sign(i);
        const bool wanted = type == kTypeMixed ? allowed[std::size_t(i)] : sign == type;
        any_ticked = any_ticked || wanted;
        drawable[std::size_t(i)] = wanted && fill_out_possible(in, sign);
        any_drawable = any_drawable || drawable[std::size_t(i)];
    }
    if (!any_ticked) {
        result.refusal = notice(QStringLiteral("Inget räknesätt är markerat."), kFillOutTitle);
        return result;
    }
    if (tasks.isEmpty() || !any_drawable) {
        result.refusal =
            notice(QStringLiteral("Inom intervallet finns ingen uppgift som kan bildas."),
                   kFillOutTitle);
        return result;
    }
    result.tasks = tasks;
    const int goal = std::min(target, kMaxExerciseTasks);
    result.tasks.reserve(std::max(goal, int(tasks.size())));
    while (result.tasks.size() < goal) {
        const int a = draw_between(in.lowest_first, in.highest_first, rnd);
        const int b = draw_between(in.lowest_second, in.highest_second, rnd);
        QString sign = type;
        if (type == kTypeMixed) {
            int op = 0;
            do
                op = draw_between(0, kOperatorCount - 1, rnd);
            while (!drawable[std::size_t(op)]);
            sign = operator_sign(op);
        }
        if (fill_out_pair_valid(sign, a, b))
            result.tasks << task_line(a, sign, b);
    }
    return result;
}

Generation generate_from_selection(const QString &sign, const std::array<int, 4> &bounds,
                                   long task_count, const RandomSource &rnd) {
    Generation gen;
    std::vector<Pair> pairs;
    for (int a = bounds[LowFirst]; a <= bounds[HighFirst]; ++a)
        for (int b = bounds[LowSecond]; b <= bounds[HighSecond]; ++b)
            if (selection_pair_valid(sign, a, b))
                pairs.push_back(Pair{a, b});
    const long p = long(pairs.size());
    gen.possible = int(p);
    if (p == 0) {
        gen.refusal = notice(QStringLiteral("Urvalet ger inga uppgifter."), kSelectionTitle);
        return gen;
    }
    const long total = std::clamp(task_count == 0 ? p : task_count, 1L, long(kMaxExerciseTasks));
    const long sets = total / p;
    const long remainder = total % p;
    gen.needs_duplicates = total > p;

    // Whole sets: every task once, each put at Int(k * r + 0.5) among the k placed.
    for (long s = 0; s < sets; ++s) {
        std::vector<int> order;
        order.reserve(pairs.size());
        for (int i = 0; i < int(p); ++i) {
            const auto k = double(order.size());
            const int at = std::clamp(int(std::floor(k * rnd() + 0.5)), 0, int(order.size()));
            order.insert(order.begin() + at, i);
        }
        for (int i : order)
            gen.tasks << selection_task(sign, pairs[std::size_t(i)]);
    }

    // The remainder: different tasks, each chosen with equal chance, in random order.
    std::vector<Pair> chosen;
    for (long i = 0; i < remainder; ++i) {
        const long j = i + std::clamp(long(std::floor(double(p - i) * rnd())), 0L, p - i - 1);
        std::swap(pairs[std::size_t(i)], pairs[std::size_t(j)]);
        // Over n + 1 places, so the last place is as likely as any other.
        const int n = int(chosen.size());
        chosen.insert(chosen.begin() + draw_between(0, n, rnd), pairs[std::size_t(i)]);
    }
    for (const Pair &pair : chosen)
        gen.tasks << selection_task(sign, pair);
    return gen;
}

} // namespace exercises
