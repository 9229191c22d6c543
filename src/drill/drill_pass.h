#pragma once
// The running drill without its widgets: which task is shown, how an answer is judged, the
// too-high and too-low marks, the passes over wrongly answered tasks, the counters of the
// status line and the drill time. The main window shows what a DrillSession tells it.
// The tasks come from the asking rows of the shared drill arrays (see drill_tasks.h).

#include "drill/drill_tasks.h"

#include <QString>
#include <optional>

class ModSorvinel;

namespace drill {

inline const QString kTimesOnScreen = QStringLiteral("•");
inline const QString kPraise = QStringLiteral("Alla rätt! Mycket bra!");
inline const QString kAllRight = QStringLiteral("Alla rätt!");
// The too-high mark starts above every answer, the too-low mark at the lowest one.
constexpr int kHighestAnswer = 9999;
constexpr int kLowestAnswer = 0;
constexpr long kSecondsPerDay = 86400;

// A task as the drill screen shows it.
struct ShownTask {
    int first = 0;  // left of the sign; the dividend of a division
    QString sign;   // "+", "-", "•", "/"
    int second = 0; // right of the sign; the divisor of a division
    int right_answer = 0;
};

// The sign shown when the drill screen is set up: "+", "-", "•", "/", "¤" for Blandat.
QString screen_sign(Operation operation);
// The task (first, second, stored sign) of a drill of `operation` as shown. A division is
// held as (quotient, divisor) and shown as quotient * divisor / divisor. A Blandat task takes
// its own sign; one that is none of + - * / has the right answer 0.
ShownTask shown_task(Operation operation, int first, int second, const QString &sign);
// Spoken form: "7 plus 5.", "12 delat med 3.".
QString task_speech_text(const ShownTask &task);
// Screen-reader form: "7+5=", "6*7=".
QString task_reader_text(const ShownTask &task);
// What the screen-reader field gets for a task: its current text (a too-high or too-low note)
// is kept in front when it holds a ".".
QString task_reader_field_text(const QString &field_text, const ShownTask &task);
// Line of the latest-wrong list in the exercise-file form: "7 + 5 =", "12 / 3 =", "6 * 7 =".
QString latest_errors_line(const ShownTask &task);
// Seconds from start to end, both seconds since midnight; a drill past midnight gets a day
// added once.
long elapsed_seconds(long start, long end);
// "Tid:  1 min 5 sek ".
QString time_line(long seconds);

enum class Verdict { Right, TooHigh, TooLow };
// "för högt" / "för lågt"; empty for a right answer.
QString verdict_speech(Verdict verdict);
// "7 är för högt. " / "7 är för lågt. "; empty for a right answer.
QString verdict_reader_note(int answer, Verdict verdict);

// The marks above (too high) and below (too low) the answer field.
struct AnswerMarks {
    int too_high = kHighestAnswer;
    bool too_high_shown = false;
    int too_low = kLowestAnswer;
    bool too_low_shown = false;
};

struct AnswerOutcome {
    Verdict verdict = Verdict::Right;
    int answer = 0;
    // Right after wrong tries: the task goes into the next pass and this line into the
    // latest-wrong list. Empty otherwise.
    QString latest_errors_line;
};

enum class NextStep { ShowTask, DrillEnded };

struct DrillResult {
    int error_count = 0;
    bool earns_reward = false; // no error and at least reward_min_tasks tasks
    QString result_line;       // "Antal fel: 3" or "Alla rätt!"
};

class DrillSession {
public:
    explicit DrillSession(ModSorvinel &m) : m_(m) {}

    // Sets up a drill of `pass_length` tasks already in asking order: counters to 0, the
    // remaining count to the number of tasks, the start time, screen state "set up".
    // False (and nothing changed) when there is no task.
    bool start(int pass_length);
    // The drill arrays now hold `pass_length` tasks in asking order (generated, loaded or
    // ordered again), 0 when there is none; start() then drills them.
    void set_prepared_tasks(int pass_length) { pass_length_ = pass_length; }
    bool start() { return start(pass_length_); }
    // Ends the drill (time into drill_elapsed_seconds), begins the next pass over the kept
    // tasks in a new order, or moves on; then shows the task at task_index.
    NextStep show_next_task();
    // The last show_next_task showed the first task of the drill (the latest-wrong list is
    // emptied then) / the first task of a further pass.
    bool first_task_of_drill() const { return first_task_of_drill_; }
    bool new_pass_started() const { return new_pass_started_; }
    bool task_waiting() const { return task_waiting_; }
    const ShownTask &task() const { return task_; }
    // Judges an answer to the shown task. Wrong: counts the error, updates the marks, and the
    // task stays. Right: counts the task as done (first try) or keeps it for the next pass,
    // then steps on; the caller then calls show_next_task. Nothing when no task waits.
    std::optional<AnswerOutcome> answer(int value);
    // "En gång till": the drill's tasks in a new order, started again. Returns the pass
    // length, 0 when there is nothing to repeat.
    int repeat(Progress *progress = nullptr);
    DrillResult result() const;

    int task_index() const { return task_index_; }
    int pass_length() const { return pass_length_; }
    int wrong_count() const { return wrong_count_; }
    int error_count() const { return error_count_; }
    // "Kvar": tasks not yet answered right at the first try.
    int remaining() const { return remaining_; }
    // Tasks of the drill, shown as the task count of the status line.
    int drill_task_count() const { return drill_task_count_; }
    bool first_try() const { return first_try_; }
    const AnswerMarks &marks() const { return marks_; }

private:
    void keep_for_next_pass();

    ModSorvinel &m_;
    int task_index_ = 0;
    int pass_length_ = 0;
    int wrong_count_ = 0;
    int error_count_ = 0;
    int remaining_ = 0;
    int drill_task_count_ = 0;
    bool first_try_ = true;
    bool task_waiting_ = false;
    bool first_task_of_drill_ = false;
    bool new_pass_started_ = false;
    ShownTask task_;
    AnswerMarks marks_;
};

} // namespace drill
