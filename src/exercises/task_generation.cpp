#include "exercises/task_generation.h"

#include "platform/message_box.h"
#include "shared/modSorvinel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
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

// The valid second operands of one first operand a of an own selection: a range. The
// first operand is the quotient for division, whose divisor must not be 0.
std::pair<long long, long long> second_range(const QString &sign, long long a, long long low,
                                             long long high) {
    long long hi = high;
    if (sign == kTypeAddition)
        hi = std::min(hi, kLargestResult - a);
    else if (sign == kTypeSubtraction)
        hi = std::min(hi, a);
    else if (a > 0)
        hi = std::min(hi, kLargestResult / a);
    const long long lo = sign == kTypeDivision ? std::max(low, 1LL) : low;
    return {lo, hi};
}

QString selection_task(const QString &sign, const Pair &p) {
    if (sign == kTypeDivision)
        return task_line(p.first * p.second, sign, p.second);
    return task_line(p.first, sign, p.second);
}

// Valid pairs numbered 0 .. count - 1 without listing them where the second operands of
// each first operand form one range: a million pairs need no million entries.
class PairTable {
public:
    // `second_range(a)` gives the lowest and highest valid second operand for a.
    template <class Range>
    PairTable(long long first_low, long long first_high, Range second_range) {
        first_ = first_low;
        for (long long a = first_low; a <= first_high; ++a) {
            const auto [lo, hi] = second_range(a);
            starts_.push_back(count_);
            lows_.push_back(lo);
            count_ += std::max(hi - lo + 1, 0LL);
        }
    }
    explicit PairTable(std::vector<Pair> listed)
        : count_(static_cast<long long>(listed.size())), listed_(std::move(listed)) {}

    long long count() const { return count_; }
    Pair at(long long index) const {
        if (!listed_.empty())
            return listed_[std::size_t(index)];
        const auto row = std::upper_bound(starts_.begin(), starts_.end(), index) - 1;
        const auto i = std::size_t(row - starts_.begin());
        return Pair{int(first_ + static_cast<long long>(i)), int(lows_[i] + index - *row)};
    }

private:
    long long first_ = 0;
    long long count_ = 0;
    std::vector<long long> starts_; // index of the first pair of each first operand
    std::vector<long long> lows_;   // its lowest second operand
    std::vector<Pair> listed_;
};

PairTable selection_pairs(const QString &sign, const std::array<int, 4> &b) {
    return PairTable(b[LowFirst], b[HighFirst], [&](long long a) {
        return second_range(sign, a, b[LowSecond], b[HighSecond]);
    });
}

// The pairs of a fill-out interval that `sign` allows.
PairTable fill_out_pairs(const QString &sign, const OperandInterval &in) {
    if (sign == kTypeDivision) {
        // Every multiple of every divisor within the first operand's range.
        std::vector<Pair> listed;
        for (long long b = std::max(in.lowest_second, 1); b <= in.highest_second; ++b)
            for (long long m = (in.lowest_first + b - 1) / b; m * b <= in.highest_first; ++m)
                listed.push_back(Pair{int(m * b), int(b)});
        return PairTable(std::move(listed));
    }
    return PairTable(in.lowest_first, in.highest_first, [&](long long a) {
        long long hi = in.highest_second;
        if (sign == kTypeAddition)
            hi = std::min(hi, kFillOutLimit - 1 - a);
        else if (sign == kTypeSubtraction)
            hi = std::min(hi, a);
        else if (a > 0)
            hi = std::min(hi, (kFillOutLimit - 1) / a);
        return std::pair<long long, long long>{in.lowest_second, hi};
    });
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

bool fill_out_possible(const OperandInterval &in, const QString &sign) {
    if (in.lowest_first > in.highest_first || in.lowest_second > in.highest_second)
        return false;
    return fill_out_pairs(sign, in).count() > 0;
}

FillOut fill_out(const QStringList &tasks, const QString &type, const OperatorSet &allowed,
                 int target, const RandomSource &rnd) {
    FillOut result;
    const OperandInterval in = task_interval(tasks);
    // The operators to draw: the type's own, or in a mixed exercise the ticked ones.
    std::vector<QString> signs;
    std::vector<PairTable> tables;
    long long total = 0;
    for (int i = 0; i < kOperatorCount; ++i) {
        const QString sign = operator_sign(i);
        if (type == kTypeMixed ? !allowed[std::size_t(i)] : sign != type)
            continue;
        signs.push_back(sign);
        tables.push_back(fill_out_pairs(sign, in));
        total += tables.back().count();
    }
    if (signs.empty()) {
        result.refusal = notice(QStringLiteral("Inget räknesätt är markerat."), kFillOutTitle);
        return result;
    }
    if (tasks.isEmpty() || total == 0) {
        result.refusal = notice(
            QStringLiteral("Inom intervallet finns ingen uppgift som kan bildas."), kFillOutTitle);
        return result;
    }
    result.tasks = tasks;
    const int goal = std::min(target, kMaxExerciseTasks);
    result.tasks.reserve(std::max(goal, int(tasks.size())));
    // Drawing operands and operator at random until the task is valid makes every valid
    // task equally likely; drawing straight among the valid ones does the same at once.
    while (result.tasks.size() < goal) {
        long long pick =
            std::clamp<long long>(static_cast<long long>(double(total) * rnd()), 0, total - 1);
        std::size_t op = 0;
        while (pick >= tables[op].count()) {
            pick -= tables[op].count();
            ++op;
        }
        const Pair p = tables[op].at(pick);
        result.tasks << task_line(p.first, signs[op], p.second);
    }
    return result;
}

Generation generate_from_selection(const QString &sign, const std::array<int, 4> &bounds,
                                   long task_count, const RandomSource &rnd) {
    Generation gen;
    const PairTable pairs = selection_pairs(sign, bounds);
    const long long p = pairs.count();
    gen.possible = int(std::min<long long>(p, std::numeric_limits<int>::max()));
    if (p == 0) {
        gen.refusal = notice(QStringLiteral("Urvalet ger inga uppgifter."), kSelectionTitle);
        return gen;
    }
    const long long asked = task_count == 0 ? p : task_count;
    const long long total = std::clamp<long long>(asked, 1, kMaxExerciseTasks);
    const long long sets = total / p;
    const long long remainder = total % p;
    gen.needs_duplicates = total > p;

    // Whole sets: every task once, each put at Int(k * r + 0.5) among the k placed.
    for (long long s = 0; s < sets; ++s) {
        std::vector<long long> order;
        order.reserve(std::size_t(p));
        for (long long i = 0; i < p; ++i) {
            const auto k = double(order.size());
            const int at = std::clamp(int(std::floor(k * rnd() + 0.5)), 0, int(order.size()));
            order.insert(order.begin() + at, i);
        }
        for (long long i : order)
            gen.tasks << selection_task(sign, pairs.at(i));
    }

    // The remainder: different tasks, each set of them equally likely (Floyd's sampling),
    // each put at one of the n + 1 places, so the last place is as likely as any other.
    std::set<long long> taken;
    std::vector<long long> chosen;
    for (long long j = p - remainder; j < p; ++j) {
        const long long t =
            std::clamp<long long>(static_cast<long long>(double(j + 1) * rnd()), 0, j);
        const long long pick = taken.insert(t).second ? t : j;
        if (pick == j)
            taken.insert(j);
        const int n = int(chosen.size());
        chosen.insert(chosen.begin() + draw_between(0, n, rnd), pick);
    }
    for (long long i : chosen)
        gen.tasks << selection_task(sign, pairs.at(i));
    return gen;
}

} // namespace exercises
