// "Eget urval" from the menu bar: the own-selection dialog opens over the main window and
// its choice becomes the drill; a cancel in any form leaves the main menu as it was.
#include "exercises/frmEgetVal.h"
#include "platform/message_box.h"
#include "support/modal_watch.h"
#include "test_drill_road_fixture.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <map>
#include <memory>
#include <set>
#include <utility>

namespace {

using own_selection::field::Count;
using own_selection::field::HighFirst;
using own_selection::field::HighSecond;
using own_selection::field::LowFirst;
using own_selection::field::LowSecond;

constexpr std::chrono::milliseconds kPollEvery{10};
constexpr int kPollTries = 300;

// Runs `act` on the own-selection dialog as soon as it is up, and says whether it was;
// dropping the script stops a search that never found one.
class DialogScript {
public:
    explicit DialogScript(std::function<void(frmEgetVal &)> act) {
        watch_.start(
            [this, act = std::move(act)](QWidget *modal) {
                auto *d = qobject_cast<frmEgetVal *>(modal);
                if (!d)
                    return false;
                seen_ = true;
                modal_ = d->isModal();
                parent_ = d->parentWidget();
                operation_ = d->operation;
                act(*d);
                return true;
            },
            kPollTries, kPollEvery);
    }
    bool seen() const { return seen_; }
    QWidget *parent_seen() const { return parent_; }
    bool modal_seen() const { return modal_; }
    Operation operation_seen() const { return operation_; }

private:
    bool seen_ = false;
    bool modal_ = false;
    QWidget *parent_ = nullptr;
    Operation operation_ = Operation::Blandat;
    ModalWatch watch_; // last, so it stops before the flags it writes go
};

void set_field(frmEgetVal &d, int i, const QString &digits) {
    QTest::mouseClick(d.comOK[i], Qt::LeftButton);
    for (QChar c : digits)
        QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d,
                        Qt::Key(Qt::Key_0 + c.digitValue()));
    QTest::mouseClick(d.comOK[i], Qt::LeftButton);
}

void klart(frmEgetVal &d) {
    QTest::mouseClick(d.comKlart, Qt::LeftButton);
}

class OwnSelectionRoad : public DrillRoad {
protected:
    void SetUp() override {
        DrillRoad::SetUp();
        platform::script_msg_box({});
    }
    void TearDown() override {
        platform::stop_msg_box_script();
        DrillRoad::TearDown();
    }
    // Every asked task of the pass, with how often it is asked.
    std::map<std::pair<int, int>, int> asked() const {
        std::map<std::pair<int, int>, int> tasks;
        for (int i = 0; i < w->drill_session().pass_length(); ++i)
            ++tasks[{modSorvinel.task_operands[drill::Row::AskedFirst][size_t(i)],
                     modSorvinel.task_operands[drill::Row::AskedSecond][size_t(i)]}];
        return tasks;
    }
    void expect_main_menu_untouched() {
        EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
        EXPECT_FALSE(w->drill_running);
        EXPECT_FALSE(w->menAvbryt->isEnabled());
        EXPECT_EQ(w->drill_session().pass_length(), 0);
        EXPECT_TRUE(shown(w->labMenyVal, 0));
        EXPECT_TRUE(w->labFakta[1]->isHidden());
    }
};

TEST_F(OwnSelectionRoad, OnlyTheFourSingleOperationsHaveTheCommand) {
    for (Operation op : kOperations) {
        EXPECT_EQ(w->menEgeturval[index_of(op)]->text(), "&Eget urval...");
        EXPECT_EQ(w->menEgeturval[index_of(op)]->isEnabled(), op != Operation::Blandat) << op;
    }
}

struct DefaultCase {
    Operation operation;
    int tasks;
};

TEST_F(OwnSelectionRoad, KlartAtOnceDrillsEveryTaskOfTheDefaultBoundsOnce) {
    for (const DefaultCase &c :
         {DefaultCase{Operation::Addition, 100}, DefaultCase{Operation::Subtraktion, 55},
          DefaultCase{Operation::Multiplikation, 100}, DefaultCase{Operation::Division, 100}}) {
        SCOPED_TRACE(c.operation);
        if (c.operation != Operation::Addition) {
            // Back to the main menu after the previous drill.
            w->menAvbryt->trigger();
            ASSERT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
        }
        modSorvinel.check_records = true;
        DialogScript script(klart);
        w->menEgeturval[index_of(c.operation)]->trigger();
        ASSERT_TRUE(script.seen());
        EXPECT_TRUE(script.modal_seen());
        EXPECT_EQ(script.parent_seen(), nullptr);
        EXPECT_EQ(script.operation_seen(), c.operation);
        ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
        EXPECT_EQ(modSorvinel.current_operation, c.operation);
        EXPECT_EQ(modSorvinel.task_count, 0);
        EXPECT_EQ(w->drill_session().pass_length(), c.tasks);
        EXPECT_EQ(caption(w->labFakta, 1), QString::number(c.tasks));
        EXPECT_EQ(caption(w->labFakta, 5), "0");
        EXPECT_TRUE(w->menAvbryt->isEnabled());
        EXPECT_FALSE(modSorvinel.record_drill_active);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        const auto tasks = asked();
        EXPECT_EQ(int(tasks.size()), c.tasks);
        for (const auto &[task, times] : tasks) {
            EXPECT_EQ(times, 1);
            EXPECT_TRUE(drill::is_valid_task(c.operation, task.first, task.second));
            EXPECT_TRUE(task.first >= 1 && task.first <= 10 && task.second >= 1 &&
                        task.second <= 10);
        }
    }
}

