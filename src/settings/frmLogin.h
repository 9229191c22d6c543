#pragma once
// The settings lock "Vyk inställning": a user name and a pass word. The word that is due
// with a full name toggles the lock state, stores it and hides the dialog. The main window
// makes it once per run and only hides it, so the fields and the count of wrong pass words
// carry over to the next opening; after too many wrong words it reports `locked_out`.

#include "settings/lock_check.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

class frmLogin : public QDialog {
    Q_OBJECT
public:
    explicit frmLogin(QWidget *parent = nullptr);

    std::array<QLabel *, 2> lblLabels{};
    QLineEdit *txtUserName = nullptr;
    QLineEdit *txtPassword = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QLabel *imaRekord = nullptr;

    // True after a lock or unlock, false after Cancel; a failed try leaves it.
    bool ok_pressed = false;
    int wrong_password_count() const { return check_.wrong_password_count(); }
    // The run's wrong pass words are used up: the opener disables its lock item for good.
    bool locked_out() const { return locked_out_; }

    void Form_Load();
    void set_lock_caption();
    void cmdOK_Click();
    void cmdCancel_Click();

    // Esc and the close box are "Avbryt".
    void reject() override;
    void setVisible(bool visible) override;

private:
    void refuse(QLineEdit *field, const QString &message, int icon);
    settings_lock::LoginCheck check_;
    bool loaded_ = false;
    bool locked_out_ = false;
};
