// The message boxes and questions themselves (not scripted): the answer each way of
// closing gives, and the keyboard back in the window that had it before.

#include "platform/message_box.h"
#include "support/modal_watch.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>

namespace {

enum class Close { EnterKey, EscapeKey, MouseOnDefaultButton, CloseBox };

struct BoxCase {
    int style;
    Close close;
    int answer;
};

void PrintTo(const BoxCase &c, std::ostream *os) {
    static const char *const kHow[] = {"Enter", "Esc", "a click on the default button",
                                       "the close box"};
    *os << "style " << c.style << ", closed by " << kHow[int(c.close)];
}

void close_box(QMessageBox *box, Close how) {
    switch (how) {
    case Close::EnterKey:
        QTest::keyClick(box, Qt::Key_Return);
        break;
    case Close::EscapeKey:
        QTest::keyClick(box, Qt::Key_Escape);
        break;
    case Close::MouseOnDefaultButton:
        QTest::mouseClick(box->defaultButton(), Qt::LeftButton);
        break;
    case Close::CloseBox:
        box->close();
        break;
    }
}

class MessageBoxFocus : public ::testing::TestWithParam<BoxCase> {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(window.get());
        first = new QLineEdit(window.get());
        second = new QLineEdit(window.get());
        layout->addWidget(first);
        layout->addWidget(second);
        window->show();
        window->activateWindow();
        second->setFocus();
        QApplication::processEvents();
    }
    void TearDown() override { watch.stop(); }

    std::unique_ptr<QWidget> window;
    QLineEdit *first = nullptr;
    QLineEdit *second = nullptr;
    ModalWatch watch;
};

TEST_P(MessageBoxFocus, AnswersAndGivesTheKeyboardBack) {
    const BoxCase &c = GetParam();
    bool shown = false;
    watch.start(once_settled([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return false;
        shown = true;
        close_box(box, c.close);
        return true;
    }));
    const int answer = platform::msg_box(QStringLiteral("Något hände."), c.style,
                                         QStringLiteral("Prov"), window.get());
    ASSERT_TRUE(shown);
    EXPECT_EQ(answer, c.answer);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), window.get());
    EXPECT_EQ(QApplication::focusWidget(), second);
}

using namespace vb;
INSTANTIATE_TEST_SUITE_P(
    Boxes, MessageBoxFocus,
    ::testing::Values(BoxCase{vbOKOnly | vbInformation, Close::EnterKey, vbOK},
                      BoxCase{vbOKOnly | vbInformation, Close::MouseOnDefaultButton, vbOK},
                      BoxCase{vbOKOnly | vbCritical, Close::CloseBox, vbOK},
                      BoxCase{vbOKOnly, Close::EscapeKey, vbOK},
                      BoxCase{vbYesNo | vbQuestion, Close::EnterKey, vbYes},
                      BoxCase{vbYesNo | vbQuestion | vbDefaultButton2, Close::EnterKey, vbNo},
                      BoxCase{vbYesNo | vbQuestion, Close::MouseOnDefaultButton, vbYes},
                      BoxCase{vbYesNo | vbExclamation, Close::CloseBox, vbNo},
                      BoxCase{vbYesNoCancel | vbQuestion, Close::MouseOnDefaultButton, vbYes},
                      BoxCase{vbYesNoCancel | vbQuestion, Close::EscapeKey, vbCancel},
                      BoxCase{vbYesNoCancel | vbQuestion, Close::CloseBox, vbCancel},
                      BoxCase{vbYesNo | vbDefaultButton2, Close::MouseOnDefaultButton, vbNo},
                      BoxCase{vbOKCancel, Close::MouseOnDefaultButton, vbOK}));

// A box over a modal dialog (the editor, the settings) gives the keyboard back to the
// dialog, not to the main window behind it.
TEST(MessageBoxOverDialog, GivesTheKeyboardBackToTheDialog) {
    QWidget main;
    main.show();
    main.activateWindow();
    QDialog dialog(&main);
    auto *field = new QLineEdit(&dialog);
    new QVBoxLayout(&dialog);
    dialog.layout()->addWidget(field);
    ModalWatch watch, box_closer;
    bool closed = false;
    watch.start(once_settled([&](QWidget *modal) {
        if (modal != &dialog)
            return false;
        field->setFocus();
        QApplication::processEvents();
        box_closer.start(once_settled([](QWidget *box_window) {
            auto *box = qobject_cast<QMessageBox *>(box_window);
            if (box)
                QTest::mouseClick(box->defaultButton(), Qt::LeftButton);
            return box != nullptr;
        }));
        EXPECT_EQ(platform::msg_box(QStringLiteral("Något hände."), vb::vbOKOnly, {}, &dialog),
                  vb::vbOK);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), &dialog);
        EXPECT_EQ(QApplication::focusWidget(), field);
        closed = true;
        dialog.accept();
        return true;
    }));
    dialog.exec();
    EXPECT_TRUE(closed);
}

} // namespace
