// Keyboard dispatch by screen state, and the answer entry that digits, Backspace and Enter
// drive. The number board and one-key scanning feed the same handler with key codes.
#include "drill/drill_keys_logic.h"
#include "drill/exercise_drill_logic.h"
#include "drill/frmSorvinel.h"
#include "drill/frmSorvinel_elements.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"

#include <QAction>
#include <QMenu>

#include <utility>

namespace {
const QString kWaitToReturn = QStringLiteral("Vänta för att återgå!");
constexpr int kStatusLabels = 6;

drill::InputMode current_input_mode() {
    return drill::input_mode(modSorvinel.number_board_shown, modSorvinel.board_clickable);
}

drill::MenuContext menu_context(const frmSorvinel &w) {
    drill::MenuContext c;
    c.screen_state = modSorvinel.screen_state;
    c.blandat = modSorvinel.current_operation == Operation::Blandat;
    c.time_shown = !w.labResultat[result::Time]->isHidden();
    return c;
}
} // namespace

void frmSorvinel::Form_KeyDown(int &keyCode, int shift) {
    (void)shift;
    // Only the held key's own repeats are ignored: a key pressed while another is still
    // down (fast typing rolls from key to key) acts at once.
    const platform::KeyId key{key_scan_code, keyCode};
    if (!key_clicked && key_held.contains(key))
        return;
    modSorvinel.message_go_on = false;
    const std::optional<KeyInHand> outer =
        std::exchange(key_in_hand, key_clicked ? std::nullopt : std::optional(KeyInHand{key}));
    const ScreenState state = modSorvinel.screen_state;
    const bool answering = state == ScreenState::TaskShown || is_panel_field(state);
    if (!answering || !(modSorvinel.number_board_shown && modSorvinel.board_clickable))
        modSorvinel.park_mouse_pointer();
    if (state == ScreenState::FileList && drill::file_jump_character(keyCode))
        jump_to_file_by_letter(keyCode);

    int item = current_menu_item;
    if (menu_item_for_key(keyCode, item) == keyCode) {
        // A hot key never chooses an item the menu does not show.
        if (drill::menu_item_offered(item, menu_context(*this))) {
            current_menu_item = item;
            labMenyVal_Click(item);
        }
    } else {
        const drill::KeyAction action = drill::key_action(keyCode, state, current_input_mode());
        switch (action) {
        case drill::KeyAction::SpeakStatus:
            if (modSorvinel.speech_on_for_screen() && !labFakta[fakta::CountCaption]->isHidden()) {
                QString text;
                collect_status_text(text);
                modSorvinel.speak_text(text);
            }
            break;
        case drill::KeyAction::Erase:
            erase_last_character();
            break;
        case drill::KeyAction::ChooseCurrent:
            if (drill::menu_item_offered(current_menu_item, menu_context(*this)))
                labMenyVal_Click(current_menu_item);
            break;
        case drill::KeyAction::Commit:
            commit_input();
            break;
        case drill::KeyAction::PressBoardKey:
            if (board_key == drill::kBoardEnter)
                commit_input();
            else if (board_key == drill::kBoardErase)
                erase_last_character();
            else
                type_character(drill::board_digit_key_code(board_key));
            // After every press the highlight starts again at "OK".
            board_key = drill::kBoardEnter;
            modSorvinel.paint_number_board(board_key);
            break;
        case drill::KeyAction::Leave:
            if (!modSorvinel.esc_allowed)
                break;
            if (modSorvinel.show_warning_message) {
                show_message(kWaitToReturn, MessageKind::Pause);
                if (!modSorvinel.message_go_on)
                    back_to_main_menu();
            } else {
                back_to_main_menu();
            }
            break;
        case drill::KeyAction::BoardLeft:
        case drill::KeyAction::BoardRight:
        case drill::KeyAction::BoardUp:
        case drill::KeyAction::BoardDown:
        case drill::KeyAction::BoardNext: {
            const int moved = drill::board_key_after(action, board_key, modSorvinel.board_rows);
            if (moved != board_key) {
                board_key = moved;
                modSorvinel.paint_number_board(board_key);
            }
            break;
        }
        case drill::KeyAction::MenuUp:
        case drill::KeyAction::MenuDown:
        case drill::KeyAction::MenuNext:
            current_menu_item =
                drill::menu_item_after(action, current_menu_item, menu_context(*this));
            highlight_menu_item(current_menu_item);
            break;
        case drill::KeyAction::Digit:
            keyCode = drill::main_keyboard_digit(keyCode);
            type_character(keyCode);
            break;
        case drill::KeyAction::ToggleLock:
            menLaas->setVisible(!menLaas->isVisible());
            break;
        case drill::KeyAction::OpenFile:
            labFilnamn_Click();
            break;
        case drill::KeyAction::FilePrevious:
            picUpp_MouseDown();
            picUpp_MouseUp();
            break;
        case drill::KeyAction::FileNext:
            picNer_MouseDown();
            picNer_MouseUp();
            break;
        case drill::KeyAction::None:
            break;
        }
    }
    // Qt drops a key event aimed at a window that a modal one blocks, so a window the key
    // opened may have cost us its release: then a key already up is not held. (Otherwise a
    // key that is up has its release still on the way, behind its repeats.)
    const std::optional<KeyInHand> handled = std::exchange(key_in_hand, outer);
    if (!handled || !modSorvinel.key_repeat_blocked || modSorvinel.message_go_on || handled->let_go)
        return;
    if (!(handled->window_blocked && key.scan != 0 &&
          platform::key_state(key.scan) == platform::KeyState::Up))
        key_held.press(key);
}

