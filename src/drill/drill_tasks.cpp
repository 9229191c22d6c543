#include "drill/drill_tasks.h"

#include "platform/system.h"
#include "shared/modSorvinel.h"

#include <algorithm>
#include <array>
#include <set>
#include <tuple>
#include <utility>

namespace drill {
namespace {

// After this many rejected draws in a row the remaining random tasks are taken by a sweep,
// so a generator that keeps repeating itself cannot hang the drill start.
constexpr long kMaxRejectedDraws = 200000;

bool is_single_operation(Operation operation) {
    return operation != Operation::Blandat;
}

// Whole number in [low, high] from one random draw: Int((high - low + 1) * Rnd) + low.
int draw_between(int low, int high) {
    const long long span = static_cast<long long>(high) - low + 1;
    auto offset = static_cast<long long>(static_cast<double>(span) * platform::rnd());
    offset = std::clamp(offset, 0LL, span - 1);
    return static_cast<int>(low + offset);
}

void grow_rows(auto &rows, size_t columns) {
    for (auto &row : rows)
        if (row.size() < columns)
            row.resize(columns);
}

void store_task(ModSorvinel &m, int k, int first, int second, const QString &sign) {
    const auto columns = static_cast<size_t>(k) + 1;
    grow_rows(m.task_operands, columns);
    grow_rows(m.task_operators, columns);
    m.task_operands[Row::StoredFirst][k] = first;
    m.task_operands[Row::StoredSecond][k] = second;
    m.task_operators[Row::StoredSign][k] = sign;
}

// Operations a pair is tried for: the drill's own, or all four for Blandat.
// The four single operations a mixed drill draws from are in their storing order.
std::vector<Operation> operations_of(Operation operation) {
    if (operation == Operation::Blandat)
        return {kSingleOperations.begin(), kSingleOperations.end()};
    return {operation};
}

using TaskKey = std::tuple<int, int, Operation>; // first, second, operation

// The remainder of a drill: `wanted` distinct random tasks at k onwards.
void add_random_tasks(ModSorvinel &m, int &k, int wanted, Operation operation,
                      const OperandRanges &r, Progress *progress) {
    std::set<TaskKey> used;
    const int target = k + wanted;
    long rejected = 0;
    while (k < target && rejected < kMaxRejectedDraws) {
        const int a = draw_between(r.first_low, r.first_high);
        const int b = draw_between(r.second_low, r.second_high);
        Operation op = operation;
        if (operation == Operation::Blandat)
            op = kSingleOperations[static_cast<size_t>(
                draw_between(0, static_cast<int>(kSingleOperations.size()) - 1))];
        if (is_valid_task(op, a, b) && used.insert({a, b, op}).second) {
            store_task(m, k++, a, b, task_sign(op));
            rejected = 0;
            if (progress)
                progress->set_value(k);
        } else {
            ++rejected;
        }
    }
    // Fewer tasks wanted than one round holds, so the sweep always finds enough.
    for (int a = r.first_low; a <= r.first_high && k < target; ++a)
        for (int b = r.second_low; b <= r.second_high && k < target; ++b)
            for (Operation op : operations_of(operation))
                if (k < target && is_valid_task(op, a, b) && used.insert({a, b, op}).second)
                    store_task(m, k++, a, b, task_sign(op));
    if (progress)
        progress->set_value(k);
}

// Columns that every row of a group of rows holds.
size_t common_columns(const auto &rows, std::initializer_list<int> which) {
    size_t n = SIZE_MAX;
    for (int row : which)
        n = std::min(n, rows[static_cast<size_t>(row)].size());
    return n;
}

} // namespace

QString task_sign(Operation operation) {
    return is_single_operation(operation) ? ModSorvinel::operation_sign(operation) : QString();
}

std::optional<Operation> operation_of_sign(const QString &sign) {
    for (Operation op : kSingleOperations)
        if (sign == task_sign(op))
            return op;
    return std::nullopt;
}

bool is_valid_task(Operation operation, int first, int second) {
    const long long a = first;
    const long long b = second;
    switch (operation) {
    case Operation::Addition:
        return a + b < kOperandLimit;
    case Operation::Subtraktion:
        return a >= b;
    case Operation::Multiplikation:
        return a * b < kOperandLimit;
    case Operation::Division:
        return b != 0 && a * b < kOperandLimit;
    default:
        return false;
    }
}

long count_drill_tasks(Operation operation, const OperandRanges &r) {
    long count = 0;
    ModSorvinel::count_possible_tasks(count, operation, r.first_low, r.first_high, r.second_low,
                                      r.second_high);
    // The shared count takes a divisor 0 for a task (its dividend 0 is small enough).
    const bool divides = operation == Operation::Division || operation == Operation::Blandat;
    if (divides && r.second_low <= 0 && r.second_high >= 0 && r.first_high >= r.first_low)
        count -= static_cast<long>(static_cast<long long>(r.first_high) - r.first_low + 1);
    return count;
}

long till10_task_count(Operation operation) {
    return count_drill_tasks(operation, till10_ranges());
}

void dimension_drill_arrays(ModSorvinel &m, int n) {
    const auto columns = static_cast<size_t>(std::max(n, 0)) + 1;
    auto fresh = [columns](auto &rows) {
        for (auto &row : rows)
            row.assign(columns, {});
    };
    fresh(m.task_operands);
    fresh(m.task_operators);
    fresh(m.wrong_operands);
    fresh(m.wrong_operators);
}

void fill_with_all(ModSorvinel &m, int &k, Operation operation, const OperandRanges &r) {
    const std::vector<Operation> operations = operations_of(operation);
    for (int a = r.first_low; a <= r.first_high; ++a)
        for (int b = r.second_low; b <= r.second_high; ++b)
            for (Operation op : operations)
                if (is_valid_task(op, a, b))
                    store_task(m, k++, a, b, task_sign(op));
}

int generate_selection_tasks(ModSorvinel &m, const OperandRanges &ranges, long count,
                             Progress *progress) {
    platform::randomize();
    const Operation operation = m.current_operation;
    const long possible = count_drill_tasks(operation, ranges);
    m.possible_task_count = possible;
    const long total = count == 0 ? possible : count;
    if (possible <= 0 || count < 0 || total > kMaxDrillTasks)
        return 0;

    const int n = static_cast<int>(total);
    if (progress)
        progress->start(2L * n);
    dimension_drill_arrays(m, n);
    int k = 0;
    if (count == 0) {
        fill_with_all(m, k, operation, ranges);
        if (progress)
            progress->set_value(k);
    } else {
        const long remainder = count % possible;
        if (remainder > 0)
            add_random_tasks(m, k, static_cast<int>(remainder), operation, ranges, progress);
        for (long round = 0; round < count / possible; ++round) {
            fill_with_all(m, k, operation, ranges);
            if (progress)
                progress->set_value(k);
        }
    }
    return make_random_order(m, k, true, progress);
}

int generate_till10_tasks(ModSorvinel &m, Progress *progress) {
    m.task_count = till10_task_count(m.current_operation);
    return generate_selection_tasks(m, till10_ranges(), m.task_count, progress);
}

int make_random_order(ModSorvinel &m, int n, bool from_tasks, Progress *progress) {
    const size_t available =
        from_tasks
            ? std::min(common_columns(m.task_operands, {Row::StoredFirst, Row::StoredSecond}),
                       m.task_operators[Row::StoredSign].size())
            : std::min(common_columns(m.wrong_operands, {Row::WrongFirst, Row::WrongSecond}),
                       m.wrong_operators[Row::WrongSign].size());
    n = static_cast<int>(std::clamp<long long>(n, 0, static_cast<long long>(available)));

    auto &keys = m.task_order[Row::OrderKey];
    auto &order = m.task_order[Row::OrderTask];
    for (auto &row : m.task_order)
        row.assign(static_cast<size_t>(n) + 1, 0);
    if (m.beep_on)
        platform::beep();
    platform::randomize();
    for (int i = 0; i < n; ++i) {
        keys[i] = draw_between(0, kOrderKeyRange - 1);
        order[i] = i;
    }

    const bool show_progress = from_tasks && progress;
    const long base = m.task_count != 0 ? m.task_count : m.possible_task_count;
    // Exchange sort: equal keys are never swapped.
    for (int i = 0; i + 1 < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (keys[i] > keys[j]) {
                std::swap(keys[i], keys[j]);
                std::swap(order[i], order[j]);
            }
        }
        if (show_progress)
            progress->set_value(std::min(base + i, progress->maximum()));
    }

