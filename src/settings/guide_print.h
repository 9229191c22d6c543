#pragma once
// Prints the guide text on a chosen printer in the font the window shows it in: word
// wrap to the page width, page breaks, only the pages chosen in the print dialog, every
// copy the printer cannot make itself in the same document, each copy starting on a new
// page.

#include <QFont>
#include <QString>

class QPrinter;

namespace guide {

// True when every page was drawn and the printer took the document.
bool print_guide(QPrinter &printer, const QString &text, const QFont &font);

} // namespace guide
