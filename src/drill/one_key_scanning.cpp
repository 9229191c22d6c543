#include "drill/one_key_scanning.h"
#include "drill/drill_keys_logic.h"

#include <iterator>

namespace scanning {
namespace {

enum class Dwell { None, FirstMenuItem, OkKey };

struct Rule {
    ScreenState first, last; // the screens a row applies to
    Dwell dwell;
    Moves moves;
};

// By screen state; the own-selection panel has no dwell on "OK".
constexpr Rule kRules[] = {
    {ScreenState::MainMenu, ScreenState::DrillTypeMenu, Dwell::FirstMenuItem, Moves::MenuItem},
    {ScreenState::DrillSetUp, ScreenState::DrillSetUp, Dwell::None, Moves::Nothing},
    {ScreenState::TaskShown, ScreenState::TaskShown, Dwell::OkKey, Moves::BoardKey},
    {ScreenState::EndMenu, ScreenState::EndMenu, Dwell::None, Moves::Nothing},
    {ScreenState::FileList, ScreenState::FileList, Dwell::None, Moves::Nothing},
    {ScreenState::PanelLowFirst, ScreenState::PanelCount, Dwell::None, Moves::BoardKey},
};

// Extra intervals the first menu item and "OK" stay current.
constexpr int kMenuDwellTicks = 1;
constexpr int kOkDwellTicks = 2;

const Rule *rule_for(ScreenState s) {
    for (const Rule &r : kRules)
        if (s >= r.first && s <= r.last)
            return &r;
    return nullptr;
}

} // namespace

Step step(const Position &at, bool beep_on) {
    Step out;
    out.menu_item = at.menu_item;
    out.board_key = at.board_key;
    out.dwell = at.dwell;
    const Rule *rule = rule_for(at.screen);
    const Dwell dwell = rule ? rule->dwell : Dwell::None;
    int ticks = -1;
    if (dwell == Dwell::FirstMenuItem && at.menu_item == 0)
        ticks = kMenuDwellTicks;
    else if (dwell == Dwell::OkKey && at.board_key == drill::kBoardEnter)
        ticks = kOkDwellTicks;
    if (ticks >= 0) {
        if (at.dwell < ticks) {
            out.dwell = at.dwell + 1;
            out.dwelling = true;
            return out;
        }
        out.dwell = 0;
    }
    out.beep = beep_on;
    const Moves moves = rule ? rule->moves : Moves::Nothing;
    if (moves == Moves::MenuItem) {
        drill::MenuContext c;
        c.screen_state = at.screen;
        c.blandat = at.blandat;
        out.menu_item = drill::menu_item_after(drill::KeyAction::MenuNext, at.menu_item, c);
        out.moves = moves;
    } else if (moves == Moves::BoardKey && at.board_steered) {
        out.board_key = drill::board_key_after(drill::KeyAction::BoardNext, at.board_key, 1);
        out.moves = moves;
    }
    return out;
}

} // namespace scanning
