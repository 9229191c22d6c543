#pragma once
// What the fill-out and reduce dialogs share: they lie over the editor's task list, show
// the shared background picture, and keep typed characters out of their choice box.

#include <QObject>
#include <functional>

class QComboBox;
class QDialog;
class QLabel;
class QWidget;

namespace exercises {

// Three quarters of the list wide, but never narrower than `content_width` (the list is
// narrower than the texts the dialogs show in our fonts), offset by an eighth of the list's
// width and a quarter of its height, in screen coordinates.
void place_over_list(QDialog *dialog, const QWidget *list, int content_width);
// The background picture behind every other control, `width` x `height` pixels.
QLabel *add_background(QDialog *dialog, int width, int height);
// Light grey, as the dialogs are designed.
void set_dialog_colour(QDialog *dialog);

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
