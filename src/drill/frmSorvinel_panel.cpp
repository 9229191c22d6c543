// The own-selection panel in the main window: the four bounds and the count typed field by
// field (screen states 7..11), Enter committing a field and Backspace on an empty field
// stepping back; the count field starts the drill of exactly those tasks.
#include "drill/drill_tasks.h"
#include "drill/frmSorvinel.h"
#include "drill/frmSorvinel_elements.h"
#include "drill/selection_panel_logic.h"
#include "platform/system.h"
#include "shared/font_fitting.h"
#include "shared/modSorvinel.h"

namespace {
const QString kCursorMark = QStringLiteral("_");
// The cursor mark and nine blanks: the input line keeps room for ten characters.
const QString kInputDesign = QStringLiteral("_         ");
const QString kTooSmall = QStringLiteral("För litet tal!");
const QString kTooBig = QStringLiteral("För stort tal!");
constexpr double kPromptIndentShare = 1.0 / 10.0;
constexpr int kPromptRowsBelowTemplate = 3;
// As the task row: a twentieth of the window is left free at each end.
constexpr double kRangeLineRoomShare = 9.0 / 10.0;

// The range line at `start` points, made smaller when wider than the task row's share of
// the window; the text is never cut.
void fit_range_line(VbLabel *templ, double start, const QString &line) {
    QFont font = templ->font();
    const auto width = [&font, &line](double points) {
        font.setPointSizeF(points);
        return text_extent_twips(font, line).width();
    };
    templ->setFontSize(shrink_to_width(start, templ->Width() * kRangeLineRoomShare, width));
    templ->setCaption(line);
}

drill::PanelBounds panel_bounds(const frmSorvinel &w) {
    return {w.panel_low_first, w.panel_low_second, w.panel_high_first, w.panel_high_second};
}
} // namespace

void frmSorvinel::show_selection_panel() {
    // Mixed drills offer no own selection, whatever road led here.
    if (modSorvinel.current_operation == Operation::Blandat)
        return;
    shaRam[ram::Menu]->hide();
    hide_menu_images();
    modSorvinel.screen_state = ScreenState::PanelLowFirst;
    modSorvinel.record_drill_active = false;

    VbLabel *templ = labUrval[urval::Template];
    templ->setTextAlignment(2);
    // Its height and the prompt's place follow the heading's size, not a line made smaller.
    templ->setFontSize(labMeny->fontSize());
    templ->setAutoSize(true);
    templ->setAutoSize(false);
    templ->setLeft(0);
    templ->setWidth(double(modSorvinel.screen_width));
    templ->setTop(linRam[band::Upper]->Y1 + templ->Height());
    VbLabel *prompt = labUrval[urval::Prompt];
    prompt->setLeft(double(modSorvinel.screen_width) * kPromptIndentShare);
    prompt->setTop(templ->Top() + kPromptRowsBelowTemplate * templ->Height());
    VbLabel *input = labUrval[urval::Input];
    input->setAutoSize(true);
    input->setCaption(kInputDesign);
    input->setAutoSize(false);

    for (VbLabel *item : labMenyVal)
        item->hide();
    if (modSorvinel.number_board_shown)
        show_board_from_ok();
    shaRam[ram::Outer]->raise();
    selection_field_limits(modSorvinel.screen_state);
    draw_selection_panel(panel_low_first, panel_high_first, panel_low_second, panel_high_second);
}

void frmSorvinel::selection_field_limits(ScreenState field) {
    if (!is_panel_field(field))
        return;
    const drill::FieldLimits limits = drill::panel_field_limits(
        field, modSorvinel.current_operation, panel_bounds(*this), modSorvinel.min_task_count);
    field_min = limits.min;
    field_max = limits.max;
}

