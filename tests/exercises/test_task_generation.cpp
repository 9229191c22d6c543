// Filling out and generating from an own selection, on plain lists.
#include "exercises/task_generation.h"
#include "shared/modSorvinel.h"

#include <QHash>
#include <QSet>
#include <gtest/gtest.h>
#include <random>

namespace {

using namespace exercises;

RandomSource seeded(unsigned seed) {
    auto engine = std::make_shared<std::mt19937>(seed);
    return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

struct Operands {
    int a, b;
    QString sign;
};
Operands operands(const QString &task) {
    const QStringList p = task.split(' ');
    return {p.value(0).toInt(), p.value(2).toInt(), p.value(1)};
}

// The rules every filled-out task must obey: sums and products below 9998, no negative
// difference, whole quotients.
bool obeys_fill_out_rules(const QString &sign, long long a, long long b) {
    if (sign == "+")
        return a + b < 9998;
    if (sign == "-")
        return a >= b;
    if (sign == "*")
        return a * b < 9998;
    return sign == "/" && b != 0 && a % b == 0;
}

TEST(FillOut, IntervalTextAndChoices) {
    const OperandInterval in = task_interval({"2 + 5 =", "9 + 1 =", "4 + 3 ="});
    EXPECT_EQ(interval_text(in, "+"), "2 + 1   till   9 + 5");
    struct Case {
        int n, items;
        QString shown;
    };
    for (const Case &c :
         {Case{2, 998, "100"}, Case{99, 901, "100"}, Case{150, 850, "151"}, Case{999, 1, "1000"}}) {
        const FillOutChoices ch = fill_out_choices(c.n);
        EXPECT_EQ(ch.items.size(), c.items);
        EXPECT_EQ(ch.items.value(ch.default_index), c.shown) << c.n;
    }
    EXPECT_EQ(operators_used({"1 + 2 =", "3 * 4 ="}), (OperatorSet{true, false, true, false}));
}

TEST(FillOut, NewTasksStayInTheIntervalAndObeyTheirRules) {
    struct Case {
        QStringList tasks;
        QString type;
        OperatorSet allowed;
    };
    const Case cases[] = {
        {{"1200 + 300 =", "1500 + 400 ="}, "+", {}},
        {{"3 - 9 =", "20 - 1 ="}, "-", {}},
        {{"12 / 4 =", "90 / 1 ="}, "/", {}},
        {{"99 * 50 =", "199 * 101 ="}, "*", {}},
        {{"2 + 0 =", "30 / 5 ="}, "¤", {true, false, false, true}},
    };
    for (const Case &c : cases) {
        const OperandInterval in = task_interval(c.tasks);
        const FillOut out = fill_out(c.tasks, c.type, c.allowed, 300, seeded(7));
        ASSERT_FALSE(out.refusal) << c.type.toStdString();
        ASSERT_EQ(out.tasks.size(), 300);
        EXPECT_EQ(out.tasks.mid(0, c.tasks.size()), c.tasks);
        for (const QString &t : out.tasks.mid(c.tasks.size())) {
            const Operands o = operands(t);
            EXPECT_GE(o.a, in.lowest_first);
            EXPECT_LE(o.a, in.highest_first);
            EXPECT_GE(o.b, in.lowest_second);
            EXPECT_LE(o.b, in.highest_second);
            EXPECT_TRUE(obeys_fill_out_rules(o.sign, o.a, o.b)) << t.toStdString();
            if (c.type != kTypeMixed)
                EXPECT_EQ(o.sign, c.type);
            else
                EXPECT_TRUE(o.sign == "+" || o.sign == "/") << t.toStdString();
        }
    }
}

TEST(FillOut, RefusesAtOnceWhenNoTaskCanBeDrawn) {
    struct Case {
        QStringList tasks;
        QString type;
        OperatorSet allowed;
    };
    const Case cases[] = {
        {{"1 + 2 =", "3 * 4 ="}, "¤", {false, false, false, false}}, // nothing ticked
        {{"1 - 5 =", "2 - 9 ="}, "-", {}},                           // every a below every b
        {{"9998 + 0 =", "9999 + 0 ="}, "+", {}},                     // typed sums at the top
        {{"5000 * 2 =", "9999 * 3 ="}, "*", {}},
        {{"7 / 9 =", "8 / 9 ="}, "¤", {false, false, false, true}},
    };
    for (const Case &c : cases) {
        const FillOut out = fill_out(c.tasks, c.type, c.allowed, 1000, seeded(1));
        EXPECT_TRUE(out.refusal) << c.tasks.join(", ").toStdString();
        EXPECT_TRUE(out.tasks.isEmpty());
    }
}

TEST(OwnSelection, CountsSetsAndRemainders) {
    const std::array<int, 4> one_to_ten{1, 1, 10, 10};
    struct Case {
        long task_count;
        int size;
        int least_copies, most_copies;
        bool duplicates;
    };
    for (const Case &c : {Case{0, 100, 1, 1, false}, Case{30, 30, 0, 1, false},
                          Case{250, 250, 2, 3, true}, Case{100, 100, 1, 1, false}}) {
        const Generation g = generate_from_selection("+", one_to_ten, c.task_count, seeded(3));
        ASSERT_FALSE(g.refusal);
        EXPECT_EQ(g.possible, 100);
        EXPECT_EQ(g.tasks.size(), c.size);
        EXPECT_EQ(g.needs_duplicates, c.duplicates);
        QHash<QString, int> copies;
        for (const QString &t : g.tasks)
            ++copies[t];
        if (c.least_copies > 0) {
            EXPECT_EQ(copies.size(), 100) << c.task_count;
        }
        for (int n : copies)
            EXPECT_TRUE(n >= std::max(c.least_copies, 1) && n <= c.most_copies) << c.task_count;
        // The whole sets come first: each holds every task once.
        if (c.task_count == 250) {
            EXPECT_EQ(QSet<QString>(g.tasks.begin(), g.tasks.begin() + 100).size(), 100);
            EXPECT_EQ(QSet<QString>(g.tasks.begin() + 100, g.tasks.begin() + 200).size(), 100);
            EXPECT_EQ(QSet<QString>(g.tasks.begin() + 200, g.tasks.end()).size(), 50);
        }
    }
}

TEST(OwnSelection, PairsFollowTheOperation) {
    const Generation div = generate_from_selection("/", {2, 4, 3, 5}, 0, seeded(5));
    QStringList got = div.tasks;
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, (QStringList{"10 / 5 =", "12 / 4 =", "15 / 5 =", "8 / 4 ="}));
    for (const QString &t : generate_from_selection("-", {1, 1, 10, 10}, 0, seeded(5)).tasks)
        EXPECT_GE(operands(t).a, operands(t).b) << t.toStdString();
    // The same count as the shared module gives, where no divisor 0 is in the range.
    long p = 0;
    ModSorvinel::count_possible_tasks(p, Operation::Multiplikation, 50, 200, 40, 90);
    EXPECT_EQ(generate_from_selection("*", {50, 40, 200, 90}, 10, seeded(5)).possible, p);
}

TEST(OwnSelection, RefusesWhatCannotBeMade) {
    // A divisor range of only 0, an empty range, products all too large.
    for (const auto &[sign, bounds] : {std::pair<QString, std::array<int, 4>>{"/", {1, 0, 5, 0}},
                                       {"+", {5, 1, 4, 10}},
                                       {"*", {200, 200, 300, 300}}}) {
        const Generation g = generate_from_selection(sign, bounds, 10, seeded(1));
        EXPECT_TRUE(g.refusal) << sign.toStdString();
        EXPECT_TRUE(g.tasks.isEmpty());
    }
    // 0 as a divisor is skipped, never «0 / 0 =».
    const Generation g = generate_from_selection("/", {0, 0, 2, 2}, 0, seeded(1));
    for (const QString &t : g.tasks)
        EXPECT_NE(operands(t).b, 0) << t.toStdString();
    EXPECT_EQ(g.tasks.size(), 6);
}

TEST(OwnSelection, TheLastPlaceOfTheRemainderIsReached) {
    // Three of three tasks as a remainder: the first drawn must be able to end anywhere.
    QSet<QString> last;
    for (unsigned seed = 0; seed < 60; ++seed) {
        const Generation g = generate_from_selection("+", {1, 1, 1, 4}, 3, seeded(seed));
        ASSERT_EQ(g.tasks.size(), 3);
        last.insert(g.tasks.last());
    }
    EXPECT_EQ(last.size(), 4);
}

} // namespace
