// The record list: its caption, one line per operation as the records stand in memory, and
// closing it.

#include "drill/drill_windows.h"
#include "drill/frmRekord.h"
#include "shared/modSorvinel.h"
#include "support/main_window.h"
#include "test_drill_windows_support.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace drill_windows_test;

class RecordList : public ::testing::Test {
protected:
    void SetUp() override { modSorvinel.reset(); }
};

TEST_F(RecordList, CaptionTitlesAndNoRecordsSet) {
    frmRekord r;
    EXPECT_EQ(r.windowTitle(), QString::fromUtf8("Rekord för \"Till 10:an\" - Alla rätt"));
    const char *const titles[] = {
        "Addition:", "Subtraktion:", "Multiplikation:", "Division:", "Blandat:"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(r.labTitel[i]->text(), titles[i]);
        EXPECT_EQ(r.labRekord[i]->text(), "Ej satt!") << i;
        EXPECT_EQ(r.labRekord[i]->y(), r.labTitel[i]->y());
    }
    EXPECT_EQ(r.Command1->text(), "&OK");
}

TEST_F(RecordList, EachLineShowsItsOperationsTime) {
    modSorvinel.record_times = {75, 0, 45, 3600, 3725};
    frmRekord r;
    const char *const lines[] = {"1 min 15 sek ", "Ej satt!", "45 sek ", "1 tim 0 sek ",
                                 "1 tim 2 min 5 sek "};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(r.labRekord[i]->text(), lines[i]) << i;
}

TEST_F(RecordList, ShowsARecordSetJustBefore) {
    MainWindowFixture fixture;
    fixture.load();
    modSorvinel.record_times[index_of(Operation::Subtraktion)] = 61;
    QString line;
    bool closedByEnter = false;
    when_modal<frmRekord>(fixture.modal, [&](frmRekord *r) {
        line = r->labRekord[index_of(Operation::Subtraktion)]->text();
        QTest::keyClick(r, Qt::Key_Return);
        closedByEnter = !r->isVisible();
        if (!closedByEnter)
            r->reject();
    });
    show_record_window(fixture.window.get());
    EXPECT_EQ(line, "1 min 1 sek ");
    EXPECT_TRUE(closedByEnter);
}

TEST_F(RecordList, EscAndTheButtonClose) {
    frmRekord byEsc;
    byEsc.show();
    QTest::keyClick(&byEsc, Qt::Key_Escape);
    EXPECT_FALSE(byEsc.isVisible());
    frmRekord byButton;
    byButton.show();
    QTest::mouseClick(byButton.Command1, Qt::LeftButton);
    EXPECT_FALSE(byButton.isVisible());
}

} // namespace
