#pragma once
// A main window that only records what the shared procedures ask of it, one line a call,
// so tests of those procedures need no real window.
#include "shared/colour_schemes.h"
#include "shared/main_window_view.h"

#include <QStringList>

class RecordingView : public MainWindowView {
public:
    QStringList calls;
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
    void set_reader_text(const QString &text) override { calls << "text " + text; }
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
