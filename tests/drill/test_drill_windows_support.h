#pragma once
// Helpers for the tests of the drill's modal windows: keys as X11 sends them (with
// auto-repeat), and acting on a modal window once the code under test has opened it.
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

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
// nothing is done and the caller's exec() is not waited on.
template <class T> void when_modal(std::function<void(T *)> act, int triesLeft = 500) {
    QTimer::singleShot(5, [act, triesLeft] {
        if (auto *t = qobject_cast<T *>(QApplication::activeModalWidget()))
            act(t);
        else if (triesLeft > 0)
            when_modal<T>(act, triesLeft - 1);
    });
}

} // namespace drill_windows_test
