#include "platform/read_only_text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QList>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <algorithm>

namespace {

QList<QObject *> read_only_boxes;

// The text interface of Qt's own object, without the editable one. Lines are the lines as
// laid out on screen, as a reader reads them with the arrow keys.
class ReadOnlyTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadOnlyTextAccessible(QPlainTextEdit *box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? box()->toPlainText() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.editable = false;
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }

    void selection(int index, int *start, int *end) const override {
        const QTextCursor cursor = box()->textCursor();
        *start = *end = 0;
        if (index == 0 && cursor.hasSelection()) {
            *start = cursor.selectionStart();
            *end = cursor.selectionEnd();
        }
    }
    int selectionCount() const override { return box()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index != 0)
            return;
        QTextCursor cursor = box()->textCursor();
        cursor.clearSelection();
        box()->setTextCursor(cursor);
    }
    void setSelection(int index, int start, int end) override {
        if (index != 0)
            return;
        QTextCursor cursor = cursor_at(start);
        cursor.setPosition(clamped(end), QTextCursor::KeepAnchor);
        box()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return box()->textCursor().position(); }
    void setCursorPosition(int position) override { box()->setTextCursor(cursor_at(position)); }
    QString text(int start, int end) const override {
        return start < 0 || end <= start ? QString() : box()->toPlainText().mid(start, end - start);
    }
    int characterCount() const override { return box()->document()->characterCount() - 1; }
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override {
        const QPoint local = box()->viewport()->mapFromGlobal(point);
        return box()->viewport()->rect().contains(local)
                   ? box()->cursorForPosition(local).position()
                   : -1;
    }
    void scrollToSubstring(int start, int end) override {
        box()->setTextCursor(cursor_at(end));
        box()->ensureCursorVisible();
        box()->setTextCursor(cursor_at(start));
        box()->ensureCursorVisible();
    }
    QString attributes(int offset, int *start, int *end) const override {
        const int count = characterCount();
        *start = offset < 0 || offset > count ? -1 : 0;
        *end = *start < 0 ? -1 : count;
        return QString();
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                         int *end) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                             int *end) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                            int *end) const override;

private:
    QPlainTextEdit *box() const { return static_cast<QPlainTextEdit *>(object()); }
    int clamped(int offset) const { return std::clamp(offset, 0, characterCount()); }
    QTextCursor cursor_at(int offset) const {
        QTextCursor cursor(box()->document());
        cursor.setPosition(clamped(offset));
        return cursor;
    }
    // The screen line that holds `offset`: [start, end), the end with its line break.
    bool screen_line(int offset, int *start, int *end) const;
};

QRect ReadOnlyTextAccessible::characterRect(int offset) const {
    if (offset < 0 || offset >= characterCount())
        return QRect();
    const QRect caret = box()->cursorRect(cursor_at(offset));
    const QString letter = text(offset, offset + 1);
    const int width = box()->fontMetrics().horizontalAdvance(letter);
    return QRect(box()->viewport()->mapToGlobal(caret.topLeft()), QSize(width, caret.height()));
}

bool ReadOnlyTextAccessible::screen_line(int offset, int *start, int *end) const {
    if (offset < 0 || offset > characterCount())
        return false;
    const QTextBlock block = box()->document()->findBlock(offset);
    const QTextLayout *layout = block.layout();
    if (!block.isValid() || !layout || layout->lineCount() == 0) {
        *start = block.isValid() ? block.position() : offset;
        *end = block.isValid() ? block.position() + block.length() : offset;
        *end = std::min(*end, characterCount());
        return true;
    }
    const QTextLine line = layout->lineForTextPosition(offset - block.position());
    const QTextLine used = line.isValid() ? line : layout->lineAt(layout->lineCount() - 1);
    *start = block.position() + used.textStart();
    *end = block.position() + used.textStart() + used.textLength();
    // The last screen line of a paragraph takes its line break.
    if (used.lineNumber() == layout->lineCount() - 1)
        *end = std::min(block.position() + block.length(), characterCount());
    return true;
}

QString ReadOnlyTextAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType type,
                                             int *start, int *end) const {
    if (type != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
    if (!screen_line(offset, start, end)) {
        *start = *end = -1;
        return QString();
    }
    return text(*start, *end);
}

QString ReadOnlyTextAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType type,
                                                 int *start, int *end) const {
    if (type != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
    int line_start = 0, line_end = 0;
    if (!screen_line(offset, &line_start, &line_end) || line_start == 0) {
        *start = *end = -1;
        return QString();
    }
    return textAtOffset(line_start - 1, type, start, end);
}

QString ReadOnlyTextAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType type,
                                                int *start, int *end) const {
    if (type != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
    int line_start = 0, line_end = 0, next_start = 0, next_end = 0;
    // The empty line after a closing line break is a line of its own.
    if (!screen_line(offset, &line_start, &line_end) ||
        !screen_line(line_end, &next_start, &next_end) || next_start == line_start) {
        *start = *end = -1;
        return QString();
    }
    *start = next_start;
    *end = next_end;
    return text(next_start, next_end);
}

QAccessibleInterface *read_only_object(const QString &, QObject *object) {
    if (!read_only_boxes.contains(object))
        return nullptr;
    auto *box = qobject_cast<QPlainTextEdit *>(object);
    return box ? new ReadOnlyTextAccessible(box) : nullptr;
}

} // namespace

namespace platform {

void read_only_for_readers(QPlainTextEdit *box) {
    static const bool installed = [] {
        QAccessible::installFactory(read_only_object);
        return true;
    }();
    (void)installed;
    if (read_only_boxes.contains(box))
        return;
    read_only_boxes.append(box);
    QObject::connect(box, &QObject::destroyed, [box] { read_only_boxes.removeOne(box); });
    // Qt may have made its own object for the box already.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
    if (iface && !dynamic_cast<ReadOnlyTextAccessible *>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

} // namespace platform
