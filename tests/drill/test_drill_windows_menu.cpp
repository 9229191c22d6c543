// The drill's menu-bar commands on the real main window: which items are available on
// which screen, "Till 10:an" from the menu bar, abort (Ctrl+Z) from every screen, the record
// list, and the latest wrong tasks handed on with the operation that filled them.

#include "drill/drill_tasks.h"
#include "drill/frmBeloening.h"
#include "drill/frmRekord.h"
#include "drill/frmSorvinel.h"
#include "platform/system.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"
#include "support/main_window.h"
#include "test_drill_windows_support.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace drill_windows_test;

class MenuBar : public ::testing::Test {
protected:
    void SetUp() override {
        platform::set_random_source([] { return 0.5; });
        platform::set_time_source([this] { return now; });
        fixture.load();
        w = fixture.window.get();
    }
    void TearDown() override {
        platform::set_random_source({});
        platform::set_time_source({});
    }
    void key(int code) {
        int c = code;
        w->Form_KeyDown(c, 0);
        c = code;
        w->Form_KeyUp(c, 0);
    }
    void answer(int value) {
        for (QChar d : QString::number(value))
            key(vb::key::D0 + d.digitValue());
        key(vb::key::Return);
    }
    int right_answer() { return w->drill_session().task().right_answer; }
    // Answers every task right, one second each, until the drill has ended.
    void answer_all_right() {
        for (int guard = 0; modSorvinel.screen_state == ScreenState::TaskShown && guard < 1000;
             ++guard) {
            ++now;
            answer(right_answer());
        }
    }
    bool val_enabled_on_opening() {
        emit w->menTabelltraening->aboutToShow();
        return w->menVal->isEnabled();
    }
    void open_verktyg() { emit w->menVerktyg->aboutToShow(); }
    QString stored(const char *k) const { return modSorvinel.get_setting("Special", k, "none"); }

    long now = 10 * 3600;
    MainWindowFixture fixture;
    frmSorvinel *w = nullptr;
};

TEST_F(MenuBar, DrillItemsAndRecordListAreAvailableOthersWaitForTheirWindows) {
    for (Operation op : kOperations) {
        EXPECT_TRUE(w->menTill10an[index_of(op)]->isEnabled()) << op;
        EXPECT_TRUE(w->menOevningarDrill[index_of(op)]->isEnabled()) << op;
    }
    EXPECT_FALSE(w->menEgeturval[index_of(Operation::Blandat)]->isEnabled());
    EXPECT_TRUE(w->menRekord->isEnabled());
    EXPECT_FALSE(w->menAvbryt->isEnabled());
    EXPECT_EQ(w->menAvbryt->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
}

TEST_F(MenuBar, ValOnlyWhileTheMainMenuIsShown) {
    EXPECT_TRUE(val_enabled_on_opening());
    for (ScreenState state : {ScreenState::DrillTypeMenu, ScreenState::DrillSetUp,
                              ScreenState::TaskShown, ScreenState::EndMenu, ScreenState::FileList,
                              ScreenState::PanelLowFirst, ScreenState::PanelCount}) {
        modSorvinel.screen_state = state;
        EXPECT_FALSE(val_enabled_on_opening()) << state;
    }
    modSorvinel.screen_state = ScreenState::MainMenu;
    EXPECT_TRUE(val_enabled_on_opening());
}

TEST_F(MenuBar, AbortAvailableFromTheDrillTypeMenuToTheEnd) {
    key(vb::key::A);
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::DrillTypeMenu);
    EXPECT_TRUE(w->menAvbryt->isEnabled());
    key(vb::key::Return); // "Till 10:an"
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    EXPECT_TRUE(w->menAvbryt->isEnabled());
    w->menAvbryt->trigger();
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
    EXPECT_FALSE(w->menAvbryt->isEnabled());
}

TEST_F(MenuBar, Till10FromTheMenuBarForEveryOperation) {
    const long counts[] = {100, 55, 100, 100, 355};
    for (Operation op : kOperations) {
        modSorvinel.check_records = index_of(op) % 2 == 0;
        w->menTill10an[index_of(op)]->trigger();
        EXPECT_EQ(modSorvinel.screen_state, ScreenState::TaskShown) << op;
        EXPECT_EQ(modSorvinel.current_operation, op);
        EXPECT_EQ(w->labFakta[1]->Caption(), QString::number(counts[index_of(op)])) << op;
        EXPECT_FALSE(w->menVal->isEnabled());
        EXPECT_TRUE(w->menAvbryt->isEnabled());
        EXPECT_EQ(modSorvinel.record_drill_active, index_of(op) % 2 == 0) << op;
        w->menAvbryt->trigger();
        EXPECT_TRUE(w->menVal->isEnabled());
    }
}

TEST_F(MenuBar, CtrlZAbortsTheDrill) {
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    w->menTill10an[index_of(Operation::Multiplikation)]->trigger();
    ++now;
    answer(right_answer());
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
    EXPECT_EQ(w->labMeny->Caption(), QString::fromUtf8("Tabellövning"));
    for (int i = 0; i <= 6; ++i)
        EXPECT_TRUE(w->labTal[i]->isHidden()) << i;
    EXPECT_FALSE(modSorvinel.record_drill_active);
    EXPECT_EQ(modSorvinel.record_times[index_of(Operation::Multiplikation)], 0);
    EXPECT_EQ(stored("Rekord2"), "none");
    // On the main menu the command is off: Ctrl+Z does nothing.
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
}

