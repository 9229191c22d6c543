// The screen-reader channel of a text field: its own text and caret events are held back,
// other events pass, and each text goes out as the AT-SPI name change a reader speaks.
#include "platform/screen_reader.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QLineEdit>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Seen {
    const QObject *object;
    QAccessible::Event type;
};
std::vector<Seen> seen;

void record(QAccessibleEvent *event) {
    seen.push_back({event->object(), event->type()});
}

int count(const QObject *object, QAccessible::Event type) {
    int n = 0;
    for (const Seen &s : seen)
        n += s.object == object && s.type == type;
    return n;
}

// The update handler in place. Offscreen Qt hands it no event (no reader is active), so the
// tests call it as Qt does when a reader listens.
QAccessible::UpdateHandler current_handler() {
    QAccessible::UpdateHandler handler = QAccessible::installUpdateHandler(nullptr);
    QAccessible::installUpdateHandler(handler);
    return handler;
}

TEST(ScreenReaderField, HoldsBackOnlyItsOwnFieldsTextEvents) {
    QAccessible::UpdateHandler before = QAccessible::installUpdateHandler(record);
    QLineEdit quiet, other;
    seen.clear();
    {
        platform::ScreenReaderField reader(&quiet);
        QAccessible::UpdateHandler filter = current_handler();
        ASSERT_NE(filter, record);
        for (QObject *o : {static_cast<QObject *>(&quiet), static_cast<QObject *>(&other)}) {
            QAccessibleTextInsertEvent insert(o, 0, QStringLiteral("Addition"));
            filter(&insert);
            QAccessibleTextCursorEvent caret(o, 8);
            filter(&caret);
        }
        QAccessibleEvent name(&quiet, QAccessible::NameChanged);
        filter(&name);
        QAccessibleEvent description(&quiet, QAccessible::DescriptionChanged);
        filter(&description);
        struct Case {
            const QObject *object;
            QAccessible::Event type;
            int events;
        } const cases[] = {
            {&quiet, QAccessible::TextInserted, 0}, {&quiet, QAccessible::TextCaretMoved, 0},
            {&quiet, QAccessible::NameChanged, 0},  {&quiet, QAccessible::DescriptionChanged, 1},
            {&other, QAccessible::TextInserted, 1}, {&other, QAccessible::TextCaretMoved, 1},
        };
        for (const Case &c : cases)
            EXPECT_EQ(count(c.object, c.type), c.events) << int(c.type);
        reader.tell(QStringLiteral("Addition"));
        EXPECT_EQ(reader.told_count(), 1);
    }
    // Gone: the handler that was there before is back, and the field's events reach it.
    ASSERT_EQ(current_handler(), record);
    QAccessibleTextInsertEvent again(&quiet, 0, QStringLiteral("Division"));
    current_handler()(&again);
    EXPECT_EQ(count(&quiet, QAccessible::TextInserted), 1);
    QAccessible::installUpdateHandler(before);
}

// The text as Orca 43 reads a focused field: it walks the attribute runs, joins those of one
// language (here all) and reads from the first run's start to the last run's end.
QString text_by_attribute_runs(QAccessibleTextInterface *text) {
    int first = 0, last = 0;
    for (int offset = 0; offset < text->characterCount();) {
        int start = 0, end = 0;
        text->attributes(offset, &start, &end);
        if (offset == 0)
            first = start;
        last = end;
        offset = std::max(end, offset + 1);
    }
    return text->text(first, last);
}

TEST(ScreenReaderField, ReadersGetTheWholeTextAsOneRun) {
    QLineEdit field;
    // Qt's own object may be made before the reader field is (an event at the field's birth).
    QAccessible::Id qt_id = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&field));
    QAccessible::Id our_id = 0;
    {
        platform::ScreenReaderField reader(&field);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&field);
        our_id = QAccessible::uniqueId(iface);
        EXPECT_NE(our_id, qt_id);
        ASSERT_NE(iface->textInterface(), nullptr);
        for (const char *shown : {"Addition", "7", " 999 är för högt. 10 - 10 = "}) {
            field.setText(QString::fromUtf8(shown));
            EXPECT_EQ(text_by_attribute_runs(iface->textInterface()), field.text()) << shown;
        }
    }
    // Gone: the field has Qt's own kind of object again.
    EXPECT_NE(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&field)), our_id);
}

TEST(ScreenReaderField, LetterPlacesMatchTheLineEditsLayout) {
    // A reader finds a letter by its box and the letter under the pointer; both must agree
    // with where the line edit draws it, however the text is aligned.
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    for (Qt::Alignment alignment : alignments) {
        QLineEdit field(QStringLiteral("Lägsta första term (0 - 999): 12"));
        field.setAlignment(alignment);
        field.resize(600, 30);
        field.show();
        // The line edit places aligned text when it paints.
        field.grab();
        platform::ScreenReaderField reader(&field);
        QAccessibleTextInterface *text =
            QAccessible::queryAccessibleInterface(&field)->textInterface();
        for (int offset = 0; offset < text->characterCount(); ++offset) {
            const QRect box = text->characterRect(offset);
            ASSERT_FALSE(box.isEmpty()) << offset;
            // The left edge of a letter is the caret place before it, the right edge after.
            const int y = box.center().y();
            EXPECT_EQ(text->offsetAtPoint(QPoint(box.left() + 1, y)), offset)
                << int(alignment) << " " << offset;
            EXPECT_EQ(text->offsetAtPoint(QPoint(box.right(), y)), offset + 1)
                << int(alignment) << " " << offset;
        }
        EXPECT_EQ(text->characterRect(text->characterCount()), QRect());
    }
}

TEST(ScreenReaderField, NameSignalsCarryTheTextAfterAnEmptyName) {
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/7");
    const QList<QDBusMessage> out = platform::screen_reader_name_signals(
        QStringLiteral(":1.3"), path, QStringLiteral("7 + 5 = "));
    ASSERT_EQ(out.size(), 2);
    const QString names[] = {QString(), QStringLiteral("7 + 5 = ")};
    for (int i = 0; i < 2; ++i) {
        const QDBusMessage &m = out[i];
        EXPECT_EQ(m.type(), QDBusMessage::SignalMessage);
        EXPECT_EQ(m.path(), path);
        EXPECT_EQ(m.interface(), "org.a11y.atspi.Event.Object");
        EXPECT_EQ(m.member(), "PropertyChange");
        // What AT-SPI readers expect of an event: kind, two numbers, the value, the sender.
        const QList<QVariant> args = m.arguments();
        ASSERT_EQ(args.size(), 5);
        EXPECT_EQ(args.at(1).typeId(), QMetaType::Int);
        EXPECT_EQ(args.at(4).value<QDBusArgument>().currentSignature(), "(so)");
        EXPECT_EQ(args.at(0).toString(), "accessible-name");
        EXPECT_EQ(args.at(3).value<QDBusVariant>().variant().toString(), names[i]);
    }
}

} // namespace
