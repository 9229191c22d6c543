// What a key means by screen state and input mode, menu and board moves, hot keys, digit
// limits and the status announcement, without a window.

#include "drill/drill_keys_logic.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"

#include <gtest/gtest.h>

namespace {

using drill::InputMode;
using drill::KeyAction;
namespace key = vb::key;

constexpr ScreenState kPanelStates[] = {ScreenState::PanelLowFirst, ScreenState::PanelLowSecond,
                                        ScreenState::PanelHighFirst, ScreenState::PanelHighSecond,
                                        ScreenState::PanelCount};

struct KeyCase {
    int key;
    ScreenState state;
    KeyAction typing;   // direct typing mode
    KeyAction steering; // board navigation mode
};

class KeyTable : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTable, ActionByStateAndMode) {
    const KeyCase &c = GetParam();
    EXPECT_EQ(drill::key_action(c.key, c.state, InputMode::DirectTyping), c.typing)
        << "key " << c.key << " state " << c.state;
    EXPECT_EQ(drill::key_action(c.key, c.state, InputMode::BoardNavigation), c.steering)
        << "key " << c.key << " state " << c.state;
}

constexpr ScreenState kMain = ScreenState::MainMenu, kType = ScreenState::DrillTypeMenu,
                      kSetUp = ScreenState::DrillSetUp, kTask = ScreenState::TaskShown,
                      kEnd = ScreenState::EndMenu, kFiles = ScreenState::FileList;

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTable,
    ::testing::Values(
        // Digits count only while an answer or a field waits, and only when typed directly.
        KeyCase{key::D0 + 7, kTask, KeyAction::Digit, KeyAction::None},
        KeyCase{key::Numpad0 + 7, kTask, KeyAction::Digit, KeyAction::None},
        KeyCase{key::D0 + 3, ScreenState::PanelCount, KeyAction::Digit, KeyAction::None},
        KeyCase{key::D0 + 7, kMain, KeyAction::None, KeyAction::None},
        KeyCase{key::D0 + 7, kSetUp, KeyAction::None, KeyAction::None},
        KeyCase{key::Numpad9, kEnd, KeyAction::None, KeyAction::None},
        // Backspace and Enter.
        KeyCase{key::Back, kTask, KeyAction::Erase, KeyAction::None},
        KeyCase{key::Back, kMain, KeyAction::None, KeyAction::None},
        KeyCase{key::Return, kTask, KeyAction::Commit, KeyAction::PressBoardKey},
        KeyCase{key::Return, kMain, KeyAction::ChooseCurrent, KeyAction::ChooseCurrent},
        KeyCase{key::Return, kType, KeyAction::ChooseCurrent, KeyAction::ChooseCurrent},
        KeyCase{key::Return, kEnd, KeyAction::ChooseCurrent, KeyAction::ChooseCurrent},
        KeyCase{key::Return, kFiles, KeyAction::OpenFile, KeyAction::OpenFile},
        // While an answer is judged Enter does nothing.
        KeyCase{key::Return, kSetUp, KeyAction::None, KeyAction::None},
        // Esc leaves every screen but the main menu.
        KeyCase{key::Escape, kMain, KeyAction::None, KeyAction::None},
        KeyCase{key::Escape, kType, KeyAction::Leave, KeyAction::Leave},
        KeyCase{key::Escape, kSetUp, KeyAction::Leave, KeyAction::Leave},
        KeyCase{key::Escape, kTask, KeyAction::Leave, KeyAction::Leave},
        KeyCase{key::Escape, kEnd, KeyAction::Leave, KeyAction::Leave},
        // PageUp and F9 on any screen.
        KeyCase{key::PageUp, kMain, KeyAction::SpeakStatus, KeyAction::SpeakStatus},
        KeyCase{key::PageUp, kTask, KeyAction::SpeakStatus, KeyAction::SpeakStatus},
        KeyCase{key::F9, kSetUp, KeyAction::ToggleLock, KeyAction::ToggleLock},
        // Arrows and space: menus, the board, the file list.
        KeyCase{key::Up, kMain, KeyAction::MenuUp, KeyAction::MenuUp},
        KeyCase{key::Down, kEnd, KeyAction::MenuDown, KeyAction::MenuDown},
        KeyCase{key::Space, kType, KeyAction::MenuNext, KeyAction::MenuNext},
        KeyCase{key::Up, kTask, KeyAction::None, KeyAction::BoardUp},
        KeyCase{key::Down, kTask, KeyAction::None, KeyAction::BoardDown},
        KeyCase{key::Left, kTask, KeyAction::None, KeyAction::BoardLeft},
        KeyCase{key::Right, kTask, KeyAction::None, KeyAction::BoardRight},
        KeyCase{key::Space, kTask, KeyAction::None, KeyAction::BoardNext},
        KeyCase{key::Left, kMain, KeyAction::None, KeyAction::None},
        KeyCase{key::Up, kFiles, KeyAction::FilePrevious, KeyAction::FilePrevious},
        KeyCase{key::Down, kFiles, KeyAction::FileNext, KeyAction::FileNext},
        KeyCase{key::Space, kFiles, KeyAction::FileNext, KeyAction::FileNext},
        KeyCase{key::Up, kSetUp, KeyAction::None, KeyAction::None},
        // Keys of no meaning.
        KeyCase{key::Subtract, kTask, KeyAction::None, KeyAction::None},
        KeyCase{key::F1, kMain, KeyAction::None, KeyAction::None}),
    [](const auto &info) {
        const auto &c = info.param;
        return test_names::name(info.index, test_names::key_word(c.key), c.state);
    });