void frmSorvinel::draw_selection_panel(int &low_first, int &high_first, int &low_second,
                                       int &high_second) {
    hide_selection_lines();
    const ScreenState field = modSorvinel.screen_state;
    const Operation op = modSorvinel.current_operation;
    const drill::PanelBounds bounds{low_first, low_second, high_first, high_second};
    fit_range_line(labUrval[urval::Template], labMeny->fontSize(),
                   drill::panel_template_line(field, op, bounds));
    VbLabel *prompt = labUrval[urval::Prompt];
    prompt->setCaption(
        drill::panel_prompt(field, op, {field_min, field_max}, modSorvinel.possible_task_count));
    // Placed from the prompt's own edge each time, so redrawing never moves it on.
    VbLabel *input = labUrval[urval::Input];
    input->setLeft(prompt->Left() + prompt->Width());
    input->setTop(prompt->Top());
    typed_text.clear();
    input->setCaption(typed_text + kCursorMark);
    for (VbLabel *line : labUrval) {
        line->show();
        line->raise();
    }

    if (modSorvinel.speech_on_for_screen())
        modSorvinel.speak_text(drill::speak_range_text(prompt->Caption()));
    if (modSorvinel.screen_reader_text_on)
        modSorvinel.show_screen_reader_text(prompt->Caption(), false);
}

void frmSorvinel::hide_selection_lines() {
    for (VbLabel *line : labUrval)
        line->hide();
}

void frmSorvinel::commit_selection_field() {
    const ScreenState field = modSorvinel.screen_state;
    const int value = typed_text.toInt();
    const long possible = modSorvinel.possible_task_count;
    // With no possible task the count field takes nothing: no drill could start.
    const bool nothing_to_ask = field == ScreenState::PanelCount && possible <= 0;
    if (value < field_min || value > field_max || nothing_to_ask) {
        if (nothing_to_ask) {
            if (modSorvinel.beep_on)
                platform::beep();
        } else {
            show_message(value < field_min ? kTooSmall : kTooBig, MessageKind::Notice);
        }
        if (modSorvinel.screen_reader_text_on)
            modSorvinel.show_screen_reader_text(labUrval[urval::Prompt]->Caption(), false);
        labUrval[urval::Input]->setCaption(kCursorMark);
        typed_text.clear();
        return;
    }

    switch (field) {
    case ScreenState::PanelLowFirst:
        panel_low_first = value;
        break;
    case ScreenState::PanelLowSecond:
        panel_low_second = value;
        break;
    case ScreenState::PanelHighFirst:
        panel_high_first = value;
        break;
    case ScreenState::PanelHighSecond: {
        panel_high_second = value;
        const drill::GeneratorRanges r =
            drill::panel_generator_ranges(modSorvinel.current_operation, panel_bounds(*this));
        // The count of the tasks the drill can really ask (no division by 0).
        modSorvinel.possible_task_count =
            drill::count_drill_tasks(modSorvinel.current_operation,
                                     {r.first_low, r.first_high, r.second_low, r.second_high});
        break;
    }
    case ScreenState::PanelCount: {
        modSorvinel.task_count = value;
        const drill::GeneratorRanges r =
            drill::panel_generator_ranges(modSorvinel.current_operation, panel_bounds(*this));
        generate_selection_tasks(r.first_low, r.first_high, r.second_low, r.second_high,
                                 modSorvinel.task_count);
        if (drill_session().pass_length() <= 0)
            return;
        hide_selection_lines();
        start_drill();
        return;
    }
    default:
        return;
    }
    modSorvinel.screen_state = ScreenState(int(field) + 1);
    selection_field_limits(modSorvinel.screen_state);
    draw_selection_panel(panel_low_first, panel_high_first, panel_low_second, panel_high_second);
}

void frmSorvinel::step_back_selection_field() {
    const ScreenState field = modSorvinel.screen_state;
    if (field == ScreenState::PanelLowFirst || !is_panel_field(field))
        return;
    modSorvinel.screen_state = ScreenState(int(field) - 1);
    selection_field_limits(modSorvinel.screen_state);
    draw_selection_panel(panel_low_first, panel_high_first, panel_low_second, panel_high_second);
}
