// The screen-reader field: each text written in one change, copied to the clipboard in
// clipboard mode, deaf to keys, and the pointer parked on it.
#include "platform/settings_store.h"
#include "platform/system.h"
#include "shared/modSorvinel.h"
#include "support/main_window.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ReaderField, EachTextIsWrittenInOneChange) {
    // A screen reader must get every text whole: no intermediate texts, and each text told
    // to it once, the same text again too (the field itself then does not change).
    struct Case {
        const char *shown, *text, *field;
        int changes;
    } const cases[] = {
        {"Addition", "3+4=", " 3 + 4 = ", 1},
        {"Addition", "Subtraktion", "Subtraktion", 1},
        {"", "7", " 7", 1},
        {"Till 10:an", "Till 10:an", "Till 10:an", 0},
        {" 3 + 4 = ", "3+4=", " 3 + 4 = ", 0},
    };
    MainWindowFixture f;
    f.load();
    modSorvinel.reader_text_blanks = true;
    QLineEdit *field = f.window->txtJaws;
    for (const Case &c : cases) {
        field->setText(QString::fromUtf8(c.shown));
        QSignalSpy changes(field, &QLineEdit::textChanged);
        const int told = f.window->txtJaws_reader->told_count();
        modSorvinel.show_screen_reader_text(QString::fromUtf8(c.text));
        EXPECT_EQ(field->text(), QString::fromUtf8(c.field)) << c.text;
        ASSERT_EQ(changes.count(), c.changes) << c.shown << " -> " << c.text;
        if (c.changes) {
            EXPECT_EQ(changes.last().at(0).toString(), QString::fromUtf8(c.field));
        }
        EXPECT_EQ(f.window->txtJaws_reader->told_count(), told + 1) << c.text;
    }
}

TEST(ReaderField, ClipboardModeCopiesTheSpokenForm) {
    MainWindowFixture f;
    f.load();
    modSorvinel.reader_text_to_clipboard = true;
    modSorvinel.show_screen_reader_text("5+2=");
    EXPECT_EQ(platform::clipboard_text(), " 5  plus  2 ");
    modSorvinel.show_screen_reader_text("Huvudmeny");
    EXPECT_EQ(platform::clipboard_text(), "huvud meny");
    // The same text again is copied again.
    platform::set_clipboard_text("other");
    modSorvinel.show_screen_reader_text("Huvudmeny");
    EXPECT_EQ(platform::clipboard_text(), "huvud meny");

    modSorvinel.reader_text_to_clipboard = false;
    platform::set_clipboard_text("unchanged");
    modSorvinel.show_screen_reader_text("Addition");
    EXPECT_EQ(platform::clipboard_text(), "unchanged");
}

TEST(ReaderField, KeysTypeNothingAndClicksParkThePointer) {
    MainWindowFixture f;
    modSorvinel.screen_reader_text_on = true;
    f.home.store().SaveSetting("Txt", "Visa", "True");
    f.load();
    QLineEdit *field = f.window->txtJaws;
    EXPECT_TRUE(field->isVisible());
    modSorvinel.show_screen_reader_text("7");
    const QString before = field->text();
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(QChar(0x00E9)),
                        Qt::NoModifier);
    EXPECT_EQ(field->text(), before);

    platform::reset_cursor_record();
    QTest::mouseClick(field, Qt::LeftButton);
    ASSERT_TRUE(platform::last_cursor_pos().has_value());
    EXPECT_EQ(*platform::last_cursor_pos(), field->mapToGlobal(field->rect().center()));
}

} // namespace
