// Qt's own print dialog as a user meets it: a print file that is there and no plain file is
// taken without Qt opening it (which waits on a FIFO), and the command refuses it at once.
#include "platform/message_box.h"
#include "platform/print_dialog.h"
#include "support/modal_watch.h"
#include "support/non_regular_files.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Printed {
    bool drawn = false;
    QStringList told;     // our messages
    QStringList qt_boxes; // boxes of Qt's own over its dialog
};

// Types `target` as the print file of the real dialog and presses "Skriv ut"; a box of Qt's
// is answered "Nej" (or "OK"), and a dialog still up then is cancelled.
Printed print_to(const QString &target) {
    Printed result;
    ModalWatch outer, inner;
    outer.start(once_settled([&](QWidget *modal) {
        auto *dialog = qobject_cast<QPrintDialog *>(modal);
        if (!dialog)
            return false;
        dialog->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(target);
        inner.start(once_settled([&](QWidget *m) {
            auto *box = qobject_cast<QMessageBox *>(m);
            if (!box)
                return false;
            result.qt_boxes << box->text();
            QAbstractButton *answer = box->button(QMessageBox::No);
            (answer ? answer : box->buttons().value(0))->click();
            return true;
        }));
        for (QDialogButtonBox *box : dialog->findChildren<QDialogButtonBox *>())
            if (QPushButton *print = box->button(QDialogButtonBox::Ok))
                print->click();
        if (dialog->isVisible())
            dialog->reject();
        return true;
    }));
    platform::script_msg_box({});
    platform::print_with_dialog(nullptr, [&](QPrinter &) { return result.drawn = true; });
    for (const platform::MsgBoxCall &c : platform::msg_box_calls())
        result.told << c.title + u':' + c.prompt;
    platform::stop_msg_box_script();
    return result;
}

TEST(PrintDialog, APrintFileThatIsNoPlainFileIsRefusedUnopened) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("blad.pdf"));
    for (const SpecialKind kind : kSpecialKinds) {
        SCOPED_TRACE(name_of(kind));
        const SpecialFile special(kind, target, FifoWaiter::Writer);
        ASSERT_TRUE(special.made());
        const Printed printed = print_to(target);
        EXPECT_EQ(printed.told, QStringList{"Utskrift:Ett fel uppstod vid skrivning!"});
        EXPECT_TRUE(printed.qt_boxes.isEmpty()) << printed.qt_boxes.join(u'|').toStdString();
        EXPECT_FALSE(printed.drawn);
        EXPECT_FALSE(special.waited_on());
    }
    // A new file goes through Qt's own check as before, and is printed.
    const Printed printed = print_to(target);
    EXPECT_TRUE(printed.drawn);
    EXPECT_TRUE(printed.told.isEmpty());
    EXPECT_TRUE(printed.qt_boxes.isEmpty());
}

} // namespace