TEST(KeyTablePanel, FieldsTakeTheKeysOfAnAnswer) {
    for (ScreenState state : kPanelStates) {
        EXPECT_EQ(drill::key_action(key::D0, state, InputMode::DirectTyping), KeyAction::Digit);
        EXPECT_EQ(drill::key_action(key::Back, state, InputMode::DirectTyping), KeyAction::Erase);
        EXPECT_EQ(drill::key_action(key::Return, state, InputMode::BoardNavigation),
                  KeyAction::PressBoardKey);
        EXPECT_EQ(drill::key_action(key::Down, state, InputMode::BoardNavigation),
                  KeyAction::BoardDown);
    }
}

TEST(InputModes, OnlyAShownBoardThatIsNotClickedIsSteered) {
    EXPECT_EQ(drill::input_mode(false, false), InputMode::DirectTyping);
    EXPECT_EQ(drill::input_mode(false, true), InputMode::DirectTyping);
    EXPECT_EQ(drill::input_mode(true, true), InputMode::DirectTyping);
    EXPECT_EQ(drill::input_mode(true, false), InputMode::BoardNavigation);
}

TEST(Digits, KeypadDigitsBecomeMainKeyboardDigits) {
    for (int d = 0; d <= 9; ++d) {
        EXPECT_TRUE(drill::is_digit_key(key::Numpad0 + d));
        EXPECT_EQ(drill::main_keyboard_digit(key::Numpad0 + d), key::D0 + d);
        EXPECT_EQ(drill::main_keyboard_digit(key::D0 + d), key::D0 + d);
    }
    EXPECT_FALSE(drill::is_digit_key(key::Subtract));
    EXPECT_FALSE(drill::is_digit_key(key::A));
}

struct BoardCase {
    KeyAction move;
    int from;
    int rows;
    int to;
};

class BoardMoves : public ::testing::TestWithParam<BoardCase> {};

TEST_P(BoardMoves, StayInTheRow) {
    const BoardCase &c = GetParam();
    EXPECT_EQ(drill::board_key_after(c.move, c.from, c.rows), c.to)
        << int(c.move) << " from " << c.from << " rows " << c.rows;
}

INSTANTIATE_TEST_SUITE_P(
    Board, BoardMoves,
    ::testing::Values(
        BoardCase{KeyAction::BoardRight, 5, 2, 5}, BoardCase{KeyAction::BoardRight, 4, 2, 5},
        BoardCase{KeyAction::BoardRight, 5, 1, 6}, BoardCase{KeyAction::BoardRight, 11, 1, 11},
        BoardCase{KeyAction::BoardLeft, 6, 2, 6}, BoardCase{KeyAction::BoardLeft, 6, 1, 5},
        BoardCase{KeyAction::BoardLeft, 0, 1, 0}, BoardCase{KeyAction::BoardDown, 0, 2, 6},
        BoardCase{KeyAction::BoardDown, 6, 2, 6}, BoardCase{KeyAction::BoardDown, 0, 1, 0},
        BoardCase{KeyAction::BoardUp, 11, 2, 5}, BoardCase{KeyAction::BoardUp, 3, 2, 3},
        BoardCase{KeyAction::BoardUp, 11, 1, 11}, BoardCase{KeyAction::BoardNext, 11, 2, 0},
        BoardCase{KeyAction::BoardNext, 5, 2, 6}),
    [](const auto &info) {
        const auto &c = info.param;
        return test_names::name(info.index, c.move, "from", c.from, "rows", c.rows);
    });

TEST(BoardKeys, DigitKeysTypeTheirDigit) {
    EXPECT_EQ(drill::board_digit_key_code(1), key::D0);
    EXPECT_EQ(drill::board_digit_key_code(10), key::D9);
}

struct MenuCase {
    drill::MenuContext context;
    KeyAction move;
    int from;
    int to;
};

class MenuMoves : public ::testing::TestWithParam<MenuCase> {};

