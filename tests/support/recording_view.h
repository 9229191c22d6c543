#pragma once
// A main window that only records what the shared procedures ask of it, one line a call,
// so tests of those procedures need no real window.
#include "shared/colour_schemes.h"
#include "shared/main_window_view.h"

#include <QStringList>

class RecordingView : public MainWindowView {
public:
    QStringList calls;
    QString shown_text; // what the reader field holds
    NumberFont font{QStringLiteral("Design"), 12};
    bool folder_listable = true;
    SpeechEngine *engine = nullptr;
    QPoint centre{100, 200};

    QString design_number_font() const override { return QStringLiteral("Design"); }
    NumberFont fit_number_font(const QString &family, int width, int height) override {
        calls << QStringLiteral("fit %1 %2x%3").arg(family).arg(width).arg(height);
        font.family = family;
        return font;
    }
    void set_number_font(const QString &family, double points) override {
        calls << QStringLiteral("font %1 %2").arg(family).arg(points);
        font = {family, points};
    }
    NumberFont number_font() const override { return font; }
    void apply_colours(const ColourScheme &scheme) override {
        calls << QStringLiteral("colours %1").arg(QString::fromUtf8(scheme.caption));
    }
    unsigned background_colour() const override { return 0; }
    unsigned number_colour() const override { return 0; }
    void set_number_board_visible(bool visible) override { calls << on_off("board", visible); }
    // Key 0 is `digit_height_per_point` twips high per point, as wide as high.
    double digit_height_per_point = 20;
    double digit_points = 48;
    double key_top = 3000;
    number_board::Looks looks{};
    number_board::Layout placed{};
    int placed_digits = 0, placed_ok = 0;
    QSizeF board_digit_extent(int points) override {
        digit_points = points;
        return {points * digit_height_per_point, points * digit_height_per_point};
    }
    double board_digit_points() const override { return digit_points; }
    double board_top() const override { return key_top; }
    void place_number_board(const number_board::Layout &layout, int digits, int ok) override {
        calls << QStringLiteral("place %1 %2").arg(digits).arg(ok);
        placed = layout;
        placed_digits = digits;
        placed_ok = ok;
        looks.fill(number_board::KeyLook{});
    }
    void remove_number_board() override { calls << QStringLiteral("remove board"); }
    number_board::KeyLook board_key_look(int key) const override { return looks[std::size_t(key)]; }
    void set_board_key_look(int key, const number_board::KeyLook &look) override {
        calls << QStringLiteral("look %1").arg(key);
        looks[std::size_t(key)] = look;
    }
    void set_number_line_visible(int last_index, bool visible) override {
        calls << on_off("line", visible) + QStringLiteral(" %1").arg(last_index);
    }
    void build_number_line(int length, int marking) override {
        calls << QStringLiteral("build line %1 %2").arg(length).arg(marking);
    }
    void remove_number_line(int length) override {
        calls << QStringLiteral("remove line %1").arg(length);
    }
    void set_mouse_pointer(const QCursor &pointer) override {
        calls << QStringLiteral("pointer %1").arg(int(pointer.shape()));
    }
    QPixmap mouse_pointer_picture() const override { return {}; }
    void set_clock_running(bool running) override { calls << on_off("clock", running); }
    void set_one_key_scanning(bool on, int interval_ms) override {
        calls << on_off("scan", on) + QStringLiteral(" %1").arg(interval_ms);
    }
    SpeechEngine *speech() const override { return engine; }
    void set_reader_field_visible(bool visible) override { calls << on_off("reader", visible); }
    void set_reader_text(const QString &text) override {
        calls << "text " + text;
        shown_text = text;
    }
    QString reader_text() const override { return shown_text; }
    QPoint reader_field_centre() const override { return centre; }
    bool set_exercise_folder(const QString &folder) override {
        calls << "folder " + folder;
        return folder_listable;
    }
    void repaint_view() override { calls << QStringLiteral("repaint"); }

private:
    static QString on_off(const char *what, bool on) {
        return QString::fromUtf8(what) + (on ? QStringLiteral(" on") : QStringLiteral(" off"));
    }
};
