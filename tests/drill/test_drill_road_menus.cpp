// The on-screen main menu and drill-type menu of the real main window: items, hot keys,
// arrows, hover, what a choice does, and what is spoken.

#include "test_drill_road_fixture.h"

#include <QAction>
#include <QMenu>
#include <set>
#include <tuple>

namespace {

namespace key = vb::key;

TEST_F(DrillRoad, MainMenuAfterStartUp) {
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
    EXPECT_EQ(w->labMeny->Caption(), QString::fromUtf8("Tabellövning"));
    const char *const items[] = {"Addition", "Subtraktion", "Multiplikation",
                                 "Division", "Blandat",     "Sluta"};
    const char *const tips[] = {"Addition = A", "Subtraktion = S", "Multiplikation = M",
                                "Division = D", "Blandat = B",     "Sluta = L"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(caption(w->labMenyVal, i), items[i]);
        EXPECT_EQ(w->labMenyVal[i]->toolTip(), tips[i]);
        EXPECT_TRUE(shown(w->labMenyVal, i)) << i;
        EXPECT_EQ(w->labMenyVal[i]->font().bold(), i == 0) << i;
        if (i > 0) {
            EXPECT_GT(w->labMenyVal[i]->Top(), w->labMenyVal[i - 1]->Top());
        }
    }
    EXPECT_EQ(w->current_menu_item, 0);
    EXPECT_FALSE(w->menAvbryt->isEnabled());
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(shown(w->labFakta, i)) << i;
}

TEST_F(DrillRoad, HotKeysChooseOnlyByLetter) {
    // Keypad digits, keypad minus and F-keys carry codes of lower-case letters.
    for (int code : {key::Numpad0 + 1, key::Numpad0 + 2, key::Subtract, key::F1 + 1, key::F1 + 3,
                     key::Oe, key::Ae}) {
        press(code);
        EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu) << code;
        EXPECT_EQ(w->current_menu_item, 0) << code;
    }
    letter('S');
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::DrillTypeMenu);
    EXPECT_EQ(modSorvinel.current_operation, Operation::Subtraktion);
    EXPECT_EQ(w->labMeny->Caption(), "Subtraktion");
    EXPECT_TRUE(w->menAvbryt->isEnabled());
    const char *const items[] = {"Till 10:an", "Eget urval", "Övningar", "Huvudmeny"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(caption(w->labMenyVal, i), QString::fromUtf8(items[i]));
        EXPECT_TRUE(shown(w->labMenyVal, i)) << i;
    }
    EXPECT_FALSE(shown(w->labMenyVal, 4));
    EXPECT_FALSE(shown(w->labMenyVal, 5));

    int item = -1;
    EXPECT_EQ(w->menu_item_for_key(key::Oe, item), key::Oe);
    EXPECT_EQ(item, 2);
    letter('H');
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
    item = -1;
    EXPECT_EQ(w->menu_item_for_key(key::Oe, item), -1);
    EXPECT_EQ(item, -1);
}

TEST_F(DrillRoad, SlutaIsTheLKey) {
    ASSERT_TRUE(w->isVisible());
    letter('L');
    EXPECT_FALSE(w->isVisible());
}

TEST_F(DrillRoad, ArrowsMoveTheHighlightWithoutWrapAndSpaceWraps) {
    press(key::Up);
    EXPECT_EQ(w->current_menu_item, 0);
    for (int i = 0; i < 7; ++i)
        press(key::Down);
    EXPECT_EQ(w->current_menu_item, 5);
    EXPECT_TRUE(w->labMenyVal[5]->font().bold());
    EXPECT_FALSE(w->labMenyVal[0]->font().bold());
    EXPECT_EQ(w->labMenyVal[0]->ForeColor(), modSorvinel.dim_colour);
    press(key::Space);
    EXPECT_EQ(w->current_menu_item, 0);
    press(key::Down);
    press(key::Return);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::DrillTypeMenu);
    EXPECT_EQ(modSorvinel.current_operation, Operation::Subtraktion);
}

TEST_F(DrillRoad, BlandatNeverReachesTheHiddenOwnSelection) {
    letter('B');
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::DrillTypeMenu);
    EXPECT_FALSE(shown(w->labMenyVal, 1));
    EXPECT_TRUE(shown(w->labMenyVal, 2));
    // The gap stays where "Eget urval" would be.
    EXPECT_GT(w->labMenyVal[2]->Top() - w->labMenyVal[0]->Top(), 1.5 * w->labMenyVal[0]->Height());

    letter('E');
    EXPECT_EQ(w->current_menu_item, 0);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::DrillTypeMenu);
    press(key::Down);
    EXPECT_EQ(w->current_menu_item, 2);
    press(key::Up);
    EXPECT_EQ(w->current_menu_item, 0);
    press(key::Space);
    EXPECT_EQ(w->current_menu_item, 2);
    w->labMenyVal_Click(1);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::DrillTypeMenu);
    EXPECT_FALSE(shown(w->labMenyVal, 1));

    // Coming back to the items keeps the gap.
    w->show_drill_type_items();
    EXPECT_FALSE(shown(w->labMenyVal, 1));
}

