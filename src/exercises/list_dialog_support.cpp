#include "exercises/list_dialog_support.h"

#include "platform/vb.h"
#include "shared/assets.h"

#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace exercises {

namespace {
constexpr int kWidthParts = 4;  // the dialog is 3 of 4 parts of the list wide
constexpr int kOffsetParts = 8; // an eighth of the list's width to the right
constexpr int kTopParts = 4;    // a quarter of the list's height down
constexpr int kGrey = 224;
constexpr int kEnter = vb::key::Return;
constexpr int kMarginPx = 16;   // beside the widest row when the list is too narrow
constexpr int kButtonParts = 3; // each button a third of the width
constexpr int kNinths = 9;      // OK 1/9, Avbryt 5/9 from the left edge
constexpr int kCancelNinths = 5;
constexpr int kBottomButtonHeights = 3;
} // namespace

void place_over_list(QDialog *dialog, const QWidget *list, int content_width) {
    const QPoint at =
        list->mapToGlobal(QPoint(list->width() / kOffsetParts, list->height() / kTopParts));
    dialog->move(at);
    dialog->setFixedWidth(
        std::max(list->width() * (kWidthParts - 1) / kWidthParts, content_width + 2 * kMarginPx));
}

void set_up_list_dialog(QDialog *dialog, const QString &caption) {
    dialog->setModal(true);
    dialog->setWindowTitle(caption);
    QPalette p = dialog->palette();
    p.setColor(QPalette::Window, QColor(kGrey, kGrey, kGrey));
    dialog->setPalette(p);
    dialog->setAutoFillBackground(true);
}

DialogButtons make_dialog_buttons(QDialog *dialog, std::function<void()> ok,
                                  std::function<void()> cancel) {
    DialogButtons buttons{new QPushButton(QStringLiteral("&OK"), dialog),
                          new QPushButton(QStringLiteral("&Avbryt"), dialog)};
    for (QPushButton *b : {buttons.ok, buttons.cancel})
        b->setAutoDefault(false);
    QObject::connect(buttons.ok, &QPushButton::clicked, dialog, [h = std::move(ok)] { h(); });
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog,
                     [h = std::move(cancel)] { h(); });
    return buttons;
}

int buttons_width(const DialogButtons &buttons) {
    return kButtonParts *
           std::max(buttons.ok->sizeHint().width(), buttons.cancel->sizeHint().width());
}

QLabel *finish_list_dialog(QDialog *dialog, const DialogButtons &buttons, int top) {
    const int w = dialog->width();
    const int button_h = buttons.ok->sizeHint().height();
    buttons.ok->setGeometry(w / kNinths, top, w / kButtonParts, button_h);
    buttons.cancel->setGeometry(w * kCancelNinths / kNinths, top, w / kButtonParts, button_h);
    const int height = top + kBottomButtonHeights * button_h;
    dialog->setFixedHeight(height);
    auto *picture = new QLabel(dialog);
    picture->setScaledContents(true);
    show_background(picture, QSize(w, height));
    return picture;
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
