// Running a drill: shown tasks, answer checking, passes over wrong tasks, result and time.

#include "drill/drill_pass.h"
#include "platform/system.h"
#include "shared/modSorvinel.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <tuple>

namespace {

using drill::NextStep;
using drill::Verdict;

struct Clock {
    explicit Clock(long start) : now(start) {
        platform::set_time_source([this] { return now; });
    }
    ~Clock() { platform::set_time_source({}); }
    long now;
};

struct SeededRandom {
    explicit SeededRandom(unsigned seed) {
        platform::set_random_source([gen = std::mt19937(seed)]() mutable {
            return std::uniform_real_distribution<double>(0.0, 1.0)(gen);
        });
    }
    ~SeededRandom() { platform::set_random_source({}); }
};

struct StoredTask {
    int first, second;
    QString sign;
};

// Puts the tasks into the drill arrays, asked in the given order.
int load(ModSorvinel &m, Operation operation, const std::vector<StoredTask> &tasks) {
    m.current_operation = operation;
    const int n = static_cast<int>(tasks.size());
    drill::dimension_drill_arrays(m, n);
    for (int i = 0; i < n; ++i) {
        m.task_operands[drill::Row::StoredFirst][i] = tasks[i].first;
        m.task_operands[drill::Row::StoredSecond][i] = tasks[i].second;
        m.task_operators[drill::Row::StoredSign][i] = tasks[i].sign;
    }
    return drill::copy_in_stored_order(m, n);
}

struct ShownCase {
    Operation operation;
    StoredTask stored;
    int first;
    const char *sign;
    int second;
    int right;
    const char *speech;
    const char *reader;
    const char *latest;
};

class Shown : public ::testing::TestWithParam<ShownCase> {};

TEST_P(Shown, TaskAsScreenSpeechReaderAndList) {
    const ShownCase &c = GetParam();
    const drill::ShownTask t =
        drill::shown_task(c.operation, c.stored.first, c.stored.second, c.stored.sign);
    EXPECT_EQ(t.first, c.first);
    EXPECT_EQ(t.sign, QString::fromUtf8(c.sign));
    EXPECT_EQ(t.second, c.second);
    EXPECT_EQ(t.right_answer, c.right);
    EXPECT_EQ(drill::task_speech_text(t), QString::fromUtf8(c.speech));
    EXPECT_EQ(drill::task_reader_text(t), QString::fromUtf8(c.reader));
    EXPECT_EQ(drill::latest_errors_line(t), QString::fromUtf8(c.latest));
}

INSTANTIATE_TEST_SUITE_P(
    Tasks, Shown,
    ::testing::Values(
        ShownCase{Operation::Addition, {7, 5, "+"}, 7, "+", 5, 12, "7 plus 5.", "7+5=", "7 + 5 ="},
        ShownCase{
            Operation::Subtraktion, {9, 9, "-"}, 9, "-", 9, 0, "9 minus 9.", "9-9=", "9 - 9 ="},
        ShownCase{Operation::Multiplikation,
                  {6, 7, "*"},
                  6,
                  "•",
                  7,
                  42,
                  "6 gånger 7.",
                  "6*7=",
                  "6 * 7 ="},
        ShownCase{Operation::Division,
                  {4, 3, "/"},
                  12,
                  "/",
                  3,
                  4,
                  "12 delat med 3.",
                  "12/3=",
                  "12 / 3 ="},
        ShownCase{Operation::Blandat, {6, 7, "*"}, 6, "•", 7, 42, "6 gånger 7.", "6*7=", "6 * 7 ="},
        ShownCase{Operation::Blandat,
                  {5, 10, "/"},
                  50,
                  "/",
                  10,
                  5,
                  "50 delat med 10.",
                  "50/10=",
                  "50 / 10 ="},
        ShownCase{Operation::Blandat, {8, 2, "-"}, 8, "-", 2, 6, "8 minus 2.", "8-2=", "8 - 2 ="},
        // A sign that is no task sign: shown as it is, answered by 0.
        ShownCase{Operation::Blandat, {3, 4, "x"}, 3, "x", 4, 0, "34.", "3x4=", "3 * 4 ="},
        // The drill's operation rules a single-operation drill.
        ShownCase{Operation::Addition, {3, 4, ""}, 3, "+", 4, 7, "3 plus 4.", "3+4=", "3 + 4 ="}),
    [](const auto &info) {
        const auto &c = info.param;
        return test_names::name(info.index, c.operation, c.latest);
    });

TEST(ScreenSign, PerOperation) {
    const char *const signs[] = {"+", "-", "•", "/", "¤"};
    for (Operation op : kOperations)
        EXPECT_EQ(drill::screen_sign(op), QString::fromUtf8(signs[index_of(op)]));
}

TEST(Texts, ReaderFieldVerdictsAndTime) {
    const drill::ShownTask t = drill::shown_task(Operation::Addition, 3, 2, "+");
    const QString note = drill::verdict_reader_note(7, Verdict::TooHigh);
    EXPECT_EQ(note, "7 är för högt. ");
    EXPECT_EQ(drill::task_reader_field_text(note, t), "7 är för högt. 3+2=");
    EXPECT_EQ(drill::task_reader_field_text("3+2", t), "3+2=");
    EXPECT_EQ(drill::verdict_reader_note(1, Verdict::TooLow), "1 är för lågt. ");
    EXPECT_EQ(drill::verdict_speech(Verdict::TooLow), "för lågt");
    EXPECT_EQ(drill::verdict_speech(Verdict::Right), "");
    EXPECT_EQ(drill::time_line(65), "Tid:  1 min 5 sek ");
}

TEST(Elapsed, AcrossMidnightOnce) {
    const struct {
        long start, end, elapsed;
    } cases[] = {
        {23 * 3600 + 59 * 60 + 50, 20, 30},
        {100, 100, 0},
        {3600, 3725, 125},
        {86399, 0, 1},
        {1, 0, 86399},
        {10, 5, 86395},
    };
    for (const auto &c : cases)
        EXPECT_EQ(drill::elapsed_seconds(c.start, c.end), c.elapsed) << c.start << " " << c.end;
}

class Session : public ::testing::Test {
protected:
    ModSorvinel m;
    drill::DrillSession session{m};
    Clock clock{1000};

