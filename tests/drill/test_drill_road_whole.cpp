// A whole "Till 10:an" drill typed on the keyboard, from the main menu to the end menu and
// back, with key events through the window's own key path.

#include "test_drill_road_fixture.h"

#include <QTest>

namespace {

void click(QWidget *w, Qt::Key key) {
    QTest::keyClick(w, key);
}

void type_number(QWidget *w, int value, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (QChar d : QString::number(value))
        QTest::keyClick(w, Qt::Key(Qt::Key_0 + d.digitValue()), modifiers);
}

TEST_F(DrillRoad, WholeAdditionDrillByKeyboard) {
    // Falling ordering keys: the tasks come in the reverse of their stored order.
    int draw = 0;
    platform::set_random_source([&draw] { return 0.991 - 0.01 * draw++; });
    modSorvinel.speak_in_exercises = true;

    click(w, Qt::Key_A);
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::DrillTypeMenu);
    click(w, Qt::Key_T);
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    EXPECT_EQ(caption(w->labTal, 0), "10");
    EXPECT_EQ(caption(w->labTal, 1), "+");
    EXPECT_EQ(caption(w->labTal, 2), "10");
    EXPECT_EQ(fixture.speech.spoken().last(), "10 plus 10.");

    constexpr int kWrongAt = 4;
    QString wrong_task;
    for (int asked = 0; asked < 100; ++asked) {
        ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown) << asked;
        const int a = caption(w->labTal, 0).toInt();
        const int b = caption(w->labTal, 2).toInt();
        // Stored order is a = 1..10, b = 1..10; asked backwards.
        EXPECT_EQ(a * 10 + b - 11, 99 - asked);
        if (asked == kWrongAt) {
            wrong_task = caption(w->labTal, 0) + " + " + caption(w->labTal, 2) + " =";
            type_number(w, a + b + 1);
            click(w, Qt::Key_Return);
            EXPECT_EQ(caption(w->labFakta, 5), "1");
            EXPECT_TRUE(shown(w->labTal, 5));
            EXPECT_EQ(caption(w->labTal, 5), QString::number(a + b + 1));
        }
        // Half the answers on the keypad.
        type_number(w, a + b, asked % 2 ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(caption(w->labTal, 4), QString::number(a + b) + "_");
        click(w, Qt::Key_Return);
    }
    // One task was wrong at first: it is asked again, alone.
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    EXPECT_EQ(w->drill_session().pass_length(), 1);
    EXPECT_EQ(caption(w->labFakta, 3), "1");
    EXPECT_EQ(caption(w->labTal, 0) + " + " + caption(w->labTal, 2) + " =", wrong_task);
    ASSERT_EQ(w->lstFel->count(), 1);
    EXPECT_EQ(w->lstFel->item(0)->text(), wrong_task);
    type_number(w, caption(w->labTal, 0).toInt() + caption(w->labTal, 2).toInt());
    click(w, Qt::Key_Return);

    ASSERT_EQ(modSorvinel.screen_state, ScreenState::EndMenu);
    EXPECT_EQ(caption(w->labFakta, 3), "0");
    EXPECT_EQ(caption(w->labResultat, 0), "Antal fel: 1");
    EXPECT_TRUE(shown(w->labResultat, 0));
    EXPECT_FALSE(shown(w->labTal, 0));
    EXPECT_EQ(caption(w->labMenyVal, 0), "Tid");
    EXPECT_TRUE(w->labMenyVal[0]->font().bold());

    click(w, Qt::Key_Down);
    click(w, Qt::Key_Down);
    EXPECT_EQ(w->current_menu_item, 2);
    click(w, Qt::Key_Return);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
    EXPECT_EQ(caption(w->labMenyVal, 0), "Addition");
    EXPECT_FALSE(shown(w->labResultat, 0));
}

} // namespace
