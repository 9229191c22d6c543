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

namespace {
constexpr int kRewardRings = 0;

// Shows `dialog` modally and returns when it closed. Unlike QDialog::exec() this also
// returns when the dialog is closed while it is still being shown: showing a window can run
// pending timers and input (a quick Enter on a celebration), and exec() would then wait
// forever for a dialog that is already gone.
void exec_modal(QDialog &dialog) {
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
}
} // namespace

void ModalKeys::pressed(const QKeyEvent *event) {
    down_.insert(event->key());
}

void ModalKeys::released(const QKeyEvent *event) {
    if (down_.erase(event->key()) == 0)
        opener_released_ = true;
}

void restore_key_path(frmSorvinel *owner, const ModalKeys &keys) {
    if (!owner)
        return;
    owner->activateWindow();
    if (keys.closed_by_key() || !keys.opener_released())
        return;
    // The main window marks the key as held once the handler that opened the window returns,
    // so free it after that.
    QTimer::singleShot(0, owner, [owner] { owner->key_held = false; });
}

void show_message_window(frmSorvinel *owner) {
    frmMeddelande message(owner);
    if (modSorvinel.speech_available && owner)
        message.speech_control = owner->tspSorvinel;
    exec_modal(message);
    restore_key_path(owner, message.keys());
}

void show_reward_window(frmSorvinel *owner) {
    if (modSorvinel.reward_type == kRewardRings) {
        frmBeloening reward(owner);
        exec_modal(reward);
        restore_key_path(owner, reward.keys());
    } else {
        frmAlla celebration(owner);
        exec_modal(celebration);
        restore_key_path(owner, celebration.keys());
    }
}

void show_record_window(frmSorvinel *owner) {
    frmRekord records(owner);
    exec_modal(records);
    if (owner)
        owner->activateWindow();
}
