// Worksheets printed from the editor's File menu to PDF through the print-dialog seam, and
// read back as text: what a teacher finds on paper.
#include "exercises/frmOptions1.h"
#include "exercises/worksheet_print.h"
#include "platform/print_dialog.h"
#include "platform/settings_store.h"
#include "support/non_regular_files.h"
#include "support/pdf_text.h"
#include "support/temp_home.h"
#include "test_frmSkrivIn_support.h"

#include <QPrinter>
#include <QRadioButton>
#include <algorithm>
#include <tuple>

using namespace editor_test;
using pdf_test::folded;

namespace {

class WorksheetPrintTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        modSorvinel.store = &home.store();
        modSorvinel.print_order = 1;
    }
    void TearDown() override {
        platform::stop_print_dialog_script();
        platform::set_random_source({});
        modSorvinel.store = nullptr;
        EditorTest::TearDown();
    }
    frmSkrivIn &open_saved(const QString &name, const QByteArray &bytes) {
        put_file(path(name), bytes);
        frmSkrivIn &w = open({Operation::Addition});
        answer({vb::vbOK}, {path(name)});
        w.menOeppna->trigger();
        return w;
    }
    // Prints through the File menu as a user does (an empty `pdf` cancels the dialog).
    QStringList print(frmSkrivIn &w, int copies = 1, QPageSize::PageSizeId size = QPageSize::A4,
                      QString pdf = QStringLiteral("sheet.pdf")) {
        pdf = pdf.isEmpty() ? pdf : path(pdf);
        QFile::remove(pdf);
        platform::script_print_dialog({{pdf, copies, QPageSize(size)}});
        emit w.menArkiv->aboutToShow();
        w.menSkrivUt->trigger();
        EXPECT_FALSE(w.print_in_progress);
        return QFile::exists(pdf) ? pdf_test::pdf_pages(pdf) : QStringList();
    }
    // The first operands of a page's tasks, down each column and then to the next.
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
    QStringList problems_reported() const {
        QStringList texts;
        for (const platform::MsgBoxCall &c : platform::msg_box_calls())
            texts << c.title + u':' + c.prompt;
        return texts;
    }

    TempHome home;
};

TEST_F(WorksheetPrintTest, FramedPageWithTheTasksAsEntered) {
    frmSkrivIn &w = open_saved(QStringLiteral("Prov.ADD"), additions(5, 7));
    const QStringList pages = print(w);
    ASSERT_EQ(pages.size(), 1);
    const QString page = folded(pages[0]);
    EXPECT_TRUE(page.startsWith(QStringLiteral("prov.add Sidan 1 av 1 7 + 1 = _____"))) << page;
    EXPECT_TRUE(page.endsWith(QStringLiteral("Namn:__________________________________"))) << page;
    EXPECT_EQ(first_operands(pages[0]), (QStringList{"7", "8", "9", "10", "11"}));
    EXPECT_TRUE(problems_reported().isEmpty());
}

// One shuffle over the whole list (draws 0.9, 0, 0.5, 0.3 swap 0-3, 1-0, 2-2, 3-1), the
// same for every copy; the copies come one after the other in the one PDF.
TEST_F(WorksheetPrintTest, RandomOrderIsOneShuffleForEveryCopy) {
    modSorvinel.print_order = 0;
    frmSkrivIn &w = open_saved(QStringLiteral("prov.add"), additions(4));
    std::vector<double> draws{0.9, 0.0, 0.5, 0.3};
    std::size_t next = 0;
    platform::set_random_source([&] { return draws[next++ % draws.size()]; });
    const QStringList pages = print(w, 2);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(first_operands(pages[0]), (QStringList{"1", "0", "2", "3"}));
    EXPECT_EQ(pages[1], pages[0]);
}

// A thousand tasks fill several numbered pages, none lost; two copies give two whole sets.
TEST_F(WorksheetPrintTest, PagesAndCopies) {
    frmSkrivIn &w = open_saved(QStringLiteral("lang.add"), additions(1000));
    const QStringList one = print(w);
    const int n = int(one.size());
    ASSERT_GT(n, 1);
    QStringList all;
    for (int p = 0; p < n; ++p) {
        EXPECT_TRUE(folded(one[p]).contains(QStringLiteral("Sidan %1 av %2").arg(p + 1).arg(n)));
        all << first_operands(one[p]);
    }
    ASSERT_EQ(all.size(), 1000);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(all[i], QString::number(i));
    EXPECT_EQ(print(w, 2), one + one);
}