TEST_F(DrillRoad, HoverHighlightsAndSpeaksOnce) {
    speak_everything();
    w->labMenyVal_MouseMove(2);
    w->labMenyVal_MouseMove(2);
    EXPECT_EQ(spoken(), QStringList{"Multiplikation"});
    EXPECT_TRUE(w->labMenyVal[2]->font().bold());
    EXPECT_EQ(w->labMenyVal[2]->ForeColor(), w->labTal[0]->ForeColor());
    EXPECT_FALSE(w->labMenyVal[0]->font().bold());
}

TEST_F(DrillRoad, MenusSpeakAndWriteTheReaderField) {
    speak_everything();
    modSorvinel.screen_reader_text_on = true;
    w->show_main_menu();
    EXPECT_EQ(spoken(), QStringList{"Addition"});
    EXPECT_EQ(w->txtJaws->text(), "Addition");
    letter('A');
    EXPECT_EQ(spoken().last(), "till tian");
    EXPECT_EQ(w->txtJaws->text(), "Till 10:an");
    // Menu speech off: the menus are silent, the drill still speaks.
    modSorvinel.speak_menus = false;
    letter('H');
    EXPECT_EQ(spoken().size(), 2);
}

struct Till10Case {
    Operation operation;
    char hot_key;
    long tasks;
};

class Till10Road : public DrillRoad, public ::testing::WithParamInterface<Till10Case> {};

TEST_P(Till10Road, EveryTaskOnceFromTheMenu) {
    const Till10Case &c = GetParam();
    letter(c.hot_key);
    letter('T');
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    EXPECT_EQ(modSorvinel.task_count, c.tasks);
    EXPECT_EQ(caption(w->labFakta, 1), QString::number(c.tasks));
    EXPECT_EQ(caption(w->labFakta, 3), QString::number(c.tasks));
    EXPECT_EQ(caption(w->labFakta, 5), "0");
    EXPECT_EQ(w->drill_session().pass_length(), c.tasks);
    EXPECT_EQ(modSorvinel.record_drill_active, modSorvinel.check_records);

    std::set<std::tuple<int, int, QString>> asked;
    for (int i = 0; i < w->drill_session().pass_length(); ++i) {
        const int a = modSorvinel.task_operands[drill::Row::AskedFirst][size_t(i)];
        const int b = modSorvinel.task_operands[drill::Row::AskedSecond][size_t(i)];
        const QString sign = modSorvinel.task_operators[drill::Row::AskedSign][size_t(i)];
        const std::optional<Operation> op =
            c.operation == Operation::Blandat ? drill::operation_of_sign(sign) : c.operation;
        ASSERT_TRUE(op);
        EXPECT_TRUE(drill::is_valid_task(*op, a, b)) << a << sign.toStdString() << b;
        EXPECT_TRUE(a >= 1 && a <= 10 && b >= 1 && b <= 10);
        EXPECT_TRUE(asked.insert({a, b, sign}).second) << "twice: " << a << " " << b;
    }
    EXPECT_EQ(long(asked.size()), c.tasks);
    EXPECT_TRUE(w->pbaMusse->isHidden());
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(shown(w->labMenyVal, i));
}

INSTANTIATE_TEST_SUITE_P(Operations, Till10Road,
                         ::testing::Values(Till10Case{Operation::Addition, 'A', 100},
                                           Till10Case{Operation::Subtraktion, 'S', 55},
                                           Till10Case{Operation::Multiplikation, 'M', 100},
                                           Till10Case{Operation::Division, 'D', 100},
                                           Till10Case{Operation::Blandat, 'B', 355}),
                         [](const auto &info) {
                             const auto &c = info.param;
                             return test_names::name(info.index, c.operation);
                         });

TEST_F(DrillRoad, TheMenuBarRoadRunsTheSameDrill) {
    int item = 0;
    w->select_till10_from_menu(Operation::Multiplikation, item);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    EXPECT_EQ(w->labMeny->Caption(), "Multiplikation");
    EXPECT_FALSE(w->menVal->isEnabled());
    EXPECT_TRUE(w->menAvbryt->isEnabled());
    EXPECT_EQ(caption(w->labTal, 1), QString::fromUtf8("•"));
}

TEST_F(DrillRoad, ClicksWithoutMeaningDoNothing) {
    w->labMenyVal_Click(4);
    letter('A');
    w->labMenyVal_Click(4);
    w->labMenyVal_Click(5);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::DrillTypeMenu);
    letter('T');
    // While a task waits, a click on an item means nothing.
    w->labMenyVal_Click(0);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    EXPECT_EQ(caption(w->labTal, 0), "1");
}

} // namespace
