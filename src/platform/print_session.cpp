#include "platform/print_session.h"

#include "platform/atomic_file.h"

#include <QPdfWriter>
#include <QPrinter>

namespace platform {

PrintSession::PrintSession(QPrinter &printer) : printer_(printer) {
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
        return;
    // The same document the printer would write: its page, resolution and names.
    pdf_bytes_.open(QIODevice::WriteOnly);
    pdf_ = std::make_unique<QPdfWriter>(&pdf_bytes_);
    pdf_->setResolution(printer.resolution());
    pdf_->setPageLayout(printer.pageLayout());
    pdf_->setPdfVersion(printer.pdfVersion());
    pdf_->setTitle(printer.docName());
    pdf_->setCreator(printer.creator());
}

PrintSession::~PrintSession() {
    // A job left half-way is not sent on as if complete.
    if (painter_.isActive())
        fail();
}

QPagedPaintDevice &PrintSession::target() {
    if (pdf_)
        return *pdf_;
    return printer_;
}

bool PrintSession::fail() {
    failed_ = true;
    if (painter_.isActive())
        painter_.end();
    if (!pdf_)
        printer_.abort();
    return false;
}

bool PrintSession::start_page() {
    if (failed_)
        return false;
    if (!started_) {
        started_ = true;
        if (!painter_.begin(&target()))
            return fail();
    } else if (!target().newPage()) {
        return fail();
    }
    if (!pdf_ && printer_.printerState() == QPrinter::Error)
        return fail();
    return true;
}

bool PrintSession::finish() {
    if (failed_)
        return false;
    if (!started_)
        return true;
    if (pdf_) {
        failed_ =
            !painter_.end() || !write_file_atomically(printer_.outputFileName(), pdf_bytes_.data());
        return !failed_;
    }
    if (printer_.printerState() == QPrinter::Error)
        return fail();
    if (!painter_.end()) {
        failed_ = true;
        return false;
    }
    return printer_.printerState() != QPrinter::Error &&
           printer_.printerState() != QPrinter::Aborted;
}

double PrintSession::page_width() const {
    return printer_.pageRect(QPrinter::DevicePixel).width();
}

double PrintSession::page_height() const {
    return printer_.pageRect(QPrinter::DevicePixel).height();
}

} // namespace platform
