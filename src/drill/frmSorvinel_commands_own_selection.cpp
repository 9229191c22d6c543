// Menu-bar commands of this area: "Eget urval" of the four single operations. The dialog
// gets the operation through Tag and empties Tag when cancelled; otherwise the drill of
// the chosen bounds and count starts at once.
#include "drill/frmSorvinel.h"
#include "exercises/frmEgetVal.h"
#include "shared/modSorvinel.h"

#include <QAction>
#include <QApplication>

void frmSorvinel::connect_own_selection_commands() {
    // Mixed drills have no own selection: its item stays disabled.
    const std::array<void (frmSorvinel::*)(), opBlandat> handlers = {
        &frmSorvinel::menAdditionEgeturval_Click, &frmSorvinel::menSubtraktionEgeturval_Click,
        &frmSorvinel::menMultiplikationEgeturval_Click, &frmSorvinel::menDivisionEgeturval_Click};
    for (int op = opAddition; op < opBlandat; ++op) {
        menEgeturval[op]->setEnabled(true);
        connect(menEgeturval[op], &QAction::triggered, this, handlers[op]);
    }
}

void frmSorvinel::menAdditionEgeturval_Click() {
    own_selection_from_menu(opAddition);
}
void frmSorvinel::menSubtraktionEgeturval_Click() {
    own_selection_from_menu(opSubtraktion);
}
void frmSorvinel::menMultiplikationEgeturval_Click() {
    own_selection_from_menu(opMultiplikation);
}
void frmSorvinel::menDivisionEgeturval_Click() {
    own_selection_from_menu(opDivision);
}

void frmSorvinel::own_selection_from_menu(int operation) {
    // A drill starts only from the main menu, never on top of another one.
    if (modSorvinel.screen_state != ScreenState::MainMenu)
        return;
    Tag = ModSorvinel::operation_name(operation);
    bool chosen = false;
    {
        frmEgetVal dialog(Tag); // no owner; a fresh dialog with the defaults each time
        // "&Klart" accepts; every way of cancelling rejects (and empties the Tag).
        chosen = dialog.exec() == QDialog::Accepted;
    }
    if (!chosen)
        return;

    using own_selection::field::HighFirst;
    using own_selection::field::HighSecond;
    using own_selection::field::LowFirst;
    using own_selection::field::LowSecond;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    modSorvinel.current_operation = operation;
    // Records belong to "Till 10:an" drills only.
    modSorvinel.record_drill_active = false;
    menAvbryt->setEnabled(true);
    const std::array<int, 4> &b = modSorvinel.selection_bounds;
    generate_selection_tasks(b[LowFirst], b[HighFirst], b[LowSecond], b[HighSecond],
                             modSorvinel.task_count);
    QApplication::restoreOverrideCursor();
    if (drill_session().pass_length() <= 0) {
        // Nothing to ask: the main menu stays as it was.
        menAvbryt->setEnabled(false);
        return;
    }
    start_drill();
}
