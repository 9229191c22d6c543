// The editor's controls, menus and the wiring of its own commands.
#include "exercises/frmSkrivIn.h"

#include "platform/message_box.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *make_button(QWidget *parent, const QString &caption, const QString &tip = {}) {
    auto *button = new QPushButton(caption, parent);
    // Enter belongs to the task entry, not to whichever button has the focus.
    button->setAutoDefault(false);
    button->setDefault(false);
    if (!tip.isEmpty())
        button->setToolTip(tip);
    return button;
}

} // namespace

frmSkrivIn::frmSkrivIn(QWidget *owner, exercises::EditorStart start, const QStringList &wrong_tasks)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint) {
    setModal(true);
    setWindowIcon(QIcon(QStringLiteral(":/editor-icon.svg")));
    create_controls();
    create_menus();
    connect_own_commands();
    connect_entry_commands();
    connect_list_tool_commands();
    connect_generate_commands();
    connect_print_commands();
    Form_Load(start, wrong_tasks);
}

void frmSkrivIn::create_controls() {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menu_bar = new QMenuBar(this);
    layout->setMenuBar(menu_bar);
    form = new QWidget(this);
    layout->addWidget(form);

    imaRekord = new QLabel(form);
    imaRekord->setScaledContents(true);

    labSkrivIn = new VbLabel(form);
    labText = new VbLabel(form);
    labUppgifter = new VbLabel(form);
    labUppgifter->hide();

    comSiffra[0] = make_button(form, QStringLiteral(" "));
    comTill[0] = make_button(form, QStringLiteral("&Sist --> [Enter]"),
                             QStringLiteral("Placera in sist i listan."));
    comTill[1] = make_button(form, QStringLiteral("&Först --> [=]"),
                             QStringLiteral("Placera in först i listan"));
    comTill[2] = make_button(form, QStringLiteral("Före &markerad -->"),
                             QStringLiteral("Placera in före den markerade uppgiften."));
    chkSkrivIn = new QCheckBox(QStringLiteral("&Dubbletter kan finnas"), form);

    lstSkrivIn = new QListWidget(form);
    lstSkrivIn->setSelectionMode(QAbstractItemView::SingleSelection);
    lstSortera = new QListWidget(form);
    lstSortera->setSortingEnabled(true);
    lstSortera->hide();
    lstDubletter = new QListWidget(form);
    lstDubletter->hide();

    comFlytta[0] = make_button(form, QStringLiteral("Flytta &upp"),
                               QStringLiteral("Flytta markerad uppgift ett steg upp i listan."));
    comFlytta[1] = make_button(form, QStringLiteral("Flytta &ner"),
                               QStringLiteral("Flytta markerad uppgift ett steg ner i listan."));
    comTaBort =
        make_button(form, QStringLiteral("&Ta bort"), QStringLiteral("Ta bort markerad uppgift."));
    for (QPushButton *b : {comTill[2], comFlytta[0], comFlytta[1], comTaBort})
        b->setEnabled(false);
}