TEST_P(MenuMoves, StepsAndStops) {
    const MenuCase &c = GetParam();
    EXPECT_EQ(drill::menu_item_after(c.move, c.from, c.context), c.to)
        << "state " << c.context.screen_state << " move " << int(c.move) << " from " << c.from;
}

constexpr drill::MenuContext kMainMenu{kMain, false, false};
constexpr drill::MenuContext kDrillType{kType, false, false};
constexpr drill::MenuContext kBlandatType{kType, true, false};
constexpr drill::MenuContext kEndMenu{kEnd, false, false};
constexpr drill::MenuContext kEndAfterTime{kEnd, false, true};

INSTANTIATE_TEST_SUITE_P(
    Menus, MenuMoves,
    ::testing::Values(MenuCase{kMainMenu, KeyAction::MenuDown, 0, 1},
                      MenuCase{kMainMenu, KeyAction::MenuDown, 5, 5},
                      MenuCase{kMainMenu, KeyAction::MenuUp, 0, 0},
                      MenuCase{kMainMenu, KeyAction::MenuNext, 5, 0},
                      MenuCase{kDrillType, KeyAction::MenuDown, 3, 3},
                      MenuCase{kDrillType, KeyAction::MenuNext, 3, 0},
                      MenuCase{kDrillType, KeyAction::MenuDown, 0, 1},
                      // Blandat has no own selection: every move steps over item 1.
                      MenuCase{kBlandatType, KeyAction::MenuDown, 0, 2},
                      MenuCase{kBlandatType, KeyAction::MenuUp, 2, 0},
                      MenuCase{kBlandatType, KeyAction::MenuNext, 0, 2},
                      MenuCase{kBlandatType, KeyAction::MenuNext, 3, 0},
                      MenuCase{kEndMenu, KeyAction::MenuDown, 2, 2},
                      MenuCase{kEndMenu, KeyAction::MenuNext, 2, 0},
                      MenuCase{kEndMenu, KeyAction::MenuUp, 1, 0},
                      // After "Tid" the time stands where item 0 was.
                      MenuCase{kEndAfterTime, KeyAction::MenuUp, 1, 1},
                      MenuCase{kEndAfterTime, KeyAction::MenuNext, 2, 1},
                      MenuCase{kEndAfterTime, KeyAction::MenuUp, 2, 1}),
    [](const auto &info) {
        const auto &c = info.param;
        return test_names::name(info.index, c.context.screen_state,
                                c.context.blandat ? "Blandat" : "",
                                c.context.time_shown ? "TimeShown" : "", c.move, "from", c.from);
    });

TEST(MenuItems, OfferedItems) {
    EXPECT_TRUE(drill::menu_item_offered(5, kMainMenu));
    EXPECT_FALSE(drill::menu_item_offered(4, kDrillType));
    EXPECT_TRUE(drill::menu_item_offered(1, kDrillType));
    EXPECT_FALSE(drill::menu_item_offered(1, kBlandatType));
    EXPECT_TRUE(drill::menu_item_offered(2, kBlandatType));
    EXPECT_FALSE(drill::menu_item_offered(0, kEndAfterTime));
    EXPECT_FALSE(drill::menu_item_offered(3, kEndMenu));
    EXPECT_FALSE(drill::menu_item_offered(0, drill::MenuContext{kTask, false, false}));
}

const std::vector<QChar> kMainHotKeys{'A', 'S', 'M', 'D', 'B', 'L'};
const std::vector<QChar> kDrillTypeHotKeys{'T', 'E', QChar(0x00D6), 'H', QChar(), QChar()};
const std::vector<QChar> kEndHotKeys{'T', 'E', 'H', QChar(), QChar(), QChar()};

TEST(HotKeys, LettersChooseTheirItem) {
    EXPECT_EQ(drill::hot_key_item(key::A + ('L' - 'A'), kMain, kMainHotKeys), 5);
    EXPECT_EQ(drill::hot_key_item(key::A + ('S' - 'A'), kMain, kMainHotKeys), 1);
    EXPECT_EQ(drill::hot_key_item(key::A + ('H' - 'A'), kType, kDrillTypeHotKeys), 3);
    EXPECT_EQ(drill::hot_key_item(key::Oe, kType, kDrillTypeHotKeys), 2);
    EXPECT_EQ(drill::hot_key_item(key::A + ('E' - 'A'), kEnd, kEndHotKeys), 1);
    // "Tid" gone: its letter finds nothing.
    EXPECT_EQ(drill::hot_key_item(key::A + ('T' - 'A'), kEnd, kEndHotKeys, 1), std::nullopt);
    // The same letters on a screen without a menu.
    EXPECT_EQ(drill::hot_key_item(key::A, kTask, kMainHotKeys), std::nullopt);
    EXPECT_EQ(drill::hot_key_item(key::A, kFiles, kMainHotKeys), std::nullopt);
}

