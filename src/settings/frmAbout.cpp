#include "settings/frmAbout.h"
#include "settings/maker_notices.h"
#include "shared/assets.h"
#include "shared/modSorvinel.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kWidthPx = 480;
constexpr int kHeightPx = 260;
constexpr int kMargin = 14;
constexpr int kIconPx = 48;
constexpr double kTitlePt = 12;
} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent) {
    setModal(true);
    setFixedSize(kWidthPx, kHeightPx);

    imaRekord = new QLabel(this);
    imaRekord->setScaledContents(true);

    picIcon = new QLabel(this);
    picIcon->setPixmap(QPixmap(":/icon.svg").scaled(kIconPx, kIconPx));
    picIcon->setGeometry(kMargin, kMargin, kIconPx, kIconPx);

    const int textLeft = kMargin * 2 + kIconPx;
    const int textWidth = kWidthPx - textLeft - kMargin;
    lblTitle = new QLabel(this);
    QFont tf = lblTitle->font();
    tf.setPointSizeF(kTitlePt);
    tf.setBold(true);
    lblTitle->setFont(tf);
    lblTitle->setGeometry(textLeft, kMargin, textWidth, 24);
    lblVersion = new QLabel(this);
    lblVersion->setGeometry(textLeft, kMargin + 28, textWidth, 20);
    lblDescription = new QLabel(this);
    lblDescription->setWordWrap(true);
    lblDescription->setGeometry(textLeft, kMargin + 56, textWidth, 60);

    for (int i = 0; i < 2; ++i) {
        Line1[i] = new QFrame(this);
        Line1[i]->setFrameShape(QFrame::HLine);
        Line1[i]->setFrameShadow(i == 0 ? QFrame::Sunken : QFrame::Plain);
        Line1[i]->setGeometry(kMargin / 2, 140 + i, kWidthPx - kMargin, 2);
    }

    lblDisclaimer = new QLabel(maker::kDisclaimer, this);
    lblDisclaimer->setWordWrap(true);
    QFont df = lblDisclaimer->font();
    df.setPointSizeF(8);
    lblDisclaimer->setFont(df);
    lblDisclaimer->setGeometry(kMargin, 152, kWidthPx - 130, 90);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(kWidthPx - 100, kHeightPx - 44, 86, 30);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    Form_Load();
}

void frmAbout::Form_Load() {
    show_background(imaRekord, size());
    setWindowTitle("Om " + kApplicationTitle);
    lblVersion->setText(
        QString("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
    lblTitle->setText(kApplicationTitle);
    lblDescription->setText(maker::kRightsNotice + "\n" + maker::kWebAddress);
}

// Esc closes through reject(), Enter through the default button: both as "OK".
void frmAbout::cmdOK_Click() {
    accept();
}
