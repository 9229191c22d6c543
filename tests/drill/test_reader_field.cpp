// The screen-reader field: written a character at a time, copied to the clipboard in
// clipboard mode, deaf to keys, and the pointer parked on it.
#include "platform/settings_store.h"
#include "platform/system.h"
#include "shared/modSorvinel.h"
#include "support/main_window.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ReaderField, GrowsOneCharacterAtATime) {
    MainWindowFixture f;
    f.load();
    modSorvinel.reader_text_blanks = true;
    modSorvinel.show_screen_reader_text("Addition");
    QSignalSpy changes(f.window->txtJaws, &QLineEdit::textChanged);
    modSorvinel.show_screen_reader_text("3+4=");
    EXPECT_EQ(f.window->txtJaws->text(), " 3 + 4 = ");
    // Cleared first, then one change per character.
    EXPECT_EQ(changes.count(), 1 + int(QString(" 3 + 4 = ").size()));
}

TEST(ReaderField, ClipboardModeCopiesTheSpokenForm) {
    MainWindowFixture f;
    f.load();
    modSorvinel.reader_text_to_clipboard = true;
    modSorvinel.show_screen_reader_text("5+2=");
    EXPECT_EQ(platform::clipboard_text(), " 5  plus  2 ");
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
