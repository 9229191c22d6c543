// Menu-bar commands of the drill: "Till 10:an" for each operation, the record list, the
// abort command (Ctrl+Z), and the items that are re-evaluated each time their menu opens.
#include "drill/drill_windows.h"
#include "drill/frmSorvinel.h"
#include "drill/frmSorvinel_elements.h"
#include "shared/modSorvinel.h"

#include <QAction>
#include <QMenu>

namespace {
const QString kLockCaption = QStringLiteral("&Vyk...");
const QString kUnlockCaption = QStringLiteral("&Vyk opp...");
namespace LockState {
constexpr int Open = 0;
constexpr int Locked = 1;
} // namespace LockState
} // namespace

void frmSorvinel::connect_drill_commands() {
    for (Operation op : kOperations) {
        QAction *item = menTill10an[index_of(op)];
        connect(item, &QAction::triggered, this, [this, op] { menTill10an_Click(op); });
        item->setEnabled(true);
    }
    connect(menRekord, &QAction::triggered, this, [this] { menRekord_Click(); });
    menRekord->setEnabled(true);
    // Enabled and disabled by the screens as a drill starts and ends.
    connect(menAvbryt, &QAction::triggered, this, [this] { menAvbryt_Click(); });
    connect(menTabelltraening, &QMenu::aboutToShow, this, [this] { menTabelltraening_Click(); });
    connect(menVerktyg, &QMenu::aboutToShow, this, [this] { menVerktyg_Click(); });
}

void frmSorvinel::menTill10an_Click(Operation operation) {
    int item = menu_item::Till10;
    select_till10_from_menu(operation, item);
}

void frmSorvinel::menRekord_Click() {
    show_record_window(this);
}

void frmSorvinel::menAvbryt_Click() {
    back_to_main_menu();
}

void frmSorvinel::menTabelltraening_Click() {
    menVal->setEnabled(modSorvinel.screen_state == ScreenState::MainMenu);
}

void frmSorvinel::menVerktyg_Click() {
    // "Senaste fel" and "Ändra" are kept up to date by the editor's and the settings' own
    // commands. While the settings are open for viewing only, the caption stays as it was.
    if (modSorvinel.settings_lock_state == LockState::Open)
        menLaas->setText(kLockCaption);
    else if (modSorvinel.settings_lock_state == LockState::Locked)
        menLaas->setText(kUnlockCaption);
}

void frmSorvinel::back_to_main_menu() {
    if (modSorvinel.screen_state == ScreenState::FileList) {
        // The file list, left with no file name chosen, gives way to the drill-type menu.
        labFilnamn->setCaption(QString());
        labFilnamn_Click();
        return;
    }
    leave_to_main_menu();
}
