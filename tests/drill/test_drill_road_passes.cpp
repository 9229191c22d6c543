// A drill on the real main window: the task row, typing an answer, the too-high and too-low
// marks, the passes over wrong tasks, the status line, the result and the end menu.

#include "test_drill_road_fixture.h"

#include <map>

namespace {

namespace key = vb::key;

// Answers right until the task whose answer is `wanted` is shown.
void answer_until(int wanted, const std::function<int()> &right,
                  const std::function<void(int)> &answer) {
    for (int guard = 0; guard < 1000 && right() != wanted; ++guard)
        answer(right());
}

TEST_F(DrillRoad, WrongTriesMarkBelowAndAboveThenTheTaskGoesIntoTheNextPass) {
    letter('A');
    letter('T');
    ASSERT_EQ(caption(w->labTal, 0), "1");
    ASSERT_EQ(caption(w->labTal, 2), "1");
    answer(2);
    // Right at the first try: one fewer left.
    EXPECT_EQ(caption(w->labFakta, 3), "99");

    answer_until(
        7, [this] { return right_answer(); }, [this](int v) { answer(v); });
    ASSERT_EQ(right_answer(), 7);
    const QString first = caption(w->labTal, 0), second = caption(w->labTal, 2);
    const QString left = caption(w->labFakta, 3);
    const struct {
        int value;
        bool low_shown;
        const char *low;
        bool high_shown;
        const char *high;
    } tries[] = {
        {3, true, "3", false, "9999"}, {9, true, "3", true, "9"}, {5, true, "5", true, "9"}};
    int errors = 0;
    for (const auto &t : tries) {
        answer(t.value);
        ++errors;
        EXPECT_EQ(shown(w->labTal, 6), t.low_shown) << t.value;
        EXPECT_EQ(caption(w->labTal, 6), t.low) << t.value;
        EXPECT_EQ(shown(w->labTal, 5), t.high_shown) << t.value;
        EXPECT_EQ(caption(w->labTal, 5), t.high) << t.value;
        EXPECT_EQ(caption(w->labFakta, 5), QString::number(errors));
        EXPECT_EQ(caption(w->labTal, 4), "_");
        EXPECT_EQ(caption(w->labTal, 0), first) << "the task stays";
        EXPECT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
        EXPECT_FALSE(w->drill_session().first_try());
    }
    answer(7);
    EXPECT_EQ(w->drill_session().wrong_count(), 1);
    EXPECT_EQ(w->drill_session().error_count(), 3);
    EXPECT_EQ(caption(w->labFakta, 3), left) << "a task answered wrongly first is not done";
    ASSERT_EQ(w->lstFel->count(), 1);
    EXPECT_EQ(w->lstFel->item(0)->text(), first + " + " + second + " =");
    EXPECT_FALSE(shown(w->labTal, 5));
    EXPECT_FALSE(shown(w->labTal, 6));
    EXPECT_EQ(caption(w->labTal, 6), "0");

    // The rest right; then the next pass asks that one task.
    for (int guard = 0;
         guard < 200 && w->drill_session().task_index() < w->drill_session().pass_length() &&
         w->drill_session().wrong_count() == 1 && w->drill_session().pass_length() == 100;
         ++guard)
        answer(right_answer());
    EXPECT_EQ(w->drill_session().pass_length(), 1);
    EXPECT_EQ(caption(w->labTal, 0), first);
    EXPECT_EQ(caption(w->labTal, 2), second);
    EXPECT_EQ(w->lstFel->count(), 1) << "the list lasts over the passes";
    answer(7);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::EndMenu);
    EXPECT_EQ(caption(w->labResultat, 0), "Antal fel: 3");
    EXPECT_TRUE(shown(w->labResultat, 0));
}