// "Sidor från ... till": only those pages, numbered of the whole worksheet, in every copy;
// a range past the last page prints what of it there is.
TEST_F(WorksheetPrintTest, ChosenPagesOnlyNumberedOfTheWhole) {
    frmSkrivIn &w = open_saved(QStringLiteral("lang.add"), additions(1000));
    const QStringList all = print(w);
    const int n = int(all.size());
    ASSERT_GE(n, 3);
    struct Case {
        int from, to, copies;
        QStringList pages;
    } cases[] = {
        {2, 2, 1, {all[1]}},         {2, 3, 2, {all[1], all[2], all[1], all[2]}},
        {n, n + 5, 1, {all[n - 1]}}, {1, n, 1, all},
        {n + 1, n + 2, 1, {}},
    };
    const QString pdf = path(QStringLiteral("range.pdf"));
    for (const Case &c : cases) {
        QFile::remove(pdf);
        platform::script_print_dialog({{pdf, c.copies, QPageSize(QPageSize::A4), c.from, c.to}});
        w.menSkrivUt->trigger();
        const QStringList pages = QFile::exists(pdf) ? pdf_test::pdf_pages(pdf) : QStringList();
        EXPECT_EQ(pages, c.pages) << c.from << "-" << c.to;
        if (!pages.isEmpty()) {
            EXPECT_TRUE(
                folded(pages[0]).contains(QStringLiteral("Sidan %1 av %2").arg(c.from).arg(n)));
        }
    }
    EXPECT_TRUE(problems_reported().isEmpty());
}

// "Extra stor" on A6 leaves no room for a column, and a printer may refuse to start: the
// user is told, and the editor goes on printing at the normal size.
TEST_F(WorksheetPrintTest, ProblemsAreReportedNotPrinted) {
    frmSkrivIn &w = open_saved(QStringLiteral("prov.add"), additions(5));
    modSorvinel.print_size = 2;
    answer({vb::vbOK, vb::vbOK});
    EXPECT_TRUE(print(w, 1, QPageSize::A6).isEmpty());
    modSorvinel.print_size = 0;
    print(w, 1, QPageSize::A4, QStringLiteral("no/such/folder/sheet.pdf"));
    EXPECT_EQ(problems_reported(),
              (QStringList{"Utskrift:Problem vid utskrift", "Utskrift:Problem vid utskrift"}));
    EXPECT_EQ(platform::msg_box_calls()[0].style, vb::vbOKOnly + vb::vbInformation);
    EXPECT_EQ(print(w, 1, QPageSize::A6).size(), 1);

    // A cancelled dialog prints nothing and says nothing.
    answer({});
    EXPECT_TRUE(print(w, 1, QPageSize::A4, QString()).isEmpty());
    EXPECT_TRUE(problems_reported().isEmpty());

    // An exercise without tasks gives no document at all, not a blank page.
    const auto printer = platform::make_pdf_printer({path(QStringLiteral("empty.pdf"))});
    EXPECT_TRUE(exercises::print_worksheet(*printer, exercises::Worksheet{}));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("empty.pdf"))));
}

// A FIFO, a folder or a socket as the print file: "Ett fel uppstod vid skrivning!" at once,
// where opening the FIFO to write would have waited for something to read it.
TEST_F(WorksheetPrintTest, APrintFileThatIsNoPlainFileIsRefusedAtOnce) {
    frmSkrivIn &w = open_saved(QStringLiteral("prov.add"), additions(5));
    for (const SpecialKind kind : kSpecialKinds) {
        SCOPED_TRACE(name_of(kind));
        const SpecialFile special(kind, path(QStringLiteral("sheet.pdf")), FifoWaiter::Writer);
        ASSERT_TRUE(special.made());
        answer({vb::vbOK});
        platform::script_print_dialog({{path(QStringLiteral("sheet.pdf"))}});
        emit w.menArkiv->aboutToShow();
        w.menSkrivUt->trigger();
        ASSERT_EQ(problems_reported(), QStringList{"Utskrift:Ett fel uppstod vid skrivning!"});
        EXPECT_EQ(platform::msg_box_calls()[0].style, vb::vbOKOnly + vb::vbInformation);
        EXPECT_FALSE(w.print_in_progress);
        EXPECT_FALSE(special.waited_on());
    }
}

// The options dialog writes a key only when its option changed; Apply keeps what it saved.
TEST_F(WorksheetPrintTest, OptionsWriteOnlyChangedKeys) {
    modSorvinel.print_order = 0;
    const auto stored = [this](const char *key) {
        return home.store().GetSetting("Utskrift", key, "-");
    };
    auto dialog = std::make_unique<frmOptions1>();
    dialog->cmdOK->click();
    EXPECT_EQ(stored("Storlek") + stored("Ordning"), "--");
    dialog = std::make_unique<frmOptions1>();
    dialog->optOrdning[1]->setChecked(true);
    dialog->cmdOK->click();
    EXPECT_EQ(stored("Storlek") + stored("Ordning"), "-1");
    dialog = std::make_unique<frmOptions1>();
    dialog->optTeckensnitt[2]->setChecked(true);
    dialog->cmdApply->click();
    dialog->optTeckensnitt[1]->setChecked(true);
    dialog->cmdCancel->click();
    EXPECT_EQ(stored("Storlek") + stored("Ordning"), "21");
    EXPECT_EQ(modSorvinel.print_size, 2);
    EXPECT_EQ(modSorvinel.print_order, 1);
}

} // namespace
