#include "platform/system.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QTime>
#include <algorithm>
#include <chrono>
#include <random>

namespace platform {
namespace {
std::function<long()> g_time_source;
std::function<long long()> g_steady_source;
std::function<double()> g_random_source;
std::function<double()> g_monotonic_source;
// The scripted time of day as a steady clock: its last reading and the days it wrapped.
long g_scripted_last = 0;
long g_scripted_days = 0;
std::mt19937 &generator() {
    static std::mt19937 gen(12345u);
    return gen;
}
int g_beeps = 0;
std::optional<QPoint> g_last_cursor;
std::optional<ScreenMetrics> g_metrics_override;
constexpr long kSecondsPerDay = 86400;
constexpr double kTwipsPerInch = 1440.0;
} // namespace

long seconds_since_midnight() {
    if (g_time_source)
        return g_time_source();
    return QTime::currentTime().msecsSinceStartOfDay() / 1000 % kSecondsPerDay;
}

void set_time_source(std::function<long()> source) {
    g_time_source = std::move(source);
    g_scripted_last = 0;
    g_scripted_days = 0;
}

double monotonic_seconds() {
    if (g_monotonic_source)
        return g_monotonic_source();
    if (g_time_source) {
        const long now = g_time_source();
        if (now < g_scripted_last)
            ++g_scripted_days;
        g_scripted_last = now;
        return double(g_scripted_days * kSecondsPerDay + now);
    }
    static const auto origin = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - origin).count();
}

void set_monotonic_source(std::function<double()> source) {
    g_monotonic_source = std::move(source);
}

long long steady_milliseconds() {
    if (g_steady_source)
        return g_steady_source();
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void set_steady_source(std::function<long long()> source) {
    g_steady_source = std::move(source);
}

double rnd() {
    if (g_random_source)
        return g_random_source();
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator());
}

void randomize() {
    if (g_random_source)
        return;
    const auto now = QTime::currentTime().msecsSinceStartOfDay();
    generator().seed(static_cast<unsigned>(now) ^ static_cast<unsigned>(std::random_device{}()));
}

void set_random_source(std::function<double()> source) {
    g_random_source = std::move(source);
}

void beep() {
    ++g_beeps;
    QApplication::beep();
}

int beep_count() {
    return g_beeps;
}

void set_clipboard_text(const QString &text) {
    if (auto *cb = QGuiApplication::clipboard())
        cb->setText(text);
}

QString clipboard_text() {
    auto *cb = QGuiApplication::clipboard();
    return cb ? cb->text() : QString();
}

void set_cursor_pos(int x, int y) {
    const ScreenMetrics m = screen_metrics();
    x = std::clamp(x, 0, std::max(0, m.width_px - 1));
    y = std::clamp(y, 0, std::max(0, m.height_px - 1));
    g_last_cursor = QPoint(x, y);
    if (!g_metrics_override)
        QCursor::setPos(x, y);
}

std::optional<QPoint> last_cursor_pos() {
    return g_last_cursor;
}
void reset_cursor_record() {
    g_last_cursor.reset();
}

ScreenMetrics screen_metrics() {
    if (g_metrics_override)
        return *g_metrics_override;
    ScreenMetrics m;
    if (QScreen *s = QGuiApplication::primaryScreen()) {
        m.width_px = s->geometry().width();
        m.height_px = s->geometry().height();
        m.available_width_px = s->availableGeometry().width();
        m.available_height_px = s->availableGeometry().height();
        const double dpiX = s->logicalDotsPerInchX();
        const double dpiY = s->logicalDotsPerInchY();
        if (dpiX > 0)
            m.twips_per_pixel_x = kTwipsPerInch / dpiX;
        if (dpiY > 0)
            m.twips_per_pixel_y = kTwipsPerInch / dpiY;
    }
    return m;
}

void set_screen_metrics(std::optional<ScreenMetrics> metrics) {
    g_metrics_override = metrics;
}

} // namespace platform
