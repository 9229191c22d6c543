// Telling a screen reader what a text field now shows, in one change it will speak.
//
// Orca (43, over AT-SPI) speaks an inserted text only after certain keys (Return, Tab) and
// reads a Qt 6.4 line edit one letter short after a caret move; the field's own text and
// caret events therefore never reach it. Instead every new text goes out as a change of the
// field's accessible name, which Orca speaks for the focused object whatever caused it.
// Qt 6.4 sends a name change with the object in place of the name, so the signal is our own,
// sent on Qt's accessibility bus connection without waiting for any reply.
//
// The field also gets an accessible object of our own: Qt 6.4's line edit gives each letter
// an empty attribute run, and Orca then reads the focused field without its last letter.
#pragma once

#include <QList>
#include <QString>

class QDBusMessage;
class QLineEdit;

namespace platform {

class ScreenReaderField {
public:
    // `field` must outlive this object.
    explicit ScreenReaderField(QLineEdit *field);
    ~ScreenReaderField();
    ScreenReaderField(const ScreenReaderField &) = delete;
    ScreenReaderField &operator=(const ScreenReaderField &) = delete;

    // Tells the reader that the field now shows `text` (after the field has been set).
    void tell(const QString &text);
    // How many texts were told; also counted when no screen reader listens.
    int told_count() const { return told_; }

private:
    QLineEdit *field_;
    int told_ = 0;
};

// The AT-SPI signals that tell `text` for the object at `path` of the application whose bus
// name is `service`: an empty name first, so that the same text told twice is spoken twice.
QList<QDBusMessage> screen_reader_name_signals(const QString &service, const QString &path,
                                               const QString &text);

} // namespace platform
