#pragma once
// Reads a printed PDF back as a user would see it: its text (poppler's pdftotext) and its
// number of pages.
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace pdf_test {

// The text of the PDF; pages are separated by form feeds.
inline QString pdf_text(const QString &path, bool layout = false) {
    QProcess p;
    QStringList args;
    if (layout)
        args << QStringLiteral("-layout");
    args << path << QStringLiteral("-");
    p.start(QStringLiteral("pdftotext"), args);
    if (!p.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline QStringList pdf_pages(const QString &path, bool layout = false) {
    QStringList pages = pdf_text(path, layout).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// Whitespace folded to single blanks and trimmed.
inline QString folded(const QString &text) {
    return QString(text)
        .replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "))
        .trimmed();
}

} // namespace pdf_test