TEST_F(DrillRoad, DivisionShowsTheDividendAndListsItAsSuch) {
    start_drill(Operation::Division, {{4, 3, "/"}, {2, 5, "/"}});
    EXPECT_EQ(caption(w->labTal, 0), "12");
    EXPECT_EQ(caption(w->labTal, 1), "/");
    EXPECT_EQ(caption(w->labTal, 2), "3");
    answer(5);
    EXPECT_EQ(caption(w->labTal, 5), "5");
    answer(4);
    ASSERT_EQ(w->lstFel->count(), 1);
    EXPECT_EQ(w->lstFel->item(0)->text(), "12 / 3 =");
    EXPECT_EQ(caption(w->labTal, 0), "10");
}

TEST_F(DrillRoad, MixedTasksShowTheirOwnSign) {
    start_drill(Operation::Blandat, {{6, 7, "*"}, {8, 2, "-"}});
    EXPECT_EQ(caption(w->labTal, 1), QString::fromUtf8("•"));
    answer(41);
    answer(42);
    EXPECT_EQ(w->lstFel->item(0)->text(), "6 * 7 =");
    EXPECT_EQ(caption(w->labTal, 1), "-");
    EXPECT_EQ(caption(w->labTal, 0), "8");
}

TEST_F(DrillRoad, TasksAreSpokenAndWrittenForTheScreenReader) {
    speak_everything();
    modSorvinel.screen_reader_text_on = true;
    modSorvinel.reader_text_blanks = false;
    start_drill(Operation::Addition, {{3, 2, "+"}, {7, 5, "+"}});
    EXPECT_EQ(spoken().last(), "3 plus 2.");
    EXPECT_EQ(w->txtJaws->text(), "3+2=");
    answer(7);
    EXPECT_TRUE(spoken().contains(QString::fromUtf8("för högt")));
    EXPECT_EQ(w->txtJaws->text(), QString::fromUtf8("7 är för högt. 3+2="));
    type("5");
    EXPECT_EQ(w->txtJaws->text(), "3+2=5");
    EXPECT_EQ(spoken().last(), "5");
    press(key::Back);
    EXPECT_EQ(w->txtJaws->text(), "3+2=");
    EXPECT_EQ(spoken().last(), "3 plus 2.") << "an empty answer reads the task again";
    answer(5);
    EXPECT_EQ(spoken().last(), "7 plus 5.");
}

TEST_F(DrillRoad, AnswerDigitsAreLimited) {
    speak_everything();
    start_drill(Operation::Addition, {{3, 2, "+"}});
    type("05");
    EXPECT_EQ(w->typed_text, "0");
    EXPECT_EQ(caption(w->labTal, 4), "0_");
    EXPECT_EQ(spoken().last(), "0") << "a refused digit speaks what is typed";
    press(key::Back);
    type("12345");
    EXPECT_EQ(w->typed_text, "1234");
    EXPECT_EQ(caption(w->labTal, 4), "1234");
    press(key::Back);
    EXPECT_EQ(caption(w->labTal, 4), "123_");
    for (int i = 0; i < 5; ++i)
        press(key::Back);
    EXPECT_EQ(caption(w->labTal, 4), "_");
    // Keypad digits type like the others; Enter with nothing typed does nothing.
    press(key::Return);
    EXPECT_EQ(w->drill_session().error_count(), 0);
    press(key::Numpad0 + 5);
    EXPECT_EQ(caption(w->labTal, 4), "5_");
    press(key::Return);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::EndMenu);
}

TEST_F(DrillRoad, AHeldKeyActsOnceUntilItIsLetGo) {
    start_drill(Operation::Addition, {{3, 2, "+"}});
    int code = key::D0 + 4;
    w->Form_KeyDown(code, 0);
    code = key::D0 + 4;
    w->Form_KeyDown(code, 0);
    EXPECT_EQ(w->typed_text, "4");
    w->Form_KeyUp(code, 0);
    w->Form_KeyDown(code, 0);
    EXPECT_EQ(w->typed_text, "44");
    w->Form_KeyUp(code, 0);
    // With key repetition allowed every press counts.
    modSorvinel.key_repeat_blocked = false;
    press(key::Back);
    press(key::Back);
    code = key::D0 + 1;
    w->Form_KeyDown(code, 0);
    w->Form_KeyDown(code, 0);
    EXPECT_EQ(w->typed_text, "11");
}

