// Presentation procedures of the main window: colour style, number board, number line,
// mouse pointer and clock. Each keeps the main window in a state the drill can rely on.
#include "platform/system.h"
#include "platform/vb.h"
#include "shared/colour_schemes.h"
#include "shared/main_window_view.h"
#include "shared/modSorvinel.h"
#include "shared/number_board.h"

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
    MainWindowView *w = main_window;
    if (!mode) {
        if (!built)
            return;
        if (w)
            w->remove_number_board();
        built = false;
        return;
    }
    // A new layout needs the board switched off first.
    if (built || !w)
        return;
    const int digits = number_board::fit_digit_points(
        int(w->board_digit_points()), board_key_size,
        [w](int points) { return w->board_digit_extent(points).height(); });
    const QSizeF key = w->board_digit_extent(digits);
    const double screen = platform::screen_metrics().width_px * vb::twips_per_pixel_x();
    w->place_number_board(number_board::layout(screen, w->board_top(), key, rows), digits,
                          number_board::ok_key_points(digits));
    built = true;
    if (number_board::shown_in(screen_state)) {
        w->set_number_board_visible(true);
        board_key = number_board::kEnterKey;
        paint_number_board(board_key);
    }
}

void ModSorvinel::paint_number_board(int key) {
    MainWindowView *w = main_window;
    if (!w || !number_board_built)
        return;
    number_board::Looks now;
    for (int i = 0; i < number_board::kKeyCount; ++i)
        now[std::size_t(i)] = w->board_key_look(i);
    const auto next =
        number_board::paint(now, key, {w->number_colour(), dim_colour, w->background_colour()});
    if (!next)
        return;
    for (int i = 0; i < number_board::kKeyCount; ++i)
        if ((*next)[std::size_t(i)] != now[std::size_t(i)])
            w->set_board_key_look(i, (*next)[std::size_t(i)]);
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
