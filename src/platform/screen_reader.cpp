#include "platform/screen_reader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QList>
#include <QLoggingCategory>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {
// scripts/check-orca times each text from its key by these lines.
Q_LOGGING_CATEGORY(lcReader, "sorvinel.reader", QtWarningMsg)

// Qt's own connection to the accessibility bus and the names AT-SPI gives our objects.
const QString kAccessibilityConnection = QStringLiteral("a11y");
const QString kObjectPathPrefix = QStringLiteral("/org/a11y/atspi/accessible/");
const QString kRootPath = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString kObjectEvents = QStringLiteral("org.a11y.atspi.Event.Object");
const QString kPropertyChange = QStringLiteral("PropertyChange");
const QString kNameProperty = QStringLiteral("accessible-name");

// Qt's line edit lays its text out this far inside its contents, pixels.
constexpr int kLineEditMargin = 2;

QList<QObject *> quiet_fields;
QAccessible::UpdateHandler next_handler = nullptr;

// The field as readers see it: a line edit whose text is one run without attributes. The
// rest follows Qt's own line-edit object.
class ReaderFieldAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReaderFieldAccessible(QLineEdit *field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? field()->text() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = field()->isReadOnly();
        s.editable = !s.readOnly;
        s.selectableText = true;
        return s;
    }

    void selection(int index, int *start, int *end) const override {
        *start = *end = 0;
        if (index == 0 && field()->hasSelectedText()) {
            *start = field()->selectionStart();
            *end = *start + field()->selectionLength();
        }
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0)
            field()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            field()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        return start < 0 || end <= start ? QString() : field()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(field()->text().size()); }
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override {
        const QPoint local = field()->mapFromGlobal(point);
        return field()->rect().contains(local) ? field()->cursorPositionAt(local) : -1;
    }
    void scrollToSubstring(int start, int end) override {
        field()->setCursorPosition(end);
        field()->setCursorPosition(start);
    }
    // Qt gives every letter an empty run of its own; Orca joins such runs one letter short.
    QString attributes(int offset, int *start, int *end) const override {
        const int count = characterCount();
        *start = offset < 0 || offset > count ? -1 : 0;
        *end = *start < 0 ? -1 : count;
        return QString();
    }

private:
    QLineEdit *field() const { return static_cast<QLineEdit *>(object()); }
};

// Where the line edit draws a letter, in screen coordinates. The text is taken as unscrolled:
// the reader field is as wide as the screen.
QRect ReaderFieldAccessible::characterRect(int offset) const {
    const QLineEdit *f = field();
    const QString text = f->text();
    if (offset < 0 || offset >= text.size())
        return QRect();
    QStyleOptionFrame option;
    option.initFrom(f);
    option.lineWidth =
        f->hasFrame() ? f->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, f) : 0;
    QRect box = f->style()
                    ->subElementRect(QStyle::SE_LineEditContents, &option, f)
                    .marginsRemoved(f->textMargins())
                    .adjusted(kLineEditMargin, 0, -kLineEditMargin, 0);
    // Placed as the line edit places a text narrower than itself.
    const QFontMetricsF metrics(f->font());
    const int used = qRound(metrics.horizontalAdvance(text)) + 1;
    int left = box.left();
    if (f->alignment() & Qt::AlignRight)
        left += box.width() - used - 1;
    else if (f->alignment() & Qt::AlignHCenter)
        left -= (used - box.width()) / 2;
    const int x = left + qRound(metrics.horizontalAdvance(text.left(offset)));
    const int next = left + qRound(metrics.horizontalAdvance(text.left(offset + 1)));
    const int height = qRound(metrics.height());
    const QPoint corner(x, box.top() + (box.height() - height) / 2);
    return QRect(f->mapToGlobal(corner), QSize(next - x, height));
}

QAccessibleInterface *reader_field_object(const QString &, QObject *object) {
    if (!quiet_fields.contains(object))
        return nullptr;
    QLineEdit *field = qobject_cast<QLineEdit *>(object);
    return field ? new ReaderFieldAccessible(field) : nullptr;
}

// Drops the object cached for `field` when it is (`ours`) or is not ours, so that the next
// query makes the right one.
void drop_cached_object(QLineEdit *field, bool ours) {
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(field);
    if (iface && (dynamic_cast<ReaderFieldAccessible *>(iface) != nullptr) == ours)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

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

ScreenReaderField::ScreenReaderField(QLineEdit *field) : field_(field) {
    if (quiet_fields.isEmpty()) {
        next_handler = QAccessible::installUpdateHandler(filter_reader_events);
        QAccessible::installFactory(reader_field_object);
    }
    quiet_fields.append(field_);
    // Qt may have made its own object for the field already (an event of its creation).
    drop_cached_object(field_, false);
}

ScreenReaderField::~ScreenReaderField() {
    quiet_fields.removeOne(field_);
    drop_cached_object(field_, true);
    if (quiet_fields.isEmpty()) {
        QAccessible::removeFactory(reader_field_object);
        QAccessible::installUpdateHandler(next_handler);
        next_handler = nullptr;
    }
}

void ScreenReaderField::tell(const QString &text) {
    ++told_;
    qCDebug(lcReader).noquote() << "told" << text;
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