    // Answers until right; returns the outcome of the right answer.
    drill::AnswerOutcome answer_right() {
        const auto outcome = session.answer(session.task().right_answer);
        EXPECT_TRUE(outcome.has_value());
        return outcome.value_or(drill::AnswerOutcome{});
    }
};

TEST_F(Session, NothingToDoWithoutTasks) {
    EXPECT_FALSE(session.start(0));
    EXPECT_FALSE(session.answer(3).has_value());
    EXPECT_EQ(session.repeat(), 0);
}

TEST_F(Session, WrongTriesMarkThenKeepTheTaskOnce) {
    SeededRandom random(4u);
    const int n = load(m, Operation::Addition, {{1, 1, "+"}, {3, 4, "+"}, {2, 6, "+"}});
    ASSERT_TRUE(session.start(n));
    EXPECT_EQ(m.screen_state, ScreenState::DrillSetUp);
    EXPECT_EQ(m.drill_start_time, 1000);

    ASSERT_EQ(session.show_next_task(), NextStep::ShowTask);
    EXPECT_TRUE(session.first_task_of_drill());
    EXPECT_EQ(m.screen_state, ScreenState::TaskShown);
    EXPECT_EQ(answer_right().latest_errors_line, "");
    EXPECT_EQ(session.remaining(), 2);

    ASSERT_EQ(session.show_next_task(), NextStep::ShowTask);
    EXPECT_FALSE(session.first_task_of_drill());
    ASSERT_EQ(session.task().right_answer, 7);
    // 3 below, 9 above, 5 below (nearest shown), then right.
    const struct {
        int answer;
        Verdict verdict;
        bool low_shown;
        int low;
        bool high_shown;
        int high;
    } tries[] = {
        {3, Verdict::TooLow, true, 3, false, drill::kHighestAnswer},
        {9, Verdict::TooHigh, true, 3, true, 9},
        {5, Verdict::TooLow, true, 5, true, 9},
    };
    for (const auto &t : tries) {
        const auto outcome = session.answer(t.answer);
        ASSERT_TRUE(outcome);
        EXPECT_EQ(outcome->verdict, t.verdict) << t.answer;
        EXPECT_EQ(session.marks().too_low_shown, t.low_shown) << t.answer;
        EXPECT_EQ(session.marks().too_low, t.low) << t.answer;
        EXPECT_EQ(session.marks().too_high_shown, t.high_shown) << t.answer;
        EXPECT_EQ(session.marks().too_high, t.high) << t.answer;
        EXPECT_EQ(m.screen_state, ScreenState::TaskShown);
        EXPECT_TRUE(session.task_waiting());
    }
    EXPECT_EQ(session.error_count(), 3);
    const auto right = session.answer(7);
    ASSERT_TRUE(right);
    EXPECT_EQ(right->verdict, Verdict::Right);
    EXPECT_EQ(right->latest_errors_line, "3 + 4 =");
    EXPECT_EQ(session.wrong_count(), 1);
    EXPECT_EQ(session.remaining(), 2);
    EXPECT_EQ(m.screen_state, ScreenState::DrillSetUp);
    EXPECT_EQ(m.wrong_operands[drill::Row::WrongFirst][0], 3);
    EXPECT_EQ(m.wrong_operands[drill::Row::WrongSecond][0], 4);
    EXPECT_EQ(m.wrong_operators[drill::Row::WrongSign][0], "+");

    ASSERT_EQ(session.show_next_task(), NextStep::ShowTask);
    EXPECT_TRUE(session.marks().too_low_shown == false && session.first_try());
    answer_right();
    EXPECT_EQ(session.remaining(), 1);

    // The next pass is the one kept task.
    ASSERT_EQ(session.show_next_task(), NextStep::ShowTask);
    EXPECT_TRUE(session.new_pass_started());
    EXPECT_FALSE(session.first_task_of_drill());
    EXPECT_EQ(session.pass_length(), 1);
    EXPECT_EQ(session.task().first, 3);
    EXPECT_EQ(session.task().second, 4);
    EXPECT_FALSE(session.marks().too_low_shown);
    EXPECT_EQ(answer_right().latest_errors_line, "");
    EXPECT_EQ(session.remaining(), 0);

    clock.now = 1042;
    EXPECT_EQ(session.show_next_task(), NextStep::DrillEnded);
    EXPECT_EQ(m.drill_elapsed_seconds, 42);
    EXPECT_FALSE(session.answer(7).has_value());
    const drill::DrillResult result = session.result();
    EXPECT_EQ(result.error_count, 3);
    EXPECT_FALSE(result.earns_reward);
    EXPECT_EQ(result.result_line, "Antal fel: 3");
}

TEST_F(Session, ManyWrongTriesKeepTheTaskOnceAndCountEach) {
    const int n = load(m, Operation::Multiplikation, {{6, 7, "*"}});
    ASSERT_TRUE(session.start(n));
    session.show_next_task();
    for (int wrong : {40, 41, 50, 43})
        ASSERT_NE(session.answer(wrong)->verdict, Verdict::Right);
    EXPECT_EQ(answer_right().latest_errors_line, "6 * 7 =");
    EXPECT_EQ(m.latest_errors_operation, Operation::Multiplikation);
    EXPECT_EQ(session.wrong_count(), 1);
    EXPECT_EQ(session.error_count(), 4);
    ASSERT_EQ(session.show_next_task(), NextStep::ShowTask);
    EXPECT_EQ(session.pass_length(), 1);
    // Wrong again in the second pass: a third pass follows.
    session.answer(1);
    answer_right();
    ASSERT_EQ(session.show_next_task(), NextStep::ShowTask);
    answer_right();
    EXPECT_EQ(session.show_next_task(), NextStep::DrillEnded);
    EXPECT_EQ(session.error_count(), 5);
}

struct MarksCase {
    int display;
    std::vector<int> answers; // all to a task whose answer is 7
    bool low_shown;
    int low;
    bool high_shown;
    int high;
};

class Marks : public ::testing::TestWithParam<MarksCase> {};

TEST_P(Marks, NearestOrLatest) {
    const MarksCase &c = GetParam();
    ModSorvinel m;
    m.wrong_answer_display = c.display;
    drill::DrillSession session(m);
    ASSERT_TRUE(session.start(load(m, Operation::Addition, {{3, 4, "+"}})));
    session.show_next_task();
    for (int a : c.answers)
        session.answer(a);
    EXPECT_EQ(session.marks().too_low_shown, c.low_shown);
    EXPECT_EQ(session.marks().too_low, c.low);
    EXPECT_EQ(session.marks().too_high_shown, c.high_shown);
    EXPECT_EQ(session.marks().too_high, c.high);
}

INSTANTIATE_TEST_SUITE_P(
    Display, Marks,
    ::testing::Values(MarksCase{0, {3, 9, 5}, true, 5, true, 9},
                      MarksCase{0, {5, 3}, true, 5, false, drill::kHighestAnswer},
                      MarksCase{1, {5, 3}, true, 3, false, drill::kHighestAnswer},
                      MarksCase{0, {9, 12, 8}, false, 0, true, 8},
                      MarksCase{1, {8, 12}, false, 0, true, 12},
                      MarksCase{0, {0}, true, 0, false, drill::kHighestAnswer},
                      MarksCase{0, {9999}, false, 0, true, 9999}),
    [](const auto &info) {
        std::string answers;
        for (int a : info.param.answers)
            answers += std::to_string(a) + " ";
        return test_names::name(info.index, info.param.display == 0 ? "Nearest" : "Latest",
                                "answers", answers);
    });

TEST_F(Session, DivisionShowsTheDividendAndTakesTheQuotient) {
    ASSERT_TRUE(session.start(load(m, Operation::Division, {{4, 3, "/"}})));
    session.show_next_task();
    EXPECT_EQ(session.task().first, 12);
    EXPECT_EQ(session.answer(12)->verdict, Verdict::TooHigh);
    EXPECT_EQ(session.answer(4)->latest_errors_line, "12 / 3 =");
    // The kept task is the held pair, not the dividend.
    EXPECT_EQ(m.wrong_operands[drill::Row::WrongFirst][0], 4);
}

TEST_F(Session, TimeAcrossMidnight) {
    clock.now = 23 * 3600 + 59 * 60 + 50;
    ASSERT_TRUE(session.start(load(m, Operation::Addition, {{1, 2, "+"}})));
    session.show_next_task();
    answer_right();
    clock.now = 20;
    ASSERT_EQ(session.show_next_task(), NextStep::DrillEnded);
    EXPECT_EQ(m.drill_elapsed_seconds, 30);
}

struct RewardCase {
    long task_count;
    long possible;
    int reward_min;
    bool earns;
};

class Reward : public ::testing::TestWithParam<RewardCase> {};

TEST_P(Reward, ErrorFreeDrillOfEnoughTasks) {
    const RewardCase &c = GetParam();
    ModSorvinel m;
    m.task_count = c.task_count;
    m.possible_task_count = c.possible;
    m.reward_min_tasks = c.reward_min;
    drill::DrillSession session(m);
    ASSERT_TRUE(session.start(load(m, Operation::Addition, {{1, 2, "+"}})));
    session.show_next_task();
    session.answer(3);
    ASSERT_EQ(session.show_next_task(), NextStep::DrillEnded);
    EXPECT_EQ(session.result().earns_reward, c.earns);
    EXPECT_EQ(session.result().result_line, drill::kAllRight);
}

INSTANTIATE_TEST_SUITE_P(Counts, Reward,
                         ::testing::Values(RewardCase{100, 100, 50, true},
                                           RewardCase{49, 100, 50, false},
                                           RewardCase{50, 20, 50, true},
                                           RewardCase{0, 50, 50, true},
                                           RewardCase{0, 45, 50, false}),
                         [](const auto &info) {
                             const auto &c = info.param;
                             return test_names::name(info.index, "tasks", c.task_count, "possible",
                                                     c.possible, "min", c.reward_min);
                         });

TEST_F(Session, WholeTill10DrillAndOnceMore) {
    SeededRandom random(21u);
    m.current_operation = Operation::Division;
    m.reward_min_tasks = 50;
    const int n = drill::generate_till10_tasks(m);
    ASSERT_TRUE(session.start(n));
    EXPECT_EQ(session.drill_task_count(), 100);
    std::map<std::tuple<int, int>, int> shown;
    while (session.show_next_task() == NextStep::ShowTask) {
        ++shown[{session.task().first, session.task().second}];
        EXPECT_EQ(session.task().first % session.task().second, 0);
        answer_right();
    }
    EXPECT_EQ(shown.size(), 100u);
    EXPECT_EQ(session.remaining(), 0);
    EXPECT_TRUE(session.result().earns_reward);

    // Once more: the same tasks, counters back to the start.
    const std::vector<int> stored_first = m.task_operands[drill::Row::StoredFirst];
    ASSERT_EQ(session.repeat(), 100);
    EXPECT_EQ(m.task_operands[drill::Row::StoredFirst], stored_first);
    EXPECT_EQ(session.error_count(), 0);
    EXPECT_EQ(session.remaining(), 100);
    ASSERT_EQ(session.show_next_task(), NextStep::ShowTask);
    EXPECT_TRUE(session.first_task_of_drill());
    std::map<std::tuple<int, int>, int> again;
    do {
        ++again[{session.task().first, session.task().second}];
        answer_right();
    } while (session.show_next_task() == NextStep::ShowTask);
    EXPECT_EQ(again, shown);
}

} // namespace
