#include "exercises/list_dialog_support.h"

#include "platform/vb.h"

#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <algorithm>

namespace exercises {

namespace {
constexpr int kWidthParts = 4;  // the dialog is 3 of 4 parts of the list wide
constexpr int kOffsetParts = 8; // an eighth of the list's width to the right
constexpr int kTopParts = 4;    // a quarter of the list's height down
constexpr int kGrey = 224;
constexpr int kEnter = vb::key::Return;
constexpr int kMarginPx = 16; // beside the widest row when the list is too narrow
} // namespace

void place_over_list(QDialog *dialog, const QWidget *list, int content_width) {
    const QPoint at =
        list->mapToGlobal(QPoint(list->width() / kOffsetParts, list->height() / kTopParts));
    dialog->move(at);
    dialog->setFixedWidth(
        std::max(list->width() * (kWidthParts - 1) / kWidthParts, content_width + 2 * kMarginPx));
}

QLabel *add_background(QDialog *dialog, int width, int height) {
    auto *picture = new QLabel(dialog);
    picture->setScaledContents(true);
    picture->setPixmap(QPixmap(QStringLiteral(":/background.svg")));
    picture->setGeometry(0, 0, width, height);
    picture->lower();
    return picture;
}

void set_dialog_colour(QDialog *dialog) {
    QPalette p = dialog->palette();
    p.setColor(QPalette::Window, QColor(kGrey, kGrey, kGrey));
    dialog->setPalette(p);
    dialog->setAutoFillBackground(true);
}

ChoiceBoxKeys::ChoiceBoxKeys(QComboBox *box, std::function<void(int &)> key_press)
    : QObject(box), key_press_(std::move(key_press)) {
    box->installEventFilter(this);
}

bool ChoiceBoxKeys::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    int code = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        code = kEnter;
    else if (!key->text().isEmpty() && key->text()[0].isPrint())
        code = key->text()[0].unicode();
    else
        return false; // arrows, Tab, Page keys: the box's own
    key_press_(code);
    return true;
}

} // namespace exercises
