#pragma once
// The hourglass on one window while a command runs; dialogs it opens keep their own pointer.

#include <QWidget>

namespace exercises {

class BusyCursor {
public:
    explicit BusyCursor(QWidget *window) : window_(window) { window_->setCursor(Qt::WaitCursor); }
    ~BusyCursor() { window_->unsetCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    QWidget *window_;
};

} // namespace exercises
