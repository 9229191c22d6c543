#pragma once
// "Sorvinel - Anpassning": the three options that adapt the main window's output to screen
// readers. Filled from the shared settings when shown; OK stores only what changed,
// Cancel, Esc and the close box store nothing. It does not look at the settings lock.

#include <QDialog>
#include <functional>

class QCheckBox;
class QPushButton;

class frmAvancerat : public QDialog {
    Q_OBJECT
public:
    explicit frmAvancerat(QWidget *parent = nullptr);

    // Shows or hides the main window's screen-reader field; handed in by the opener.
    std::function<void(bool shown)> show_reader_field;

    QCheckBox *chkVisa = nullptr;
    QCheckBox *chkBlanksteg = nullptr;
    QCheckBox *chkKlippBord = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;

    void Form_Load();
    void chkVisa_Click();
    void OKButton_Click();
    void CancelButton_Click();

    void reject() override;
    void setVisible(bool visible) override;

private:
    bool loaded_ = false;
};
