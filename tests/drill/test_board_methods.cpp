// Each control method answers drill tasks on the real window: the board clicked with the
// mouse, steered with arrows, space and Enter, or stepped by the one-key timer with Enter.
#include "platform/settings_store.h"
#include "shared/number_board.h"
#include "test_drill_road_fixture.h"

#include <QTest>

namespace {

class BoardMethod : public DrillRoad {
protected:
    void load_with_method(const char *method) {
        fixture.home.store().SaveSetting("Styrning", "Alternativ", method);
        DrillRoad::SetUp();
        // The test's own ticks stand in for the timer.
        w->timEnTangent->stop();
    }
    void SetUp() override {}
    int bold_keys() const {
        int n = 0;
        for (int i = 0; i < number_board::kKeyCount; ++i)
            n += w->labSiffertavla[i]->font().bold() ? 1 : 0;
        return n;
    }
    // The board key of a digit.
    static int key_of(QChar digit) { return digit.digitValue() + 1; }
    int task_sum() const {
        return w->labTal[0]->Caption().toInt() + w->labTal[2]->Caption().toInt();
    }
};

TEST_F(BoardMethod, KeyboardOnlyHasNoBoard) {
    load_with_method("0");
    start_drill(Operation::Addition, {{2, 3, "+"}});
    EXPECT_FALSE(w->labSiffertavla.loaded(1));
    EXPECT_TRUE(w->labSiffertavla[0]->isHidden());
    answer(5);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::EndMenu);
}

TEST_F(BoardMethod, MouseHoverPressAndClickTypeAsTheKeyboard) {
    load_with_method("1");
    start_drill(Operation::Addition, {{3, 4, "+"}});
    ASSERT_TRUE(w->labSiffertavla.loaded(11));
    EXPECT_FALSE(w->labSiffertavla[8]->isHidden());
    EXPECT_EQ(w->labSiffertavla[11]->Caption(), QString(QChar(0x00AB)));
    const int seven = key_of('7');
    w->labSiffertavla_MouseMove(seven);
    EXPECT_EQ(bold_keys(), 1);
    EXPECT_TRUE(w->labSiffertavla[seven]->font().bold());
    EXPECT_EQ(w->labSiffertavla[seven]->BackColor(), vb::kButtonFace);
    const int beeps = platform::beep_count();
    QTest::mousePress(w->labSiffertavla[seven], Qt::LeftButton);
    EXPECT_EQ(w->labSiffertavla[seven]->BackColor(), vb::kButtonShadow);
    EXPECT_EQ(platform::beep_count(), beeps + 1);
    QTest::mouseRelease(w->labSiffertavla[seven], Qt::LeftButton);
    EXPECT_EQ(w->labSiffertavla[seven]->BackColor(), vb::kButtonFace);
    EXPECT_EQ(caption(w->labTal, 4), "7_");
    EXPECT_TRUE(w->key_held.empty()) << "a click leaves no key held";
    // Typing still works beside the mouse.
    press(vb::key::Back);
    type("7");
    QTest::mouseClick(w->labSiffertavla[number_board::kEnterKey], Qt::LeftButton);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::EndMenu);
}

TEST_F(BoardMethod, AHeldKeyIsNotReleasedByAClick) {
    load_with_method("1");
    start_drill(Operation::Addition, {{3, 4, "+"}});
    int enter = vb::key::Return;
    type("7");
    w->Form_KeyDown(enter, 0); // held: no key-up yet
    ASSERT_FALSE(w->key_held.empty());
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::EndMenu);
    w->labSiffertavla_Click(key_of('1'));
    EXPECT_FALSE(w->key_held.empty());
    w->Form_KeyDown(enter, 0); // its auto-repeat
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::EndMenu) << "the repeat chose nothing";
}

TEST_F(BoardMethod, WholeTill10DrillWithArrowsSpaceAndEnter) {
    load_with_method("2");
    modSorvinel.reward_min_tasks = 1000;
    letter('A');
    letter('T');
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    EXPECT_TRUE(w->labSiffertavla[0]->font().bold());
    // Digits and Backspace do nothing on a steered board.
    type("5");
    EXPECT_EQ(caption(w->labTal, 4), "_");
    for (int asked = 0; asked < 100; ++asked) {
        ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown) << asked;
        for (QChar d : QString::number(task_sum())) {
            ASSERT_EQ(w->board_key, 0);
            const int key = key_of(d);
            // Down to the second row when the key is there, then right; space past the end.
            if (key >= 6)
                press(vb::key::Down);
            while (w->board_key < key)
                press(asked % 2 ? vb::key::Space : vb::key::Right);
            EXPECT_EQ(bold_keys(), 1);
            press(vb::key::Return);
        }
        EXPECT_EQ(caption(w->labTal, 4), QString::number(task_sum()) + "_");
        press(vb::key::Return);
    }
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::EndMenu);
    EXPECT_EQ(caption(w->labResultat, 0), "Alla rätt!");
}

