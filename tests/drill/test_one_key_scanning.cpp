// One-key scanning as a scripted timer: each tick is one step from where the last one left
// the highlight, with the dwell count carried over.
#include "drill/one_key_scanning.h"

#include <gtest/gtest.h>

namespace {
using scanning::Position;

// What each of `ticks` timer ticks leaves current: "-" a silent dwell tick, "b" a beep with
// nothing moved, otherwise the new item or key.
QStringList run(Position at, int ticks, bool beep_on = true) {
    QStringList seen;
    for (int i = 0; i < ticks; ++i) {
        const scanning::Step s = scanning::step(at, beep_on);
        at.dwell = s.dwell;
        at.menu_item = s.menu_item;
        at.board_key = s.board_key;
        if (s.dwelling) {
            EXPECT_FALSE(s.beep);
            seen << "-";
        } else if (s.moves == scanning::Moves::Nothing) {
            seen << (s.beep ? "b" : "");
        } else {
            EXPECT_EQ(s.beep, beep_on);
            seen << QString::number(s.moves == scanning::Moves::MenuItem ? s.menu_item
                                                                         : s.board_key);
        }
    }
    return seen;
}

TEST(OneKeyScanning, StepTableByScreen) {
    struct Case {
        const char *what;
        Position at;
        int ticks;
        QString expected;
    };
    const auto at = [](ScreenState s, int item, int key, bool blandat = false, int dwell = 0) {
        Position p;
        p.screen = s;
        p.menu_item = item;
        p.board_key = key;
        p.blandat = blandat;
        p.board_steered = true;
        p.dwell = dwell;
        return p;
    };
    const Case cases[] = {
        {"main menu: item 0 for two intervals, then round", at(ScreenState::MainMenu, 0, 0), 9,
         "- 1 2 3 4 5 0 - 1"},
        {"drill-type menu wraps after item 3", at(ScreenState::DrillTypeMenu, 2, 0), 4, "3 0 - 1"},
        {"Blandat never highlights item 1", at(ScreenState::DrillTypeMenu, 0, 0, true), 5,
         "- 2 3 0 -"},
        {"a drill: OK for three intervals, every other key one", at(ScreenState::TaskShown, 0, 0),
         16, "- - 1 2 3 4 5 6 7 8 9 10 11 0 - -"},
        {"a dwell begun elsewhere is finished here", at(ScreenState::TaskShown, 0, 0, false, 1), 2,
         "- 1"},
        {"the own-selection panel: no dwell on OK", at(ScreenState::PanelLowFirst, 11, 11), 2,
         "0 1"},
        {"end menu: beeps, nothing moves", at(ScreenState::EndMenu, 0, 0), 3, "b b b"},
        {"file list: beeps, nothing moves", at(ScreenState::FileList, 0, 0), 2, "b b"},
        {"drill screen being set up", at(ScreenState::DrillSetUp, 0, 0), 1, "b"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(run(c.at, c.ticks).join(' '), c.expected) << c.what;
}

TEST(OneKeyScanning, NoBeepWithSoundOffAndNoBoardStepWhenClicked) {
    Position p;
    p.screen = ScreenState::TaskShown;
    p.board_key = 4;
    p.board_steered = false;
    const scanning::Step s = scanning::step(p, false);
    EXPECT_FALSE(s.beep);
    EXPECT_EQ(s.moves, scanning::Moves::Nothing);
    EXPECT_EQ(s.board_key, 4);
}

} // namespace
