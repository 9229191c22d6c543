// The X server's keymap, through the connection of Qt's xcb plugin, and the times of its key
// events as they arrive.
#include "platform/key_state.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <xcb/xcb.h>
#ifdef SORVINEL_HAVE_XCB_XKB
// The XKB header names a field "explicit".
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#endif

namespace platform {
namespace {
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
    if (!connection || key_state_in_keymap(XKeymap{}, native_scan_code) == KeyState::Unknown)
        return KeyState::Unknown;
    xcb_query_keymap_reply_t *reply =
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    if (!reply)
        return KeyState::Unknown;
    XKeymap keys{};
    std::copy(std::begin(reply->keys), std::end(reply->keys), keys.begin());
    std::free(reply);
    return key_state_in_keymap(keys, native_scan_code);
}

bool use_system_detectable_auto_repeat() {
#ifdef SORVINEL_HAVE_XCB_XKB
    xcb_connection_t *connection = key_event_connection();
    if (!connection)
        return false;
    // Qt has set up XKB on its connection; ask again, the answer is needed before the flags.
    xcb_xkb_use_extension_reply_t *use = xcb_xkb_use_extension_reply(
        connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
        nullptr);
    const bool xkb = use && use->supported;
    std::free(use);
    if (!xkb)
        return false;
    const quint32 flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    xcb_xkb_per_client_flags_reply_t *reply = xcb_xkb_per_client_flags_reply(
        connection,
        xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0),
        nullptr);
    const bool on = reply && (reply->supported & flag) && (reply->value & flag);
    std::free(reply);
    return on;
#else
    return false;
#endif
}

} // namespace platform
