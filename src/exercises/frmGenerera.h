#pragma once
// The fill-out dialog: adds random tasks within the operand interval of the editor's list
// until the list holds the chosen count. A mixed exercise picks its operators in four
// boxes. OK changes the list, ticks the editor's duplicates box and reports Done in the
// editor's Tag; Avbryt and the close box change nothing.

#include "exercises/task_generation.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class frmSkrivIn;

class frmGenerera : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLabelCount = 4;

    explicit frmGenerera(frmSkrivIn &editor);

    std::array<QLabel *, kLabelCount> labFyll{};
    QComboBox *cbxFyll = nullptr;
    std::array<QCheckBox *, exercises::kOperatorCount> chkOp{};
    QCheckBox *chkSkrivIn = nullptr;
    QPushButton *comOK = nullptr;
    QPushButton *comAvbryt = nullptr;
    QLabel *imaRekord = nullptr;

    exercises::OperandInterval interval;
    exercises::OperatorSet operator_used{};

    void Form_Load();
    void ta_fram();
    void kolla();
    void comOK_Click();
    void comAvbryt_Click();
    void cbxFyll_KeyPress(int &key_ascii);

private:
    void layout_controls();
    bool is_mixed() const;

    frmSkrivIn &editor_;
};
