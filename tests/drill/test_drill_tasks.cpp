// Generation of drill tasks and their random asking order.

#include "drill/drill_tasks.h"
#include "platform/system.h"
#include "shared/modSorvinel.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <tuple>

namespace {

using drill::OperandRanges;
using Task = std::tuple<int, int, QString>;

// Random numbers from a script (repeated from its start when used up) or from a seeded
// generator; the real source is back after the test.
class RandomScript {
public:
    explicit RandomScript(std::vector<double> values) {
        platform::set_random_source(
            [v = std::move(values), i = size_t{0}]() mutable { return v[i++ % v.size()]; });
    }
    explicit RandomScript(unsigned seed) {
        platform::set_random_source([gen = std::mt19937(seed)]() mutable {
            return std::uniform_real_distribution<double>(0.0, 1.0)(gen);
        });
    }
    ~RandomScript() { platform::set_random_source({}); }
};

class RecordingProgress : public drill::Progress {
public:
    void start(long maximum) override {
        max_ = maximum;
        ++starts;
        shown = true;
    }
    void set_value(long value) override {
        values.push_back(value);
        if (value > max_ || value < 0)
            out_of_range = true;
    }
    long maximum() const override { return max_; }
    void finish() override { shown = false; }

    long max_ = 100;
    int starts = 0;
    bool shown = false;
    bool out_of_range = false;
    std::vector<long> values;
};

std::vector<Task> stored_tasks(const ModSorvinel &m, int n) {
    std::vector<Task> tasks;
    for (int i = 0; i < n; ++i)
        tasks.emplace_back(m.task_operands[drill::Row::StoredFirst][i],
                           m.task_operands[drill::Row::StoredSecond][i],
                           m.task_operators[drill::Row::StoredSign][i]);
    return tasks;
}

std::vector<Task> asked_tasks(const ModSorvinel &m, int n) {
    std::vector<Task> tasks;
    for (int i = 0; i < n; ++i)
        tasks.emplace_back(m.task_operands[drill::Row::AskedFirst][i],
                           m.task_operands[drill::Row::AskedSecond][i],
                           m.task_operators[drill::Row::AskedSign][i]);
    return tasks;
}

std::map<Task, int> tally(const std::vector<Task> &tasks) {
    std::map<Task, int> counts;
    for (const Task &t : tasks)
        ++counts[t];
    return counts;
}

// Every valid task of the ranges, the reference for one whole round.
std::map<Task, int> one_round(Operation operation, const OperandRanges &r) {
    std::map<Task, int> counts;
    for (int a = r.first_low; a <= r.first_high; ++a)
        for (int b = r.second_low; b <= r.second_high; ++b)
            for (Operation op : kSingleOperations)
                if ((operation == Operation::Blandat || operation == op) &&
                    drill::is_valid_task(op, a, b))
                    ++counts[{a, b, drill::task_sign(op)}];
    return counts;
}

bool every_task_valid(const std::vector<Task> &tasks) {
    for (const auto &[a, b, sign] : tasks)
        if (const auto op = drill::operation_of_sign(sign); !op || !drill::is_valid_task(*op, a, b))
            return false;
    return true;
}

struct Till10Case {
    Operation operation;
    int expected;
};

class Till10 : public ::testing::TestWithParam<Till10Case> {};

TEST_P(Till10, EveryTaskOnceInSomeOrder) {
    RandomScript random(7u);
    ModSorvinel m;
    m.current_operation = GetParam().operation;
    const int n = drill::generate_till10_tasks(m);
    ASSERT_EQ(n, GetParam().expected);
    EXPECT_EQ(m.task_count, GetParam().expected);
    EXPECT_EQ(m.possible_task_count, GetParam().expected);

    const auto stored = stored_tasks(m, n);
    EXPECT_TRUE(every_task_valid(stored));
    EXPECT_EQ(tally(stored), one_round(m.current_operation, drill::till10_ranges()));
    EXPECT_EQ(tally(asked_tasks(m, n)), tally(stored));
    // Ordered, not just copied.
    EXPECT_NE(asked_tasks(m, n), stored);
}

INSTANTIATE_TEST_SUITE_P(Operations, Till10,
                         ::testing::Values(Till10Case{Operation::Addition, 100},
                                           Till10Case{Operation::Subtraktion, 55},
                                           Till10Case{Operation::Multiplikation, 100},
                                           Till10Case{Operation::Division, 100},
                                           Till10Case{Operation::Blandat, 355}),
                         [](const auto &info) {
                             const auto &c = info.param;
                             return test_names::name(info.index, c.operation);
                         });

TEST(Till10Subtraction, NoNegativeDifference) {
    RandomScript random(3u);
    ModSorvinel m;
    m.current_operation = Operation::Subtraktion;
    const int n = drill::generate_till10_tasks(m);
    for (const auto &[a, b, sign] : stored_tasks(m, n)) {
        EXPECT_GE(a, b);
        EXPECT_EQ(sign, "-");
    }
}

TEST(OwnSelection, CountZeroAsksEveryTaskOnce) {
    RandomScript random(11u);
    ModSorvinel m;
    m.current_operation = Operation::Multiplikation;
    const OperandRanges r{3, 12, 0, 7};
    const int n = drill::generate_selection_tasks(m, r, 0);
    ASSERT_EQ(n, m.possible_task_count);
    EXPECT_EQ(tally(stored_tasks(m, n)), one_round(Operation::Multiplikation, r));
}

struct RoundsCase {
    Operation operation;
    OperandRanges ranges;
    int whole_rounds;
    int extra;
};

class OwnSelectionRounds : public ::testing::TestWithParam<RoundsCase> {};

TEST_P(OwnSelectionRounds, DistinctRandomTasksThenWholeRounds) {
    const RoundsCase &c = GetParam();
    RandomScript random(static_cast<unsigned>(c.extra * 31 + index_of(c.operation)));
    ModSorvinel m;
    m.current_operation = c.operation;
    const long p = drill::count_drill_tasks(c.operation, c.ranges);
    ASSERT_GT(p, c.extra);
    const long count = c.whole_rounds * p + c.extra;
    m.task_count = count;
    RecordingProgress progress;
    const int n = drill::generate_selection_tasks(m, c.ranges, count, &progress);
    ASSERT_EQ(n, count);
    EXPECT_EQ(m.possible_task_count, p);

    const auto stored = stored_tasks(m, n);
    EXPECT_TRUE(every_task_valid(stored));
    // The random part comes first and is distinct, in Blandat by operands and sign.
    std::vector<Task> random_part(stored.begin(), stored.begin() + c.extra);
    for (const auto &[task, times] : tally(random_part))
        EXPECT_EQ(times, 1);

    const auto round = one_round(c.operation, c.ranges);
    int more_often = 0;
    for (const auto &[task, times] : tally(stored)) {
        ASSERT_TRUE(round.count(task));
        EXPECT_TRUE(times == c.whole_rounds || times == c.whole_rounds + 1);
        more_often += times == c.whole_rounds + 1;
    }
    EXPECT_EQ(more_often, c.extra);
    EXPECT_EQ(tally(stored).size(), c.whole_rounds > 0 ? round.size() : size_t(c.extra));

    EXPECT_EQ(progress.max_, 2 * count);
    EXPECT_FALSE(progress.out_of_range);
    EXPECT_FALSE(progress.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, OwnSelectionRounds,
    ::testing::Values(RoundsCase{Operation::Addition, {1, 10, 1, 10}, 2, 3},
                      RoundsCase{Operation::Subtraktion, {0, 9, 0, 9}, 1, 17},
                      RoundsCase{Operation::Multiplikation, {90, 110, 90, 110}, 1, 40},
                      RoundsCase{Operation::Division, {90, 110, 90, 110}, 0, 50},
                      RoundsCase{Operation::Blandat, {1, 5, 1, 5}, 0, 40},
                      RoundsCase{Operation::Blandat, {1, 4, 1, 4}, 3, 30},
                      RoundsCase{Operation::Addition, {1, 10, 1, 10}, 0, 99}),
    [](const auto &info) {
        const auto &c = info.param;
        return test_names::name(info.index, c.operation, "rounds", c.whole_rounds, "extra",
                                c.extra);
    });

TEST(OwnSelection, ResultLimitHoldsInRandomAndWholeRounds) {
    struct Case {
        Operation op;
        OperandRanges r;
        int at_first, at_second;     // a result of 9999: a task
        int over_first, over_second; // a result of 10000: never one
    };
    const Case cases[] = {
        {Operation::Multiplikation, {90, 110, 90, 110}, 99, 101, 100, 100},
        {Operation::Division, {90, 110, 90, 110}, 99, 101, 100, 100},
        {Operation::Addition, {4990, 5010, 4990, 5010}, 5000, 4999, 5000, 5000},
    };
    RandomScript random(5u);
    for (const Case &c : cases) {
        ModSorvinel m;
        m.current_operation = c.op;
        const long p = drill::count_drill_tasks(c.op, c.r);
        const int n = drill::generate_selection_tasks(m, c.r, p + p - 1);
        const auto counts = tally(stored_tasks(m, n));
        const QString sign = drill::task_sign(c.op);
        EXPECT_EQ(counts.count({c.at_first, c.at_second, sign}), 1u) << c.op;
        EXPECT_EQ(counts.count({c.over_first, c.over_second, sign}), 0u) << c.op;
        for (const auto &[task, times] : counts) {
            const auto [a, b, s] = task;
            EXPECT_LT(c.op == Operation::Addition ? a + b : a * b, kOperandLimit) << c.op;
        }
    }
}

TEST(OwnSelection, DivisorZeroIsNeverATask) {
    RandomScript random(9u);
    for (Operation op : {Operation::Division, Operation::Blandat}) {
        ModSorvinel m;
        m.current_operation = op;
        const OperandRanges r{0, 6, 0, 3};
        long shared = 0;
        ModSorvinel::count_possible_tasks(shared, op, 0, 6, 0, 3);
        const long p = drill::count_drill_tasks(op, r);
        EXPECT_EQ(p, shared - 7);
        for (long count : {0L, p + 5, p - 2}) {
            const int n = drill::generate_selection_tasks(m, r, count);
            ASSERT_EQ(n, count == 0 ? p : count);
            for (const auto &[a, b, sign] : stored_tasks(m, n)) {
                if (sign == "/") {
                    EXPECT_NE(b, 0);
                }
            }
        }
    }
}

TEST(OwnSelection, NoDrillWithoutTasksOrWithTooMany) {
    ModSorvinel m;
    m.current_operation = Operation::Subtraktion;
    m.task_operands[drill::Row::StoredFirst] = {4, 5};
    // First operands all below the second ones: no task.
    EXPECT_EQ(drill::generate_selection_tasks(m, {0, 3, 5, 9}, 10), 0);
    EXPECT_EQ(m.possible_task_count, 0);
    EXPECT_EQ(drill::generate_selection_tasks(m, {0, 3, 5, 9}, 0), 0);
    m.current_operation = Operation::Division;
    EXPECT_EQ(drill::generate_selection_tasks(m, {1, 10, 0, 0}, 20), 0);
    m.current_operation = Operation::Addition;
    EXPECT_EQ(drill::generate_selection_tasks(m, {0, 999, 0, 999}, 0), 0);
    EXPECT_EQ(drill::generate_selection_tasks(m, {1, 10, 1, 10}, drill::kMaxDrillTasks + 1L), 0);
    EXPECT_EQ(m.task_operands[drill::Row::StoredFirst], (std::vector<int>{4, 5}));
    // The largest drill itself is made.
    EXPECT_EQ(drill::generate_selection_tasks(m, {1, 10, 1, 10}, drill::kMaxDrillTasks),
              drill::kMaxDrillTasks);
}

TEST(OwnSelection, RepeatingRandomSourceStillFinishes) {
    RandomScript random(std::vector<double>{0.0});
    ModSorvinel m;
    m.current_operation = Operation::Addition;
    const int n = drill::generate_selection_tasks(m, {1, 10, 1, 10}, 30);
    ASSERT_EQ(n, 30);
    EXPECT_EQ(tally(stored_tasks(m, n)).size(), 30u);
}

TEST(OwnSelection, ScaledRandomNumbersPickOperands) {
    // a = Int(10 * Rnd) + 1, then b, then for Blandat the operation Int(4 * Rnd) of + - * /.
    // The script repeats: 1 - 10 (refused), 6 / 3 (kept as quotient 6, divisor 3), then only
    // the same two again, so the last task is found by the sweep.
    RandomScript random(std::vector<double>{0.0, 0.99, 0.3, 0.5, 0.2, 0.8});
    ModSorvinel m;
    m.current_operation = Operation::Blandat;
    ASSERT_EQ(drill::generate_selection_tasks(m, {1, 10, 1, 10}, 2), 2);
    EXPECT_EQ(stored_tasks(m, 2), (std::vector<Task>{{6, 3, "/"}, {1, 1, "+"}}));
}

struct OrderCase {
    std::vector<double> random;
    std::vector<int> order;
};

class RandomOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(RandomOrder, SortsByRandomKeys) {
    const OrderCase &c = GetParam();
    RandomScript random(c.random);
    ModSorvinel m;
    const int n = static_cast<int>(c.order.size());
    drill::dimension_drill_arrays(m, n);
    for (int i = 0; i < n; ++i) {
        m.task_operands[drill::Row::StoredFirst][i] = 10 + i;
        m.task_operands[drill::Row::StoredSecond][i] = 20 + i;
        m.task_operators[drill::Row::StoredSign][i] = QString::number(i);
    }
    ASSERT_EQ(drill::make_random_order(m, n, true), n);
    for (int i = 0; i < n; ++i) {
        const int s = c.order[i];
        EXPECT_EQ(m.task_order[drill::Row::OrderTask][i], s) << i;
        EXPECT_EQ(m.task_operands[drill::Row::AskedFirst][i], 10 + s);
        EXPECT_EQ(m.task_operands[drill::Row::AskedSecond][i], 20 + s);
        EXPECT_EQ(m.task_operators[drill::Row::AskedSign][i], QString::number(s));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RandomOrder,
    ::testing::Values(OrderCase{{0.5, 0.1, 0.9, 0.1}, {1, 3, 0, 2}},
                      // Equal keys are never exchanged, but a later swap can pass one by.
                      OrderCase{{0.5, 0.5, 0.3}, {2, 1, 0}},
                      OrderCase{{0.0, 0.0005, 0.9999}, {0, 1, 2}},
                      OrderCase{{0.7, 0.2, 0.4, 0.95, 0.01}, {4, 1, 2, 0, 3}},
                      OrderCase{{0.3}, {0}}, OrderCase{{0.3}, {}}),
    [](const auto &info) {
        std::string order;
        for (int i : info.param.order)
            order += std::to_string(i) + " ";
        return test_names::name(info.index, "order", order);
    });

TEST(RandomOrderPasses, WrongTasksFormTheNextPassAndStoredRowsStay) {
    RandomScript random(std::vector<double>{0.9, 0.1});
    ModSorvinel m;
    drill::dimension_drill_arrays(m, 3);
    m.task_operands[drill::Row::StoredFirst] = {1, 2, 3, 0};
    m.task_operands[drill::Row::StoredSecond] = {4, 5, 6, 0};
    m.wrong_operands[drill::Row::WrongFirst] = {7, 8, 0, 0};
    m.wrong_operands[drill::Row::WrongSecond] = {1, 2, 0, 0};
    m.wrong_operators[drill::Row::WrongSign] = {"+", "-", "", ""};
    ASSERT_EQ(drill::make_random_order(m, 2, false), 2);
    EXPECT_EQ(m.task_operands[drill::Row::AskedFirst][0], 8);
    EXPECT_EQ(m.task_operands[drill::Row::AskedSecond][0], 2);
    EXPECT_EQ(m.task_operators[drill::Row::AskedSign][0], "-");
    EXPECT_EQ(m.task_operands[drill::Row::AskedFirst][1], 7);
    EXPECT_EQ(m.task_operands[drill::Row::StoredFirst], (std::vector<int>{1, 2, 3, 0}));
}

TEST(RandomOrderPasses, CountLimitedToTheSourceAndBeepsWhenAsked) {
    RandomScript random(1u);
    ModSorvinel m;
    drill::dimension_drill_arrays(m, 2);
    m.beep_on = true;
    const int beeps = platform::beep_count();
    EXPECT_EQ(drill::make_random_order(m, 50, true), 3);
    EXPECT_EQ(platform::beep_count(), beeps + 1);
    m.beep_on = false;
    EXPECT_EQ(drill::make_random_order(m, -4, false), 0);
    EXPECT_EQ(platform::beep_count(), beeps + 1);
}

TEST(RandomOrderPasses, ProgressStaysWithinTheBar) {
    RandomScript random(2u);
    ModSorvinel m;
    drill::dimension_drill_arrays(m, 40);
    m.task_count = 35; // base of the ordering's progress
    RecordingProgress progress;
    progress.max_ = 60;
    progress.shown = true;
    drill::make_random_order(m, 40, true, &progress);
    EXPECT_FALSE(progress.out_of_range);
    ASSERT_FALSE(progress.values.empty());
    EXPECT_EQ(progress.values.front(), 35);
    EXPECT_EQ(progress.values.back(), 60);
    EXPECT_FALSE(progress.shown);
}

TEST(StoredOrder, FileOrderCopiedAsIs) {
    ModSorvinel m;
    drill::dimension_drill_arrays(m, 2);
    m.task_operands[drill::Row::StoredFirst] = {12, 3, 0};
    m.task_operands[drill::Row::StoredSecond] = {4, 5, 0};
    m.task_operators[drill::Row::StoredSign] = {"/", "+", ""};
    ASSERT_EQ(drill::copy_in_stored_order(m, 2), 2);
    EXPECT_EQ(asked_tasks(m, 2), (std::vector<Task>{{12, 4, "/"}, {3, 5, "+"}}));
}

} // namespace
