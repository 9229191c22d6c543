#pragma once
// The operator chooser of a mixed exercise: four operator buttons in a 2 x 2 grid, centred
// on the editor's operator key. A button or its sign typed on the keyboard chooses; Esc or
// losing the window chooses nothing.

#include <QDialog>
#include <array>

class QPushButton;

namespace exercises {
enum class OperatorChoiceOutcome { Cancelled, Chosen };
struct OperatorChoice {
    OperatorChoiceOutcome outcome = OperatorChoiceOutcome::Cancelled;
    QString sign; // "+", "-", "*" or "/" when chosen
};
} // namespace exercises

class frmAngeR : public QDialog {
    Q_OBJECT
public:
    static constexpr int kOperatorCount = 4;

    // `operator_key` is the editor's operator key, which the grid covers.
    explicit frmAngeR(QWidget *operator_key);

    std::array<QPushButton *, kOperatorCount> comOp{};
    exercises::OperatorChoice chosen_operator;

    void Form_Load();
    void comOp_Click(int index);
    void Form_KeyPress(int &key_ascii);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *operator_key_;
};
