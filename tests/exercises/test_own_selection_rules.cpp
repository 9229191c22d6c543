#include "exercises/own_selection_rules.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace own_selection;

namespace {

constexpr Operation kAdd = Operation::Addition;
constexpr Operation kSub = Operation::Subtraktion;
constexpr Operation kMul = Operation::Multiplikation;
constexpr Operation kDiv = Operation::Division;
constexpr Operation kMixed = Operation::Blandat;
constexpr int kDefaultMin = 5;

// An open dialog's state, driven the way the dialog drives the rules.
struct Dialog {
    explicit Dialog(Operation op, int min = kDefaultMin) : operation(op), min_count(min) {
        values = initial_field_values(operation, possible);
        shown_possible = possible;
    }
    ConfirmOutcome confirm(int field_index, long value) {
        const ConfirmOutcome out =
            confirm_field(values, field_index, QString::number(value) + kTypingCursor,
                          values[field_index], operation, min_count, possible);
        if (out.rules.recounted)
            shown_possible = out.rules.possible_count;
        return out;
    }
    QString row1() const { return result_text(values[0], values[1], operation); }
    QString row2() const { return result_text(values[2], values[3], operation); }

    Operation operation;
    int min_count;
    long possible = -1;
    long shown_possible = -1;
    FieldValues values{};
};

struct Step {
    int field_index;
    long value;
};

struct Scenario {
    const char *name;
    Operation operation;
    int min_count;
    std::vector<Step> steps;
    FieldValues expected;
    const char *row1;
    const char *row2;
    long possible;
    bool message_at_last_step;
};

class OwnSelectionScenario : public testing::TestWithParam<Scenario> {};

TEST_P(OwnSelectionScenario, EndsWithTheExpectedValues) {
    const Scenario &s = GetParam();
    Dialog d(s.operation, s.min_count);
    ConfirmOutcome last;
    for (const Step &step : s.steps)
        last = d.confirm(step.field_index, step.value);
    EXPECT_EQ(d.values, s.expected);
    EXPECT_EQ(d.row1(), QString::fromUtf8(s.row1));
    EXPECT_EQ(d.row2(), QString::fromUtf8(s.row2));
    EXPECT_EQ(d.shown_possible, s.possible);
    EXPECT_EQ(d.possible, s.possible);
    EXPECT_EQ(last.rules.min_count_raised, s.message_at_last_step);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, OwnSelectionScenario,
    testing::Values(
        Scenario{"AdditionDefaults", kAdd, 5, {}, {1, 1, 10, 10, 100}, "2", "20", 100, false},
        Scenario{"SubtraktionDefaults", kSub, 5, {}, {1, 1, 10, 10, 55}, "0", "0", 55, false},
        Scenario{
            "MultiplikationDefaults", kMul, 5, {}, {1, 1, 10, 10, 100}, "1", "100", 100, false},
        Scenario{"DivisionDefaults", kDiv, 5, {}, {1, 1, 10, 10, 100}, "1", "100", 100, false},
        // An unknown operation shows no results and counts like addition.
        Scenario{"UnknownDefaults", kMixed, 5, {}, {1, 1, 10, 10, 100}, "", "", 100, false},
        Scenario{"ProductJustWithinLimit",
                 kMul,
                 5,
                 {{3, 999}},
                 {1, 1, 10, 999, 100},
                 "1",
                 "9990",
                 9990,
                 false},
        Scenario{"ProductLimitLowersOtherSide",
                 kMul,
                 5,
                 {{3, 999}, {2, 20}},
                 {1, 1, 20, 499, 100},
                 "1",
                 "9980",
                 9980,
                 false},
        Scenario{"LowFirstPullsHighFirst",
                 kMul,
                 5,
                 {{0, 500}},
                 {500, 1, 500, 10, 10},
                 "500",
                 "5000",
                 10,
                 false},
        Scenario{
            "DifferenceZeroLowFirst", kSub, 5, {{0, 0}}, {0, 0, 10, 10, 66}, "0", "0", 66, false},
        Scenario{"DifferenceHighSecondPullsHighFirst",
                 kSub,
                 5,
                 {{3, 20}},
                 {1, 1, 20, 20, 100},
                 "0",
                 "0",
                 210,
                 false},
        Scenario{"AdditionNarrowedBelowMinimum",
                 kAdd,
                 5,
                 {{2, 1}, {3, 2}},
                 {1, 1, 1, 2, 5},
                 "2",
                 "3",
                 2,
                 true},
        Scenario{"NoMessageWhenMinimumIsMet",
                 kAdd,
                 2,
                 {{2, 1}, {3, 2}},
                 {1, 1, 1, 2, 2},
                 "2",
                 "3",
                 2,
                 false},
        Scenario{"ChosenCountReplacedByBoundChange",
                 kAdd,
                 5,
                 {{4, 30}, {2, 5}},
                 {1, 1, 5, 10, 50},
                 "2",
                 "15",
                 50,
                 false},
        Scenario{"ChosenCountMayExceedPossible",
                 kAdd,
                 5,
                 {{4, 1000}},
                 {1, 1, 10, 10, 1000},
                 "2",
                 "20",
                 100,
                 false},
        Scenario{
            "CountBelowMinimumRaised", kAdd, 5, {{4, 3}}, {1, 1, 10, 10, 5}, "2", "20", 100, true},
        Scenario{"UnknownRecomputesNothing",
                 kMixed,
                 5,
                 {{0, 500}, {3, 7}},
                 {500, 1, 10, 7, 100},
                 "",
                 "",
                 100,
                 false},
        Scenario{"UnknownStillKeepsMinimumCount",
                 kMixed,
                 5,
                 {{4, 2}},
                 {1, 1, 10, 10, 5},
                 "",
                 "",
                 100,
                 true},
        // Lowering a highest bound for the limit must keep its own range non-empty.
        Scenario{"HighSecondLimitKeepsFirstRange",
                 kMul,
                 5,
                 {{2, 100}, {0, 50}, {3, 999}},
                 {10, 1, 10, 999, 100},
                 "10",
                 "9990",
                 999,
                 false},
        Scenario{"HighFirstLimitKeepsSecondRange",
                 kMul,
                 5,
                 {{3, 100}, {1, 50}, {2, 999}},
                 {1, 10, 999, 10, 100},
                 "10",
                 "9990",
                 999,
                 false},
        Scenario{"LowSecondLimitLowersLowFirst",
                 kDiv,
                 5,
                 {{0, 200}, {1, 60}},
                 {166, 60, 166, 60, 5},
                 "9960",
                 "9960",
                 1,
                 true}),
    [](const testing::TestParamInfo<Scenario> &info) { return std::string(info.param.name); });

TEST(OwnSelectionRules, ComputeResultPerOperation) {
    struct Case {
        Operation op;
        long a, b;
        std::optional<long> expected;
    };
    const std::vector<Case> cases{
        {kAdd, 999, 999, 1998},       {kSub, 3, 7, -4}, {kMul, 999, 999, 998001}, {kDiv, 12, 4, 48},
        {kMixed, 2, 3, std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(compute_result(c.a, c.b, c.op), c.expected) << c.op;
}

TEST(OwnSelectionRules, LimitToMaxResult) {
    struct Case {
        Operation op;
        long other, bound, expected;
    };
    const std::vector<Case> cases{
        {kMul, 20, 999, 499},                           // 20 * 500 = 10000 is one too many
        {kMul, 999, 999, 10},                           // 999 * 10 = 9990
        {kMul, 11, 999, 909},                           // 11 * 909 = 9999 exactly
        {kDiv, 101, 100, 99},                           // 101 * 99 = 9999
        {kMul, 11, 909, 909},                           // at the limit itself: stays
        {kDiv, 99, 101, 101},                           // 99 * 101 = 9999 stays
        {kAdd, 5000, 5000, 4999}, {kMul, 10, 999, 999}, // within the limit: unchanged
        {kMul, 0, 999, 999},     // a product with 0 never exceeds, and nothing divides by 0
        {kSub, 5, 99999, 99999}, // no limit rule for differences
        {kMixed, 999, 999, 999},
    };
    for (const Case &c : cases) {
        long bound = c.bound;
        EXPECT_EQ(limit_to_max_result(c.other, bound, c.op), c.expected)
            << c.op << " " << c.other << " " << c.bound;
        EXPECT_EQ(bound, c.expected);
    }
}

TEST(OwnSelectionRules, CountTasksForBoundsStoresTheCount) {
    long possible = -1;
    EXPECT_EQ(count_tasks_for_bounds(1, 1, 10, 10, kSub, possible), 55);
    EXPECT_EQ(possible, 55);
    // Division counts quotient and divisor ranges like a product.
    EXPECT_EQ(count_tasks_for_bounds(1, 1, 10, 999, kDiv, possible), 9990);
    EXPECT_EQ(count_tasks_for_bounds(5, 1, 4, 10, kAdd, possible), 0);
    EXPECT_EQ(possible, 0);
}

TEST(OwnSelectionRules, MinimumCountMessage) {
    long count = 3;
    EXPECT_TRUE(check_min_task_count(count, 5));
    EXPECT_EQ(count, 5);
    EXPECT_FALSE(check_min_task_count(count, 5));
    EXPECT_EQ(min_task_count_message(5),
              QString::fromUtf8("Minsta antal uppgifter är inställt till 5"));
}

TEST(OwnSelectionRules, ConfirmWithoutTypingRestoresAndMarksNothing) {
    Dialog d(kAdd);
    d.values[4] = 30; // a count the user chose earlier
    const ConfirmOutcome out = confirm_field(d.values, 2, kTypingCursor, 10, kAdd, 5, d.possible);
    EXPECT_FALSE(out.value_changed);
    EXPECT_FALSE(out.rules.recounted);
    EXPECT_EQ(d.values, (FieldValues{1, 1, 10, 10, 30}));
    for (bool changed : out.changed)
        EXPECT_FALSE(changed);
}

TEST(OwnSelectionRules, SameValueTypedAgainKeepsChosenCount) {
    Dialog d(kAdd);
    d.confirm(4, 30);
    const ConfirmOutcome out = d.confirm(2, 10);
    EXPECT_FALSE(out.value_changed);
    EXPECT_EQ(d.values[4], 30);
}

TEST(OwnSelectionRules, MarkersFollowChangedFields) {
    Dialog d(kSub);
    const ConfirmOutcome out = d.confirm(0, 0); // V1 follows, the count goes 55 -> 66
    const std::array<bool, field::Total> expected{true, true, false, false, true};
    EXPECT_EQ(out.changed, expected);
}

TEST(OwnSelectionRules, DivisorNeverBecomesZero) {
    for (int f : {field::LowSecond, field::HighSecond}) {
        Dialog d(kDiv);
        confirm_field(d.values, f, QStringLiteral("0_"), d.values[f], kDiv, 5, d.possible);
        EXPECT_EQ(d.values[f], kMinDivisor) << f;
    }
    Dialog sum(kAdd);
    confirm_field(sum.values, 1, QStringLiteral("0_"), 1, kAdd, 5, sum.possible);
    EXPECT_EQ(sum.values[1], 0);
}

TEST(OwnSelectionRules, OutOfRangeTextIsHeld) {
    Dialog d(kAdd);
    confirm_field(d.values, 0, QStringLiteral("123456_"), 1, kAdd, 5, d.possible);
    EXPECT_EQ(d.values[0], kMaxOperand);
    confirm_field(d.values, 4, QStringLiteral("5000_"), d.values[4], kAdd, 5, d.possible);
    EXPECT_EQ(d.values[4], kMaxCount);
}

// Whatever the user confirms, the selection keeps its promises.
TEST(OwnSelectionRules, RandomConfirmationsKeepTheSelectionSound) {
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> pick_field(0, field::Count);
    std::uniform_int_distribution<long> pick_value(0, kMaxOperand);
    constexpr int kSteps = 250;
    for (Operation op : {kAdd, kSub, kMul, kDiv}) {
        Dialog d(op);
        for (int step = 0; step < kSteps; ++step) {
            const int f = pick_field(rng);
            const FieldRange r = field_range(f, op);
            const long v = std::clamp(pick_value(rng), r.lowest, r.highest);
            d.confirm(f, v);
            const FieldValues &x = d.values;
            const auto where = [&] {
                return std::to_string(index_of(op)) + " step " + std::to_string(step) + ": " +
                       std::to_string(x[0]) + "," + std::to_string(x[1]) + "," +
                       std::to_string(x[2]) + "," + std::to_string(x[3]);
            };
            ASSERT_LE(x[0], x[2]) << where();
            ASSERT_LE(x[1], x[3]) << where();
            ASSERT_LE(*compute_result(x[2], x[3], op), kMaxResult) << where();
            ASSERT_GE(*compute_result(x[0], x[1], op), 0) << where();
            if (op == kSub) {
                ASSERT_LE(x[3], x[2]) << where();
                ASSERT_GE(*compute_result(x[2], x[3], op), 0) << where();
            }
            if (op == kDiv) {
                ASSERT_GE(x[1], kMinDivisor) << where();
            }
            ASSERT_TRUE(can_finish(d.shown_possible)) << where();
            ASSERT_GE(x[4], kDefaultMin) << where();
        }
    }
}

TEST(OwnSelectionTyping, DigitsAndBackspace) {
    struct Case {
        Operation op;
        int field_index;
        QString before;
        int digit; // -1: Backspace
        KeyEffect effect;
        QString after;
    };
    constexpr int kBack = -1;
    const std::vector<Case> cases{
        {kAdd, 0, "_", 0, KeyEffect::Changed, "0_"},
        {kAdd, 0, "0_", 5, KeyEffect::Beep, "0_"},
        {kAdd, 0, "12_", 3, KeyEffect::Changed, "123_"},
        {kAdd, 0, "123_", 4, KeyEffect::Beep, "123_"},
        {kAdd, 1, "_", 0, KeyEffect::Changed, "0_"},
        {kDiv, 1, "_", 0, KeyEffect::Beep, "_"},
        {kDiv, 3, "_", 0, KeyEffect::Beep, "_"},
        {kDiv, 3, "1_", 0, KeyEffect::Changed, "10_"},
        {kDiv, 0, "_", 0, KeyEffect::Changed, "0_"},
        {kAdd, 4, "_", 0, KeyEffect::Ignored, "_"},
        {kAdd, 4, "100_", 0, KeyEffect::Changed, "1000_"},
        {kAdd, 4, "1000_", 0, KeyEffect::Beep, "1000_"},
        {kAdd, 4, "200_", 0, KeyEffect::Beep, "200_"},
        {kAdd, 4, "100_", 1, KeyEffect::Beep, "100_"},
        {kAdd, 0, "100_", 0, KeyEffect::Beep, "100_"},
        {kAdd, 0, "_", 10, KeyEffect::Ignored, "_"},
        {kAdd, 0, "_", kBack, KeyEffect::Beep, "_"},
        {kAdd, 0, "57_", kBack, KeyEffect::Changed, "5_"},
        {kAdd, 0, "5_", kBack, KeyEffect::Changed, "_"},
    };
    for (const Case &c : cases) {
        QString t = c.before;
        const KeyEffect e =
            c.digit == kBack ? erase_digit(t) : type_digit(t, c.digit, c.field_index, c.op);
        EXPECT_EQ(e, c.effect) << c.op << " field " << c.field_index << " "
                               << c.before.toStdString() << " digit " << c.digit;
        EXPECT_EQ(t, c.after) << c.before.toStdString() << " digit " << c.digit;
    }
}

TEST(OwnSelectionHandover, TaskCountZeroMeansEveryTask) {
    const Handover all = klart_handover({1, 1, 10, 10, 100}, 100);
    EXPECT_EQ(all.selection_bounds, (std::array<int, 4>{1, 1, 10, 10}));
    EXPECT_EQ(all.task_count, 0);
    EXPECT_FALSE(all.possible_task_count.has_value());

    const Handover more = klart_handover({1, 1, 10, 10, 250}, 100);
    EXPECT_EQ(more.task_count, 250);
    EXPECT_EQ(more.possible_task_count, 100);

    EXPECT_FALSE(can_finish(0));
    EXPECT_TRUE(can_finish(1));
}

} // namespace
