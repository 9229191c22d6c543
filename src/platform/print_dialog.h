#pragma once
// The print dialog: the user picks a printer (or a PDF file) and the number of copies. The
// result is a printer ready to draw on, or nothing when the user cancelled. Tests script
// the printers instead of showing a dialog, so a job prints to PDF without a person.

#include <QPageSize>
#include <QString>
#include <deque>
#include <functional>
#include <limits>
#include <memory>

class QPrinter;
class QWidget;

namespace platform {

// The printer chosen in the print dialog; nullptr when cancelled or when the dialog failed.
std::unique_ptr<QPrinter> choose_printer(QWidget *parent = nullptr);

// The whole print command: the dialog, then `draw` on the chosen printer with the busy
// pointer showing. A cancel ends silently; a job that `draw` reports failed (a PDF file not
// written whole among them) is said to have failed ("Problem vid utskrift", title
// "Utskrift") after the pointer is back. A print file that is there and no plain file (a
// FIFO, a folder) gives "Ett fel uppstod vid skrivning!" before anything is drawn.
void print_with_dialog(QWidget *parent, const std::function<bool(QPrinter &)> &draw);

// How many times a job draws its pages itself: once when the printer makes the copies,
// else as many times as the user asked for.
int copies_to_draw(const QPrinter &printer);

// The pages the user chose in the dialog, counted from 1 in each copy: every page unless
// "Sidor från ... till" was chosen. A layout draws only these and numbers them of the whole.
struct PageRange {
    int first = 1;
    int last = std::numeric_limits<int>::max();
    bool contains(int page) const { return page >= first && page <= last; }
};
PageRange chosen_pages(const QPrinter &printer);

// Tests: while a script is set, no dialog is shown; each call takes the next entry (an
// empty pdf_path, or a script run dry, counts as a cancel).
struct ScriptedPrinter {
    QString pdf_path;
    int copies = 1;
    QPageSize page_size = QPageSize(QPageSize::A4);
    int from_page = 0; // a chosen page range; 0 for every page
    int to_page = 0;
};
void script_print_dialog(std::deque<ScriptedPrinter> printers);
void stop_print_dialog_script();
int print_dialog_call_count();

// A PDF printer as the dialog would give it, for tests and benchmarks.
std::unique_ptr<QPrinter> make_pdf_printer(const ScriptedPrinter &setup);

} // namespace platform
