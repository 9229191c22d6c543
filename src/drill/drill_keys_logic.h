#pragma once
// What a key means on the main window, without its widgets: the key table by screen state,
// moves over the on-screen menu and the number board, hot keys, which typed digits are
// taken, and the texts the answer row and the status announcement show. The window asks
// these functions and carries the answer out.

#include "shared/modSorvinel.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace drill {

// Direct typing: no number board, or one that is clicked. Board navigation: a board that
// is steered with the arrows and pressed with Enter.
enum class InputMode { DirectTyping, BoardNavigation };
InputMode input_mode(bool board_shown, bool board_clickable);

enum class KeyAction {
    None,
    SpeakStatus,   // PageUp
    Erase,         // Backspace in an input field
    ChooseCurrent, // Enter on a menu
    OpenFile,      // Enter in the exercise-file list
    Commit,        // Enter in an input field, typing directly
    PressBoardKey, // Enter in an input field, steering the board
    Leave,         // Esc
    BoardLeft,
    BoardRight,
    BoardUp,
    BoardDown,
    BoardNext, // space on the board
    MenuUp,
    MenuDown,
    MenuNext, // space on a menu: down with wrap
    FilePrevious,
    FileNext,
    Digit,
    ToggleLock, // F9
};

// The action of a key that is no hot key of the live menu.
KeyAction key_action(int key_code, ScreenState screen_state, InputMode mode);
// Whether the key is a digit of the main keyboard or the keypad.
bool is_digit_key(int key_code);
// A keypad digit as the digit of the main keyboard; every other code unchanged.
int main_keyboard_digit(int key_code);

// Number-board keys: 0 "OK", 1..10 the digits 0..9, 11 erase.
constexpr int kBoardEnter = 0;
constexpr int kBoardErase = 11;
constexpr int kBoardKeyCount = 12;
// Key code a board key types (digits only).
int board_digit_key_code(int board_key);
// The current board key after a move; unchanged when the move would leave its row.
int board_key_after(KeyAction move, int board_key, int board_rows);

// What decides a move over the on-screen menu.
struct MenuContext {
    ScreenState screen_state = ScreenState::MainMenu;
    bool blandat = false;    // the drill-type menu offers no own selection for Blandat
    bool time_shown = false; // the end menu shows the drill time in place of "Tid"
};
// Last item of the live menu: 5 main menu, 3 drill-type menu, 2 end menu.
int last_menu_item(ScreenState screen_state);
// Whether an item can be made current (the hidden "Eget urval" of Blandat cannot).
bool menu_item_offered(int item, const MenuContext &context);
// The current item after MenuUp, MenuDown or MenuNext.
int menu_item_after(KeyAction move, int current, const MenuContext &context);

// The hot key of a menu item: the last character of its tooltip "caption = X".
QChar hot_key_of_tooltip(const QString &tooltip);
// Tooltip of an item: the caption, " = " and its hot letter in upper case.
QString menu_tooltip(const QString &caption, int letter_index = 0);
// The item whose hot key the key code gives, searched among `hot_keys` (one per item, in
// order) of the live menu; only letters count, and the key of "Ö" only on the drill-type
// menu. Items before `first_item` are skipped.
std::optional<int> hot_key_item(int key_code, ScreenState screen_state,
                                const std::vector<QChar> &hot_keys, int first_item = 0);

// Whether one more digit is taken: four for an answer, three for an own-selection field,
// nothing after a leading 0, and "1000" in the task-count field.
bool accepts_digit(const QString &typed, ScreenState screen_state, int key_code);
// The answer label: the typed digits and the cursor mark, the mark gone at four digits.
QString answer_display(const QString &typed);
// The own-selection input: the mark gone at three digits, except "100" of the task count.
QString field_display(const QString &typed, ScreenState screen_state);

// The status announcement from the six status captions: "Antal uppgifter,12.Kvar,3.…".
QString status_text(const QStringList &captions);

} // namespace drill
