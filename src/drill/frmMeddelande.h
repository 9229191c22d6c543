#pragma once
// The drill's message window: one large text line and a menu-like label under it, styled
// like the main window and centred on the screen. A notice ("Åter") closes on any key; a
// pause ("Huvudmeny") counts down twelve seconds and then lets the drill go on. Input and
// result travel through the message channel of the shared module (message_text,
// message_kind, message_speak in; message_go_on out).

#include "drill/drill_windows.h"
#include "platform/controls.h"

#include <QDialog>
#include <QString>

class QProgressBar;
class QTimer;
class SpeechEngine;
class frmSorvinel;

class frmMeddelande : public QDialog {
    Q_OBJECT
public:
    // The countdown of a pause: this many ticks of a second.
    static constexpr int kTickLimit = 12;
    static constexpr int kTickMs = 1000;

    // `main` is the window whose look the message takes; the message has no owner.
    explicit frmMeddelande(frmSorvinel *main);
    ~frmMeddelande() override;

    // The main window's speech control, handed in by the opener; released on unload.
    SpeechEngine *speech_control = nullptr;
    int tick_count = 0;
    int tick_limit = kTickLimit;
    bool keys_armed = false;
    QString saved_reader_text;

    VbLabel *labMeddelande = nullptr;
    VbLabel *labMeddelandeMeny = nullptr;
    VbShape *shaRam = nullptr;
    QProgressBar *pbaMeddelande = nullptr;
    QTimer *timAater = nullptr;

    void Form_Load();
    void Form_KeyDown(int keyCode);
    void Form_KeyUp();
    void Form_Unload();
    void labMeddelandeMeny_Click();
    void timAater_Timer();
    // The go-on exit.
    void close_message();

    const ModalKeys &keys() const { return keys_; }
    ModalKeys &keys() { return keys_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void done(int result) override;
    // The window manager's close counts as a key: the drill goes on.
    void reject() override;

private:
    bool is_pause() const;
    QString spoken_text() const;

    frmSorvinel *main_;
    ModalKeys keys_;
    bool unloaded_ = false;
};
