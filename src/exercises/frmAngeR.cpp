#include "exercises/frmAngeR.h"

#include "shared/modSorvinel.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {
const QString kSigns = QStringLiteral("+-*/");
constexpr double kSignFontPt = 12;
constexpr int kColumns = 2;
constexpr int kBorderPx = 1;
} // namespace

frmAngeR::frmAngeR(QWidget *operator_key)
    : QDialog(operator_key->window(), Qt::Dialog | Qt::FramelessWindowHint),
      operator_key_(operator_key) {
    setModal(true);
    setObjectName(QStringLiteral("frmAngeR"));
    // A thin border and no title bar.
    setStyleSheet(QStringLiteral("#frmAngeR { border: 1px solid black; }"));
    for (int i = 0; i < kOperatorCount; ++i) {
        auto *b = new QPushButton(QString(kSigns[i]), this);
        b->setAutoDefault(false);
        QFont f = b->font();
        f.setPointSizeF(kSignFontPt);
        b->setFont(f);
        connect(b, &QPushButton::clicked, this, [this, i] { comOp_Click(i); });
        comOp[std::size_t(i)] = b;
    }
    Form_Load();
}

void frmAngeR::Form_Load() {
    const int w = operator_key_->width();
    const int h = operator_key_->height();
    const QPoint key = operator_key_->mapToGlobal(QPoint(0, 0));
    setFixedSize(kColumns * (w + kBorderPx), kColumns * (h + kBorderPx));
    move(key.x() - w / 2, key.y() - h / 2);
    for (int i = 0; i < kOperatorCount; ++i)
        comOp[std::size_t(i)]->setGeometry(kBorderPx + (i % kColumns) * w,
                                           kBorderPx + (i / kColumns) * h, w, h);
}

void frmAngeR::comOp_Click(int index) {
    chosen_operator = {exercises::OperatorChoiceOutcome::Chosen, comOp[std::size_t(index)]->text()};
    modSorvinel.chosen_operator = chosen_operator.sign;
    accept();
}

void frmAngeR::Form_KeyPress(int &key_ascii) {
    const qsizetype at = kSigns.indexOf(QChar(key_ascii));
    if (key_ascii > 0 && at >= 0)
        comOp_Click(int(at));
    key_ascii = 0;
}

void frmAngeR::keyPressEvent(QKeyEvent *event) {
    if (!event->text().isEmpty() && event->text()[0].isPrint()) {
        int code = event->text()[0].unicode();
        Form_KeyPress(code);
        return;
    }
    // Esc leaves without a choice; arrows, Tab and Space move between and press buttons.
    QDialog::keyPressEvent(event);
}
