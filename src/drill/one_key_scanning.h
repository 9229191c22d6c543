#pragma once
// One step of one-key scanning, without widgets or timer: by screen state, whether the tick
// only dwells (the first menu item and a drill's "OK" stay current longer), whether it
// beeps, and what becomes current. The window's timer carries the step out.

#include "shared/modSorvinel.h"

namespace scanning {

struct Position {
    ScreenState screen = ScreenState::MainMenu;
    int menu_item = 0;
    int board_key = 0;
    bool blandat = false;       // the drill-type menu of Blandat offers no "Eget urval"
    bool board_steered = false; // the board is shown and not clicked
    int dwell = 0;              // ticks spent dwelling so far, carried over between screens
};

enum class Moves { Nothing, MenuItem, BoardKey };

struct Step {
    bool dwelling = false; // the tick only counts: no beep, no move
    bool beep = false;
    Moves moves = Moves::Nothing;
    int menu_item = 0;
    int board_key = 0;
    int dwell = 0;
};

Step step(const Position &at, bool beep_on);

} // namespace scanning
