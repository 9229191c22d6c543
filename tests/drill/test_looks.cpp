// The main window's looks: colour styles read back from the controls, the pointer over
// clickable items, the number line and the drill clock through a drill.
#include "drill/frmSorvinel_elements.h"
#include "shared/colour_schemes.h"
#include "test_drill_road_fixture.h"

namespace {

using Looks = DrillRoad;

TEST_F(Looks, EachStyleColoursTheWindowAsItsSample) {
    struct Case {
        int style;
        unsigned back, text, heading, dim;
    };
    const Case cases[] = {
        {0, 0x000000, 0x00FFFF, 0x0080FF, 0x80FFFF}, {1, 0x000000, 0xFFFFFF, 0xC0C0C0, 0xE0E0E0},
        {2, 0xC0EEFF, 0x000000, 0xC0C0C0, 0xE0E0E0}, {3, 0xC0EEFF, 0xFF0000, 0xFF8080, 0xFF8080},
        {4, 0xEEFFFF, 0x000000, 0xC0C0C0, 0xE0E0E0}, {5, 0xFFEEFF, 0xFF0000, 0xFF8080, 0xFF8080},
    };
    // The main menu with item 2 current.
    w->highlight_menu_item(2);
    for (const Case &c : cases) {
        modSorvinel.apply_colour_style(c.style);
        EXPECT_EQ(w->background_colour(), c.back) << c.style;
        for (int i = tal::First; i <= tal::Answer; ++i)
            EXPECT_EQ(w->labTal[i]->ForeColor(), c.text) << c.style;
        EXPECT_EQ(w->labTal[tal::TooHigh]->ForeColor(), 0x0000FFu);
        EXPECT_EQ(w->labTal[tal::TooLow]->ForeColor(), 0x0000FFu);
        for (VbLabel *l : {w->labMeny, w->labResultat[0], w->labResultat[1], w->labUrval[0]})
            EXPECT_EQ(l->ForeColor(), c.heading) << c.style;
        EXPECT_EQ(w->labUrval[1]->ForeColor(), c.text);
        EXPECT_EQ(w->labUrval[2]->ForeColor(), c.text);
        // "Sluta" (item 5) too takes the new style at once.
        for (int i = 0; i < menu_item::Count; ++i)
            EXPECT_EQ(w->labMenyVal[i]->ForeColor(), i == 2 ? c.text : c.dim)
                << c.style << " item " << i;
        EXPECT_EQ(w->linTallinje->BorderColor(), c.text);
        EXPECT_EQ(modSorvinel.dim_colour, c.dim);
    }
}

TEST_F(Looks, AStyleOutsideTheTableChangesNoColour) {
    modSorvinel.apply_colour_style(4);
    const unsigned back = w->background_colour(), text = w->number_colour();
    modSorvinel.apply_colour_style(6);
    EXPECT_EQ(w->background_colour(), back);
    EXPECT_EQ(w->number_colour(), text);
    EXPECT_EQ(modSorvinel.dim_colour, colour_schemes()[4].dim);
}

TEST_F(Looks, PointerOnAndOff) {
    for (bool on : {true, false, true}) {
        modSorvinel.custom_mouse_pointer = on;
        modSorvinel.apply_mouse_pointer();
        const Qt::CursorShape want = on ? Qt::BitmapCursor : Qt::ArrowCursor;
        for (QWidget *c :
             {static_cast<QWidget *>(w->labMenyVal[0]), static_cast<QWidget *>(w->labMenyVal[5]),
              static_cast<QWidget *>(w->picUpp), static_cast<QWidget *>(w->picNer),
              static_cast<QWidget *>(w->labFilnamn), static_cast<QWidget *>(w->labSiffertavla[0])})
            EXPECT_EQ(c->cursor().shape(), want) << on;
        if (on) {
            EXPECT_EQ(w->labMenyVal[0]->cursor().hotSpot(), QPoint(12, 1));
        }
        // Nothing else takes the hand.
        EXPECT_EQ(w->labTal[tal::First]->cursor().shape(), Qt::ArrowCursor);
    }
}

TEST_F(Looks, NumberLineIsBuiltShownWithTheTaskAndHidden) {
    struct Case {
        int length, marking;
    };
    for (const Case c : {Case{10, 5}, Case{20, 0}}) {
        modSorvinel.number_line_on = true;
        modSorvinel.number_line_length = c.length;
        int marking = c.marking;
        modSorvinel.layout_number_line(c.length, marking);
        ASSERT_EQ(w->linTalindex.count(), c.length + 1);
        ASSERT_EQ(w->labTalindex.count(), c.length + 1);
        EXPECT_EQ(w->labTalindex[c.length]->Caption(), QString::number(c.length));
        EXPECT_EQ(w->linTalindex[0]->BorderWidth(), 5);
        EXPECT_EQ(w->linTalindex[1]->BorderWidth(), c.marking == 0 ? 5 : 1);
        EXPECT_LT(w->labTalindex[1]->Left(), w->labTalindex[2]->Left());

        start_drill(Operation::Addition, {{1, 2, "+"}, {2, 2, "+"}});
        EXPECT_FALSE(w->linTallinje->isHidden());
        EXPECT_FALSE(w->labTalindex[c.length]->isHidden());
        w->back_to_main_menu();
        EXPECT_TRUE(w->linTallinje->isHidden());
        EXPECT_TRUE(w->linTalindex[c.length]->isHidden());

        modSorvinel.layout_number_line(c.length, marking);
        EXPECT_EQ(w->linTalindex.count(), 1);
        EXPECT_EQ(w->labTalindex.count(), 1);
    }
}

TEST_F(Looks, ClockRunsFromTheDrillScreenToItsEndOrAbort) {
    struct Case {
        bool show;
        bool abort;
    };
    for (const Case c : {Case{true, false}, Case{true, true}, Case{false, false}}) {
        modSorvinel.show_clock = c.show;
        start_drill(Operation::Addition, {{1, 2, "+"}, {2, 2, "+"}});
        EXPECT_EQ(modSorvinel.clock_running, c.show);
        EXPECT_EQ(w->picDig.count(), c.show ? 6 : 1);
        EXPECT_EQ(w->timKlocka->isActive(), c.show);
        if (c.show) {
            EXPECT_FALSE(w->picDig[5]->isHidden());
            // Right to left, with a gap before the minutes and the hours.
            EXPECT_GT(w->picDig[1]->Left() - w->picDig[2]->Left(),
                      w->picDig[0]->Left() - w->picDig[1]->Left());
        }
        if (c.abort) {
            w->back_to_main_menu();
        } else {
            answer(3);
            answer(4);
        }
        EXPECT_FALSE(modSorvinel.clock_running);
        EXPECT_FALSE(w->timKlocka->isActive());
        EXPECT_EQ(w->picDig.count(), 1);
        EXPECT_TRUE(w->picDig[0]->isHidden());
        w->back_to_main_menu();
    }
}

TEST_F(Looks, ClockTickShowsTheElapsedTimeAcrossMidnight) {
    modSorvinel.show_clock = true;
    now = 23 * 3600 + 59 * 60 + 50;
    start_drill(Operation::Addition, {{1, 2, "+"}, {2, 2, "+"}});
    const QImage zero = w->picDig[0]->pixmap().toImage();
    now = 5; // 00:00:05, 15 seconds on
    w->timKlocka_Timer();
    EXPECT_NE(w->picDig[0]->pixmap().toImage(), zero);
    EXPECT_NE(w->picDig[1]->pixmap().toImage(), zero);
    EXPECT_EQ(w->picDig[2]->pixmap().toImage(), zero);
    w->back_to_main_menu();
}

TEST_F(Looks, DrillTimeComesFromTheSteadyClockNotTheTimeOfDay) {
    double steady = 1000.4;
    platform::set_monotonic_source([&steady] { return steady; });
    now = 2 * 3600 + 59 * 60;
    start_drill(Operation::Addition, {{1, 2, "+"}, {2, 2, "+"}});
    answer(3);
    now = 2 * 3600 + 10; // the clocks were put back an hour
    steady = 1071.5;     // 71.1 s later; whole seconds round half to even
    answer(4);
    platform::set_monotonic_source({});
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::EndMenu);
    EXPECT_EQ(modSorvinel.drill_elapsed_seconds, 1072 - 1000);
}

} // namespace
