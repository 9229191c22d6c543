#include "drill/drill_windows.h"
#include "drill/frmAlla.h"
#include "drill/frmBeloening.h"
#include "drill/frmMeddelande.h"
#include "drill/frmRekord.h"
#include "drill/frmSorvinel.h"
#include "shared/modSorvinel.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>

#include <optional>

namespace {
constexpr int kRewardRings = 0;

// Tells the window's keys when it gets the keyboard.
class ActivationWatch : public QObject {
public:
    explicit ActivationWatch(ModalKeys &keys) : keys_(keys) {}
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::WindowActivate)
            keys_.window_activated();
        return false;
    }

private:
    ModalKeys &keys_;
};

// Shows `dialog` modally and returns when it closed. Unlike QDialog::exec() this also
// returns when the dialog is closed while it is still being shown: showing a window can run
// pending timers and input (a quick Enter on a celebration), and exec() would then wait
// forever for a dialog that is already gone.
void exec_modal(QDialog &dialog, ModalKeys *keys = nullptr) {
    std::optional<ActivationWatch> watch;
    if (keys) {
        watch.emplace(*keys);
        dialog.installEventFilter(&*watch);
    }
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&dialog, &QDialog::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    if (!finished)
        loop.exec(QEventLoop::DialogExec);
    // Closed in the middle of showing, the window may still count as shown.
    dialog.hide();
    if (watch)
        dialog.removeEventFilter(&*watch);
}
} // namespace

void ModalKeys::hold(const platform::KeysDown &down) {
    for (const platform::KeyId &key : down.keys()) {
        down_.press(key);
        openers_.press(key);
    }
}

bool ModalKeys::pressed(const QKeyEvent *event) {
    const platform::KeyId key = platform::key_id(event);
    if (down_.contains(key))
        return false;
    down_.press(key);
    return true;
}

void ModalKeys::window_activated() {
    for (const platform::KeyId &key : openers_.release_keys_up()) {
        down_.release(key);
        openers_let_go_.push_back(key);
    }
}

void ModalKeys::released(const QKeyEvent *event) {
    const platform::KeyId key = platform::key_id(event);
    const bool seen_pressed = down_.contains(key) && !openers_.contains(key);
    down_.release(key);
    openers_.release(key);
    if (!seen_pressed)
        openers_let_go_.push_back(key);
}

platform::KeysDown keys_down(const frmSorvinel *owner) {
    platform::KeysDown down;
    if (!owner)
        return down;
    down = owner->key_held;
    if (owner->key_in_hand)
        down.press(owner->key_in_hand->key);
    return down;
}

void restore_key_path(frmSorvinel *owner, const ModalKeys &keys) {
    if (!owner)
        return;
    owner->activateWindow();
    // The main window marks a key as held once the handler that opened the window returns,
    // so free the keys let go meanwhile after that; also those whose release went nowhere.
    QTimer::singleShot(0, owner, [owner, let_go = keys.openers_let_go()] {
        for (const platform::KeyId &key : let_go)
            owner->key_held.release(key);
        owner->key_held.release_keys_up();
    });
}

void show_message_window(frmSorvinel *owner) {
    frmMeddelande message(owner);
    message.keys().hold(keys_down(owner));
    if (modSorvinel.speech_available && owner)
        message.speech_control = owner->tspSorvinel;
    exec_modal(message, &message.keys());
    restore_key_path(owner, message.keys());
}

void show_reward_window(frmSorvinel *owner) {
    if (modSorvinel.reward_type == kRewardRings) {
        frmBeloening reward(owner);
        reward.keys().hold(keys_down(owner));
        exec_modal(reward, &reward.keys());
        restore_key_path(owner, reward.keys());
    } else {
        frmAlla celebration(owner);
        celebration.keys().hold(keys_down(owner));
        exec_modal(celebration, &celebration.keys());
        restore_key_path(owner, celebration.keys());
    }
}

void show_record_window(frmSorvinel *owner) {
    frmRekord records(owner);
    exec_modal(records);
    if (owner)
        owner->activateWindow();
}
