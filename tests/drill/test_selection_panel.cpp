// The own-selection panel in the main window: each field's limits and prompt, the template
// line, stepping back, and the drill it starts.
#include "drill/frmSorvinel_elements.h"
#include "drill/selection_panel_logic.h"
#include "shared/font_fitting.h"
#include "test_drill_road_fixture.h"

#include <QFontMetrics>

#include <array>
#include <optional>

namespace {

using S = ScreenState;

TEST(SelectionPanelLogic, FieldLimits) {
    struct Case {
        S field;
        Operation op;
        drill::PanelBounds b;
        int min, max;
    } cases[] = {
        {S::PanelLowFirst, Operation::Division, {}, 1, 999},
        {S::PanelLowFirst, Operation::Multiplikation, {}, 0, 999},
        {S::PanelLowSecond, Operation::Subtraktion, {5, 0, 0, 0}, 0, 5},
        {S::PanelLowSecond, Operation::Multiplikation, {0, 0, 0, 0}, 0, 999}, // divisor 0: 999
        {S::PanelLowSecond, Operation::Multiplikation, {100, 0, 0, 0}, 0, 99},
        {S::PanelLowSecond, Operation::Division, {3, 0, 0, 0}, 0, 999}, // never above 999
        {S::PanelHighFirst, Operation::Division, {3, 0, 0, 0}, 3, 999}, // quotient 0
        {S::PanelHighFirst, Operation::Multiplikation, {2, 50, 0, 0}, 2, 199},
        {S::PanelHighSecond, Operation::Subtraktion, {5, 2, 9, 0}, 2, 9},
        {S::PanelHighSecond, Operation::Addition, {5, 2, 9, 0}, 2, 999},
        {S::PanelHighSecond, Operation::Division, {3, 4, 20, 0}, 4, 499},
        {S::PanelCount, Operation::Addition, {}, 7, 1000},
    };
    for (const Case &c : cases) {
        const drill::FieldLimits l = drill::panel_field_limits(c.field, c.op, c.b, 7);
        EXPECT_EQ(l.min, c.min) << int(c.field) << " op " << c.op;
        EXPECT_EQ(l.max, c.max) << int(c.field) << " op " << c.op;
    }
}

TEST(SelectionPanelLogic, TemplatesAndPrompts) {
    struct Case {
        S field;
        Operation op;
        drill::PanelBounds b;
        const char *line;
    } cases[] = {
        {S::PanelLowFirst, Operation::Addition, {}, "Från    +    = #   till    +    = #"},
        {S::PanelCount, Operation::Addition, {2, 3, 9, 7}, "Från 2 + 3 = 5    till 9 + 7 = 16 "},
        {S::PanelHighFirst,
         Operation::Division,
         {3, 4, 0, 0},
         "Från 12 / 3 = 4   till   # /    =    "},
        {S::PanelCount, Operation::Division, {3, 4, 9, 7}, "Från 12 / 3 = 4   till 63 / 9 = 7"},
        {S::PanelHighSecond,
         Operation::Multiplikation,
         {2, 3, 4, 0},
         "Från 2 • 3 = 6    till 4 •    = #"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(drill::panel_template_line(c.field, c.op, c.b), c.line) << int(c.field);

    EXPECT_EQ(drill::panel_prompt(S::PanelLowSecond, Operation::Subtraktion, {0, 5}, 0),
              "Lägsta andra term (0 - 5): ");
    EXPECT_EQ(drill::panel_prompt(S::PanelHighFirst, Operation::Division, {1, 999}, 0),
              "Högsta nämnare (1 - 999): ");
    EXPECT_EQ(drill::panel_prompt(S::PanelCount, Operation::Addition, {5, 1000}, 80),
              "Antal av 80 (5 - 1000): ");
    EXPECT_EQ(drill::speak_range_text("Lägsta första term (0 - 999): "),
              "Lägsta första term . mellan 0 och 999: ");
}

TEST(SelectionPanelLogic, RangeLineOnlyShrinksToItsRoom) {
    const auto linear = [](double per_point) {
        return [per_point](double pt) { return per_point * pt; };
    };
    struct Case {
        const char *name;
        double start;
        std::function<double(double)> width;
        double expected;
    } cases[] = {
        {"fits: the start size, not grown", 44.8, linear(10), 44.8},
        {"too wide: the largest whole size that fits", 44.8, linear(30), 33},
        {"an exact fit is a fit", 50, linear(25), 40},
        {"never fits: the smallest size", 28, [](double) { return 1e9; }, 1},
    };
    for (const Case &c : cases) {
        const double size = shrink_to_width(c.start, 1000, c.width);
        EXPECT_DOUBLE_EQ(size, c.expected) << c.name;
    }
}

class SelectionPanel : public DrillRoad {
protected:
    void open(char operation_key) {
        letter(operation_key);
        letter('E');
    }
    void field(const QString &digits) {
        type(digits);
        press(vb::key::Return);
    }
    QString prompt() { return w->labUrval[1]->Caption(); }
};

TEST_F(SelectionPanel, FieldsInTurnStartTheDrillOfTheChosenCount) {
    modSorvinel.min_task_count = 5;
    speak_everything();
    open('S');
    ASSERT_EQ(modSorvinel.screen_state, S::PanelLowFirst);
    EXPECT_EQ(prompt(), "Lägsta första term (0 - 999): ");
    EXPECT_TRUE(spoken().contains("Lägsta första term . mellan 0 och 999: "));
    const double input_left = w->labUrval[2]->Left();
    field("5");
    EXPECT_EQ(prompt(), "Lägsta andra term (0 - 5): ");
    end_next_modal();
    field("6");
    EXPECT_EQ(modSorvinel.message_text, "För stort tal!");
    EXPECT_EQ(modSorvinel.screen_state, S::PanelLowSecond);
    EXPECT_EQ(w->labUrval[2]->Caption(), "_");
    field("2");
    press(vb::key::Back); // empty field 3: back to field 2
    EXPECT_EQ(modSorvinel.screen_state, S::PanelLowSecond);
    EXPECT_EQ(prompt(), "Lägsta andra term (0 - 5): ");
    field("2");
    field("9");
    field("4");
    EXPECT_EQ(w->labUrval[0]->Caption(), "Från 5 - 2 = 3    till 9 - 4 = 5 ");
    long possible = 0;
    ModSorvinel::count_possible_tasks(possible, Operation::Subtraktion, 5, 9, 2, 4);
    EXPECT_EQ(prompt(), QString("Antal av %1 (5 - 1000): ").arg(possible));
    EXPECT_EQ(w->labUrval[2]->Left(),
              input_left + w->labUrval[1]->Width() - (input_left - w->labUrval[1]->Left()))
        << "placed from the prompt's edge, no drift";
    field("7");
    ASSERT_EQ(modSorvinel.screen_state, S::TaskShown);
    EXPECT_EQ(modSorvinel.task_count, 7);
    EXPECT_EQ(w->drill_session().drill_task_count(), 7);
    EXPECT_TRUE(w->labUrval[0]->isHidden());
}

TEST_F(SelectionPanel, RangeLineOfTheWidestValuesStaysInsideTheFrame) {
    struct Case {
        char operation;
        const char *values[4];
    } cases[] = {
        {'A', {"999", "999", "999", "999"}}, {'A', {"100", "100", "999", "999"}},
        {'S', {"999", "100", "999", "100"}}, {'M', {"99", "101", "99", "101"}},
        {'D', {"101", "99", "101", "99"}},
    };
    VbLabel *line = w->labUrval[0];
    const int frame = w->shaRam[ram::Outer]->BorderWidth();
    const auto text_px = [line] {
        return QFontMetrics(line->font()).boundingRect(line->Caption()).width();
    };
    std::optional<std::array<int, 3>> first_place;
    for (const Case &c : cases) {
        open(c.operation);
        ASSERT_EQ(modSorvinel.screen_state, S::PanelLowFirst) << c.operation;
        EXPECT_EQ(line->fontSize(), w->labMeny->fontSize()) << "a short line keeps its size";
        // A line made smaller last time moves neither itself nor the prompt.
        const std::array<int, 3> place{line->y(), line->height(), w->labUrval[1]->y()};
        EXPECT_EQ(place, first_place.value_or(place)) << c.operation;
        first_place = place;
        for (const char *v : c.values)
            field(v);
        ASSERT_EQ(modSorvinel.screen_state, S::PanelCount) << c.operation << c.values[0];
        EXPECT_EQ(line->Caption(),
                  drill::panel_template_line(S::PanelCount, modSorvinel.current_operation,
                                             {w->panel_low_first, w->panel_low_second,
                                              w->panel_high_first, w->panel_high_second}));
        EXPECT_LE(text_px(), line->width() - 2 * frame)
            << line->Caption().toStdString() << " at " << line->fontSize();
        w->menAvbryt->trigger();
    }
}

TEST_F(SelectionPanel, BackspaceInTheFirstFieldAndBlandatRefused) {
    open('D');
    end_next_modal();
    field("0");
    EXPECT_EQ(modSorvinel.message_text, "För litet tal!");
    press(vb::key::Back);
    EXPECT_EQ(modSorvinel.screen_state, S::PanelLowFirst);
    w->menAvbryt->trigger();
    ASSERT_EQ(modSorvinel.screen_state, S::MainMenu);

    letter('B');
    letter('E');
    w->labMenyVal_Click(1);
    w->show_selection_panel();
    EXPECT_EQ(modSorvinel.screen_state, S::DrillTypeMenu) << "no own selection for Blandat";
    EXPECT_TRUE(w->labUrval[1]->isHidden());
}

} // namespace
