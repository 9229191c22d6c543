#include "support/modal_watch.h"

#include <QApplication>
#include <QPointer>

#include <memory>

ModalWatch::ModalWatch() {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { look_once(); });
}

void ModalWatch::start(Look look, int tries, std::chrono::milliseconds every) {
    look_ = std::move(look);
    tries_left_ = tries;
    ++started_;
    timer_.start(every);
}

void ModalWatch::stop() {
    timer_.stop();
    look_ = {};
}

void ModalWatch::look_once() {
    if (!look_)
        return;
    // The look may spin an event loop of its own (a dialog's exec(), a wait): the timer is
    // idle meanwhile, so it cannot look again while still inside this look.
    const unsigned run = started_;
    const Look look = look_;
    const bool dealt = look(QApplication::activeModalWidget());
    if (run != started_ || !look_)
        return;
    if (dealt || --tries_left_ < 0)
        stop();
    else
        timer_.start();
}

ModalWatch::Look once_settled(ModalWatch::Look look) {
    auto previous = std::make_shared<QPointer<QWidget>>();
    return [look = std::move(look), previous](QWidget *modal) {
        const bool settled = modal && modal == *previous;
        *previous = modal;
        return settled && look(modal);
    };
}