TEST(HotKeys, OnlyLettersAreHotKeys) {
    // Keypad digits, the keypad minus and F-keys have codes of lower-case letters.
    const int not_letters[] = {key::Numpad0 + 1, key::Numpad0 + 4, key::Subtract, key::Add,
                               key::F1,          key::F1 + 2,      key::D0 + 1,   key::Space,
                               key::Multiply,    key::Decimal,     key::Divide,   key::F12};
    for (int code : not_letters) {
        EXPECT_EQ(drill::hot_key_item(code, kMain, kMainHotKeys), std::nullopt) << code;
        EXPECT_EQ(drill::hot_key_item(code, kType, kDrillTypeHotKeys), std::nullopt) << code;
        EXPECT_EQ(drill::hot_key_item(code, kEnd, kEndHotKeys), std::nullopt) << code;
    }
    // The key of "Ö" counts on the drill-type menu only.
    EXPECT_EQ(drill::hot_key_item(key::Oe, kMain, {'A', 'S', 'M', 'D', 'B', QChar(0x00D6)}),
              std::nullopt);
}

TEST(HotKeys, TooltipsCarryTheLetter) {
    EXPECT_EQ(drill::menu_tooltip("Sluta", 1), "Sluta = L");
    EXPECT_EQ(drill::menu_tooltip("Övningar"), QString::fromUtf8("Övningar = Ö"));
    EXPECT_EQ(drill::menu_tooltip("En gång till"), QString::fromUtf8("En gång till = E"));
    EXPECT_EQ(drill::hot_key_of_tooltip("Tid = t"), QChar('T'));
    EXPECT_TRUE(drill::hot_key_of_tooltip("").isNull());
}

struct DigitCase {
    const char *typed;
    ScreenState state;
    int digit;
    bool taken;
};

class DigitLimits : public ::testing::TestWithParam<DigitCase> {};

TEST_P(DigitLimits, Taken) {
    const DigitCase &c = GetParam();
    EXPECT_EQ(drill::accepts_digit(c.typed, c.state, key::D0 + c.digit), c.taken)
        << c.typed << " + " << c.digit << " in " << c.state;
}

INSTANTIATE_TEST_SUITE_P(
    Limits, DigitLimits,
    ::testing::Values(DigitCase{"", kTask, 0, true}, DigitCase{"0", kTask, 5, false},
                      DigitCase{"0", kTask, 0, false}, DigitCase{"1", kTask, 0, true},
                      DigitCase{"12", kTask, 3, true}, DigitCase{"123", kTask, 4, true},
                      DigitCase{"1234", kTask, 5, false},
                      DigitCase{"123", ScreenState::PanelLowFirst, 4, false},
                      DigitCase{"12", ScreenState::PanelHighSecond, 4, true},
                      DigitCase{"0", ScreenState::PanelLowSecond, 1, false},
                      // The task count reaches 1000, no other four-digit number.
                      DigitCase{"100", ScreenState::PanelCount, 0, true},
                      DigitCase{"100", ScreenState::PanelCount, 1, false},
                      DigitCase{"999", ScreenState::PanelCount, 0, false},
                      DigitCase{"1000", ScreenState::PanelCount, 0, false},
                      DigitCase{"100", ScreenState::PanelHighFirst, 0, false}),
    [](const auto &info) {
        const auto &c = info.param;
        return test_names::name(info.index, c.state, "typed", *c.typed ? c.typed : "nothing",
                                "digit", c.digit);
    });

TEST(DigitLimitsKeys, OnlyMainKeyboardDigits) {
    EXPECT_FALSE(drill::accepts_digit("", kTask, key::Numpad0 + 3));
    EXPECT_FALSE(drill::accepts_digit("", kTask, key::A));
}

TEST(Displays, CursorMarkUntilTheFieldIsFull) {
    EXPECT_EQ(drill::answer_display(""), "_");
    EXPECT_EQ(drill::answer_display("123"), "123_");
    EXPECT_EQ(drill::answer_display("1234"), "1234");
    EXPECT_EQ(drill::field_display("12", ScreenState::PanelLowFirst), "12_");
    EXPECT_EQ(drill::field_display("123", ScreenState::PanelLowFirst), "123");
    EXPECT_EQ(drill::field_display("100", ScreenState::PanelCount), "100_");
    EXPECT_EQ(drill::field_display("1000", ScreenState::PanelCount), "1000");
    EXPECT_EQ(drill::field_display("100", ScreenState::PanelHighSecond), "100");
}

TEST(Status, CaptionsLoseTheirColon) {
    EXPECT_EQ(drill::status_text({"Antal uppgifter:", "100", "Kvar:", "37", "Antal fel:", "2"}),
              "Antal uppgifter,100.Kvar,37.Antal fel,2.");
    EXPECT_EQ(drill::status_text({}), "");
}

} // namespace
