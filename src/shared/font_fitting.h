#pragma once
// Fitting a font size to a box: the main window's task row and the settings dialog's
// sample both size their numbers by this one procedure; the own-selection panel's range
// line is only made smaller, to keep within the window.

#include <QFont>
#include <QSizeF>
#include <QString>
#include <functional>

// The largest whole-point size, stepping from `start`, at which `extent(size)` fits the
// target: grown while narrower than the width, then shrunk while wider or taller. Bounded
// whatever `extent` answers.
int fit_font_size(int start, QSizeF target, const std::function<QSizeF(int)> &extent);
// The size at which `width(size)` is at most `room`: `start` itself when it fits, else the
// largest whole-point size below it, never less than the smallest. A text is only made
// smaller here, never larger.
double shrink_to_width(double start, double room, const std::function<double(double)> &width);
// The extent in twips of `text` in `font`, as a label lays out its caption.
QSizeF text_extent_twips(const QFont &font, const QString &text);
// The same in `family` at `points`, none of the four styles.
QSizeF text_extent_twips(const QString &family, int points, const QString &text);
