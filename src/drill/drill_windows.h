#pragma once
// The windows a drill opens. Each shows its window modally and returns when it closed;
// results come back through the shared module (see modSorvinel.h).

#include <set>

class frmSorvinel;
class QKeyEvent;

// Shows modSorvinel.message_text as modSorvinel.message_kind; sets modSorvinel.message_go_on.
void show_message_window(frmSorvinel *owner);
// The reward after an error-free drill, as modSorvinel.reward_type says (may store a record).
void show_reward_window(frmSorvinel *owner);
// The record list.
void show_record_window(frmSorvinel *owner);

// What a modal drill window saw of the keyboard. The key that opened the window was
// pressed in the main window and is released in the modal one, so the main window never
// sees that release; after the window closed it must stop treating the key as held, or it
// swallows the next key.
class ModalKeys {
public:
    void pressed(const QKeyEvent *event);
    void released(const QKeyEvent *event);
    // The window closes because of the key press just seen; its release reaches the main
    // window by itself.
    void closing_by_key() { closed_by_key_ = true; }
    bool closed_by_key() const { return closed_by_key_; }
    // A key pressed before the window opened was let go while it was up.
    bool opener_released() const { return opener_released_; }

private:
    std::set<int> down_;
    bool closed_by_key_ = false;
    bool opener_released_ = false;
};

// Gives the main window the keyboard back after a modal window closed, and frees the held
// key when its release went to the modal window.
void restore_key_path(frmSorvinel *owner, const ModalKeys &keys);
