// The guide printed to PDF with a page range chosen in the print dialog: those pages only,
// in every copy, as they stand in the whole guide.
#include "platform/print_dialog.h"
#include "settings/guide_print.h"
#include "support/pdf_text.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList printed(const QString &pdf, const QString &text, int copies, int from, int to) {
    QFile::remove(pdf);
    const auto printer =
        platform::make_pdf_printer({pdf, copies, QPageSize(QPageSize::A6), from, to});
    EXPECT_TRUE(guide::print_guide(*printer, text, QFont(QStringLiteral("Liberation Sans"), 12)));
    return QFile::exists(pdf) ? pdf_test::pdf_pages(pdf) : QStringList();
}

TEST(GuidePrint, ChosenPagesOnly) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("guide.pdf"));
    QString text;
    for (int i = 1; i <= 120; ++i)
        text += QStringLiteral("Rad %1\n").arg(i);
    const QStringList all = printed(pdf, text, 1, 0, 0);
    const int n = int(all.size());
    ASSERT_GE(n, 3);
    struct Case {
        int from, to, copies;
        QStringList pages;
    } cases[] = {
        {2, 2, 1, {all[1]}},
        {2, 3, 2, {all[1], all[2], all[1], all[2]}},
        {n - 1, n + 3, 1, {all[n - 2], all[n - 1]}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(printed(pdf, text, c.copies, c.from, c.to), c.pages) << c.from << "-" << c.to;
}

} // namespace
