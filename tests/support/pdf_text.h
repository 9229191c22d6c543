#pragma once
// Reads a printed PDF back as a user would see it: the text of each page (poppler's
// pdftotext, laid out as printed).
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace pdf_test {

inline QStringList pdf_pages(const QString &path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// Whitespace folded to single blanks.
inline QString folded(const QString &text) {
    return QString(text)
        .replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "))
        .trimmed();
}

} // namespace pdf_test