TEST_F(DrillRoad, PageUpReadsTheStatusLineWhenTasksAreSpoken) {
    start_drill(Operation::Addition, {{3, 2, "+"}, {1, 1, "+"}});
    answer(5);
    answer(3);
    press(key::PageUp);
    EXPECT_TRUE(spoken().isEmpty()) << "speech is off";
    speak_everything();
    press(key::PageUp);
    EXPECT_EQ(spoken(), QStringList{"Antal uppgifter,2.Kvar,1.Antal fel,1."});
}

TEST_F(DrillRoad, EscLeavesTheDrillOnlyWhenAllowed) {
    letter('M');
    letter('T');
    modSorvinel.esc_allowed = false;
    press(key::Escape);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    modSorvinel.esc_allowed = true;
    press(key::Escape);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
    EXPECT_FALSE(shown(w->labTal, 0));
    EXPECT_FALSE(shown(w->labFakta, 1));
    EXPECT_TRUE(shown(w->labMenyVal, 0));
    EXPECT_FALSE(w->menAvbryt->isEnabled());
    // Esc on the main menu means nothing.
    press(key::Escape);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
}

TEST_F(DrillRoad, NoDrillWithoutTasks) {
    letter('D');
    const int beeps = platform::beep_count();
    modSorvinel.beep_on = true;
    // A divisor range of 0 alone holds no task.
    w->generate_selection_tasks(1, 5, 0, 0, 0);
    EXPECT_EQ(w->drill_session().pass_length(), 0);
    w->start_drill_screen();
    w->show_next_task();
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::DrillTypeMenu);
    EXPECT_FALSE(shown(w->labTal, 0));
    EXPECT_FALSE(shown(w->labResultat, 0));
    EXPECT_EQ(platform::beep_count(), beeps + 1);
}

TEST_F(DrillRoad, ErrorFreeDrillEndsWithPraiseOnlyWhenLongEnough) {
    speak_everything();
    start_drill(Operation::Addition, {{1, 2, "+"}, {2, 2, "+"}});
    answer(3);
    answer(4);
    EXPECT_EQ(caption(w->labResultat, 0), QString::fromUtf8("Alla rätt!"));
    EXPECT_FALSE(spoken().contains(QString::fromUtf8("Alla rätt! Mycket bra!")));

    modSorvinel.reward_min_tasks = 2;
    start_drill(Operation::Addition, {{1, 2, "+"}, {2, 2, "+"}});
    answer(3);
    end_next_modal();
    answer(4);
    EXPECT_EQ(modals_ended, 1);
    EXPECT_TRUE(spoken().contains(QString::fromUtf8("Alla rätt! Mycket bra!")));
    EXPECT_EQ(caption(w->labResultat, 0), QString::fromUtf8("Alla rätt!"));
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::EndMenu);
}

TEST_F(DrillRoad, EndMenuItemsAndTheTimeAcrossMidnight) {
    now = 23 * 3600 + 59 * 60 + 50;
    start_drill(Operation::Addition, {{1, 2, "+"}, {2, 2, "+"}});
    answer(3);
    now = 20;
    answer(4);
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::EndMenu);
    EXPECT_EQ(modSorvinel.drill_elapsed_seconds, 30);
    const char *const items[] = {"Tid", "En gång till", "Huvudmeny"};
    const char *const tips[] = {"Tid = T", "En gång till = E", "Huvudmeny = H"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(caption(w->labMenyVal, i), QString::fromUtf8(items[i]));
        EXPECT_EQ(w->labMenyVal[i]->toolTip(), QString::fromUtf8(tips[i]));
        EXPECT_TRUE(shown(w->labMenyVal, i));
    }
    for (int i = 3; i < 6; ++i)
        EXPECT_FALSE(shown(w->labMenyVal, i)) << i;
    EXPECT_EQ(w->current_menu_item, 0);
    EXPECT_EQ(w->labResultat[0]->Top(), w->labMenyVal[4]->Top());

    speak_everything();
    letter('T');
    EXPECT_EQ(caption(w->labResultat, 1), "Tid:  30 sek ");
    EXPECT_TRUE(shown(w->labResultat, 1));
    EXPECT_FALSE(shown(w->labMenyVal, 0));
    EXPECT_EQ(w->current_menu_item, 2);
    EXPECT_EQ(spoken(), QStringList{"Tid:  30 sek .Huvudme-ny"});
    // "Tid" is gone: its letter, Up and space never reach item 0.
    letter('T');
    EXPECT_EQ(w->current_menu_item, 2);
    press(key::Up);
    press(key::Up);
    EXPECT_EQ(w->current_menu_item, 1);
    press(key::Space);
    press(key::Space);
    EXPECT_EQ(w->current_menu_item, 1);
    // Item 3 is no end-menu item.
    w->labMenyVal_Click(3);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::EndMenu);

    letter('H');
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
    EXPECT_FALSE(shown(w->labResultat, 0));
    EXPECT_FALSE(shown(w->labResultat, 1));
    EXPECT_EQ(caption(w->labMenyVal, 0), "Addition");
}

