// The guide window as a user meets it: the guide text, the two text sizes, reading a
// marked passage aloud, and the printed guide read back from PDF.
#include "platform/message_box.h"
#include "platform/print_dialog.h"
#include "platform/speech.h"
#include "platform/translations.h"
#include "settings/frmSorvinelHandledning.h"
#include "shared/assets.h"
#include "shared/modSorvinel.h"
#include "support/pdf_text.h"

#include <QAction>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using pdf_test::folded;
using pdf_test::pdf_pages;

namespace {

class GuideTest : public ::testing::Test {
protected:
    void SetUp() override {
        init_assets();
        modSorvinel.reset();
        modSorvinel.speech_available = true;
        platform::script_msg_box({});
        platform::script_print_dialog({});
    }
    void TearDown() override {
        platform::stop_msg_box_script();
        platform::stop_print_dialog_script();
        modSorvinel.reset();
    }
    QStringList print(frmSorvinelHandledning &w, int copies = 1) {
        const QString pdf = dir.filePath(QStringLiteral("guide.pdf"));
        QFile::remove(pdf);
        platform::script_print_dialog({{pdf, copies}});
        w.menSkrivUt->trigger();
        return QFile::exists(pdf) ? pdf_pages(pdf) : QStringList();
    }
    // Selects characters [start, start + length) of the guide as a user's marking would.
    static void mark(frmSorvinelHandledning &w, int start, int length) {
        QTextCursor c = w.txtHandledning->textCursor();
        c.setPosition(start);
        c.setPosition(start + length, QTextCursor::KeepAnchor);
        w.txtHandledning->setTextCursor(c);
    }

    QTemporaryDir dir;
    RecordingSpeech speech;
};

TEST_F(GuideTest, ShowsTheGuideAtTheSmallerSize) {
    frmSorvinelHandledning w;
    const QString text = frmSorvinelHandledning::guide_text();
    ASSERT_GT(text.size(), 5000);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Sorvinel 7.1\nHandledning\n")));
    EXPECT_EQ(w.txtHandledning->toPlainText(), text);
    EXPECT_EQ(w.txtHandledning->font().pointSizeF(), 12);
    EXPECT_FALSE(w.comStorlek[0]->isVisibleTo(&w));
    EXPECT_TRUE(w.comStorlek[1]->isVisibleTo(&w));
    EXPECT_TRUE(w.cmdLaes->isVisibleTo(&w));
    EXPECT_EQ(w.cmdLaes->text(), "&Läs upp markerat stycke");

    w.comStorlek_Click(1);
    EXPECT_EQ(w.txtHandledning->font().pointSizeF(), 20);
    EXPECT_TRUE(w.comStorlek[0]->isVisibleTo(&w));
    EXPECT_FALSE(w.comStorlek[1]->isVisibleTo(&w));
    w.comStorlek_Click(0);
    EXPECT_EQ(w.txtHandledning->font().pointSizeF(), 12);
}

TEST_F(GuideTest, NoReadAloudButtonWithoutAVoice) {
    modSorvinel.speech_available = false;
    frmSorvinelHandledning w;
    EXPECT_FALSE(w.cmdLaes->isVisibleTo(&w));
}

TEST_F(GuideTest, ReadsTheMarkedPassageAndKeepsItMarked) {
    frmSorvinelHandledning w;
    w.speech_control = &speech;
    const QString text = w.txtHandledning->toPlainText();
    // "Sorvinel 7.1" and "Handledning" over the line break.
    mark(w, 0, 24);
    w.cmdLaes->click();
    w.cmdLaes->click();
    EXPECT_EQ(speech.log, (QStringList{"stop", "speak:Sorvinel 7.1\nHandledning", "stop",
                                       "speak:Sorvinel 7.1\nHandledning"}));
    EXPECT_EQ(w.txtHandledning->textCursor().selectionStart(), 0);
    EXPECT_EQ(w.txtHandledning->textCursor().selectionEnd(), 24);

    // With nothing marked a click only stops the reading.
    speech.log.clear();
    mark(w, 5, 0);
    w.cmdLaes->click();
    EXPECT_EQ(speech.log, QStringList{"stop"});

    // Closing stops the speech and gives the control back.
    speech.log.clear();
    w.menStaeng->trigger();
    EXPECT_EQ(speech.log, QStringList{"stop"});
    EXPECT_EQ(w.speech_control, nullptr);
}

// Every word of the guide reaches the paper in order, none cut at a line end.
TEST_F(GuideTest, PrintsEveryWordOfTheText) {
    frmSorvinelHandledning w;
    const QStringList pages = print(w);
    ASSERT_GT(pages.size(), 1);
    const QString printed = folded(pages.join(u' '));
    const QString shown = folded(w.txtHandledning->toPlainText());
    EXPECT_EQ(printed, shown);
    EXPECT_TRUE(platform::msg_box_calls().empty());
}

TEST_F(GuideTest, LargerTextAndCopiesInOneDocument) {
    frmSorvinelHandledning w;
    const QStringList small = print(w);
    w.comStorlek_Click(1);
    const QStringList large = print(w);
    EXPECT_GT(large.size(), small.size());
    const QStringList two = print(w, 2);
    ASSERT_EQ(two.size(), 2 * large.size());
    EXPECT_EQ(two.mid(0, large.size()), two.mid(large.size()));
    EXPECT_TRUE(two[large.size()].startsWith(QStringLiteral("Sorvinel 7.1")));
}

TEST_F(GuideTest, CancelledPrintSaysNothing) {
    frmSorvinelHandledning w;
    w.menSkrivUt->trigger();
    EXPECT_EQ(platform::print_dialog_call_count(), 1);
    EXPECT_TRUE(platform::msg_box_calls().empty());
}

// Qt's own dialogs speak Swedish where Qt's catalogue leaves English.
TEST(SwedishDialogs, OwnCatalogueFillsQtsGaps) {
    ASSERT_TRUE(platform::install_swedish_translations());
    struct Case {
        const char *context, *source, *swedish;
    };
    const Case cases[] = {
        {"QFileDialog", "Look in:", "Leta i:"},
        {"QPlatformTheme", "Cancel", "Avbryt"},
        {"QPrintDialog", "&Print", "&Skriv ut"},
        {"QPrintDialog", "&Options >>", "&Alternativ >>"},
        {"QPrintWidget", "&Name:", "&Namn:"},
        {"QPrintWidget", "Output &file:", "Utskrifts&fil:"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(QCoreApplication::translate(c.context, c.source), QString::fromUtf8(c.swedish))
            << c.source;
}

} // namespace
