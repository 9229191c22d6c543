#pragma once
// Whether a key is still held down, as the window system sees it, and what a key release
// then means. X11 sends a release before each auto-repeated press, at the same moment; Qt
// marks such pairs by peeking at the next event, and misses some when the event loop lags
// (the accessibility bridge holds every key for the reader's word). The X server's own key
// state and the events' times tell a repeat's release from the real one.

#include <QtGlobal>
#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class QKeyEvent;

namespace platform {

enum class KeyState { Unknown, Down, Up };

// Asks the window system about a key by its native scan code: the X server's keymap under
// xcb, Unknown on other platforms (offscreen), where Qt's own flag stands alone.
KeyState key_state(quint32 native_scan_code);
// Tests: a scripted answer; an empty function restores the window system's.
void set_key_state_query(std::function<KeyState(quint32 native_scan_code)> query);

// The X server's keymap holds a bit for each key code, eight codes to a byte.
using XKeymap = std::array<quint8, 32>;
// A key's state in the keymap; Unknown for codes outside 8..255.
KeyState key_state_in_keymap(const XKeymap &keys, quint32 native_scan_code);

// Asks the window system to send no release before each auto-repeated press (XKB's
// detectable auto-repeat), so that every release it sends is real and a held key comes as
// presses only. Whether it agreed; false off X11 and without XKB.
bool use_detectable_auto_repeat();

// A key as its events name it: by the window system's scan code where both sides have one
// (a remapping tool may drop the key code from a release, never the scan code), else by the
// key code the caller uses.
struct KeyId {
    quint32 scan = 0;
    int code = 0;
};
bool same_key(const KeyId &a, const KeyId &b);
// The scan code and the program's key code (see vb::key_code) of an event.
KeyId key_id(const QKeyEvent *event);

// The keys that are down as far as one window knows: pressed, and no real release seen.
// A press of a key in the set is its auto-repeat.
class KeysDown {
public:
    bool contains(const KeyId &key) const;
    void press(const KeyId &key);
    // A release that names no key at all frees every key: better one repeat too many than
    // a key that never works again.
    void release(const KeyId &key);
    void clear() { keys_.clear(); }
    bool empty() const { return keys_.empty(); }
    const std::vector<KeyId> &keys() const { return keys_; }
    // Forgets the keys the window system says are up now, whose release went elsewhere (to
    // another program, or to a window that a modal one blocked). Returns them.
    std::vector<KeyId> release_keys_up();

private:
    std::vector<KeyId> keys_;
};

enum class KeyRelease { Repeat, Real };
// At once: a release is the first half of an auto-repeat when Qt marked it so, or when the
// key is still down as it arrives.
KeyRelease classify_release(bool marked_repeat, KeyState now);
// The same for a release event, asking the window system about its key.
KeyRelease classify_release(const QKeyEvent *event);

// Follows the key events of one window and says when a key is really let go. A release is a
// repeat's when Qt marked it, or when the window system had already sent the key's press at
// the release's own time (so the key's state when the release is finally handled, after a
// stall, does not matter). A release Qt left unmarked whose key is still down is a repeat's,
// or the key was let go and pressed again before the release was handled; it is held back
// until the next key event tells: the key's press at the release's own time (within
// kRepeatPairMs) makes it a repeat's, anything else makes it real. Times of 0 are unknown
// and count as the same moment.
class KeyReleaseJudge {
public:
    struct Key {
        quint32 code = 0;                 // native scan code
        quint64 time = 0;                 // the window system's time of the event, ms
        bool press = false;               // a press, else a release
        bool marked = false;              // Qt's auto-repeat flag
        KeyState now = KeyState::Unknown; // for a release: the key's state as it is handled
        bool paired = false; // for a release: the window system sent the key's press with it
    };
    // Qt allows this much between a repeat's release and its press.
    static constexpr quint64 kRepeatPairMs = 10;

    // Called for every key event first: the release held back before it, when that proved
    // real.
    std::optional<Key> real_release_held_back(const Key &next);
    // For a release: whether it is real now (a release held back says false).
    bool release_is_real(const Key &release);

private:
    std::optional<Key> held_back_;
};

// The window system's times of the key events it sent, kept until Qt hands the events on:
// the accessibility bridge holds each key for the reader's word and hands on a copy
// without its time.
class KeyTimeLog {
public:
    static constexpr std::size_t kKept = 128;
    void record(bool press, quint32 code, quint64 time);
    // The time of the oldest kept event of this kind and key, forgetting it and every event
    // before it (Qt drops some on the way); 0 when none is kept (an event made in-process).
    quint64 take(bool press, quint32 code);
    // Whether a press of this key at exactly this time is kept: the second half of an
    // auto-repeat whose release has that time.
    bool has_press_at(quint32 code, quint64 time) const;

private:
    struct Sent {
        bool press;
        quint32 code;
        quint64 time;
    };
    std::deque<Sent> sent_;
};

// Starts keeping the window system's key times (under xcb; nothing elsewhere).
void keep_key_times();
// The kept times (tests record what the window system would have sent).
KeyTimeLog &kept_key_times();

// The facts of a key event for the judge: its time (from the event, else from the kept
// ones) and, for a release, the window system's state of its key.
KeyReleaseJudge::Key key_facts(const QKeyEvent *event);

} // namespace platform
