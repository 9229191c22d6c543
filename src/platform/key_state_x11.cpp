// The X server's keymap, through the connection of Qt's xcb plugin, and the times of its key
// events as they arrive.
#include "platform/key_state.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>

namespace platform {
namespace {
constexpr quint32 kBitsPerByte = 8;
// X key codes run from 8 to 255; the keymap has one bit for each.
constexpr quint32 kLastKeyCode = 255;
const QString kXcbPlatform = QStringLiteral("xcb");

// Qt's connection to the X server whose key events we get; none on other platforms (the
// offscreen plugin may hold an X connection of its own, for OpenGL only).
xcb_connection_t *key_event_connection() {
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ||
        QGuiApplication::platformName() != kXcbPlatform)
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    return connection && !xcb_connection_has_error(connection) ? connection : nullptr;
}

const QByteArray kXcbEvent = QByteArrayLiteral("xcb_generic_event_t");
// The response type of an event sent by another client has this bit set.
constexpr quint8 kSentEventBit = 0x80;

// Sees each X event before Qt works on it, and keeps the times of the key events.
class KeyTimeKeeper : public QAbstractNativeEventFilter {
public:
    explicit KeyTimeKeeper(KeyTimeLog &log) : log_(log) {}
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override {
        if (type != kXcbEvent)
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        const quint8 kind = event->response_type & ~kSentEventBit;
        if (kind == XCB_KEY_PRESS || kind == XCB_KEY_RELEASE) {
            const auto *key = reinterpret_cast<const xcb_key_press_event_t *>(event);
            log_.record(kind == XCB_KEY_PRESS, key->detail, key->time);
        }
        return false;
    }

private:
    KeyTimeLog &log_;
};
} // namespace

void keep_system_key_times(KeyTimeLog &log) {
    static KeyTimeKeeper *keeper = nullptr;
    if (keeper || !key_event_connection())
        return;
    keeper = new KeyTimeKeeper(log);
    QCoreApplication::instance()->installNativeEventFilter(keeper);
}

KeyState system_key_state(quint32 native_scan_code) {
    xcb_connection_t *connection = key_event_connection();
    if (!connection || native_scan_code == 0 || native_scan_code > kLastKeyCode)
        return KeyState::Unknown;
    xcb_query_keymap_reply_t *reply =
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    if (!reply)
        return KeyState::Unknown;
    const bool down =
        (reply->keys[native_scan_code / kBitsPerByte] >> (native_scan_code % kBitsPerByte)) & 1U;
    std::free(reply);
    return down ? KeyState::Down : KeyState::Up;
}

} // namespace platform
