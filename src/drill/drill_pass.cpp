#include "drill/drill_pass.h"

#include "platform/system.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"

#include <algorithm>

namespace drill {
namespace {

const QString kTimesInText = QStringLiteral("*");

QString spoken_word(const QString &screen_sign_text) {
    if (screen_sign_text == u"+")
        return QStringLiteral(" plus ");
    if (screen_sign_text == u"-")
        return QStringLiteral(" minus ");
    if (screen_sign_text == kTimesOnScreen)
        return QStringLiteral(" gånger ");
    if (screen_sign_text == u"/")
        return QStringLiteral(" delat med ");
    return QString();
}

int right_answer_of(std::optional<Operation> operation, int first, int second) {
    switch (operation.value_or(Operation::Blandat)) {
    case Operation::Addition:
        return first + second;
    case Operation::Subtraktion:
        return first - second;
    case Operation::Multiplikation:
        return first * second;
    case Operation::Division:
        return first; // held as (quotient, divisor)
    default:
        return 0;
    }
}

template <typename T> void set_column(std::vector<T> &row, int column, const T &value) {
    if (row.size() <= static_cast<size_t>(column))
        row.resize(static_cast<size_t>(column) + 1);
    row[static_cast<size_t>(column)] = value;
}

template <typename T> T column_or_default(const std::vector<T> &row, int column) {
    return static_cast<size_t>(column) < row.size() ? row[static_cast<size_t>(column)] : T{};
}

} // namespace

QString screen_sign(Operation operation) {
    if (operation == Operation::Multiplikation)
        return kTimesOnScreen;
    return ModSorvinel::operation_sign(operation);
}

ShownTask shown_task(Operation operation, int first, int second, const QString &sign) {
    const std::optional<Operation> op =
        operation == Operation::Blandat ? operation_of_sign(sign) : operation;
    ShownTask task;
    task.sign = op ? screen_sign(*op) : sign;
    task.first = op == Operation::Division ? first * second : first;
    task.second = second;
    task.right_answer = right_answer_of(op, first, second);
    return task;
}

QString task_speech_text(const ShownTask &task) {
    return QString::number(task.first) + spoken_word(task.sign) + QString::number(task.second) +
           u'.';
}

QString task_reader_text(const ShownTask &task) {
    const QString sign = task.sign == kTimesOnScreen ? kTimesInText : task.sign;
    return QString::number(task.first) + sign + QString::number(task.second) + u'=';
}

QString task_reader_field_text(const QString &field_text, const ShownTask &task) {
    const QString text = task_reader_text(task);
    return field_text.contains(u'.') ? field_text + text : text;
}

QString latest_errors_line(const ShownTask &task) {
    const bool as_shown = task.sign == u"+" || task.sign == u"-" || task.sign == u"/";
    return QString::number(task.first) + u' ' + (as_shown ? task.sign : kTimesInText) + u' ' +
           QString::number(task.second) + QStringLiteral(" =");
}

long elapsed_seconds(long start, long end) {
    if (start > end)
        end += kSecondsPerDay;
    return end - start;
}

QString time_line(long seconds) {
    return QStringLiteral("Tid: ") + u' ' + ModSorvinel::format_duration(seconds);
}

QString verdict_speech(Verdict verdict) {
    switch (verdict) {
    case Verdict::TooHigh:
        return QStringLiteral("för högt");
    case Verdict::TooLow:
        return QStringLiteral("för lågt");
    case Verdict::Right:
        break;
    }
    return QString();
}

QString verdict_reader_note(int answer, Verdict verdict) {
    if (verdict == Verdict::Right)
        return QString();
    return QString::number(answer) + QStringLiteral(" är ") + verdict_speech(verdict) +
           QStringLiteral(". ");
}

bool DrillSession::start(int pass_length) {
    if (pass_length <= 0)
        return false;
    task_index_ = 0;
    error_count_ = 0;
    wrong_count_ = 0;
    pass_length_ = pass_length;
    remaining_ = pass_length;
    drill_task_count_ = pass_length;
    task_waiting_ = false;
    m_.screen_state = ScreenState::DrillSetUp;
    m_.drill_start_time = vb::round_even(platform::monotonic_seconds());
    return true;
}

NextStep DrillSession::show_next_task() {
    first_task_of_drill_ = false;
    new_pass_started_ = false;
    task_waiting_ = false;
    if (task_index_ >= pass_length_ && wrong_count_ == 0) {
        m_.drill_elapsed_seconds =
            vb::round_even(platform::monotonic_seconds()) - m_.drill_start_time;
        return NextStep::DrillEnded;
    }
    first_task_of_drill_ = task_index_ == 0;
    if (task_index_ >= pass_length_) {
        task_index_ = 0;
        pass_length_ = make_random_order(m_, wrong_count_, false);
        wrong_count_ = 0;
        new_pass_started_ = true;
    }

    const int t = task_index_;
    task_ =
        shown_task(m_.current_operation, column_or_default(m_.task_operands[Row::AskedFirst], t),
                   column_or_default(m_.task_operands[Row::AskedSecond], t),
                   column_or_default(m_.task_operators[Row::AskedSign], t));
    first_try_ = true;
    marks_ = AnswerMarks{};
    task_waiting_ = true;
    m_.screen_state = ScreenState::TaskShown;
    return NextStep::ShowTask;
}

std::optional<AnswerOutcome> DrillSession::answer(int value) {
    if (!task_waiting_)
        return std::nullopt;
    AnswerOutcome outcome;
    outcome.answer = value;
    const bool latest_only = m_.wrong_answer_display == 1;
    if (value < task_.right_answer) {
        outcome.verdict = Verdict::TooLow;
        if (latest_only || marks_.too_low <= value) {
            marks_.too_low = value;
            marks_.too_low_shown = true;
        }
    } else if (value > task_.right_answer) {
        outcome.verdict = Verdict::TooHigh;
        if (latest_only || marks_.too_high >= value) {
            marks_.too_high = value;
            marks_.too_high_shown = true;
        }
    }
    if (outcome.verdict != Verdict::Right) {
        ++error_count_;
        first_try_ = false;
        return outcome;
    }

    task_waiting_ = false;
    m_.screen_state = ScreenState::DrillSetUp;
    if (first_try_) {
        remaining_ = std::max(remaining_ - 1, 0);
    } else {
        keep_for_next_pass();
        outcome.latest_errors_line = latest_errors_line(task_);
        m_.latest_errors_operation = m_.current_operation;
    }
    ++task_index_;
    return outcome;
}

void DrillSession::keep_for_next_pass() {
    const int t = task_index_;
    set_column(m_.wrong_operands[Row::WrongFirst], wrong_count_,
               column_or_default(m_.task_operands[Row::AskedFirst], t));
    set_column(m_.wrong_operands[Row::WrongSecond], wrong_count_,
               column_or_default(m_.task_operands[Row::AskedSecond], t));
    set_column(m_.wrong_operators[Row::WrongSign], wrong_count_,
               column_or_default(m_.task_operators[Row::AskedSign], t));
    ++wrong_count_;
}

int DrillSession::repeat(Progress *progress) {
    const int n = make_random_order(m_, drill_task_count_, true, progress);
    return start(n) ? n : 0;
}

DrillResult DrillSession::result() const {
    DrillResult r;
    r.error_count = error_count_;
    if (error_count_ > 0) {
        r.result_line = QStringLiteral("Antal fel: ") + QString::number(error_count_);
        return r;
    }
    const long tasks = m_.task_count != 0 ? m_.task_count : m_.possible_task_count;
    r.earns_reward = tasks >= m_.reward_min_tasks;
    r.result_line = kAllRight;
    return r;
}

} // namespace drill
