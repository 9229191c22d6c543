#pragma once
// The own-selection dialog: for one operation the user sets the lowest and highest first
// and second operand and the number of tasks, one field at a time with the keyboard. The
// caller names the operation; "&Klart" accepts and hands the choice over through the shared
// module, "&Avbryt" (also Esc and the close box) rejects. The arithmetic is in
// own_selection_rules.h; this is the window, the typing and the hand-over. Callers make a fresh
// object for every showing, so nothing is remembered.

#include "exercises/own_selection_rules.h"
#include "platform/controls.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

class frmEgetVal : public QDialog {
    Q_OBJECT
public:
    explicit frmEgetVal(Operation operation, QWidget *parent = nullptr);
    ~frmEgetVal() override;

    // --- form state ----------------------------------------------------------------------
    own_selection::FieldValues field_values{};
    int edit_field = -1; // the field in edit mode, -1 when none
    long value_before_edit = 0;
    Operation operation;
    long shown_possible = 0; // the number of possible tasks that labTal(2) shows

    // --- controls ------------------------------------------------------------------------
    std::array<QPushButton *, own_selection::field::Total> comOK{};
    ControlArray<VbLabel> labText;
    ControlArray<VbLabel> labOperator;
    ControlArray<VbLabel> labTal;
    ControlArray<VbLabel> labRubrik;
    QPushButton *comKlart = nullptr;
    QPushButton *comAvbryt = nullptr;
    ControlArray<VbShape> shaOK;
    QLabel *imaRekord = nullptr;

    // --- handlers ------------------------------------------------------------------------
    void Form_Load();
    void comOK_Click(int index);
    void Form_KeyDown(int &keyCode, int shift);
    void comKlart_Click();
    void comAvbryt_Click();

    // Whether the change marker above field `index` is on.
    bool marker_on(int index) const { return marker_state_.at(std::size_t(index)); }

    // Esc and the close box end here: they cancel like "&Avbryt".
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void create_controls();
    void set_headings();
    void layout_controls();
    void create_markers();
    void place_field_button(int index, bool editing);
    void set_marker(int index, bool on);
    void show_rows();
    void enter_edit_mode(int index);
    void confirm_edit(int index);
    void update_klart();

    std::array<bool, own_selection::field::Total> marker_state_{};
};
