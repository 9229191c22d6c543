// Presentation procedures of the main window: colour style, number board, number line,
// mouse pointer and clock. Each keeps the main window in a state the drill can rely on.
#include "shared/colour_schemes.h"
#include "shared/main_window_view.h"
#include "shared/modSorvinel.h"

#include <QPixmap>

namespace {
// The fingertip of our pointing hand.
constexpr int kPointerHotX = 12, kPointerHotY = 1;
} // namespace

void ModSorvinel::apply_colour_style(int style) {
    colour_style = style;
    if (!main_window)
        return;
    // A style outside the table changes no colour.
    if (style >= 0 && style < kColourSchemeCount) {
        const ColourScheme &scheme = colour_schemes()[std::size_t(style)];
        dim_colour = scheme.dim;
        main_window->apply_colours(scheme);
    }
    main_window->repaint_view();
}

void ModSorvinel::build_number_board(bool mode, bool &built, int rows) {
    (void)rows;
    // The board is only ever shown in a control mode that has one.
    built = mode;
    if (main_window && !mode)
        main_window->set_number_board_visible(false);
}

void ModSorvinel::layout_number_line(int length, int &marking) {
    if (number_line_built) {
        if (main_window)
            main_window->remove_number_line(length);
        number_line_built = false;
        return;
    }
    // Taking away a line that was never built builds none.
    if (!number_line_on)
        return;
    // An interval of 0 would divide by zero; one below 1 marks every tick.
    if (marking < 1)
        marking = 1;
    if (main_window)
        main_window->build_number_line(length, marking);
    number_line_built = true;
}

void ModSorvinel::show_number_line(int length, bool visible) {
    if (main_window)
        main_window->set_number_line_visible(length, visible);
}

void ModSorvinel::apply_mouse_pointer() {
    if (!main_window)
        return;
    main_window->set_mouse_pointer(
        custom_mouse_pointer
            ? QCursor(QPixmap(QStringLiteral(":/pointer-hand.svg")), kPointerHotX, kPointerHotY)
            : QCursor(Qt::ArrowCursor));
}

void ModSorvinel::setup_clock() {
    // Follows the setting: never starts a clock that is off, never stops one that is on.
    const bool wanted = show_clock;
    if (wanted == clock_running)
        return;
    if (main_window)
        main_window->set_clock_running(wanted);
    clock_running = wanted;
}

void ModSorvinel::set_one_key_scanning(bool on) {
    one_key_scanning = on;
    if (main_window)
        main_window->set_one_key_scanning(on, one_key_interval * kMillisecondsPerSecond);
}
