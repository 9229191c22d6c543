// Worksheets printed from the editor's File menu to PDF through the print-dialog seam, and
// read back as text: what a teacher would find on paper.
#include "exercises/frmOptions1.h"
#include "exercises/worksheet_print.h"
#include "platform/print_dialog.h"
#include "platform/settings_store.h"
#include "support/pdf_text.h"
#include "support/temp_home.h"
#include "test_frmSkrivIn_support.h"

#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <algorithm>
#include <tuple>

using namespace editor_test;
using pdf_test::folded;
using pdf_test::pdf_pages;

namespace {

const QString kAnswerBlank = QStringLiteral("= _____");

class WorksheetPrintTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        modSorvinel.store = &home.store();
        platform::script_print_dialog({});
    }
    void TearDown() override {
        platform::stop_print_dialog_script();
        platform::set_random_source({});
        modSorvinel.store = nullptr;
        EditorTest::TearDown();
    }
    frmSkrivIn &open_saved(const QString &name, const QByteArray &bytes) {
        put_file(path(name), bytes);
        frmSkrivIn &w = open(QStringLiteral("Addition"));
        answer({}, {path(name)});
        w.menOeppna->trigger();
        return w;
    }
    // Prints through the File menu as a user does; the PDF's pages as text.
    QStringList print(frmSkrivIn &w, int copies = 1,
                      const QPageSize &size = QPageSize(QPageSize::A4)) {
        const QString pdf = path(QStringLiteral("sheet.pdf"));
        QFile::remove(pdf);
        platform::script_print_dialog({{pdf, copies, size}});
        emit w.menArkiv->aboutToShow();
        EXPECT_TRUE(w.menSkrivUt->isEnabled());
        w.menSkrivUt->trigger();
        EXPECT_FALSE(w.print_in_progress);
        return QFile::exists(pdf) ? pdf_pages(pdf, true) : QStringList();
    }
    // The tasks of a page as their first operands, down each column and then to the next.
    static QStringList first_operands(const QString &page) {
        static const QRegularExpression task(QStringLiteral("(\\d+) +\\S +\\d+ += _____"));
        std::vector<std::tuple<int, int, QString>> found; // column, line, operand
        const QStringList lines = page.split(u'\n');
        for (int row = 0; row < lines.size(); ++row) {
            auto it = task.globalMatch(lines[row]);
            for (int column = 0; it.hasNext(); ++column)
                found.emplace_back(column, row, it.next().captured(1));
        }
        std::sort(found.begin(), found.end());
        QStringList operands;
        for (const auto &f : found)
            operands << std::get<2>(f);
        return operands;
    }

    TempHome home;
};

TEST_F(WorksheetPrintTest, FramedPageWithTheTasksAsEntered) {
    modSorvinel.print_order = 1;
    frmSkrivIn &w = open_saved(QStringLiteral("Prov.ADD"), additions(5, 7));
    const QStringList pages = print(w);
    ASSERT_EQ(pages.size(), 1);
    const QString page = folded(pages[0]);
    EXPECT_TRUE(page.startsWith(QStringLiteral("prov.add"))) << page;
    EXPECT_TRUE(page.contains(QStringLiteral("Sidan 1 av 1"))) << page;
    EXPECT_TRUE(page.endsWith(QStringLiteral("Namn:__________________________________"))) << page;
    EXPECT_TRUE(page.contains(QStringLiteral("7 + 1 = _____ 8 + 1 = _____"))) << page;
    EXPECT_EQ(first_operands(pages[0]), (QStringList{"7", "8", "9", "10", "11"}));
    EXPECT_TRUE(platform::msg_box_calls().empty());
}

TEST_F(WorksheetPrintTest, RandomOrderIsOneShuffleForEveryCopy) {
    modSorvinel.print_order = 0;
    frmSkrivIn &w = open_saved(QStringLiteral("prov.add"), additions(4));
    std::vector<double> draws{0.9, 0.0, 0.5, 0.3};
    std::size_t next = 0;
    platform::set_random_source([&] { return draws[next++ % draws.size()]; });
    const QStringList pages = print(w, 2);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(first_operands(pages[0]), (QStringList{"1", "0", "2", "3"}));
    EXPECT_EQ(first_operands(pages[1]), first_operands(pages[0]));
}

// A thousand tasks fill several pages, each numbered, none lost; two copies give two whole
// sets of pages in the one PDF, each numbered from 1.
TEST_F(WorksheetPrintTest, PagesAndCopies) {
    modSorvinel.print_order = 1;
    frmSkrivIn &w = open_saved(QStringLiteral("lang.add"), additions(1000));
    const QStringList one = print(w);
    const int n = int(one.size());
    ASSERT_GT(n, 1);
    int tasks = 0;
    for (int p = 0; p < n; ++p) {
        EXPECT_TRUE(folded(one[p]).contains(QStringLiteral("Sidan %1 av %2").arg(p + 1).arg(n)));
        tasks += int(first_operands(one[p]).size());
    }
    EXPECT_EQ(tasks, 1000);
    EXPECT_EQ(first_operands(one[0]).value(0), "0");
    EXPECT_EQ(first_operands(one[n - 1]).last(), "999");

    const QStringList two = print(w, 2);
    ASSERT_EQ(two.size(), 2 * n);
    for (int p = 0; p < n; ++p)
        EXPECT_EQ(two[n + p], one[p]) << p;
}

