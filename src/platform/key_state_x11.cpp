// The X server's keymap, through the connection of Qt's xcb plugin.
#include "platform/key_state.h"

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
} // namespace

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
