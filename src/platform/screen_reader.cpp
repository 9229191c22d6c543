#include "platform/screen_reader.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QList>

namespace {
// Qt's own connection to the accessibility bus and the names AT-SPI gives our objects.
const QString kAccessibilityConnection = QStringLiteral("a11y");
const QString kObjectPathPrefix = QStringLiteral("/org/a11y/atspi/accessible/");
const QString kRootPath = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString kObjectEvents = QStringLiteral("org.a11y.atspi.Event.Object");
const QString kPropertyChange = QStringLiteral("PropertyChange");
const QString kNameProperty = QStringLiteral("accessible-name");

QList<QObject *> quiet_fields;
QAccessible::UpdateHandler next_handler = nullptr;

bool is_text_event(QAccessible::Event type) {
    switch (type) {
    case QAccessible::TextCaretMoved:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextSelectionChanged:
    case QAccessible::NameChanged:
        return true;
    default:
        return false;
    }
}

void filter_reader_events(QAccessibleEvent *event);

void pass_on(QAccessibleEvent *event) {
    if (next_handler) {
        next_handler(event);
        return;
    }
    // Without a handler Qt hands the event to the platform's bridge.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(filter_reader_events);
}

void filter_reader_events(QAccessibleEvent *event) {
    if (quiet_fields.contains(event->object()) && is_text_event(event->type()))
        return;
    pass_on(event);
}
} // namespace

namespace platform {

ScreenReaderField::ScreenReaderField(QObject *field) : field_(field) {
    if (quiet_fields.isEmpty())
        next_handler = QAccessible::installUpdateHandler(filter_reader_events);
    quiet_fields.append(field_);
}

ScreenReaderField::~ScreenReaderField() {
    quiet_fields.removeOne(field_);
    if (quiet_fields.isEmpty()) {
        QAccessible::installUpdateHandler(next_handler);
        next_handler = nullptr;
    }
}

void ScreenReaderField::tell(const QString &text) {
    ++told_;
    QDBusConnection bus(kAccessibilityConnection);
    if (!QAccessible::isActive() || !bus.isConnected())
        return;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(field_);
    if (!iface)
        return;
    const QString path = kObjectPathPrefix + QString::number(QAccessible::uniqueId(iface));
    // Queued, never waited on.
    for (const QDBusMessage &message : screen_reader_name_signals(bus.baseService(), path, text))
        bus.send(message);
}

QList<QDBusMessage> screen_reader_name_signals(const QString &service, const QString &path,
                                               const QString &text) {
    QList<QDBusMessage> out;
    for (const QString &name : {QString(), text}) {
        QDBusMessage message = QDBusMessage::createSignal(path, kObjectEvents, kPropertyChange);
        QDBusArgument application;
        application.beginStructure();
        application << service << QDBusObjectPath(kRootPath);
        application.endStructure();
        message << kNameProperty << 0 << 0 << QVariant::fromValue(QDBusVariant(name))
                << QVariant::fromValue(application);
        out.append(message);
    }
    return out;
}

} // namespace platform