TEST_F(OwnSelectionRoad, TheChosenCountAndBoundsMakeTheDrill) {
    DialogScript script([](frmEgetVal &d) {
        set_field(d, HighFirst, "5");
        set_field(d, LowSecond, "3");
        set_field(d, Count, "20");
        klart(d);
    });
    w->menEgeturval[index_of(Operation::Multiplikation)]->trigger();
    ASSERT_TRUE(script.seen());
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    EXPECT_EQ(w->drill_session().pass_length(), 20);
    EXPECT_EQ(caption(w->labFakta, 1), "20");
    EXPECT_EQ(modSorvinel.possible_task_count, 40);
    const auto tasks = asked();
    EXPECT_EQ(tasks.size(), 20u); // fewer than one round: all different
    for (const auto &[task, times] : tasks) {
        EXPECT_TRUE(task.first >= 1 && task.first <= 5) << task.first;
        EXPECT_TRUE(task.second >= 3 && task.second <= 10) << task.second;
    }
}

// Quotients 2..3 and divisors 4..5 allow four tasks; the minimum count of five repeats one.
TEST_F(OwnSelectionRoad, ADivisionDrillHoldsQuotientAndDivisorAndRepeatsWhenFewArePossible) {
    DialogScript script([](frmEgetVal &d) {
        set_field(d, LowFirst, "2");
        set_field(d, HighFirst, "3");
        set_field(d, LowSecond, "4");
        set_field(d, HighSecond, "5");
        klart(d);
    });
    w->menEgeturval[index_of(Operation::Division)]->trigger();
    ASSERT_TRUE(script.seen());
    ASSERT_EQ(platform::msg_box_calls().size(), 1u);
    EXPECT_EQ(platform::msg_box_calls().front().prompt,
              "Minsta antal uppgifter är inställt till 5");
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    EXPECT_EQ(modSorvinel.task_count, 5);
    EXPECT_EQ(modSorvinel.possible_task_count, 4);
    EXPECT_EQ(w->drill_session().pass_length(), 5);
    const auto tasks = asked();
    const std::map<std::pair<int, int>, int> every = {
        {{2, 4}, 0}, {{2, 5}, 0}, {{3, 4}, 0}, {{3, 5}, 0}};
    ASSERT_EQ(tasks.size(), every.size());
    int repeated = 0;
    for (const auto &[task, times] : tasks) {
        EXPECT_TRUE(every.count(task)) << task.first << "/" << task.second;
        repeated += times - 1;
    }
    EXPECT_EQ(repeated, 1);
    EXPECT_EQ(w->drill_session().task().right_answer, modSorvinel.task_operands[0][0]);
}

enum class CancelWay { Avbryt, AvbrytWhileEditing, Escape, CloseBox };

TEST_F(OwnSelectionRoad, ACancelledDialogStartsNothing) {
    for (CancelWay way : {CancelWay::Avbryt, CancelWay::AvbrytWhileEditing, CancelWay::Escape,
                          CancelWay::CloseBox}) {
        SCOPED_TRACE(int(way));
        DialogScript script([way](frmEgetVal &d) {
            set_field(d, Count, "20");
            switch (way) {
            case CancelWay::Avbryt:
                QTest::mouseClick(d.comAvbryt, Qt::LeftButton);
                break;
            case CancelWay::AvbrytWhileEditing:
                QTest::mouseClick(d.comOK[LowFirst], Qt::LeftButton);
                QTest::mouseClick(d.comAvbryt, Qt::LeftButton);
                break;
            case CancelWay::Escape:
                QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, Qt::Key_Escape);
                break;
            case CancelWay::CloseBox:
                d.close();
                break;
            }
        });
        w->menEgeturval[index_of(Operation::Addition)]->trigger();
        ASSERT_TRUE(script.seen());
        expect_main_menu_untouched();
    }
}

// Each showing starts from the defaults: a count chosen in a cancelled showing is gone.
TEST_F(OwnSelectionRoad, EveryShowingStartsFromTheDefaults) {
    {
        DialogScript cancel([](frmEgetVal &d) {
            set_field(d, Count, "7");
            d.reject();
        });
        w->menEgeturval[index_of(Operation::Subtraktion)]->trigger();
        ASSERT_TRUE(cancel.seen());
    }
    DialogScript script(klart);
    w->menEgeturval[index_of(Operation::Subtraktion)]->trigger();
    ASSERT_TRUE(script.seen());
    EXPECT_EQ(w->drill_session().pass_length(), 55);
}

TEST_F(OwnSelectionRoad, NoDialogOverARunningDrill) {
    int item = 0;
    w->select_till10_from_menu(Operation::Addition, item);
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    const QString first = caption(w->labTal, 0);
    DialogScript script(klart);
    w->menEgeturval[index_of(Operation::Division)]->trigger();
    QTest::qWait(int(kPollEvery.count()) * 5);
    EXPECT_FALSE(script.seen());
    EXPECT_EQ(modSorvinel.current_operation, Operation::Addition);
    EXPECT_EQ(w->drill_session().pass_length(), 100);
    EXPECT_EQ(caption(w->labTal, 0), first);
}

} // namespace
