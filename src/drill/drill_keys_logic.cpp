#include "drill/drill_keys_logic.h"

#include "platform/vb.h"
#include "shared/modSorvinel.h"

#include <algorithm>

namespace drill {
namespace {

// Which screens a row of the key table applies to.
enum class Screens { Any, NotMainMenu, Menus, InputFields, FileList };
// Which input mode it needs.
enum class Needs { EitherMode, Typing, Steering };

struct KeyRule {
    int key;
    Screens screens;
    Needs needs;
    KeyAction action;
};

// Keys that are no hot key of the live menu. Digits are handled apart (two code ranges).
constexpr KeyRule kKeyTable[] = {
    {vb::key::PageUp, Screens::Any, Needs::EitherMode, KeyAction::SpeakStatus},
    {vb::key::Back, Screens::InputFields, Needs::Typing, KeyAction::Erase},
    {vb::key::Return, Screens::Menus, Needs::EitherMode, KeyAction::ChooseCurrent},
    {vb::key::Return, Screens::FileList, Needs::EitherMode, KeyAction::OpenFile},
    {vb::key::Return, Screens::InputFields, Needs::Typing, KeyAction::Commit},
    {vb::key::Return, Screens::InputFields, Needs::Steering, KeyAction::PressBoardKey},
    {vb::key::Escape, Screens::NotMainMenu, Needs::EitherMode, KeyAction::Leave},
    {vb::key::Left, Screens::InputFields, Needs::Steering, KeyAction::BoardLeft},
    {vb::key::Right, Screens::InputFields, Needs::Steering, KeyAction::BoardRight},
    {vb::key::Up, Screens::Menus, Needs::EitherMode, KeyAction::MenuUp},
    {vb::key::Up, Screens::InputFields, Needs::Steering, KeyAction::BoardUp},
    {vb::key::Up, Screens::FileList, Needs::EitherMode, KeyAction::FilePrevious},
    {vb::key::Down, Screens::Menus, Needs::EitherMode, KeyAction::MenuDown},
    {vb::key::Down, Screens::InputFields, Needs::Steering, KeyAction::BoardDown},
    {vb::key::Down, Screens::FileList, Needs::EitherMode, KeyAction::FileNext},
    {vb::key::Space, Screens::Menus, Needs::EitherMode, KeyAction::MenuNext},
    {vb::key::Space, Screens::InputFields, Needs::Steering, KeyAction::BoardNext},
    {vb::key::Space, Screens::FileList, Needs::EitherMode, KeyAction::FileNext},
    {vb::key::F9, Screens::Any, Needs::EitherMode, KeyAction::ToggleLock},
};

bool is_input_field(ScreenState state) {
    return state == ScreenState::TaskShown || is_panel_field(state);
}

bool is_menu(ScreenState state) {
    return state == ScreenState::MainMenu || state == ScreenState::DrillTypeMenu ||
           state == ScreenState::EndMenu;
}

bool applies(Screens screens, ScreenState state) {
    switch (screens) {
    case Screens::Any:
        return true;
    case Screens::NotMainMenu:
        return state != ScreenState::MainMenu;
    case Screens::Menus:
        return is_menu(state);
    case Screens::InputFields:
        return is_input_field(state);
    case Screens::FileList:
        return state == ScreenState::FileList;
    }
    return false;
}

bool fits(Needs needs, InputMode mode) {
    switch (needs) {
    case Needs::EitherMode:
        return true;
    case Needs::Typing:
        return mode == InputMode::DirectTyping;
    case Needs::Steering:
        return mode == InputMode::BoardNavigation;
    }
    return false;
}

constexpr int kBoardRowLength = 6;
constexpr int kTwoRows = 2;
constexpr int kKeypadToMain = vb::key::Numpad0 - vb::key::D0;
// The last item of each menu.
constexpr int kMainMenuLast = 5;
constexpr int kDrillTypeLast = 3;
constexpr int kEndMenuLast = 2;
// "Eget urval" on the drill-type menu; "Tid" on the end menu.
constexpr int kOwnSelectionItem = 1;
constexpr int kTimeItem = 0;
// Digits an answer and an own-selection field hold.
constexpr int kAnswerDigits = 4;
constexpr int kFieldDigits = 3;
const QString kCursorMark = QStringLiteral("_");
const QString kTaskCountHundred = QStringLiteral("100");
const QChar kOe = QChar(0x00D6);

bool blandat_drill_type(const MenuContext &c) {
    return c.screen_state == ScreenState::DrillTypeMenu && c.blandat;
}

int first_menu_item(const MenuContext &c) {
    return c.screen_state == ScreenState::EndMenu && c.time_shown ? kTimeItem + 1 : 0;
}

} // namespace

InputMode input_mode(bool board_shown, bool board_clickable) {
    return board_shown && !board_clickable ? InputMode::BoardNavigation : InputMode::DirectTyping;
}

bool is_digit_key(int key_code) {
    return (key_code >= vb::key::D0 && key_code <= vb::key::D9) ||
           (key_code >= vb::key::Numpad0 && key_code <= vb::key::Numpad9);
}

int main_keyboard_digit(int key_code) {
    if (key_code >= vb::key::Numpad0 && key_code <= vb::key::Numpad9)
        return key_code - kKeypadToMain;
    return key_code;
}

KeyAction key_action(int key_code, ScreenState screen_state, InputMode mode) {
    if (is_digit_key(key_code))
        return is_input_field(screen_state) && mode == InputMode::DirectTyping ? KeyAction::Digit
                                                                               : KeyAction::None;
    for (const KeyRule &rule : kKeyTable)
        if (rule.key == key_code && applies(rule.screens, screen_state) && fits(rule.needs, mode))
            return rule.action;
    return KeyAction::None;
}

int board_digit_key_code(int board_key) {
    return board_key + vb::key::D0 - 1;
}

int board_key_after(KeyAction move, int board_key, int board_rows) {
    const bool two_rows = board_rows == kTwoRows;
    const int row_start = two_rows && board_key >= kBoardRowLength ? kBoardRowLength : 0;
    const int row_end =
        two_rows && board_key < kBoardRowLength ? kBoardRowLength - 1 : kBoardKeyCount - 1;
    switch (move) {
    case KeyAction::BoardLeft:
        return board_key > row_start ? board_key - 1 : board_key;
    case KeyAction::BoardRight:
        return board_key < row_end ? board_key + 1 : board_key;
    case KeyAction::BoardUp:
        return two_rows && board_key >= kBoardRowLength ? board_key - kBoardRowLength : board_key;
    case KeyAction::BoardDown:
        return two_rows && board_key < kBoardRowLength ? board_key + kBoardRowLength : board_key;
    case KeyAction::BoardNext:
        return board_key >= kBoardErase ? kBoardEnter : board_key + 1;
    default:
        return board_key;
    }
}

int last_menu_item(ScreenState screen_state) {
    switch (screen_state) {
    case ScreenState::MainMenu:
        return kMainMenuLast;
    case ScreenState::DrillTypeMenu:
        return kDrillTypeLast;
    case ScreenState::EndMenu:
        return kEndMenuLast;
    default:
        return 0;
    }
}

bool menu_item_offered(int item, const MenuContext &c) {
    if (!is_menu(c.screen_state) || item < first_menu_item(c) ||
        item > last_menu_item(c.screen_state))
        return false;
    return !(blandat_drill_type(c) && item == kOwnSelectionItem);
}

int menu_item_after(KeyAction move, int current, const MenuContext &c) {
    const int first = first_menu_item(c);
    const int last = last_menu_item(c.screen_state);
    int item = std::clamp(current, first, last);
    switch (move) {
    case KeyAction::MenuDown:
        if (item < last)
            ++item;
        if (blandat_drill_type(c) && item == kOwnSelectionItem)
            item = kOwnSelectionItem + 1;
        break;
    case KeyAction::MenuUp:
        if (item > first)
            --item;
        if (blandat_drill_type(c) && item == kOwnSelectionItem)
            item = 0;
        break;
    case KeyAction::MenuNext:
        ++item;
        if (blandat_drill_type(c) && item == kOwnSelectionItem)
            item = kOwnSelectionItem + 1;
        if (item > last)
            item = first;
        break;
    default:
        break;
    }
    return item;
}

QChar hot_key_of_tooltip(const QString &tooltip) {
    return tooltip.isEmpty() ? QChar() : tooltip.back().toUpper();
}

QString menu_tooltip(const QString &caption, int letter_index) {
    const QChar letter = letter_index < caption.size() ? caption[letter_index].toUpper() : QChar();
    return caption + QStringLiteral(" = ") + letter;
}

std::optional<int> hot_key_item(int key_code, ScreenState screen_state,
                                const std::vector<QChar> &hot_keys, int first_item) {
    QChar wanted;
    if (key_code >= vb::key::A && key_code <= vb::key::Z)
        wanted = QChar(key_code);
    else if (key_code == vb::key::Oe && screen_state == ScreenState::DrillTypeMenu)
        wanted = kOe;
    if (wanted.isNull() || !is_menu(screen_state))
        return std::nullopt;
    const int last = std::min(last_menu_item(screen_state), int(hot_keys.size()) - 1);
    for (int i = std::max(first_item, 0); i <= last; ++i)
        if (hot_keys[size_t(i)].toUpper() == wanted)
            return i;
    return std::nullopt;
}

bool accepts_digit(const QString &typed, ScreenState screen_state, int key_code) {
    if (key_code < vb::key::D0 || key_code > vb::key::D9)
        return false;
    const auto n = typed.size();
    if (screen_state == ScreenState::PanelCount && typed == kTaskCountHundred)
        return key_code == vb::key::D0;
    if (n == 0 || n == 2)
        return true;
    if (n == 1)
        return typed != QStringLiteral("0");
    return n == kFieldDigits && screen_state == ScreenState::TaskShown;
}

QString answer_display(const QString &typed) {
    return typed.size() >= kAnswerDigits ? typed : typed + kCursorMark;
}

QString field_display(const QString &typed, ScreenState screen_state) {
    if (screen_state == ScreenState::PanelCount && typed == kTaskCountHundred)
        return typed + kCursorMark;
    return typed.size() >= kFieldDigits ? typed : typed + kCursorMark;
}

QString status_text(const QStringList &captions) {
    QString text;
    for (int i = 0; i < captions.size(); ++i) {
        text += captions[i];
        if (i % 2 == 0) {
            if (!text.isEmpty())
                text.chop(1);
            text += u',';
        } else {
            text += u'.';
        }
    }
    return text;
}

} // namespace drill
