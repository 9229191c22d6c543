#include "platform/print_session.h"

#include <QPrinter>

namespace platform {

PrintSession::~PrintSession() {
    // A job left half-way is not sent on as if complete.
    if (painter_.isActive())
        fail();
}

bool PrintSession::fail() {
    failed_ = true;
    if (painter_.isActive())
        painter_.end();
    printer_.abort();
    return false;
}

bool PrintSession::start_page() {
    if (failed_)
        return false;
    if (!started_) {
        started_ = true;
        if (!painter_.begin(&printer_))
            return fail();
    } else if (!printer_.newPage()) {
        return fail();
    }
    if (printer_.printerState() == QPrinter::Error)
        return fail();
    return true;
}

bool PrintSession::finish() {
    if (failed_)
        return false;
    if (!started_)
        return true;
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
