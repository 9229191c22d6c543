#include "drill/frmRekord.h"
#include "shared/assets.h"
#include "shared/modSorvinel.h"

#include <QLabel>
#include <QPushButton>

namespace {
const char *const kTitles[] = {
    "Addition:", "Subtraktion:", "Multiplikation:", "Division:", "Blandat:"};
const QString kCaption = QStringLiteral("Rekord för \"Till 10:an\" - Alla rätt");
constexpr int kWidthPx = 360;
constexpr int kHeightPx = 250;
constexpr int kMargin = 20;
constexpr int kRowPx = 28;
constexpr int kTitleWidthPx = 150;
constexpr int kButtonWidthPx = 86;
constexpr int kButtonHeightPx = 30;
constexpr double kLinePt = 11;
} // namespace

frmRekord::frmRekord(QWidget *parent) : QDialog(parent) {
    setModal(true);
    setFixedSize(kWidthPx, kHeightPx);
    setWindowTitle(kCaption);

    imaRekord = new QLabel(this);
    imaRekord->setScaledContents(true);

    for (int i = 0; i < kOperations; ++i) {
        const int top = kMargin + i * kRowPx;
        labTitel[std::size_t(i)] = new QLabel(QString::fromUtf8(kTitles[i]), this);
        labRekord[std::size_t(i)] = new QLabel(this);
        for (QLabel *l : {labTitel[std::size_t(i)], labRekord[std::size_t(i)]}) {
            QFont f = l->font();
            f.setPointSizeF(kLinePt);
            f.setBold(true);
            l->setFont(f);
        }
        labTitel[std::size_t(i)]->setGeometry(kMargin, top, kTitleWidthPx, kRowPx);
        labRekord[std::size_t(i)]->setGeometry(kMargin + kTitleWidthPx, top,
                                               kWidthPx - 2 * kMargin - kTitleWidthPx, kRowPx);
    }

    Command1 = new QPushButton(QStringLiteral("&OK"), this);
    Command1->setGeometry((kWidthPx - kButtonWidthPx) / 2, kHeightPx - kMargin - kButtonHeightPx,
                          kButtonWidthPx, kButtonHeightPx);
    Command1->setDefault(true);
    Command1->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    Form_Load();
}

void frmRekord::Form_Load() {
    show_background(imaRekord, size());
    for (int i = 0; i < kOperations; ++i)
        labRekord[std::size_t(i)]->setText(record_text(modSorvinel.record_times[std::size_t(i)]));
}

QString frmRekord::record_text(long seconds) {
    return seconds == 0 ? kNotSet : ModSorvinel::format_duration(seconds);
}

// Enter reaches the default button, Esc and the close box reject(): all three just close.
void frmRekord::Command1_Click() {
    accept();
}
