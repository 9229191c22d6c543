// Menu-bar commands of this area: "Eget urval" of the four single operations. Unless the
// dialog is cancelled, the drill of the chosen bounds and count starts at once.
#include "drill/frmSorvinel.h"
#include "exercises/frmEgetVal.h"
#include "shared/modSorvinel.h"

#include <QAction>
#include <QApplication>

void frmSorvinel::connect_own_selection_commands() {
    // Mixed drills have no own selection: its item stays disabled.
    const std::array<void (frmSorvinel::*)(), kSingleOperations.size()> handlers = {
        &frmSorvinel::menAdditionEgeturval_Click, &frmSorvinel::menSubtraktionEgeturval_Click,
        &frmSorvinel::menMultiplikationEgeturval_Click, &frmSorvinel::menDivisionEgeturval_Click};
    for (Operation op : kSingleOperations) {
        const auto i = static_cast<size_t>(index_of(op));
        menEgeturval[i]->setEnabled(true);
        connect(menEgeturval[i], &QAction::triggered, this, handlers[i]);
    }
}

void frmSorvinel::menAdditionEgeturval_Click() {
    own_selection_from_menu(Operation::Addition);
}
void frmSorvinel::menSubtraktionEgeturval_Click() {
    own_selection_from_menu(Operation::Subtraktion);
}
void frmSorvinel::menMultiplikationEgeturval_Click() {
    own_selection_from_menu(Operation::Multiplikation);
}
void frmSorvinel::menDivisionEgeturval_Click() {
    own_selection_from_menu(Operation::Division);
}

void frmSorvinel::own_selection_from_menu(Operation operation) {
    // A drill starts only from the main menu, never on top of another one.
    if (modSorvinel.screen_state != ScreenState::MainMenu)
        return;
    bool chosen = false;
    {
        frmEgetVal dialog(operation); // no owner; a fresh dialog with the defaults each time
        // "&Klart" accepts; every way of cancelling rejects.
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
