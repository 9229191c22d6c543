// The drill on the main window: generating and ordering its tasks, the drill screen, one
// task after the other, judging an answer, and the result with the end menu. The running
// drill itself is a drill::DrillSession; this file shows what it says.
#include "drill/drill_keys_logic.h"
#include "drill/drill_windows.h"
#include "drill/frmSorvinel.h"
#include "platform/system.h"
#include "shared/modSorvinel.h"

#include <algorithm>

namespace {
const QString kCursorMark = QStringLiteral("_");
const QString kEndMenuItems[] = {QStringLiteral("Tid"), QStringLiteral("En gång till"),
                                 QStringLiteral("Huvudmeny")};
constexpr int kMenuItems = 6;
constexpr int kEndMenuShown = 3;
constexpr int kTaskLabels = 7;
constexpr int kFirstLabel = 0, kSignLabel = 1, kSecondLabel = 2, kAnswerLabel = 4;
constexpr int kTooHighLabel = 5, kTooLowLabel = 6;
constexpr int kCountValue = 1, kRemainingValue = 3, kErrorValue = 5;
constexpr int kResultLine = 0, kTimeLine = 1;
// The result line stands where the fifth menu item would; the time line where "Tid" was.
constexpr int kResultRowItem = 4;
constexpr int kTimeItem = 0;
constexpr int kEndMainMenuItem = 2;

// The window's progress bar as the generator sees it.
class BarProgress : public drill::Progress {
public:
    explicit BarProgress(QProgressBar *bar) : bar_(bar) {}
    void start(long maximum) override {
        bar_->setMinimum(0);
        bar_->setMaximum(int(maximum));
        bar_->setValue(0);
        bar_->show();
        bar_->raise();
    }
    void set_value(long value) override { bar_->setValue(int(std::min<long>(value, maximum()))); }
    long maximum() const override { return bar_->maximum(); }
    void finish() override { bar_->hide(); }

private:
    QProgressBar *bar_;
};

void centre_on_screen(VbLabel *label) {
    label->setLeft((double(modSorvinel.screen_width) - label->Width()) / 2);
}
} // namespace

drill::DrillSession &frmSorvinel::drill_session() {
    if (!drill_session_)
        drill_session_ = std::make_unique<drill::DrillSession>(modSorvinel);
    return *drill_session_;
}

void frmSorvinel::mirror_drill_session() {
    const drill::DrillSession &s = drill_session();
    task_index = s.task_index();
    pass_length = s.pass_length();
    wrong_count = s.wrong_count();
    error_count = s.error_count();
    first_try = s.first_try();
}

void frmSorvinel::generate_selection_tasks(int first_low, int first_high, int second_low,
                                           int second_high, long count) {
    BarProgress progress(pbaMusse);
    pass_length = drill::generate_selection_tasks(
        modSorvinel, {first_low, first_high, second_low, second_high}, count, &progress);
}

void frmSorvinel::fyll_med_alla(int &k, int operation, int first_low, int first_high,
                                int second_low, int second_high) {
    drill::fill_with_all(modSorvinel, k, operation,
                         {first_low, first_high, second_low, second_high});
}

void frmSorvinel::make_random_order(int n, bool from_tasks) {
    BarProgress progress(pbaMusse);
    pass_length =
        drill::make_random_order(modSorvinel, n, from_tasks, from_tasks ? &progress : nullptr);
}

void frmSorvinel::start_drill() {
    task_index = 0;
    error_count = 0;
    start_drill_screen();
    show_next_task();
}

void frmSorvinel::start_drill_screen() {
    drill_running = drill_session().start(pass_length);
    if (!drill_running) {
        // Nothing to ask: the screen stays as it is.
        if (modSorvinel.beep_on)
            platform::beep();
        return;
    }
    mirror_drill_session();

    shaRam[1]->hide();
    hide_menu_images();
    labTal[kFirstLabel]->setCaption(QString());
    labTal[kSecondLabel]->setCaption(QString());
    labTal[kAnswerLabel]->setCaption(QString());
    labTal[kSignLabel]->setCaption(drill::screen_sign(modSorvinel.current_operation));
    for (int i = 0; i < kMenuItems; ++i) {
        labMenyVal[i]->hide();
        labTal[i]->show();
        labTal[i]->raise();
    }

    const QString count = QString::number(pass_length);
    labFakta[kCountValue]->setCaption(count);
    labFakta[kRemainingValue]->setCaption(count);
    labFakta[kErrorValue]->setCaption(QStringLiteral("0"));
    for (VbLabel *l : labFakta) {
        l->show();
        l->raise();
    }

    if (modSorvinel.number_line_on)
        modSorvinel.show_number_line(modSorvinel.number_line_length, true);
    if (modSorvinel.number_board_shown) {
        for (VbLabel *key : labSiffertavla)
            if (key)
                key->show();
        shaSiffertavla->show();
        board_key = 0;
    }
    shaRam[0]->raise();
}

