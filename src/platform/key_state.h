#pragma once
// Whether a key is still held down, as the window system sees it, and what a key release
// then means. X11 sends a release before each auto-repeated press; Qt marks such pairs by
// peeking at the next event, and misses some when the event loop lags (the accessibility
// bridge holds every key for the reader's word). The X server's own key state tells a
// repeat's release from the real one.

#include <QtGlobal>
#include <functional>

class QKeyEvent;

namespace platform {

enum class KeyState { Unknown, Down, Up };

// Asks the window system about a key by its native scan code: the X server's keymap under
// xcb, Unknown on other platforms (offscreen), where Qt's own flag stands alone.
KeyState key_state(quint32 native_scan_code);
// Tests: a scripted answer; an empty function restores the window system's.
void set_key_state_query(std::function<KeyState(quint32 native_scan_code)> query);

enum class KeyRelease { Repeat, Real };
// A release is the first half of an auto-repeat when Qt marked it so, or when the key is
// still down as it arrives.
KeyRelease classify_release(bool marked_repeat, KeyState now);
// The same for a release event, asking the window system about its key.
KeyRelease classify_release(const QKeyEvent *event);

} // namespace platform