    grow_rows(m.task_operands, static_cast<size_t>(n));
    grow_rows(m.task_operators, static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const int s = order[i];
        if (from_tasks) {
            m.task_operands[Row::AskedFirst][i] = m.task_operands[Row::StoredFirst][s];
            m.task_operands[Row::AskedSecond][i] = m.task_operands[Row::StoredSecond][s];
            m.task_operators[Row::AskedSign][i] = m.task_operators[Row::StoredSign][s];
        } else {
            m.task_operands[Row::AskedFirst][i] = m.wrong_operands[Row::WrongFirst][s];
            m.task_operands[Row::AskedSecond][i] = m.wrong_operands[Row::WrongSecond][s];
            m.task_operators[Row::AskedSign][i] = m.wrong_operators[Row::WrongSign][s];
        }
    }
    if (show_progress)
        progress->finish();
    return n;
}

int copy_in_stored_order(ModSorvinel &m, int n) {
    const size_t available =
        std::min(common_columns(m.task_operands, {Row::StoredFirst, Row::StoredSecond}),
                 m.task_operators[Row::StoredSign].size());
    n = static_cast<int>(std::clamp<long long>(n, 0, static_cast<long long>(available)));
    grow_rows(m.task_operands, static_cast<size_t>(n));
    grow_rows(m.task_operators, static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        m.task_operands[Row::AskedFirst][i] = m.task_operands[Row::StoredFirst][i];
        m.task_operands[Row::AskedSecond][i] = m.task_operands[Row::StoredSecond][i];
        m.task_operators[Row::AskedSign][i] = m.task_operators[Row::StoredSign][i];
    }
    return n;
}

} // namespace drill
