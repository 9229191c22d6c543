#pragma once
// The windows a drill opens. Each shows its window modally and returns when it closed;
// results come back through the shared module (see modSorvinel.h).

#include "platform/key_state.h"

#include <vector>

class frmSorvinel;
class QKeyEvent;

// Shows modSorvinel.message_text as modSorvinel.message_kind; sets modSorvinel.message_go_on.
void show_message_window(frmSorvinel *owner);
// The reward after an error-free drill, as modSorvinel.reward_type says (may store a record).
void show_reward_window(frmSorvinel *owner);
// The record list.
void show_record_window(frmSorvinel *owner);

// What a modal drill window saw of the keyboard. The keys that were down when it opened
// (the key whose press opened it among them) are held: their auto-repeats must not act in
// the window. Their releases come to the modal window, so the main window must be told, or
// it treats them as held and swallows their next press.
class ModalKeys {
public:
    // The main window's keys that are down as the window opens.
    void hold(const platform::KeysDown &down);
    // Whether a press is fresh: no repeat of a key that is down.
    bool pressed(const QKeyEvent *event);
    void released(const QKeyEvent *event);
    // The window has the keyboard now: a held key that is already up was let go before its
    // release could reach the window.
    void window_activated();
    // The window closes because of the key press just seen; its release reaches the main
    // window by itself.
    void closing_by_key() { closed_by_key_ = true; }
    bool closed_by_key() const { return closed_by_key_; }
    // A key pressed before the window opened was let go while it was up.
    bool opener_released() const { return !openers_let_go_.empty(); }
    const std::vector<platform::KeyId> &openers_let_go() const { return openers_let_go_; }

private:
    platform::KeysDown down_;
    platform::KeysDown openers_;
    std::vector<platform::KeyId> openers_let_go_;
    bool closed_by_key_ = false;
};

// The keys of the main window that are down now: held ones and the one being handled.
platform::KeysDown keys_down(const frmSorvinel *owner);

// Gives the main window the keyboard back after a modal window closed, and frees the keys
// whose release went to the modal window.
void restore_key_path(frmSorvinel *owner, const ModalKeys &keys);