void frmSorvinel::Form_KeyUp(int &keyCode, int shift) {
    (void)shift;
    // Also with key repetition on: a key held before the setting changed must not stay
    // blocked.
    key_held.release({key_scan_code, keyCode});
}

void frmSorvinel::type_character(int keyCode) {
    const ScreenState state = modSorvinel.screen_state;
    if (!drill::accepts_digit(typed_text, state, keyCode)) {
        if (modSorvinel.speech_on_for_screen())
            modSorvinel.speak_text(typed_text);
        return;
    }
    const QString digit = QChar(keyCode);
    typed_text += digit;
    if (state == ScreenState::TaskShown) {
        labTal[tal::Answer]->setCaption(drill::answer_display(typed_text));
        if (modSorvinel.screen_reader_text_on) {
            // A too-high or too-low note goes; the task and the digits stay.
            // One write, so a screen reader hears the task with its digits whole.
            const QString field = txtJaws->text();
            const qsizetype dot = field.indexOf(u'.');
            if (dot >= 0)
                modSorvinel.show_screen_reader_text(field.mid(dot + 2) + digit, false);
            else
                set_reader_text(field + digit);
        }
    } else if (is_panel_field(state)) {
        labUrval[urval::Input]->setCaption(drill::field_display(typed_text, state));
        if (modSorvinel.screen_reader_text_on) {
            const QString field = txtJaws->text();
            const qsizetype colon = field.indexOf(u':');
            if (field.endsWith(u')') && colon >= 0)
                modSorvinel.show_screen_reader_text(field.left(colon + 2) + digit, false);
            else
                set_reader_text(field + digit);
        }
    }
    if (modSorvinel.speech_on_for_screen())
        modSorvinel.speak_text(typed_text);
}

void frmSorvinel::erase_last_character() {
    const ScreenState state = modSorvinel.screen_state;
    if (typed_text.isEmpty()) {
        if (is_panel_field(state))
            step_back_selection_field();
        return;
    }
    typed_text.chop(1);
    if (state == ScreenState::TaskShown)
        labTal[tal::Answer]->setCaption(typed_text + u'_');
    else if (is_panel_field(state))
        labUrval[urval::Input]->setCaption(typed_text + u'_');
    if (modSorvinel.screen_reader_text_on) {
        QString field = txtJaws->text();
        field.chop(1);
        set_reader_text(field);
    }
    if (modSorvinel.speech_on_for_screen()) {
        if (!typed_text.isEmpty())
            modSorvinel.speak_text(typed_text);
        else if (state == ScreenState::TaskShown)
            build_task_speech(false);
    }
}

void frmSorvinel::commit_input() {
    const ScreenState state = modSorvinel.screen_state;
    if (state != ScreenState::TaskShown && !is_panel_field(state))
        return;
    if (typed_text.isEmpty()) {
        if (modSorvinel.enter_interrupts) {
            show_message(kWaitToReturn, MessageKind::Pause);
            if (!modSorvinel.message_go_on)
                back_to_main_menu();
        }
        return;
    }
    if (is_panel_field(state)) {
        commit_selection_field();
        return;
    }

    const bool was_first_try = drill_session().first_try();
    bool right = false;
    check_answer(right);
    if (!right)
        return;
    if (was_first_try) {
        labFakta[fakta::Remaining]->setCaption(QString::number(drill_session().remaining()));
    } else {
        lstFel->addItem(drill::latest_errors_line(drill_session().task()));
    }
    show_next_task();
}

void frmSorvinel::collect_status_text(QString &text) const {
    QStringList captions;
    for (int i = 0; i < kStatusLabels; ++i)
        captions << labFakta[i]->Caption();
    text = drill::status_text(captions);
}

void frmSorvinel::leave_to_main_menu() {
    labMeny->setCaption(QStringLiteral("Tabellövning"));
    menAvbryt->setEnabled(false);
    menVal->setEnabled(true);
    if (modSorvinel.clock_running)
        update_clock();
    hide_task_display();
    hide_result_labels();
    hide_selection_lines();
    show_main_menu();
}