TEST_F(DrillRoad, OnceMoreAsksTheSameTasksInANewOrder) {
    start_drill(Operation::Addition, {{1, 2, "+"}, {2, 2, "+"}, {3, 2, "+"}});
    answer(2);
    answer(3);
    answer(4);
    answer(5);
    answer(3);
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::EndMenu);
    ASSERT_EQ(w->lstFel->count(), 1);
    const auto stored = modSorvinel.task_operands[drill::Row::StoredFirst];

    // Descending keys reverse the order.
    double next = 0.9;
    platform::set_random_source([&next] { return next -= 0.1; });
    letter('E');
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    EXPECT_EQ(caption(w->labFakta, 1), "3");
    EXPECT_EQ(caption(w->labFakta, 3), "3");
    EXPECT_EQ(caption(w->labFakta, 5), "0");
    EXPECT_EQ(w->drill_session().error_count(), 0);
    EXPECT_FALSE(shown(w->labResultat, 0));
    EXPECT_EQ(w->lstFel->count(), 0) << "a new drill empties the latest-wrong list";
    EXPECT_EQ(caption(w->labTal, 0), "3");
    EXPECT_EQ(modSorvinel.task_operands[drill::Row::StoredFirst], stored);
    answer(5);
    answer(4);
    answer(3);
    EXPECT_EQ(caption(w->labResultat, 0), QString::fromUtf8("Alla rätt!"));
}

} // namespace

namespace {

TEST_F(DrillRoad, ChosenCountGivesDistinctRandomTasksThenWholeRounds) {
    // Random draws walk through the pairs; the orderings that follow draw too.
    int draw = 0;
    platform::set_random_source([&draw] { return double((draw++ * 7) % 100) / 100.0; });
    modSorvinel.current_operation = Operation::Addition;
    // 1..3 x 1..3: nine tasks; 21 = three random ones and two whole rounds.
    w->generate_selection_tasks(1, 3, 1, 3, 21);
    ASSERT_EQ(w->drill_session().pass_length(), 21);
    EXPECT_EQ(modSorvinel.possible_task_count, 9);
    EXPECT_EQ(w->pbaMusse->maximum(), 42);
    EXPECT_LE(w->pbaMusse->value(), w->pbaMusse->maximum());
    EXPECT_TRUE(w->pbaMusse->isHidden());
    std::map<std::pair<int, int>, int> times;
    for (int i = 0; i < 21; ++i)
        ++times[{modSorvinel.task_operands[drill::Row::AskedFirst][size_t(i)],
                 modSorvinel.task_operands[drill::Row::AskedSecond][size_t(i)]}];
    ASSERT_EQ(times.size(), 9u);
    int thrice = 0;
    for (const auto &[task, n] : times) {
        EXPECT_TRUE(n == 2 || n == 3) << task.first << "+" << task.second;
        thrice += n == 3;
    }
    EXPECT_EQ(thrice, 3);
}

} // namespace
