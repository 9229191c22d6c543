#pragma once
// Fitting a font size to a box: the main window's task row and the settings dialog's
// sample both size their numbers by this one procedure.

#include <QSizeF>
#include <QString>
#include <functional>

// The largest whole-point size, stepping from `start`, at which `extent(size)` fits the
// target: grown while narrower than the width, then shrunk while wider or taller. Bounded
// whatever `extent` answers.
int fit_font_size(int start, QSizeF target, const std::function<QSizeF(int)> &extent);
// The extent in twips of `text` in `family` at `points`, none of the four styles.
QSizeF text_extent_twips(const QString &family, int points, const QString &text);
