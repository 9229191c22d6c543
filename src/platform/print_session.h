#pragma once
// One print job on a chosen printer: pages drawn with a painter, every step checked, so a
// failed job is reported as failed and aborted instead of looking printed. A job printed to
// a PDF file is drawn in memory and written to the file only when whole (see finish()).

#include <QBuffer>
#include <QPainter>
#include <memory>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace platform {

class PrintSession {
public:
    explicit PrintSession(QPrinter &printer);
    ~PrintSession();
    PrintSession(const PrintSession &) = delete;
    PrintSession &operator=(const PrintSession &) = delete;

    // Starts a page: the first call opens the document, each later one turns the page.
    // False when the printer refused; the job is then aborted.
    bool start_page();
    // Ends the document; false (and the job aborted) when the printer reports an error. A
    // PDF file is written aside and renamed over the chosen name, so a file cut short (a
    // full disk) is never left there and an older one stays as it was.
    bool finish();
    // Drawing on the current page; valid after a successful start_page().
    QPainter &painter() { return painter_; }
    // The drawable page in the printer's own units.
    double page_width() const;
    double page_height() const;

private:
    bool fail();
    QPagedPaintDevice &target();

    QPrinter &printer_;
    // Qt's own PDF output drops failed writes unseen; drawn here, the file write is checked.
    QBuffer pdf_bytes_;
    std::unique_ptr<QPdfWriter> pdf_;
    QPainter painter_;
    bool started_ = false;
    bool failed_ = false;
};

} // namespace platform
