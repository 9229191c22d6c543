#pragma once
// The printed guide as plain numbers: its text broken into lines that fit the page width,
// and the lines split into pages. Widths come from a measuring function in the printer's
// own units, so the layout can be tested without a printer.

#include <QString>
#include <functional>
#include <vector>

namespace guide {

using TextWidth = std::function<double(const QString &)>;

// Each line of `text` (LF or CR LF) broken at blanks so that no printed line is wider
// than `width`; a word wider than the page is broken between its characters. Runs of
// blanks keep one blank per empty word, and an empty text line stays an empty line.
std::vector<QString> printed_lines(const QString &text, double width, const TextWidth &width_of);

// Index of the first line of each page: lines advance by `line_height` from `top`, and a
// page ends once a printed line passes `page_height - top` while more lines follow.
std::vector<int> page_starts(int line_count, double line_height, double top, double page_height);

} // namespace guide