void frmSkrivIn::create_menus() {
    menArkiv = menu_bar->addMenu(QStringLiteral("&Arkiv"));
    menNy = menArkiv->addMenu(QStringLiteral("&Ny"));
    menAktRS[0] = menNy->addAction(QString());
    menOeppna = menArkiv->addAction(QStringLiteral("&Öppna..."));
    menInfoga = menArkiv->addAction(QStringLiteral("&Infoga..."));
    menArkiv->addSeparator();
    menSpara = menArkiv->addAction(QStringLiteral("&Spara"));
    menSparaSom = menArkiv->addAction(QStringLiteral("S&para som..."));
    menArkiv->addSeparator();
    menTaBort = menArkiv->addAction(QStringLiteral("&Ta bort sparad..."));
    menArkiv->addSeparator();
    menSkrivUt = menArkiv->addAction(QStringLiteral("Skriv &ut sparad..."));
    menInstaellning = menArkiv->addAction(QStringLiteral("&Utskriftsalternativ..."));
    menArkiv->addSeparator();
    menAvsluta = menArkiv->addAction(QStringLiteral("&Avsluta"));

    menVerktyg = menu_bar->addMenu(QStringLiteral("&Verktyg"));
    menGenerera = menVerktyg->addMenu(QStringLiteral("&Generera uppgifter"));
    menFyllUt = menGenerera->addAction(QStringLiteral("&Fyll ut inom intervallet..."));
    menEgetUrval = menGenerera->addAction(QStringLiteral("&Eget urval..."));
    menSortera = menVerktyg->addMenu(QStringLiteral("&Sortera uppgifter"));
    menStigande = menSortera->addAction(QStringLiteral("&Stigande"));
    menFallande = menSortera->addAction(QStringLiteral("&Fallande"));
    menIoordning = menSortera->addAction(QStringLiteral("&I oordning"));
    menReducera = menVerktyg->addMenu(QStringLiteral("&Reducera antalet uppgifter"));
    menTaBortSlump = menReducera->addAction(QStringLiteral("&Ta bort slumpvis utvalda..."));
    menExtra = menReducera->addAction(QStringLiteral("Ta &bort tiotalsövergångar"));
    menTaBortDubletter = menReducera->addAction(QStringLiteral("Ta bort &dubbletter"));

    // Kept in the menu bar, out of sight and without an action.
    menInst = menu_bar->addMenu(QStringLiteral("&Inställning"));
    menInst->menuAction()->setVisible(false);
    menInst->menuAction()->setEnabled(false);

    for (QAction *a : {menSkrivUt, menInstaellning, menFyllUt, menEgetUrval, menStigande,
                       menFallande, menIoordning, menTaBortSlump, menExtra, menTaBortDubletter})
        a->setEnabled(false);
}

void frmSkrivIn::connect_own_commands() {
    connect(menArkiv, &QMenu::aboutToShow, this, [this] { menArkiv_Click(); });
    connect(menVerktyg, &QMenu::aboutToShow, this, [this] { menVerktyg_Click(); });
    connect(menOeppna, &QAction::triggered, this, [this] { menOeppna_Click(); });
    connect(menInfoga, &QAction::triggered, this, [this] { menInfoga_Click(); });
    connect(menSpara, &QAction::triggered, this, [this] { menSpara_Click(); });
    connect(menSparaSom, &QAction::triggered, this, [this] { menSparaSom_Click(); });
    connect(menTaBort, &QAction::triggered, this, [this] { menTaBort_Click(); });
    connect(menAvsluta, &QAction::triggered, this, [this] { menAvsluta_Click(); });
    connect(lstSkrivIn, &QListWidget::itemSelectionChanged, this, [this] { lstSkrivIn_Click(); });
    // Runs for changes by code too, as the list tools rely on.
    connect(chkSkrivIn, &QCheckBox::toggled, this, [this] { chkSkrivIn_Click(); });
}

void frmSkrivIn::install_command(QAction *action, std::function<void()> handler) {
    commands_.insert(action);
    connect(action, &QAction::triggered, this, [h = std::move(handler)] { h(); });
}

void frmSkrivIn::install_command(QAbstractButton *button, std::function<void()> handler) {
    commands_.insert(button);
    connect(button, &QAbstractButton::clicked, this, [h = std::move(handler)] { h(); });
}

void frmSkrivIn::set_command_enabled(QAction *action, bool rule) {
    action->setEnabled(rule && has_command(action));
}

void frmSkrivIn::set_command_enabled(QWidget *control, bool rule) {
    control->setEnabled(rule && has_command(control));
}

void frmSkrivIn::show_message(const exercises::MessageText &message) {
    platform::msg_box(message.text, message.style, message.title, this);
}

void frmSkrivIn::closeEvent(QCloseEvent *event) {
    if (Form_QueryUnload()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void frmSkrivIn::keyPressEvent(QKeyEvent *event) {
    // Esc does not close the editor: leaving goes through Avsluta or the close box, which
    // offer to save.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
