// The "Styrning" page: control method, board rows, key repeat, abort keys, mouse pointer.
#include "settings/frmOptions2.h"
#include "shared/main_window_view.h"
#include "shared/modSorvinel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kSpacingPx = 2;
constexpr int kMarginPx = 6;
constexpr int kPointerPx = 32;

struct MethodDesign {
    const char *caption;
    const char *tooltip;
};
constexpr std::array<MethodDesign, 4> kMethods = {{
    {"Tangentbord", "Normalläge"},
    {"Tangentbord och mus", "Siffertangentbord visas"},
    {"Två till fem tangenter",
     "Siffertangentbord visas och man kan utan att störas av muspekaren styra med piltangenter, "
     "blanksteg och Enter"},
    {"En tangent",
     "Aktivt fält flyttas fram efter den tid som anges i \"Intervall\" - Fördröjning i startläge"},
}};

QGroupBox *frame(const char *caption, const char *tooltip, QWidget *page) {
    auto *box = new QGroupBox(QString::fromUtf8(caption), page);
    if (tooltip)
        box->setToolTip(QString::fromUtf8(tooltip));
    auto *column = new QVBoxLayout(box);
    column->setSpacing(kSpacingPx);
    column->setContentsMargins(kMarginPx, kSpacingPx, kMarginPx, kSpacingPx);
    return box;
}

void add(QGroupBox *box, QWidget *w) {
    static_cast<QVBoxLayout *>(box->layout())->addWidget(w);
}
} // namespace

void frmOptions2::build_control_page(QWidget *page) {
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(kSpacingPx);

    fraSample5a = frame("Alternativ", "Olika sätt att styra programmet", page);
    for (int i = 0; i < int(optSiffertavla.size()); ++i) {
        optSiffertavla[i] = new QRadioButton(QString::fromUtf8(kMethods[i].caption), fraSample5a);
        optSiffertavla[i]->setToolTip(QString::fromUtf8(kMethods[i].tooltip));
        add(fraSample5a, optSiffertavla[i]);
        connect(optSiffertavla[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optSiffertavla_Click(i);
        });
    }
    labIntervall = new QLabel(QStringLiteral("Intervall:"), fraSample5a);
    labIntervall->setToolTip(QStringLiteral("Kan även ökas med + och minskas med - under körning"));
    cbxEnTangent = new QComboBox(fraSample5a);
    cbxEnTangent->setToolTip(QStringLiteral("Intervallets längd i sekunder"));
    for (int s = 1; s <= kIntervalEntries; ++s)
        cbxEnTangent->addItem(interval_entry(s));
    auto *intervalRow = new QHBoxLayout;
    intervalRow->addWidget(labIntervall);
    intervalRow->addWidget(cbxEnTangent, 1);
    static_cast<QVBoxLayout *>(fraSample5a->layout())->addLayout(intervalRow);
    grid->addWidget(fraSample5a, 0, 0);

    fraSample5b = frame("Avbrott (Ctrl-Z gäller alltid)",
                        "Skall användas för fullständig en- och tvåtangentsstyrning", page);
    chkEnter = new QCheckBox(QStringLiteral("&Enter direkt efter = i räkneläge"), fraSample5b);
    chkEnter->setToolTip(QStringLiteral(
        "Om detta är valt kan man avbryta med Enter när svarsfältet är tomt i räkneläge"));
    chkEsc = new QCheckBox(QStringLiteral("Använd Esc"), fraSample5b);
    chkVarning = new QCheckBox(QStringLiteral("Visa varningsmeddelande"), fraSample5b);
    for (QWidget *w : std::initializer_list<QWidget *>{chkEnter, chkEsc, chkVarning})
        add(fraSample5b, w);
    grid->addWidget(fraSample5b, 1, 0, 1, 2);
    connect(chkEsc, &QCheckBox::toggled, this, [this] { chkEsc_Click(); });

    auto *right = new QVBoxLayout;
    fraRader = frame("Rader på siffertavlan", "Gäller ej översta alternativet", page);
    optRader[0] = new QRadioButton(QStringLiteral("En"), fraRader);
    optRader[1] = new QRadioButton(QStringLiteral("Två"), fraRader);
    auto *rows = new QHBoxLayout;
    rows->addWidget(optRader[0]);
    rows->addWidget(optRader[1]);
    static_cast<QVBoxLayout *>(fraRader->layout())->addLayout(rows);
    right->addWidget(fraRader);
    fraSample5 = frame("Tangentrepetition",
                       "Om tangetrepetitionen är påslagen kan man skriva in snabbare", page);
    chkTangentrepetition = new QCheckBox(QStringLiteral("&På"), fraSample5);
    chkTangentrepetition->setToolTip(QStringLiteral("På = möjlighet att skriva in snabbt"));
    add(fraSample5, chkTangentrepetition);
    right->addWidget(fraSample5);
    auto *pointerRow = new QHBoxLayout;
    chkMuspekare = new QCheckBox(QStringLiteral("Annan pekare"), page);
    imaMuspekare = new QLabel(page);
    imaMuspekare->setFixedSize(kPointerPx, kPointerPx);
    imaMuspekare->setScaledContents(true);
    pointerRow->addWidget(chkMuspekare);
    pointerRow->addWidget(imaMuspekare);
    right->addLayout(pointerRow);
    right->addStretch(1);
    grid->addLayout(right, 0, 1);
}

void frmOptions2::load_control_page() {
    const ModSorvinel &m = modSorvinel;
    chkTangentrepetition->setChecked(!m.key_repeat_blocked);
    chkEnter->setChecked(m.enter_interrupts);
    chkEsc->setChecked(m.esc_allowed);
    chkVarning->setChecked(m.show_warning_message);
    chkVarning->setEnabled(m.esc_allowed);
    optRader[std::size_t(std::clamp(m.board_rows - 1, 0, 1))]->setChecked(true);
    optSiffertavla[std::size_t(running_control_method())]->setChecked(true);
    if (m.main_window)
        cbxEnTangent->setCurrentIndex(m.one_key_interval - 1);
    // The main window's own pointer; a standard shape has no picture, so ours stands in.
    QPixmap pointer = m.main_window ? m.main_window->mouse_pointer_picture() : QPixmap();
    imaMuspekare->setPixmap(pointer.isNull() ? QPixmap(QStringLiteral(":/options-pointer.svg"))
                                             : pointer);
    chkMuspekare->setChecked(m.custom_mouse_pointer);
}

void frmOptions2::optSiffertavla_Click(int index) {
    const bool board = index != int(ControlMethod::Keyboard);
    const bool scanning = index == int(ControlMethod::OneKey);
    fraRader->setEnabled(board);
    optRader[0]->setEnabled(board);
    optRader[1]->setEnabled(board);
    labIntervall->setEnabled(scanning);
    cbxEnTangent->setEnabled(scanning);
}

void frmOptions2::chkEsc_Click() {
    chkVarning->setEnabled(chkEsc->isChecked());
}
