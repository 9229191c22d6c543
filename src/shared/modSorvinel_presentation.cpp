// Presentation procedures of the main window: colour style, number board, number line,
// mouse pointer and clock. Each keeps the main window in a state the drill can rely on.
#include "shared/colour_schemes.h"
#include "shared/main_window_view.h"
#include "shared/modSorvinel.h"

void ModSorvinel::apply_colour_style(int style) {
    colour_style = style;
    if (main_window && style >= 0 && style < kColourSchemeCount)
        main_window->apply_colours(colour_schemes()[std::size_t(style)]);
}

void ModSorvinel::build_number_board(bool mode, bool &built, int rows) {
    (void)rows;
    // The board is only ever shown in a control mode that has one.
    built = mode;
    if (main_window && !mode)
        main_window->set_number_board_visible(false);
}

void ModSorvinel::layout_number_line(int length, int &marking) {
    (void)length;
    (void)marking;
    number_line_built = !number_line_built;
}

void ModSorvinel::show_number_line(int length, bool visible) {
    (void)length;
    if (main_window)
        main_window->set_number_line_visible(visible);
}

void ModSorvinel::apply_mouse_pointer() {
    if (main_window)
        main_window->set_mouse_pointer(
            QCursor(custom_mouse_pointer ? Qt::PointingHandCursor : Qt::ArrowCursor));
}

void ModSorvinel::setup_clock() {
    clock_running = false;
    if (main_window)
        main_window->set_clock_running(false);
}

void ModSorvinel::set_one_key_scanning(bool on) {
    one_key_scanning = on;
    if (main_window)
        main_window->set_one_key_scanning(on, one_key_interval * kMillisecondsPerSecond);
}
