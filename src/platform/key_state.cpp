#include "platform/key_state.h"

#include <QKeyEvent>
#include <QLoggingCategory>

namespace platform {
// The window system's answer; in key_state_x11.cpp or key_state_none.cpp as the build has xcb.
KeyState system_key_state(quint32 native_scan_code);

namespace {
// Shows each release Qt left unmarked and what the window system said of its key.
Q_LOGGING_CATEGORY(lcKeys, "sorvinel.keys", QtWarningMsg)

std::function<KeyState(quint32)> g_query;
} // namespace

KeyState key_state(quint32 native_scan_code) {
    return g_query ? g_query(native_scan_code) : system_key_state(native_scan_code);
}

void set_key_state_query(std::function<KeyState(quint32)> query) {
    g_query = std::move(query);
}

KeyRelease classify_release(bool marked_repeat, KeyState now) {
    return marked_repeat || now == KeyState::Down ? KeyRelease::Repeat : KeyRelease::Real;
}

KeyRelease classify_release(const QKeyEvent *event) {
    if (event->isAutoRepeat())
        return KeyRelease::Repeat;
    const KeyState now = key_state(event->nativeScanCode());
    qCDebug(lcKeys) << "unmarked release of" << event->nativeScanCode() << "key state" << int(now);
    return classify_release(false, now);
}

} // namespace platform
