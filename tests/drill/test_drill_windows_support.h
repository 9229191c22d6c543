#pragma once
// Helpers for the tests of the drill's modal windows: keys as X11 sends them (with
// auto-repeat), and acting on a modal window once the code under test has opened it.
#include "support/modal_watch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <chrono>
#include <functional>

namespace drill_windows_test {

inline void send_key(QWidget *w, QEvent::Type type, Qt::Key key, bool autoRepeat = false,
                     const QString &text = {}) {
    QKeyEvent e(type, key, Qt::NoModifier, text, autoRepeat);
    QApplication::sendEvent(w, &e);
}
inline void press(QWidget *w, Qt::Key key, bool autoRepeat = false) {
    send_key(w, QEvent::KeyPress, key, autoRepeat);
}
inline void release(QWidget *w, Qt::Key key, bool autoRepeat = false) {
    send_key(w, QEvent::KeyRelease, key, autoRepeat);
}
inline void click_key(QWidget *w, Qt::Key key) {
    press(w, key);
    release(w, key);
}

// Runs `act` on the modal window of type T as soon as it is shown. When it never shows,
// nothing is done and the caller's exec() is not waited on; the looking ends with `watch`
// (the fixture's), so `act` may use the test's locals.
template <class T> void when_modal(ModalWatch &watch, std::function<void(T *)> act) {
    watch.start(
        [act](QWidget *modal) {
            auto *t = qobject_cast<T *>(modal);
            if (t)
                act(t);
            return t != nullptr;
        },
        ModalWatch::kTries, std::chrono::milliseconds(5));
}

} // namespace drill_windows_test
