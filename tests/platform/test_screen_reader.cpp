// The screen-reader channel of a text field: its own text and caret events are held back,
// other events pass, and each text goes out as the AT-SPI name change a reader speaks.
#include "platform/screen_reader.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QLineEdit>
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

// Off: offscreen, Qt hands no event to an update handler while no reader is active.
TEST(ScreenReaderField, DISABLED_HoldsBackOnlyItsOwnFieldsTextEvents) {
    QAccessible::UpdateHandler before = QAccessible::installUpdateHandler(record);
    QLineEdit quiet, other;
    seen.clear();
    {
        platform::ScreenReaderField reader(&quiet);
        // Sent as the line edits send them when a reader listens.
        for (QObject *o : {static_cast<QObject *>(&quiet), static_cast<QObject *>(&other)}) {
            QAccessibleTextInsertEvent insert(o, 0, QStringLiteral("Addition"));
            QAccessible::updateAccessibility(&insert);
            QAccessibleTextCursorEvent caret(o, 8);
            QAccessible::updateAccessibility(&caret);
        }
        QAccessibleEvent name(&quiet, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&name);
        QAccessibleEvent description(&quiet, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&description);
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
    // Gone: the field's events flow again, to the handler that was there before.
    QAccessibleTextInsertEvent again(&quiet, 0, QStringLiteral("Division"));
    QAccessible::updateAccessibility(&again);
    EXPECT_EQ(count(&quiet, QAccessible::TextInserted), 1);
    QAccessible::installUpdateHandler(before);
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
