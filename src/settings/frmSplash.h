#pragma once
// The start-up window: name, version and the maker's notices. It closes on its third
// one-second tick, on a click anywhere on it, or on a key that types a character.

#include <QDialog>

class QFrame;
class QLabel;
class QTimer;

class frmSplash : public QDialog {
    Q_OBJECT
public:
    explicit frmSplash(QWidget *parent = nullptr);

    QFrame *Frame1 = nullptr;
    QLabel *imgLogo = nullptr;
    QLabel *lblProductName = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblCopyright = nullptr;
    QLabel *lblCompany = nullptr;
    QLabel *lblWarning = nullptr;
    QTimer *Timer1 = nullptr;

    int splash_ticks = 0;

    void Form_Load();
    void Timer1_Timer();
    void Form_Unload();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void done(int result) override;

private:
    bool unloaded_ = false;
};
