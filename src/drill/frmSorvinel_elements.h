#pragma once
// Names of the main window's control-array elements that carry a meaning of their own.

// labTal: the task row.
namespace tal {
constexpr int First = 0, Sign = 1, Second = 2, Equals = 3, Answer = 4;
// The marks beside a wrong answer: it was too high, or too low.
constexpr int TooHigh = 5, TooLow = 6;
constexpr int Count = 7;
} // namespace tal

// labFakta: the status line, a caption before each value.
namespace fakta {
constexpr int CountCaption = 0, Count = 1, RemainingCaption = 2, Remaining = 3;
constexpr int ErrorCaption = 4, Errors = 5;
} // namespace fakta

// shaRam: the frame round the screen and the frame of the on-screen menu.
namespace ram {
constexpr int Outer = 0, Menu = 1;
} // namespace ram

// linRam: the bands above and below.
namespace band {
constexpr int Upper = 0, Lower = 1;
} // namespace band

// labResultat: the result line and the drill time.
namespace result {
constexpr int Line = 0, Time = 1;
} // namespace result

// labUrval: the own-selection panel; the field being typed into.
namespace urval {
constexpr int Template = 0, Prompt = 1, Input = 2;
} // namespace urval

// labMenyVal: the on-screen menu items.
namespace menu_item {
constexpr int Count = 6;
// The drill-type menu.
constexpr int Till10 = 0, OwnSelection = 1, Exercises = 2, DrillTypeMainMenu = 3;
// The end menu.
constexpr int Time = 0, OnceMore = 1, EndMainMenu = 2;
// The main menu's last item, "Sluta".
constexpr int Quit = 5;
} // namespace menu_item
