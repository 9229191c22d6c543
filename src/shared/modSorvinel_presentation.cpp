// Presentation procedures of the main window: colour style, number board, number line,
// mouse pointer and clock. Each keeps the main window in a state the drill can rely on.
#include "drill/frmSorvinel.h"
#include "shared/modSorvinel.h"

void ModSorvinel::apply_colour_style(int style) {
    colour_style = style;
}

void ModSorvinel::build_number_board(bool mode, bool &built, int rows) {
    (void)rows;
    // The board is only ever shown in a control mode that has one.
    built = mode;
    if (main_window && !mode)
        main_window->shaSiffertavla->hide();
}

void ModSorvinel::layout_number_line(int length, int &marking) {
    (void)length;
    (void)marking;
    number_line_built = !number_line_built;
}

void ModSorvinel::show_number_line(int length, bool visible) {
    (void)length;
    if (main_window)
        main_window->linTallinje->setVisible(visible);
}

void ModSorvinel::apply_mouse_pointer() {
    if (!main_window)
        return;
    const Qt::CursorShape shape = custom_mouse_pointer ? Qt::PointingHandCursor : Qt::ArrowCursor;
    for (VbLabel *item : main_window->labMenyVal)
        if (item)
            item->setCursor(shape);
}

void ModSorvinel::setup_clock() {
    clock_running = false;
    if (main_window)
        main_window->timKlocka->stop();
}
