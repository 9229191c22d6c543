#pragma once
// What the fill-out and reduce dialogs share: they lie over the editor's task list, show
// the shared background picture, and keep typed characters out of their choice box.

#include <QObject>
#include <functional>

class QComboBox;
class QDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace exercises {

// A fixed border and a title bar with the close box only.
inline constexpr Qt::WindowFlags kListDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
    Qt::MSWindowsFixedSizeDialogHint;

// Modal, light grey, with its caption.
void set_up_list_dialog(QDialog *dialog, const QString &caption);
// "&OK" and "&Avbryt", wired to the dialog's handlers.
struct DialogButtons {
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
};
DialogButtons make_dialog_buttons(QDialog *dialog, std::function<void()> ok,
                                  std::function<void()> cancel);
// The width the two buttons need, each a third of the dialog.
int buttons_width(const DialogButtons &buttons);
// The buttons a third of the width wide, at one and five ninths, their tops at `top`; the
// dialog ends three button heights below them, with the background picture behind all.
QLabel *finish_list_dialog(QDialog *dialog, const DialogButtons &buttons, int top);

// Three quarters of the list wide, but never narrower than `content_width` (the list is
// narrower than the texts the dialogs show in our fonts), offset by an eighth of the list's
// width and a quarter of its height, in screen coordinates.
void place_over_list(QDialog *dialog, const QWidget *list, int content_width);

// Hands each character typed into `box` to `key_press` as its character code; a code set
// to 0 is swallowed. A non-editable box would otherwise jump to an item on a typed digit and
// open on a space. Arrows and Tab pass untouched.
class ChoiceBoxKeys : public QObject {
public:
    ChoiceBoxKeys(QComboBox *box, std::function<void(int &)> key_press);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(int &)> key_press_;
};

} // namespace exercises
