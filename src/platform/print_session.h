#pragma once
// One print job on a chosen printer: pages drawn with a painter, every step checked, so a
// failed job is reported as failed and aborted instead of looking printed.

#include <QPainter>

class QPrinter;

namespace platform {

class PrintSession {
public:
    explicit PrintSession(QPrinter &printer) : printer_(printer) {}
    ~PrintSession();
    PrintSession(const PrintSession &) = delete;
    PrintSession &operator=(const PrintSession &) = delete;

    // Starts a page: the first call opens the document, each later one turns the page.
    // False when the printer refused; the job is then aborted.
    bool start_page();
    // Ends the document; false (and the job aborted) when the printer reports an error.
    bool finish();
    // Drawing on the current page; valid after a successful start_page().
    QPainter &painter() { return painter_; }
    // The drawable page in the printer's own units.
    double page_width() const;
    double page_height() const;

private:
    bool fail();

    QPrinter &printer_;
    QPainter painter_;
    bool started_ = false;
    bool failed_ = false;
};

} // namespace platform
