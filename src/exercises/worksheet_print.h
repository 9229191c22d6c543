#pragma once
// Draws a worksheet on a chosen printer: the framed pages of exercises/worksheet_layout.h,
// only those chosen in the print dialog, every copy the printer cannot make itself in the
// same document.

#include <QString>
#include <QStringList>

class QPrinter;

namespace exercises {

struct Worksheet {
    QString file_name; // shown at the top left, as the frame prints it
    QStringList lines; // print lines, in print order
    double task_points = 10;
};

// True when every page was drawn and the printer took the document. An exercise without
// tasks prints nothing and counts as done.
bool print_worksheet(QPrinter &printer, const Worksheet &sheet);

} // namespace exercises
