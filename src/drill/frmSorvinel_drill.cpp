// The drill on the main window: generating and ordering its tasks, the drill screen, one
// task after the other, judging an answer, and the result with the end menu. The running
// drill itself is a drill::DrillSession; this file shows what it says.
#include "drill/drill_keys_logic.h"
#include "drill/drill_windows.h"
#include "drill/frmSorvinel.h"
#include "drill/frmSorvinel_elements.h"
#include "drill/progress_pace.h"
#include "platform/system.h"
#include "shared/modSorvinel.h"

#include <algorithm>

namespace {
const QString kCursorMark = QStringLiteral("_");
const QString kEndMenuItems[] = {QStringLiteral("Tid"), QStringLiteral("En gång till"),
                                 QStringLiteral("Huvudmeny")};
constexpr int kEndMenuShown = 3;
// The result line stands where the fifth menu item would; the time line where "Tid" was.
constexpr int kResultRowItem = 4;

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

void frmSorvinel::generate_selection_tasks(int first_low, int first_high, int second_low,
                                           int second_high, long count) {
    BarProgress bar(pbaMusse);
    drill::PacedProgress progress(bar);
    drill_session().set_prepared_tasks(drill::generate_selection_tasks(
        modSorvinel, {first_low, first_high, second_low, second_high}, count, &progress));
}

void frmSorvinel::fyll_med_alla(int &k, Operation operation, int first_low, int first_high,
                                int second_low, int second_high) {
    drill::fill_with_all(modSorvinel, k, operation,
                         {first_low, first_high, second_low, second_high});
}

void frmSorvinel::make_random_order(int n, bool from_tasks) {
    BarProgress bar(pbaMusse);
    drill::PacedProgress progress(bar);
    drill_session().set_prepared_tasks(
        drill::make_random_order(modSorvinel, n, from_tasks, from_tasks ? &progress : nullptr));
}

void frmSorvinel::start_drill() {
    start_drill_screen();
    show_next_task();
}

void frmSorvinel::start_drill_screen() {
    drill_running = drill_session().start();
    if (!drill_running) {
        // Nothing to ask: the screen stays as it is.
        if (modSorvinel.beep_on)
            platform::beep();
        return;
    }

    shaRam[ram::Menu]->hide();
    hide_menu_images();
    labTal[tal::First]->setCaption(QString());
    labTal[tal::Second]->setCaption(QString());
    labTal[tal::Answer]->setCaption(QString());
    labTal[tal::Sign]->setCaption(drill::screen_sign(modSorvinel.current_operation));
    for (int i = 0; i < menu_item::Count; ++i) {
        labMenyVal[i]->hide();
        labTal[i]->show();
        labTal[i]->raise();
    }

    const QString count = QString::number(drill_session().pass_length());
    labFakta[fakta::Count]->setCaption(count);
    labFakta[fakta::Remaining]->setCaption(count);
    labFakta[fakta::Errors]->setCaption(QStringLiteral("0"));
    for (VbLabel *l : labFakta) {
        l->show();
        l->raise();
    }

    if (modSorvinel.number_line_on)
        modSorvinel.show_number_line(modSorvinel.number_line_length, true);
    if (modSorvinel.show_clock && !modSorvinel.clock_running)
        update_clock();
    if (modSorvinel.number_board_shown)
        show_board_from_ok();
    shaRam[ram::Outer]->raise();
}

void frmSorvinel::show_next_task() {
    if (!drill_running)
        return;
    drill::DrillSession &s = drill_session();
    const drill::NextStep step = s.show_next_task();
    if (step == drill::NextStep::DrillEnded) {
        drill_running = false;
        if (modSorvinel.clock_running)
            update_clock();
        show_result();
        return;
    }
    if (s.first_task_of_drill())
        lstFel->clear();

    const drill::ShownTask &task = s.task();
    labTal[tal::First]->setCaption(QString::number(task.first));
    labTal[tal::Sign]->setCaption(task.sign);
    labTal[tal::Second]->setCaption(QString::number(task.second));

    typed_text.clear();
    labTal[tal::Answer]->setCaption(drill::answer_display(typed_text));
    labTal[tal::TooHigh]->hide();
    labTal[tal::TooLow]->hide();
    labTal[tal::TooHigh]->setCaption(QString::number(drill::kHighestAnswer));
    labTal[tal::TooLow]->setCaption(QString::number(drill::kLowestAnswer));

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
    if (!outcome)
        return;
    if (outcome->verdict == drill::Verdict::Right) {
        answer_ok = true;
        return;
    }

    labFakta[fakta::Errors]->setCaption(QString::number(drill_session().error_count()));
    typed_text.clear();
    labTal[tal::Answer]->setCaption(kCursorMark);
    const drill::AnswerMarks &marks = drill_session().marks();
    labTal[tal::TooLow]->setCaption(QString::number(marks.too_low));
    labTal[tal::TooLow]->setVisible(marks.too_low_shown);
    labTal[tal::TooHigh]->setCaption(QString::number(marks.too_high));
    labTal[tal::TooHigh]->setVisible(marks.too_high_shown);

    if (modSorvinel.speech_on_for_screen())
        modSorvinel.speak_text(drill::verdict_speech(outcome->verdict));
    if (modSorvinel.screen_reader_text_on) {
        // The note and the task again, in one write, so a screen reader hears them whole.
        const QString note = modSorvinel.screen_reader_field_text(
            drill::verdict_reader_note(outcome->answer, outcome->verdict));
        modSorvinel.show_screen_reader_text(
            drill::task_reader_field_text(note, drill_session().task()), false);
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
    VbLabel *line = labResultat[result::Line];
    line->setCaption(result.result_line);
    show_end_menu();
    line->setTop(labMenyVal[kResultRowItem]->Top());
    centre_on_screen(line);
    line->show();
    line->raise();
}

void frmSorvinel::show_end_menu() {
    modSorvinel.screen_state = ScreenState::EndMenu;
    const VbShape *frame = shaRam[ram::Menu];
    for (int i = 0; i < menu_item::Count; ++i) {
        VbLabel *item = labMenyVal[i];
        item->hide();
        if (i < kEndMenuShown) {
            item->setCaption(kEndMenuItems[i]);
            item->setToolTip(drill::menu_tooltip(kEndMenuItems[i]));
            item->setLeft(frame->Left() + (frame->Width() - item->Width()) / 2);
            item->show();
            item->raise();
        } else if (i < menu_item::Count - 1) {
            item->setCaption(QString());
        }
    }
    shaRam[ram::Menu]->show();
    shaRam[ram::Menu]->stackUnder(labMenyVal[0]);
    show_menu_images();
    shaRam[ram::Outer]->raise();
    current_menu_item = 0;
    highlight_menu_item(current_menu_item);
}

void frmSorvinel::hide_task_display() {
    for (int i = 0; i < tal::Count; ++i)
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
    current_menu_item = menu_item::EndMainMenu;
    labMenyVal[menu_item::Time]->hide();
    VbLabel *line = labResultat[result::Time];
    line->setTop(labMenyVal[menu_item::Time]->Top());
    line->setCaption(drill::time_line(modSorvinel.drill_elapsed_seconds));
    centre_on_screen(line);
    line->show();
    line->raise();
    if (modSorvinel.speech_on_for_screen())
        spoken_prefix = line->Caption();
    highlight_menu_item(current_menu_item);
}

void frmSorvinel::show_message(const QString &text, MessageKind kind) {
    modSorvinel.message_text = text;
    modSorvinel.message_kind = kind;
    modSorvinel.message_speak = modSorvinel.speak_menus && modSorvinel.speech_available;
    show_message_window(this);
}
