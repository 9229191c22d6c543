#pragma once
// Small services of the system, each with a seam for tests: the time of day, random
// numbers, beep, the clipboard, the mouse pointer and the screen's metrics.

#include <QPoint>
#include <QString>
#include <functional>
#include <optional>

namespace platform {

// Whole seconds since midnight, local time.
long seconds_since_midnight();
// Tests: a source of the time of day; an empty function restores the clock.
void set_time_source(std::function<long()> source);
// Milliseconds on a steady clock (never set back), for pacing what the screen shows.
long long steady_milliseconds();
// Tests: a source of those milliseconds; an empty function restores the clock.
void set_steady_source(std::function<long long()> source);

// Seconds on a steady clock that never goes back (not the time of day): how long a drill
// took, unaffected by midnight or a daylight-saving change. While a time-of-day source is
// scripted it follows that source, a step back counting as the next day.
double monotonic_seconds();
// Tests: a scripted steady clock; it wins over the time-of-day source. Empty restores.
void set_monotonic_source(std::function<double()> source);

// Uniform random number in [0, 1).
double rnd();
// Seeds the generator from the clock (Randomize Timer).
void randomize();
// Tests: a scripted source; while set, randomize() does not disturb it.
void set_random_source(std::function<double()> source);

void beep();
// Tests: how often beep() was called.
int beep_count();

void set_clipboard_text(const QString &text);
QString clipboard_text();

// Moves the pointer to (x, y) screen pixels, limited to the screen.
void set_cursor_pos(int x, int y);
// The last position asked of set_cursor_pos, for tests.
std::optional<QPoint> last_cursor_pos();
void reset_cursor_record();

struct ScreenMetrics {
    int width_px = 0; // the whole screen
    int height_px = 0;
    int available_width_px = 0; // the work area left by panels
    int available_height_px = 0;
    double twips_per_pixel_x = 15;
    double twips_per_pixel_y = 15;
};
ScreenMetrics screen_metrics();
// Tests: pretend a screen of another size.
void set_screen_metrics(std::optional<ScreenMetrics> metrics);

} // namespace platform
