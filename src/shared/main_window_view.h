#pragma once
// What the shared module and the settings dialog may do to the main window. The main
// window implements it; the shared module's presentation procedures decide what to show
// and reach the widgets only through these calls, so the layers below the main window
// never see its controls. Tests use a recording fake (tests/support/recording_view.h).

#include "shared/number_board.h"

#include <QCursor>
#include <QPixmap>
#include <QPoint>
#include <QString>

class SpeechEngine;
struct ColourScheme;

// The number font as the main window's task row holds it.
struct NumberFont {
    QString family;
    double points = 0;
    bool resized = false; // fitting changed the size
};

class MainWindowView {
public:
    virtual ~MainWindowView() = default;

    // --- number font -----------------------------------------------------------------
    // The family the task row was created with: the font setting's default.
    virtual QString design_number_font() const = 0;
    // `family`, none of the four styles, fitted to the sample slot of `width` x `height`
    // twips; returns the family and size the task row then holds.
    virtual NumberFont fit_number_font(const QString &family, int width, int height) = 0;
    // `family` at `points`, none of the four styles, on every label of the task row.
    virtual void set_number_font(const QString &family, double points) = 0;
    virtual NumberFont number_font() const = 0;

    // --- colours -----------------------------------------------------------------------
    virtual void apply_colours(const ColourScheme &scheme) = 0;
    // The colours as they are now (OLE &HBBGGRR), for the settings dialog's sample.
    virtual unsigned background_colour() const = 0;
    virtual unsigned number_colour() const = 0;

    // --- number board ----------------------------------------------------------------
    // Every key that exists and the frame shown or hidden.
    virtual void set_number_board_visible(bool visible) = 0;
    // Key 0 with the caption "0" sized to its text at `points`: its extent in twips.
    virtual QSizeF board_digit_extent(int points) = 0;
    // Key 0's font size and Top (twips) as they are now.
    virtual double board_digit_points() const = 0;
    virtual double board_top() const = 0;
    // Keys 1..11 made as copies of key 0, every key placed and captioned, the frame behind
    // them; the digits at `digit_points`, "OK" at `ok_points`.
    virtual void place_number_board(const number_board::Layout &layout, int digit_points,
                                    int ok_points) = 0;
    // Keys 1..11 gone; key 0 and the frame hidden.
    virtual void remove_number_board() = 0;
    virtual number_board::KeyLook board_key_look(int key) const = 0;
    virtual void set_board_key_look(int key, const number_board::KeyLook &look) = 0;

    // --- number line, pointer, clock ----------------------------------------------------
    // Shows or hides the line and its ticks and labels 0..last_index that exist.
    virtual void set_number_line_visible(int last_index, bool visible) = 0;
    // Loads and places ticks and labels 1..length (marking at least 1); removes them again.
    virtual void build_number_line(int length, int marking) = 0;
    virtual void remove_number_line(int length) = 0;
    virtual void set_mouse_pointer(const QCursor &pointer) = 0;
    // The pointer's picture; null for a standard shape.
    virtual QPixmap mouse_pointer_picture() const = 0;
    // Lays the clock out and starts it, or stops it and takes it away.
    virtual void set_clock_running(bool running) = 0;

    // --- one-key control -----------------------------------------------------------------
    virtual void set_one_key_scanning(bool on, int interval_ms) = 0;

    // --- speech and the screen-reader field ---------------------------------------------
    virtual SpeechEngine *speech() const = 0;
    virtual void set_reader_field_visible(bool visible) = 0;
    virtual void set_reader_text(const QString &text) = 0;
    virtual QString reader_text() const = 0;
    // Global screen position of the field's centre.
    virtual QPoint reader_field_centre() const = 0;

    // --- the exercise-file list ----------------------------------------------------------
    // False when the folder cannot be listed.
    virtual bool set_exercise_folder(const QString &folder) = 0;

    // Paints again after the settings dialog changed what is shown.
    virtual void repaint_view() = 0;
};
