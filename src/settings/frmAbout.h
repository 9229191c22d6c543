#pragma once
// The About window: the program's name, version and the maker's notices.

#include <QDialog>

class QLabel;
class QFrame;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

    QLabel *imaRekord = nullptr;
    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QFrame *Line1[2] = {nullptr, nullptr};
    QLabel *lblDisclaimer = nullptr;
    QPushButton *cmdOK = nullptr;

    void Form_Load();
    void cmdOK_Click();
};
