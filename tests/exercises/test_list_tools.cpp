// The editor's list tools on plain lists: keys, orders, duplicates, reduction, tens.
#include "exercises/list_tools.h"

#include <QSet>
#include <deque>
#include <gtest/gtest.h>

namespace {

using namespace exercises;

// Scripted random numbers, then 0.
RandomSource script(std::deque<double> values) {
    return [v = std::move(values)]() mutable {
        if (v.empty())
            return 0.0;
        const double r = v.front();
        v.pop_front();
        return r;
    };
}

TEST(ListTools, CompareKeysRoundTrip) {
    const std::pair<QString, QString> cases[] = {
        {"12 + 3 =", "A00120003"},   {"1 - 0 =", "B00010000"}, {"9999 * 1 =", "C99990001"},
        {"100 / 25 =", "D01000025"}, {"0 + 0 =", "A00000000"},
    };
    for (const auto &[task, key] : cases) {
        EXPECT_EQ(make_compare_key(task), key);
        EXPECT_EQ(task_from_compare_key(key), task);
    }
}

TEST(ListTools, SortsNumericallyByOperatorThenOperands) {
    const QStringList tasks{"9 / 3 =", "2 + 2 =", "10 + 1 =", "2 + 10 =", "2 + 2 ="};
    const QStringList up{"2 + 2 =", "2 + 2 =", "2 + 10 =", "10 + 1 =", "9 / 3 ="};
    EXPECT_EQ(sort_tasks(tasks, SortMode::Ascending, script({})), up);
    QStringList down = up;
    std::reverse(down.begin(), down.end());
    EXPECT_EQ(sort_tasks(tasks, SortMode::Descending, script({})), down);
}

TEST(ListTools, ShuffleKeepsEveryTaskAndCanReachEachOrder) {
    const QStringList two{"1 + 1 =", "2 + 2 ="};
    // r = 0 puts the second in front; r just below 1 rounds to the end.
    EXPECT_EQ(sort_tasks(two, SortMode::Random, script({0.0, 0.0})),
              (QStringList{"2 + 2 =", "1 + 1 ="}));
    EXPECT_EQ(sort_tasks(two, SortMode::Random, script({0.0, 0.99})), two);
    const QStringList many{"5 + 1 =", "3 + 4 =", "3 + 4 =", "1 + 9 ="};
    QStringList shuffled = sort_tasks(many, SortMode::Random, script({0.3, 0.7, 0.1, 0.9}));
    std::sort(shuffled.begin(), shuffled.end());
    QStringList expected = many;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(shuffled, expected);
}

TEST(ListTools, DuplicatesKeepTheFirstOfEach) {
    struct Case {
        QStringList tasks;
        QStringList distinct;
        int count;
        QString question;
    };
    const Case cases[] = {
        {{"3 + 4 =", "5 + 1 =", "3 + 4 =", "3 + 4 ="},
         {"3 + 4 =", "5 + 1 ="},
         2,
         "Skall 2 dubbletter tas bort?"},
        {{"4 + 3 =", "3 + 4 =", "4 + 3 ="},
         {"4 + 3 =", "3 + 4 ="},
         1,
         "Skall 1 dubblett tas bort?"},
        {{"1 + 1 =", "1 - 1 ="}, {"1 + 1 =", "1 - 1 ="}, 0, ""},
        {{}, {}, 0, ""},
    };
    for (const Case &c : cases) {
        const DuplicateSearch s = find_duplicate_tasks(c.tasks);
        EXPECT_EQ(s.distinct, c.distinct);
        EXPECT_EQ(s.count, c.count);
        if (c.count > 0) {
            EXPECT_EQ(duplicates_question(c.count).text, c.question);
        }
    }
    // A full list of one task: the index beyond 999 never mixes the order up.
    const DuplicateSearch full = find_duplicate_tasks(QStringList(1000, "1 + 1 ="));
    EXPECT_EQ(full.distinct, QStringList{"1 + 1 ="});
    EXPECT_EQ(full.count, 999);
}

TEST(ListTools, ReduceChoicesAndRandomRemoval) {
    struct Case {
        int n;
        int items;
        QString first, fallback;
    };
    for (const Case &c :
         {Case{2, 1, "1 till 1", "1 till 1"}, Case{7, 6, "1 till 6", "3 till 4"},
          Case{20, 19, "1 till 19", "10 till 10"}, Case{21, 20, "1 till 20", "10 till 11"}}) {
        const ReduceChoices ch = reduce_choices(c.n);
        EXPECT_EQ(ch.items.size(), c.items);
        EXPECT_EQ(ch.items.first(), c.first);
        EXPECT_EQ(ch.items.value(ch.default_index), c.fallback) << c.n;
    }
    const QStringList seven{
        "1 + 1 =", "2 + 2 =", "3 + 3 =", "4 + 4 =", "5 + 5 =", "6 + 6 =", "7 + 7 ="};
    // r near 1 takes the last of those still there; the rest keep their order.
    EXPECT_EQ(reduce_at_random(seven, 3, script({0.99, 0.0, 0.5})),
              (QStringList{"2 + 2 =", "3 + 3 =", "5 + 5 =", "6 + 6 ="}));
    // Never every task.
    EXPECT_EQ(reduce_at_random(seven, 7, script({})).size(), 1);
}

TEST(ListTools, TensCrossings) {
    struct Case {
        QString task, type;
        bool crosses;
    };
    const Case cases[] = {
        {"8 + 5 =", "+", true},     {"40 + 70 =", "+", true},  {"23 + 45 =", "+", false},
        {"1234 + 5 =", "+", false}, {"1295 + 5 =", "+", true}, {"42 - 17 =", "-", true},
        {"130 - 40 =", "-", true},  {"58 - 23 =", "-", false}, {"7 - 7 =", "-", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(crosses_ten(c.task, c.type), c.crosses) << c.task.toStdString();
    const TensCrossings found =
        find_tens_crossings({"8 + 5 =", "23 + 45 =", "40 + 70 =", "1 + 1 ="}, "+");
    EXPECT_EQ(found.count, 2);
    EXPECT_EQ(found.kept, (QStringList{"23 + 45 =", "1 + 1 ="}));
    EXPECT_EQ(tens_crossings_message(0).title, "Tiotalsövergångar");
    EXPECT_EQ(tens_crossings_message(1).text, "1 uppgift med tiotalövergång kommer att tas bort.");
    EXPECT_EQ(tens_crossings_message(3).text,
              "3 uppgifter med tiotalövergång kommer att tas bort.");
}

} // namespace
