#pragma once
// The in-window own-selection panel without widgets: the limits of each field, the range
// template line, the prompt and how it is spoken. The fields are the screen states 7..11:
// lowest first, lowest second, highest first, highest second operand, then the count.
// For Division the first operand is the denominator and the second the quotient.

#include "shared/modSorvinel.h"

#include <QString>

namespace drill {

// The four bounds as committed so far.
struct PanelBounds {
    int low_first = 0;
    int low_second = 0;
    int high_first = 0;
    int high_second = 0;
};

struct FieldLimits {
    int min = 0;
    int max = 0;
};
// Inclusive limits of `field`; a product or a dividend never exceeds 9999 and no bound
// exceeds 999. The count field runs from `min_task_count` to 1000.
FieldLimits panel_field_limits(ScreenState field, Operation operation, const PanelBounds &bounds,
                               int min_task_count);

// The range template: "Från 2 + 3 = 5    till 9 + 7 = 16 ", "#" for what is not known yet.
QString panel_template_line(ScreenState field, Operation operation, const PanelBounds &bounds);
// The prompt: "Lägsta första term (0 - 999): ", "Antal av 80 (5 - 1000): ".
QString panel_prompt(ScreenState field, Operation operation, const FieldLimits &limits,
                     long possible_task_count);
// The prompt for the voice: "(" read as ". mellan ", "-" as "och", ")" left out.
QString speak_range_text(const QString &text);

// The ranges the drill generator takes: Division asks quotients, so its ranges swap.
struct GeneratorRanges {
    int first_low, first_high, second_low, second_high;
};
GeneratorRanges panel_generator_ranges(Operation operation, const PanelBounds &bounds);

} // namespace drill
