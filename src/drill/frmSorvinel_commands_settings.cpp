// Menu-bar commands of the settings dialog ("Ändra", "Visa"), the settings lock and the guide.
#include "drill/frmSorvinel.h"
#include "settings/frmAvancerat.h"
#include "settings/frmLogin.h"
#include "settings/frmOptions2.h"
#include "settings/frmSorvinelHandledning.h"
#include "shared/modSorvinel.h"

#include <QMenu>

namespace {
constexpr int kLockOpen = 0;
constexpr int kViewOnly = 2;

// "Anpassning..." of the settings dialog: the adaptation dialog, without an owner.
void show_reader_adaptation(QWidget *) {
    frmAvancerat adaptation;
    adaptation.show_reader_field = [](bool shown) {
        if (MainWindowView *w = modSorvinel.main_window)
            w->set_reader_field_visible(shown);
    };
    adaptation.exec();
}
} // namespace

void frmSorvinel::connect_settings_commands() {
    menAendra->setEnabled(true);
    menVisa->setEnabled(true);
    connect(menAendra, &QAction::triggered, this, [this] { menAendra_Click(); });
    connect(menVisa, &QAction::triggered, this, [this] { menVisa_Click(); });
    menInnehaall->setEnabled(true);
    connect(menInnehaall, &QAction::triggered, this, [this] { menInnehaall_Click(); });
    // Changing is offered only while the settings are open.
    connect(menVerktyg, &QMenu::aboutToShow, this,
            [this] { menAendra->setEnabled(modSorvinel.settings_lock_state == kLockOpen); });
    // Hidden until F9; disabled for the rest of the run by too many wrong pass words.
    menLaas->setEnabled(true);
    connect(menLaas, &QAction::triggered, this, [this] { menLaas_Click(); });
    frmOptions2::show_reader_adaptation = show_reader_adaptation;
}

void frmSorvinel::menAendra_Click() {
    {
        frmOptions2 options(this);
        if (modSorvinel.speech_available)
            options.speech_control = tspSorvinel;
        options.exec();
    }
    update();
}

void frmSorvinel::menVisa_Click() {
    // A locked state stays as it is; only an open one becomes view-only for a while.
    if (modSorvinel.settings_lock_state == kLockOpen)
        modSorvinel.settings_lock_state = kViewOnly;
    menAendra_Click();
    if (modSorvinel.settings_lock_state == kViewOnly)
        modSorvinel.settings_lock_state = kLockOpen;
}

void frmSorvinel::menInnehaall_Click() {
    const bool scanning = timEnTangent->isActive();
    timEnTangent->stop();
    {
        frmSorvinelHandledning guide(this, form->palette().color(form->backgroundRole()));
        if (modSorvinel.speech_available)
            guide.speech_control = tspSorvinel;
        guide.exec();
    }
    if (scanning)
        timEnTangent->start();
}

void frmSorvinel::menLaas_Click() {
    if (!lock_dialog)
        lock_dialog = new frmLogin(this);
    lock_dialog->exec();
    if (lock_dialog->locked_out())
        menLaas->setEnabled(false);
}
