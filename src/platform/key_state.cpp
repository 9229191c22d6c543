#include "platform/key_state.h"
#include "platform/vb.h"

#include <QKeyEvent>
#include <QLoggingCategory>

namespace platform {
// The window system's part, in key_state_x11.cpp or key_state_none.cpp as the build has xcb:
// the key's state, and keeping the key events' times in `log`.
KeyState system_key_state(quint32 native_scan_code);
void keep_system_key_times(KeyTimeLog &log);
bool use_system_detectable_auto_repeat();

namespace {
constexpr quint32 kBitsPerByte = 8;
// X key codes run from 8 to 255.
constexpr quint32 kFirstKeyCode = 8;
constexpr quint32 kLastKeyCode = 255;

// Shows each release Qt left unmarked and what the window system said of its key.
Q_LOGGING_CATEGORY(lcKeys, "sorvinel.keys", QtWarningMsg)

std::function<KeyState(quint32)> g_query;
KeyTimeLog g_times;
} // namespace

KeyState key_state(quint32 native_scan_code) {
    return g_query ? g_query(native_scan_code) : system_key_state(native_scan_code);
}

void set_key_state_query(std::function<KeyState(quint32)> query) {
    g_query = std::move(query);
}

KeyState key_state_in_keymap(const XKeymap &keys, quint32 native_scan_code) {
    if (native_scan_code < kFirstKeyCode || native_scan_code > kLastKeyCode)
        return KeyState::Unknown;
    const bool down =
        (keys[native_scan_code / kBitsPerByte] >> (native_scan_code % kBitsPerByte)) & 1U;
    return down ? KeyState::Down : KeyState::Up;
}

bool use_detectable_auto_repeat() {
    const bool on = use_system_detectable_auto_repeat();
    qCDebug(lcKeys) << "releases only when a key is let go:" << on;
    return on;
}

bool same_key(const KeyId &a, const KeyId &b) {
    if (a.scan != 0 && b.scan != 0)
        return a.scan == b.scan;
    return a.code == b.code;
}

KeyId key_id(const QKeyEvent *event) {
    return {event->nativeScanCode(), vb::key_code(event)};
}

bool KeysDown::contains(const KeyId &key) const {
    for (const KeyId &k : keys_)
        if (same_key(k, key))
            return true;
    return false;
}

void KeysDown::press(const KeyId &key) {
    if (!contains(key))
        keys_.push_back(key);
}

void KeysDown::release(const KeyId &key) {
    if (key.scan == 0 && key.code == 0) {
        keys_.clear();
        return;
    }
    std::erase_if(keys_, [&key](const KeyId &k) { return same_key(k, key); });
}

std::vector<KeyId> KeysDown::release_keys_up() {
    std::vector<KeyId> up;
    std::erase_if(keys_, [&up](const KeyId &k) {
        const bool gone = k.scan != 0 && key_state(k.scan) == KeyState::Up;
        if (gone)
            up.push_back(k);
        return gone;
    });
    return up;
}

KeyRelease classify_release(bool marked_repeat, KeyState now) {
    return marked_repeat || now == KeyState::Down ? KeyRelease::Repeat : KeyRelease::Real;
}

std::optional<KeyReleaseJudge::Key> KeyReleaseJudge::real_release_held_back(const Key &next) {
    if (!held_back_)
        return std::nullopt;
    const Key release = *held_back_;
    held_back_.reset();
    const bool known = next.time != 0 && release.time != 0;
    const bool same_moment =
        !known || (next.time >= release.time && next.time - release.time <= kRepeatPairMs);
    // Only the key's own press, at the same moment, follows a repeat's release.
    const bool repeat = next.press && next.code == release.code && same_moment;
    qCDebug(lcKeys) << "held-back release of" << release.code << "at" << release.time
                    << (repeat ? "was a repeat's" : "was real") << "(next key" << next.code << "at"
                    << next.time << ")";
    if (repeat)
        return std::nullopt;
    return release;
}

bool KeyReleaseJudge::release_is_real(const Key &release) {
    if (release.marked || release.paired)
        return false;
    if (release.now == KeyState::Down) {
        held_back_ = release;
        return false;
    }
    return true;
}

void KeyTimeLog::record(bool press, quint32 code, quint64 time) {
    sent_.push_back({press, code, time});
    if (sent_.size() > kKept)
        sent_.pop_front();
}

quint64 KeyTimeLog::take(bool press, quint32 code) {
    for (auto it = sent_.begin(); it != sent_.end(); ++it) {
        if (it->press == press && it->code == code) {
            const quint64 time = it->time;
            sent_.erase(sent_.begin(), it + 1);
            return time;
        }
    }
    return 0;
}

bool KeyTimeLog::has_press_at(quint32 code, quint64 time) const {
    if (time == 0)
        return false;
    for (const Sent &s : sent_)
        if (s.press && s.code == code && s.time == time)
            return true;
    return false;
}

void keep_key_times() {
    keep_system_key_times(g_times);
}

KeyTimeLog &kept_key_times() {
    return g_times;
}

KeyReleaseJudge::Key key_facts(const QKeyEvent *event) {
    KeyReleaseJudge::Key key;
    key.code = event->nativeScanCode();
    key.press = event->type() == QEvent::KeyPress;
    const quint64 kept = g_times.take(key.press, key.code);
    key.time = event->timestamp() != 0 ? event->timestamp() : kept;
    key.marked = event->isAutoRepeat();
    if (!key.press && !key.marked) {
        key.paired = g_times.has_press_at(key.code, key.time);
        if (!key.paired)
            key.now = key_state(key.code);
    }
    return key;
}

KeyRelease classify_release(const QKeyEvent *event) {
    if (event->isAutoRepeat())
        return KeyRelease::Repeat;
    const KeyState now = key_state(event->nativeScanCode());
    qCDebug(lcKeys) << "unmarked release of" << event->nativeScanCode() << "key state" << int(now);
    return classify_release(false, now);
}

} // namespace platform
