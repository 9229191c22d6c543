#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <optional>

namespace platform {
namespace {
std::optional<std::deque<int>> g_script;
std::vector<MsgBoxCall> g_calls;
constexpr int kButtonsMask = 7;
constexpr int kIconMask = 0x70;
constexpr int kDefaultMask = 0x300;

int default_answer(int style) {
    const int buttons = style & kButtonsMask;
    const int def = style & kDefaultMask;
    switch (buttons) {
    case vb::vbOKCancel:
        return def == vb::vbDefaultButton2 ? vb::vbCancel : vb::vbOK;
    case vb::vbYesNoCancel:
        return def == vb::vbDefaultButton3   ? vb::vbCancel
               : def == vb::vbDefaultButton2 ? vb::vbNo
                                             : vb::vbYes;
    case vb::vbYesNo:
        return def == vb::vbDefaultButton2 ? vb::vbNo : vb::vbYes;
    default:
        return vb::vbOK;
    }
}

// The window that had the keyboard before a box, and its focus widget. Closed with the
// mouse or the close box, a box gives the keyboard to no one (no window manager does it
// for us), and the next keys are lost: they go back here, however the box closed.
class KeyboardOwner {
public:
    KeyboardOwner() : window_(QApplication::activeWindow()), focus_(QApplication::focusWidget()) {}
    ~KeyboardOwner() {
        if (!window_ || !window_->isVisible())
            return;
        window_->activateWindow();
        if (focus_ && focus_->window() == window_)
            focus_->setFocus(Qt::ActiveWindowFocusReason);
    }
    KeyboardOwner(const KeyboardOwner &) = delete;
    KeyboardOwner &operator=(const KeyboardOwner &) = delete;

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> focus_;
};
} // namespace

int msg_box(const QString &prompt, int style, const QString &title, QWidget *parent) {
    const QString caption = title.isEmpty() ? QStringLiteral("Sorvinel") : title;
    if (g_script) {
        g_calls.push_back({prompt, style, caption});
        if (g_script->empty())
            return default_answer(style);
        const int answer = g_script->front();
        g_script->pop_front();
        return answer;
    }

    const KeyboardOwner keyboard;
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(prompt);
    switch (style & kIconMask) {
    case vb::vbCritical:
        box.setIcon(QMessageBox::Critical);
        break;
    case vb::vbQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case vb::vbExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case vb::vbInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    // Qt keeps English button texts even with a Swedish catalogue: name them ourselves.
    struct Button {
        int answer;
        QString text;
        QMessageBox::ButtonRole role;
    };
    std::vector<Button> buttons;
    switch (style & kButtonsMask) {
    case vb::vbOKCancel:
        buttons = {{vb::vbOK, "OK", QMessageBox::AcceptRole},
                   {vb::vbCancel, "Avbryt", QMessageBox::RejectRole}};
        break;
    case vb::vbYesNoCancel:
        buttons = {{vb::vbYes, "&Ja", QMessageBox::YesRole},
                   {vb::vbNo, "&Nej", QMessageBox::NoRole},
                   {vb::vbCancel, "Avbryt", QMessageBox::RejectRole}};
        break;
    case vb::vbYesNo:
        buttons = {{vb::vbYes, "&Ja", QMessageBox::YesRole},
                   {vb::vbNo, "&Nej", QMessageBox::NoRole}};
        break;
    default:
        buttons = {{vb::vbOK, "OK", QMessageBox::AcceptRole}};
        break;
    }
    const int def = default_answer(style);
    std::vector<std::pair<QAbstractButton *, int>> made;
    for (const Button &b : buttons) {
        QPushButton *pb = box.addButton(b.text, b.role);
        made.emplace_back(pb, b.answer);
        if (b.answer == def)
            box.setDefaultButton(pb);
    }
    if (buttons.size() == 1)
        box.setEscapeButton(made.front().first);
    else if ((style & kButtonsMask) == vb::vbYesNoCancel)
        box.setEscapeButton(made.back().first);
    box.exec();
    for (const auto &[button, answer] : made)
        if (box.clickedButton() == button)
            return answer;
    // Closed by the close box: Cancel where there is one, else the last button.
    return (style & kButtonsMask) == vb::vbYesNoCancel ? vb::vbCancel : made.back().second;
}

void script_msg_box(std::deque<int> answers) {
    g_script = std::move(answers);
    g_calls.clear();
}

void stop_msg_box_script() {
    g_script.reset();
    g_calls.clear();
}

const std::vector<MsgBoxCall> &msg_box_calls() {
    return g_calls;
}

} // namespace platform
