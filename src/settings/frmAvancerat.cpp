#include "settings/frmAvancerat.h"
#include "platform/message_box.h"
#include "settings/reader_adaptation.h"
#include "shared/modSorvinel.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

frmAvancerat::frmAvancerat(QWidget *parent) : QDialog(parent) {
    setModal(true);
    chkVisa = new QCheckBox(QStringLiteral("&Visa textfält för skärmläsare längst ner"), this);
    chkBlanksteg = new QCheckBox(QStringLiteral("&Blanksteg framför siffror och operatorer"), this);
    chkKlippBord = new QCheckBox(QStringLiteral("&Skicka texten till klippbordet"), this);
    chkKlippBord->setToolTip(
        QStringLiteral("För användning med talsyntesanpassningar som läser klippbordet "));
    // The sub-options are usable only while the field is shown.
    chkBlanksteg->setEnabled(false);
    chkKlippBord->setEnabled(false);
    OKButton = new QPushButton(QStringLiteral("&OK"), this);
    CancelButton = new QPushButton(QStringLiteral("&Avbryt"), this);
    OKButton->setDefault(true);

    auto *boxes = new QVBoxLayout;
    for (QCheckBox *box : {chkVisa, chkBlanksteg, chkKlippBord})
        boxes->addWidget(box);
    boxes->addStretch(1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    buttons->addStretch(1);
    auto *row = new QHBoxLayout(this);
    row->addLayout(boxes, 1);
    row->addLayout(buttons);
    setFixedSize(sizeHint());

    connect(chkVisa, &QCheckBox::toggled, this, [this] { chkVisa_Click(); });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
}

void frmAvancerat::setVisible(bool visible) {
    if (visible && !loaded_)
        Form_Load();
    QDialog::setVisible(visible);
}

void frmAvancerat::Form_Load() {
    loaded_ = true;
    setWindowIcon(QApplication::windowIcon());
    setWindowTitle(kApplicationTitle + QStringLiteral(" - Anpassning"));
    const ReaderBoxes boxes = reader_boxes_from_settings();
    chkVisa->setChecked(boxes[std::size_t(ReaderOption::ShowField)]);
    chkBlanksteg->setChecked(boxes[std::size_t(ReaderOption::Blanks)]);
    chkKlippBord->setChecked(boxes[std::size_t(ReaderOption::Clipboard)]);
}

void frmAvancerat::chkVisa_Click() {
    const bool on = chkVisa->isChecked();
    chkBlanksteg->setEnabled(on);
    chkKlippBord->setEnabled(on);
}

void frmAvancerat::OKButton_Click() {
    ReaderBoxes boxes{};
    boxes[std::size_t(ReaderOption::ShowField)] = chkVisa->isChecked();
    boxes[std::size_t(ReaderOption::Blanks)] = chkBlanksteg->isChecked();
    boxes[std::size_t(ReaderOption::Clipboard)] = chkKlippBord->isChecked();
    if (!modSorvinel.write_settings([&] { apply_reader_boxes(boxes, show_reader_field); }))
        platform::msg_box(kSettingsWriteError, vb::vbOKOnly | vb::vbInformation, windowTitle(),
                          this);
    accept();
}

void frmAvancerat::CancelButton_Click() {
    QDialog::reject();
}

// Esc and the close box are "Avbryt": nothing is stored.
void frmAvancerat::reject() {
    CancelButton_Click();
}
