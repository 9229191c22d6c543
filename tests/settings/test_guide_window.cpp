// The guide window as a user meets it: the guide text, the two sizes, reading a marked
// passage aloud, and the printed guide read back from PDF.
#include "platform/message_box.h"
#include "platform/print_dialog.h"
#include "platform/speech.h"
#include "platform/translations.h"
#include "settings/frmSorvinelHandledning.h"
#include "shared/assets.h"
#include "shared/modSorvinel.h"
#include "support/non_regular_files.h"
#include "support/pdf_text.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

using pdf_test::folded;

namespace {

class GuideTest : public ::testing::Test {
protected:
    void SetUp() override {
        init_assets();
        modSorvinel.reset();
        modSorvinel.speech_available = true;
        platform::script_msg_box({});
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
        return QFile::exists(pdf) ? pdf_test::pdf_pages(pdf) : QStringList();
    }

    QTemporaryDir dir;
    RecordingSpeech speech;
};

TEST_F(GuideTest, TwoSizesAndReadingTheMarkedPassage) {
    frmSorvinelHandledning w;
    w.speech_control = &speech;
    EXPECT_TRUE(w.txtHandledning->toPlainText().startsWith("Sorvinel 7.1\nHandledning\n"));
    EXPECT_EQ(w.txtHandledning->font().pointSizeF(), 12);
    w.comStorlek[1]->click();
    EXPECT_EQ(w.txtHandledning->font().pointSizeF(), 20);
    EXPECT_TRUE(w.comStorlek[0]->isVisibleTo(&w));
    EXPECT_FALSE(w.comStorlek[1]->isVisibleTo(&w));

    // "Sorvinel 7.1" and "Handledning" over the line break; every click stops first.
    QTextCursor marked = w.txtHandledning->textCursor();
    marked.setPosition(24, QTextCursor::KeepAnchor);
    w.txtHandledning->setTextCursor(marked);
    w.cmdLaes->click();
    w.cmdLaes->click();
    const QString read = QStringLiteral("speak:Sorvinel 7.1\nHandledning");
    EXPECT_EQ(speech.log, (QStringList{"stop", read, "stop", read}));
    EXPECT_EQ(w.txtHandledning->textCursor().selectedText().size(), 24);

    // Nothing marked: a click only stops; closing stops and gives the control back.
    speech.log.clear();
    w.txtHandledning->moveCursor(QTextCursor::Start);
    w.cmdLaes->click();
    w.menStaeng->trigger();
    EXPECT_EQ(speech.log, (QStringList{"stop", "stop"}));
    EXPECT_EQ(w.speech_control, nullptr);
}

// Alt+L reads at once: a child who cannot read waits for no button animation.
TEST_F(GuideTest, ReadKeyReadsWithoutDelay) {
    frmSorvinelHandledning w;
    w.speech_control = &speech;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTextCursor marked = w.txtHandledning->textCursor();
    marked.setPosition(12, QTextCursor::KeepAnchor);
    w.txtHandledning->setTextCursor(marked);
    QTest::keyClick(w.txtHandledning, Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(speech.log, (QStringList{"stop", "speak:Sorvinel 7.1"}));
    EXPECT_TRUE(w.cmdLaes->isDown()) << "the button shows that it was pressed";
    EXPECT_TRUE(w.txtHandledning->hasFocus());
    QTest::qWait(300);
    EXPECT_EQ(speech.log.size(), 2) << "read once";
    EXPECT_FALSE(w.cmdLaes->isDown());
}

// Every word of the guide reaches the paper in order, none cut at a line end; the larger
// text takes more pages, and two copies are two whole sets in one PDF.
TEST_F(GuideTest, PrintsEveryWordAtTheShownSize) {
    frmSorvinelHandledning w;
    const QStringList small = print(w);
    ASSERT_GT(small.size(), 1);
    EXPECT_EQ(folded(small.join(u' ')), folded(w.txtHandledning->toPlainText()));
    w.comStorlek_Click(1);
    const QStringList large = print(w);
    EXPECT_GT(large.size(), small.size());
    EXPECT_EQ(print(w, 2), large + large);
    EXPECT_TRUE(platform::msg_box_calls().empty());
}

// A FIFO, a folder or a socket as the print file: "Ett fel uppstod vid skrivning!" at once,
// where opening the FIFO to write would have waited for something to read it.
TEST_F(GuideTest, APrintFileThatIsNoPlainFileIsRefusedAtOnce) {
    frmSorvinelHandledning w;
    const QString target = dir.filePath(QStringLiteral("guide.pdf"));
    for (const SpecialKind kind : kSpecialKinds) {
        SCOPED_TRACE(name_of(kind));
        const SpecialFile special(kind, target, FifoWaiter::Writer);
        ASSERT_TRUE(special.made());
        platform::script_msg_box({vb::vbOK});
        platform::script_print_dialog({{target}});
        w.menSkrivUt->trigger();
        QStringList told;
        for (const platform::MsgBoxCall &c : platform::msg_box_calls())
            told << c.title + u':' + c.prompt;
        EXPECT_EQ(told, QStringList{"Utskrift:Ett fel uppstod vid skrivning!"});
        EXPECT_FALSE(special.waited_on());
    }
}

// A screen reader reads the guide, line by line as shown, and cannot change it.
TEST_F(GuideTest, ReadersReadTheGuideAndCannotChangeIt) {
    frmSorvinelHandledning w;
    w.show();
    QCoreApplication::processEvents();
    const QString guide = w.txtHandledning->toPlainText();
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(w.txtHandledning);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->editableTextInterface(), nullptr);
    EXPECT_TRUE(reader->state().readOnly);
    EXPECT_FALSE(reader->state().editable);
    QAccessibleTextInterface *text = reader->textInterface();
    ASSERT_NE(text, nullptr);
    ASSERT_EQ(text->characterCount(), guide.size());
    EXPECT_EQ(text->text(0, text->characterCount()), guide);

    // Line after line from the start gives the whole text; a long paragraph comes in
    // several lines, as the box wraps it.
    int start = 0, end = 0, lines = 0, longest = 0;
    QString joined = text->textAtOffset(0, QAccessible::LineBoundary, &start, &end);
    EXPECT_EQ(joined, QStringLiteral("Sorvinel 7.1\n"));
    while (true) {
        const QString line = text->textAfterOffset(start, QAccessible::LineBoundary, &start, &end);
        if (start < 0)
            break;
        ASSERT_LT(++lines, guide.size());
        longest = std::max(longest, int(line.size()));
        joined += line;
    }
    EXPECT_EQ(joined, guide);
    const int widest = int(std::ranges::max(guide.split(u'\n'), {}, &QString::size).size());
    EXPECT_LT(longest, widest) << "no line is wrapped";
    // Reading back from the end gives the same lines; a reader stuck on one line ends the
    // test instead of holding it.
    int back = 0;
    start = text->characterCount();
    while (text->textBeforeOffset(start, QAccessible::LineBoundary, &start, &end), start >= 0)
        ASSERT_LE(++back, lines);
    EXPECT_EQ(back, lines);

    // Marking a passage marks it in the box, for reading aloud.
    text->setSelection(0, 0, 12);
    EXPECT_EQ(w.txtHandledning->textCursor().selectedText(), QStringLiteral("Sorvinel 7.1"));
}

// Qt's own dialogs speak Swedish where Qt's catalogue leaves English.
TEST(SwedishDialogs, OwnCatalogueFillsQtsGaps) {
    ASSERT_TRUE(platform::install_swedish_translations());
    const char *const cases[][3] = {{"QFileDialog", "Look in:", "Leta i:"},
                                    {"QPlatformTheme", "Cancel", "Avbryt"},
                                    {"QPrintDialog", "&Print", "&Skriv ut"},
                                    {"QPrintWidget", "Output &file:", "Utskrifts&fil:"}};
    for (const auto &c : cases)
        EXPECT_EQ(QCoreApplication::translate(c[0], c[1]), QString::fromUtf8(c[2])) << c[1];
}

} // namespace