TEST_F(BoardMethod, WholeTill10DrillWithEnterAloneWhileTheTimerSteps) {
    load_with_method("3");
    modSorvinel.reward_min_tasks = 50;
    modSorvinel.speak_menus = true;
    // Main menu: "Addition" is current; Enter opens its drill-type menu, Enter again starts.
    press(vb::key::Return);
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::DrillTypeMenu);
    press(vb::key::Return);
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    int ticks = 0;
    int item_during = -1;
    for (int asked = 0; asked < 100; ++asked) {
        ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown) << asked;
        for (QChar d : QString::number(task_sum())) {
            while (w->board_key != key_of(d) && ticks < 100000) {
                w->timEnTangent_Timer();
                ++ticks;
            }
            press(vb::key::Return);
            EXPECT_EQ(w->board_key, 0);
        }
        const bool last = asked == 99;
        if (!last) {
            press(vb::key::Return);
            continue;
        }
        // The last Enter opens the reward window; it is let go while that is up, and the
        // timer's ticks meanwhile move nothing.
        fixture.modal.start([&](QWidget *modal) {
            auto *dialog = qobject_cast<QDialog *>(modal);
            if (!dialog)
                return false;
            const int before = w->current_menu_item;
            for (int i = 0; i < 5; ++i)
                w->timEnTangent_Timer();
            item_during = w->current_menu_item - before;
            QTest::keyRelease(modal, Qt::Key_Return);
            dialog->done(QDialog::Rejected);
            return true;
        });
        QTest::keyPress(w, Qt::Key_Return);
    }
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::EndMenu);
    EXPECT_EQ(item_during, 0);
    EXPECT_TRUE(w->key_held.empty()) << "the key let go during the reward is not held after it";
    // The end menu does not step; Enter chooses "Tid", which moves on to "Huvudmeny".
    w->timEnTangent_Timer();
    EXPECT_EQ(w->current_menu_item, 0);
    QTest::keyClick(w, Qt::Key_Return);
    EXPECT_EQ(w->current_menu_item, 2);
    QTest::keyClick(w, Qt::Key_Return);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
}

} // namespace

namespace {

TEST_F(BoardMethod, AnIntervalOfZeroIsAStoppedTimerNotASpinningOne) {
    load_with_method("3");
    w->set_one_key_scanning(true, 0);
    EXPECT_FALSE(w->timEnTangent->isActive());
    w->set_one_key_scanning(true, 2000);
    EXPECT_TRUE(w->timEnTangent->isActive());
    EXPECT_EQ(w->timEnTangent->interval(), 2000);
    w->set_one_key_scanning(false, 2000);
    EXPECT_FALSE(w->timEnTangent->isActive());
}

TEST_F(BoardMethod, RowsChangedDuringADrillRebuildTheShownBoard) {
    load_with_method("2");
    start_drill(Operation::Addition, {{2, 3, "+"}});
    const double key0_top = w->labSiffertavla[0]->Top();
    EXPECT_GT(w->labSiffertavla[6]->Top(), key0_top);
    ModSorvinel &m = modSorvinel;
    m.build_number_board(false, m.number_board_built, 1);
    m.board_rows = 1;
    m.build_number_board(true, m.number_board_built, 1);
    EXPECT_FALSE(w->labSiffertavla[11]->isHidden());
    EXPECT_EQ(w->labSiffertavla[6]->Top(), key0_top);
    EXPECT_TRUE(w->labSiffertavla[0]->font().bold());
    press(vb::key::Down);
    EXPECT_EQ(w->board_key, 0) << "one row: Down does nothing";
    press(vb::key::Left);
    EXPECT_EQ(w->board_key, 0);
}

} // namespace

namespace {

TEST_F(BoardMethod, TheOwnSelectionPanelIsSteppedWithoutADwellOnOk) {
    load_with_method("3");
    modSorvinel.current_operation = Operation::Addition;
    w->show_selection_panel();
    ASSERT_TRUE(is_panel_field(modSorvinel.screen_state));
    EXPECT_TRUE(w->labSiffertavla[0]->font().bold());
    w->timEnTangent_Timer();
    EXPECT_EQ(w->board_key, 1) << "no dwell on OK in the panel";
    w->timEnTangent_Timer();
    w->timEnTangent_Timer();
    ASSERT_EQ(w->board_key, 3);
    press(vb::key::Return);
    EXPECT_EQ(w->typed_text, "2");
    EXPECT_EQ(w->board_key, 0);
    EXPECT_TRUE(w->labSiffertavla[0]->font().bold());
}

} // namespace