TEST_F(WorksheetPrintTest, MultiplicationPrintsTheDot) {
    modSorvinel.print_order = 1;
    put_file(path("gånger.mul"), "7 * 12 =\r\n");
    frmSkrivIn &w = open(QStringLiteral("Multiplikation"));
    answer({}, {path("gånger.mul")});
    w.menOeppna->trigger();
    const QStringList pages = print(w);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(folded(pages[0]).contains(QStringLiteral("7 • 12 = _____"))) << pages[0];
}

// "Extra stor" on A6 leaves no room for one column: the user is told, and the editor goes on.
TEST_F(WorksheetPrintTest, NoColumnFitsReportsTheProblem) {
    modSorvinel.print_size = 2;
    frmSkrivIn &w = open_saved(QStringLiteral("prov.add"), additions(5));
    answer({vb::vbOK});
    print(w, 1, QPageSize(QPageSize::A6));
    ASSERT_EQ(platform::msg_box_calls().size(), 1u);
    EXPECT_EQ(platform::msg_box_calls()[0].prompt, "Problem vid utskrift");
    EXPECT_EQ(platform::msg_box_calls()[0].title, "Utskrift");
    EXPECT_EQ(platform::msg_box_calls()[0].style, vb::vbOKOnly + vb::vbInformation);

    // The same worksheet at the normal size prints.
    modSorvinel.print_size = 0;
    EXPECT_EQ(print(w, 1, QPageSize(QPageSize::A6)).size(), 1);
}

// A printer that cannot start the document is a failed print, not a printed one.
TEST_F(WorksheetPrintTest, PrinterThatRefusesIsReported) {
    frmSkrivIn &w = open_saved(QStringLiteral("prov.add"), additions(5));
    answer({vb::vbOK});
    platform::script_print_dialog({{path(QStringLiteral("no/such/folder/sheet.pdf"))}});
    emit w.menArkiv->aboutToShow();
    w.menSkrivUt->trigger();
    ASSERT_EQ(platform::msg_box_calls().size(), 1u);
    EXPECT_EQ(platform::msg_box_calls()[0].prompt, "Problem vid utskrift");
    EXPECT_FALSE(w.print_in_progress);
}

// An exercise without tasks gives no document at all, not a blank page.
TEST_F(WorksheetPrintTest, NoTasksNoPage) {
    const QString pdf = path(QStringLiteral("empty.pdf"));
    const auto printer = platform::make_pdf_printer({pdf});
    EXPECT_TRUE(exercises::print_worksheet(*printer, exercises::Worksheet{}));
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(WorksheetPrintTest, CancelledDialogPrintsNothingAndSaysNothing) {
    frmSkrivIn &w = open_saved(QStringLiteral("prov.add"), additions(5));
    platform::script_print_dialog({});
    emit w.menArkiv->aboutToShow();
    w.menSkrivUt->trigger();
    EXPECT_EQ(platform::print_dialog_call_count(), 1);
    EXPECT_FALSE(w.print_in_progress);
    EXPECT_TRUE(platform::msg_box_calls().empty());
}

// The options dialog writes a key only when its option changed, and Apply keeps what it saved.
TEST_F(WorksheetPrintTest, OptionsWriteOnlyChangedKeys) {
    const auto stored = [this](const char *key) {
        return home.store().GetSetting("Utskrift", key, "<missing>");
    };
    {
        frmOptions1 dialog;
        dialog.cmdOK->click();
    }
    EXPECT_EQ(stored("Storlek"), "<missing>");
    EXPECT_EQ(stored("Ordning"), "<missing>");
    {
        frmOptions1 dialog;
        dialog.optOrdning[1]->setChecked(true);
        dialog.cmdOK->click();
    }
    EXPECT_EQ(modSorvinel.print_order, 1);
    EXPECT_EQ(stored("Ordning"), "1");
    EXPECT_EQ(stored("Storlek"), "<missing>");
    {
        frmOptions1 dialog;
        EXPECT_TRUE(dialog.optOrdning[1]->isChecked());
        dialog.optTeckensnitt[2]->setChecked(true);
        dialog.cmdApply->click();
        dialog.optTeckensnitt[1]->setChecked(true);
        dialog.cmdCancel->click();
    }
    EXPECT_EQ(modSorvinel.print_size, 2);
    EXPECT_EQ(stored("Storlek"), "2");
}

} // namespace