void frmSorvinel::show_next_task() {
    if (!drill_running)
        return;
    drill::DrillSession &s = drill_session();
    const drill::NextStep step = s.show_next_task();
    mirror_drill_session();
    if (step == drill::NextStep::DrillEnded) {
        drill_running = false;
        show_result();
        return;
    }
    if (s.first_task_of_drill())
        lstFel->clear();

    const drill::ShownTask &task = s.task();
    labTal[kFirstLabel]->setCaption(QString::number(task.first));
    labTal[kSignLabel]->setCaption(task.sign);
    labTal[kSecondLabel]->setCaption(QString::number(task.second));

    typed_text.clear();
    labTal[kAnswerLabel]->setCaption(drill::answer_display(typed_text));
    labTal[kTooHighLabel]->hide();
    labTal[kTooLowLabel]->hide();
    labTal[kTooHighLabel]->setCaption(QString::number(drill::kHighestAnswer));
    labTal[kTooLowLabel]->setCaption(QString::number(drill::kLowestAnswer));

    if (modSorvinel.speech_on_for_screen())
        build_task_speech(false);
    if (modSorvinel.screen_reader_text_on)
        build_task_speech(true);
}

void frmSorvinel::build_task_speech(bool for_reader) {
    const drill::ShownTask &task = drill_session().task();
    if (!for_reader) {
        modSorvinel.speak_text(drill::task_speech_text(task));
        return;
    }
    modSorvinel.show_screen_reader_text(drill::task_reader_field_text(txtJaws->text(), task),
                                        false);
}

void frmSorvinel::check_answer(bool &answer_ok) {
    answer_ok = false;
    const int answer = typed_text.toInt();
    const auto outcome = drill_session().answer(answer);
    mirror_drill_session();
    if (!outcome)
        return;
    if (outcome->verdict == drill::Verdict::Right) {
        answer_ok = true;
        return;
    }

    labFakta[kErrorValue]->setCaption(QString::number(error_count));
    typed_text.clear();
    labTal[kAnswerLabel]->setCaption(kCursorMark);
    const drill::AnswerMarks &marks = drill_session().marks();
    labTal[kTooLowLabel]->setCaption(QString::number(marks.too_low));
    labTal[kTooLowLabel]->setVisible(marks.too_low_shown);
    labTal[kTooHighLabel]->setCaption(QString::number(marks.too_high));
    labTal[kTooHighLabel]->setVisible(marks.too_high_shown);

    if (modSorvinel.speech_on_for_screen())
        modSorvinel.speak_text(drill::verdict_speech(outcome->verdict));
    if (modSorvinel.screen_reader_text_on) {
        modSorvinel.show_screen_reader_text(
            drill::verdict_reader_note(outcome->answer, outcome->verdict), false);
        build_task_speech(true);
    }
}

void frmSorvinel::show_result() {
    hide_task_display();
    const drill::DrillResult result = drill_session().result();
    if (result.earns_reward) {
        if (modSorvinel.speech_on_for_screen())
            modSorvinel.speak_text(drill::kPraise);
        show_reward_window(this);
    }
    VbLabel *line = labResultat[kResultLine];
    line->setCaption(result.result_line);
    show_end_menu();
    line->setTop(labMenyVal[kResultRowItem]->Top());
    centre_on_screen(line);
    line->show();
    line->raise();
}

void frmSorvinel::show_end_menu() {
    modSorvinel.screen_state = ScreenState::EndMenu;
    const VbShape *frame = shaRam[1];
    for (int i = 0; i < kMenuItems; ++i) {
        VbLabel *item = labMenyVal[i];
        item->hide();
        if (i < kEndMenuShown) {
            item->setCaption(kEndMenuItems[i]);
            item->setToolTip(drill::menu_tooltip(kEndMenuItems[i]));
            item->setLeft(frame->Left() + (frame->Width() - item->Width()) / 2);
            item->show();
            item->raise();
        } else if (i < kMenuItems - 1) {
            item->setCaption(QString());
        }
    }
    shaRam[1]->show();
    shaRam[1]->stackUnder(labMenyVal[0]);
    show_menu_images();
    shaRam[0]->raise();
    current_menu_item = 0;
    highlight_menu_item(current_menu_item);
}

void frmSorvinel::hide_task_display() {
    for (int i = 0; i < kTaskLabels; ++i)
        labTal[i]->hide();
    if (modSorvinel.number_board_shown) {
        for (VbLabel *key : labSiffertavla)
            if (key)
                key->hide();
        shaSiffertavla->hide();
    }
    if (modSorvinel.number_line_on)
        modSorvinel.show_number_line(modSorvinel.number_line_length, false);
}

void frmSorvinel::visa_tid() {
    current_menu_item = kEndMainMenuItem;
    labMenyVal[kTimeItem]->hide();
    VbLabel *line = labResultat[kTimeLine];
    line->setTop(labMenyVal[kTimeItem]->Top());
    line->setCaption(drill::time_line(modSorvinel.drill_elapsed_seconds));
    centre_on_screen(line);
    line->show();
    line->raise();
    if (modSorvinel.speech_on_for_screen())
        spoken_prefix = line->Caption();
    highlight_menu_item(current_menu_item);
}

void frmSorvinel::show_message(const QString &text, int kind) {
    modSorvinel.message_text = text;
    modSorvinel.message_kind = kind;
    modSorvinel.message_speak = modSorvinel.speak_menus && modSorvinel.speech_available;
    show_message_window(this);
}
