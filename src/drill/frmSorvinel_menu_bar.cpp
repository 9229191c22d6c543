// The menu bar: its items, their captions, and the commands that open other windows.
#include "drill/frmSorvinel.h"
#include "drill/frmSorvinel_elements.h"
#include "settings/frmAbout.h"
#include "shared/modSorvinel.h"

#include <QMenuBar>

namespace {
const char *const kOperationCaptions[] = {"&Addition", "&Subtraktion", "&Multiplikation",
                                          "&Division", "&Blandat"};
} // namespace

void frmSorvinel::create_menu_bar() {
    QMenuBar *bar = menuBar();
    menArkiv = bar->addMenu(QString());
    menAvsluta = menArkiv->addAction(QString());

    menTabelltraening = bar->addMenu(QString());
    menVal = menTabelltraening->addMenu(QString());
    for (int op = 0; op < int(kOperations.size()); ++op) {
        menOperationVal[op] = menVal->addMenu(QString());
        menTill10an[op] = menOperationVal[op]->addAction(QString());
        menEgeturval[op] = menOperationVal[op]->addAction(QString());
        menOevningarDrill[op] = menOperationVal[op]->addAction(QString());
    }
    // An own-selection drill of the mixed operation cannot be chosen from the menu bar.
    menEgeturval[index_of(Operation::Blandat)]->setEnabled(false);
    menVal->addSeparator();
    menRekord = menVal->addAction(QString());
    menTabelltraening->addSeparator();
    menAvbryt = menTabelltraening->addAction(QString());
    menAvbryt->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    menAvbryt->setEnabled(false);

    menVerktyg = bar->addMenu(QString());
    menOevningar = menVerktyg->addMenu(QString());
    for (int op = 0; op < int(kOperations.size()); ++op)
        menEditor[op] = menOevningar->addAction(QString());
    menVerktyg->addSeparator();
    menSenasteFel = menVerktyg->addAction(QString());
    menSenasteFel->setShortcut(QKeySequence(Qt::Key_F2));
    menSenasteFel->setEnabled(false);
    menVerktyg->addSeparator();
    menInstaellning = menVerktyg->addMenu(QString());
    menAendra = menInstaellning->addAction(QString());
    menVisa = menInstaellning->addAction(QString());
    menLaas = menVerktyg->addAction(QString());
    menLaas->setVisible(false);

    menHjaelp = bar->addMenu(QString());
    menInnehaall = menHjaelp->addAction(QString());
    menInnehaall->setShortcut(QKeySequence(Qt::Key_F1));
    menHjaelp->addSeparator();
    menOm = menHjaelp->addAction(QString());

    // Commands whose windows come with their areas start disabled; each area enables its own.
    for (int op = 0; op < int(kOperations.size()); ++op) {
        menTill10an[op]->setEnabled(false);
        menEgeturval[op]->setEnabled(false);
        menOevningarDrill[op]->setEnabled(false);
        menEditor[op]->setEnabled(false);
    }
    for (QAction *a : {menRekord, menAendra, menVisa, menLaas, menInnehaall})
        a->setEnabled(false);

    connect(menAvsluta, &QAction::triggered, this, [this] { close(); });
    connect(menOm, &QAction::triggered, this, [this] { menOm_Click(); });
    connect_drill_commands();
    connect_editor_commands();
    connect_own_selection_commands();
    connect_file_drill_commands();
    connect_settings_commands();
}

void frmSorvinel::set_captions() {
    menArkiv->setTitle("&Arkiv");
    menAvsluta->setText("&Avsluta");
    menTabelltraening->setTitle("&Tabellövning");
    menVal->setTitle("&Val");
    menTill10an[index_of(Operation::Addition)]->setText("&Till 10:an");
    menEgeturval[index_of(Operation::Addition)]->setText("&Eget urval...");
    menOevningarDrill[index_of(Operation::Addition)]->setText("&Övningar...");
    for (int op = 0; op < int(kOperations.size()); ++op) {
        menOperationVal[op]->setTitle(kOperationCaptions[op]);
        menTill10an[op]->setText(menTill10an[index_of(Operation::Addition)]->text());
        menEgeturval[op]->setText(menEgeturval[index_of(Operation::Addition)]->text());
        menOevningarDrill[op]->setText(menOevningarDrill[index_of(Operation::Addition)]->text());
        menEditor[op]->setText(QString(kOperationCaptions[op]) + "...");
    }
    menRekord->setText("&Rekord...");
    menAvbryt->setText("&Avbryt");
    menVerktyg->setTitle("&Verktyg");
    menOevningar->setTitle("&Skapa/redigera egna övningar");
    menSenasteFel->setText("Senaste &fel...");
    menInstaellning->setTitle("&Inställning");
    menAendra->setText("&Ändra...");
    menVisa->setText("&Visa...");
    menLaas->setText("&Vyk...");
    menHjaelp->setTitle("&Hjälp");
    menInnehaall->setText("&Handledning...");
    menOm->setText("&Om...");

    labFakta[fakta::CountCaption]->setCaption("Antal uppgifter:");
    labFakta[fakta::RemainingCaption]->setCaption("Kvar:");
    labFakta[fakta::ErrorCaption]->setCaption("Antal fel:");
    labFilnamn->setToolTip(
        "Bläddra med Pil-upp, Pil-ner och Blanksteg. Välj med Enter. Avbryt med Esc.");
}

void frmSorvinel::menOm_Click() {
    frmAbout about(this);
    about.exec();
}
