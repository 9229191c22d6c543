#pragma once
// The reduce dialog: removes a chosen number of tasks, each picked at random, from the
// editor's list. Opened over the list by the editor with at least two tasks; OK changes
// the list and reports Done in the editor's Tag, Avbryt and the close box change nothing.

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class frmSkrivIn;

class frmReducera : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLabelCount = 2;

    explicit frmReducera(frmSkrivIn &editor);

    std::array<QLabel *, kLabelCount> labFyll{};
    QComboBox *cbxFyll = nullptr;
    QPushButton *comOK = nullptr;
    QPushButton *comAvbryt = nullptr;
    QLabel *imaRekord = nullptr;

    void Form_Load();
    void comOK_Click();
    void comAvbryt_Click();
    void cbxFyll_KeyPress(int &key_ascii);

private:
    void layout_controls();

    frmSkrivIn &editor_;
};