TEST_F(MenuBar, AbortFromTheEndMenuAndTheOwnSelectionPanel) {
    modSorvinel.reward_min_tasks = 1000; // no reward window in this test
    w->menTill10an[index_of(Operation::Subtraktion)]->trigger();
    answer_all_right();
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::EndMenu);
    ASSERT_TRUE(w->labResultat[0]->isVisible());
    w->menAvbryt->trigger();
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
    EXPECT_TRUE(w->labResultat[0]->isHidden());

    key(vb::key::A + ('D' - 'A'));
    modSorvinel.screen_state = ScreenState::PanelHighFirst;
    for (VbLabel *line : w->labUrval)
        line->show();
    w->menAvbryt->trigger();
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
    for (VbLabel *line : w->labUrval)
        EXPECT_TRUE(line->isHidden());
}

TEST_F(MenuBar, AbortInTheFileListGoesBackToTheDrillTypeMenu) {
    key(vb::key::A + ('B' - 'A'));
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::DrillTypeMenu);
    // The file list as it stands: the name shown, the menu items hidden.
    modSorvinel.screen_state = ScreenState::FileList;
    for (int i = 0; i < 4; ++i)
        w->labMenyVal[i]->hide();
    w->labFilnamn->setCaption(QStringLiteral(" tal1 "));
    w->labFilnamn->show();
    w->picNer->show();
    w->menAvbryt->trigger();
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::DrillTypeMenu);
    EXPECT_EQ(w->labFilnamn->Caption(), "");
    EXPECT_TRUE(w->labFilnamn->isHidden());
    EXPECT_TRUE(w->picNer->isHidden());
    EXPECT_EQ(w->labMeny->Caption(), "Blandat");
    EXPECT_TRUE(w->labMenyVal[0]->isVisible());
    EXPECT_TRUE(w->labMenyVal[1]->isHidden()) << "no own selection for Blandat";
    EXPECT_TRUE(w->labMenyVal[2]->isVisible());
    EXPECT_TRUE(w->labMenyVal[3]->isVisible());
    EXPECT_TRUE(w->menAvbryt->isEnabled());
    EXPECT_FALSE(val_enabled_on_opening());
}

TEST_F(MenuBar, RecordListIsOwnedByTheMainWindow) {
    modSorvinel.record_times[index_of(Operation::Blandat)] = 200;
    QWidget *owner = nullptr;
    QString line;
    when_modal<frmRekord>(fixture.modal, [&](frmRekord *r) {
        owner = r->parentWidget();
        line = r->labRekord[index_of(Operation::Blandat)]->text();
        r->reject();
    });
    w->menRekord->trigger();
    EXPECT_EQ(owner, w);
    EXPECT_EQ(line, "3 min 20 sek ");
}

TEST_F(MenuBar, VerktygOpeningSetsTheLockCaption) {
    struct Case {
        int lock;
        const char *caption;
    } const cases[] = {
        {0, "&Vyk..."}, {1, "&Vyk opp..."}, {2, "&Vyk opp..."}, {0, "&Vyk..."}, {2, "&Vyk..."}};
    for (const Case &c : cases) {
        modSorvinel.settings_lock_state = c.lock;
        open_verktyg();
        EXPECT_EQ(w->menLaas->text(), c.caption) << c.lock;
    }
}

TEST_F(MenuBar, LatestWrongTasksKeepTheOperationThatFilledThem) {
    w->menTill10an[index_of(Operation::Division)]->trigger();
    ++now;
    answer(right_answer() + 1);
    answer(right_answer());
    ASSERT_EQ(w->lstFel->count(), 1);
    w->menAvbryt->trigger();
    key(vb::key::A); // Addition's drill-type menu
    ASSERT_EQ(modSorvinel.current_operation, Operation::Addition);
    open_verktyg();
    ASSERT_TRUE(w->menSenasteFel->isEnabled());
    exercises::EditorStart tagSeen;
    when_modal<QDialog>(fixture.modal, [&](QDialog *editor) {
        tagSeen = w->Tag;
        editor->reject();
    });
    w->menSenasteFel->trigger();
    EXPECT_EQ(tagSeen, (exercises::EditorStart{Operation::Division, true}));
}

TEST_F(MenuBar, FastestTill10IsStoredAtOnceWhenTheRewardOpens) {
    modSorvinel.beep_on = false;
    modSorvinel.reward_type = 0;
    long shownRecord = -1;
    QString storedWhileShown;
    when_modal<frmBeloening>(fixture.modal, [&](frmBeloening *r) {
        shownRecord = modSorvinel.record_times[index_of(Operation::Addition)];
        storedWhileShown = stored("Rekord0");
        r->timBel_Timer();
        r->timRub_Timer();
        // The Enter of the last answer is let go, then pressed again.
        release(r, Qt::Key_Return);
        press(r, Qt::Key_Return);
    });
    w->menTill10an[index_of(Operation::Addition)]->trigger();
    answer_all_right();
    EXPECT_EQ(shownRecord, 100);
    EXPECT_EQ(storedWhileShown, "100");
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::EndMenu);
    EXPECT_EQ(w->labResultat[0]->Caption(), QString::fromUtf8("Alla rätt!"));

    // The same time again is no record; a slower one neither.
    when_modal<frmBeloening>(fixture.modal, [&](frmBeloening *r) {
        shownRecord = r->new_record ? 1 : 0;
        r->timBel_Timer();
        r->timRub_Timer();
        // The Enter of the last answer is let go, then pressed again.
        release(r, Qt::Key_Return);
        press(r, Qt::Key_Return);
    });
    w->menAvbryt->trigger();
    w->menTill10an[index_of(Operation::Addition)]->trigger();
    answer_all_right();
    EXPECT_EQ(shownRecord, 0);
    EXPECT_EQ(modSorvinel.record_times[index_of(Operation::Addition)], 100);
}

} // namespace
