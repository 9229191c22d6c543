// The guide and a worksheet printed to a PDF file on a disk that runs out of room (here: a
// file-size limit, which binds root too): the user is told, the pointer is back, and no
// broken file is left under the chosen name.
#include "exercises/worksheet_print.h"
#include "platform/message_box.h"
#include "platform/print_dialog.h"
#include "settings/guide_print.h"
#include "support/files.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

bool pdfinfo_reads(const QString &path) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QStringList numbered(const QString &pattern, int n) {
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << pattern.arg(i, 4);
    return lines;
}

const std::pair<const char *, std::function<bool(QPrinter &)>> kJobs[] = {
    {"guide",
     [](QPrinter &printer) {
         const QString text = numbered(QStringLiteral("Rad %1 av handledningen"), 150).join('\n');
         return guide::print_guide(printer, text, QFont(QStringLiteral("Liberation Sans"), 12));
     }},
    {"worksheet",
     [](QPrinter &printer) {
         const QStringList lines = numbered(QStringLiteral("%1 +    1 = _____"), 150);
         return exercises::print_worksheet(printer, {QStringLiteral("prov.add"), lines, 10});
     }},
};

constexpr rlim_t kPlenty = rlim_t(64) << 20;

TEST(PrintSession, AFileNotWrittenWholeIsReportedAndLeavesNoBrokenFile) {
    const QByteArray older = "%PDF-1.4 a worksheet printed before\n";
    const struct Case {
        rlim_t room;
        bool has_older, printed;
    } cases[] = {
        {0, false, false}, {4 * 1024, false, false}, {4 * 1024, true, false},
        {0, true, false},  {kPlenty, false, true},   {kPlenty, true, true},
    };
    for (const auto &[job, draw] : kJobs) {
        for (const Case &c : cases) {
            SCOPED_TRACE(testing::Message()
                         << job << ", room " << c.room << ", older " << c.has_older);
            QTemporaryDir dir;
            const QString target = dir.filePath(QStringLiteral("blad.pdf"));
            if (c.has_older)
                put_file(target, older);
            platform::script_msg_box({});
            platform::script_print_dialog({{target}});
            {
                FileSizeLimit limit(c.room);
                platform::print_with_dialog(nullptr, draw);
            }
            platform::stop_print_dialog_script();
            EXPECT_EQ(QApplication::overrideCursor(), nullptr);
            QStringList told;
            for (const platform::MsgBoxCall &m : platform::msg_box_calls())
                told << QStringLiteral("%1:%2:%3").arg(m.title, m.prompt).arg(m.style);
            platform::stop_msg_box_script();
            const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
            if (c.printed) {
                EXPECT_EQ(told, QStringList());
                EXPECT_TRUE(pdfinfo_reads(target));
                EXPECT_GT(QFileInfo(target).size(), 4 * 1024); // the room above is too little
            } else {
                EXPECT_EQ(told, QStringList{QStringLiteral("Utskrift:Problem vid utskrift:%1")
                                                .arg(vb::vbOKOnly + vb::vbInformation)});
                if (c.has_older)
                    EXPECT_TRUE(file_bytes(target) == older);
                else
                    EXPECT_FALSE(QFile::exists(target));
            }
            // Nothing set aside is left beside it.
            EXPECT_EQ(left, QFile::exists(target) ? QStringList{"blad.pdf"} : QStringList{});
        }
    }
}

} // namespace
