// The editor's work as a user does it: typing, the operator chooser, the list tools and the
// fill-out, reduce and own-selection dialogs, each ended by OK, Avbryt or its close box.
#include "exercises/frmAngeR.h"
#include "exercises/frmEgetVal.h"
#include "exercises/frmGenerera.h"
#include "exercises/frmReducera.h"
#include "test_frmSkrivIn_support.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <chrono>
#include <functional>

namespace {

using namespace editor_test;

// Runs `act` on the modal dialog of type D at the first look, once the code under test has
// opened it; any other modal window is closed. The look ends with the test (`watch`).
template <class D> void when_shown(ModalWatch &watch, std::function<void(D &)> act) {
    watch.start(
        [act](QWidget *modal) {
            if (auto *d = qobject_cast<D *>(modal))
                act(*d);
            else if (modal)
                modal->close();
            return true;
        },
        0, std::chrono::milliseconds(0));
}

// Chooses a Tools menu item as a user does: the menu opens first and sets its states.
void choose(frmSkrivIn &w, QAction *item) {
    emit w.menVerktyg->aboutToShow();
    item->trigger();
}

void type(frmSkrivIn &w, const QString &keys) {
    for (QChar c : keys) {
        if (c == u'\n')
            QTest::keyClick(w.comTill[0], Qt::Key_Return);
        else
            QTest::keyClicks(w.lstSkrivIn, QString(c));
    }
}

TEST_F(EditorTest, TypedTasksAreSortedSavedAndReadBackByteForByte) {
    frmSkrivIn &w = open({Operation::Addition});
    w.show();
    type(w, "12+3\n5+1\n");
    type(w, "3+4=");   // "=" places first
    type(w, "7a+0\n"); // letters do nothing
    EXPECT_EQ(list_items(w.lstSkrivIn), (QStringList{"3 + 4 =", "12 + 3 =", "5 + 1 =", "7 + 0 ="}));
    EXPECT_EQ(w.labText->Caption(), "_");
    EXPECT_FALSE(w.document().is_saved());
    choose(w, w.menStigande);
    EXPECT_EQ(list_items(w.lstSkrivIn), (QStringList{"3 + 4 =", "5 + 1 =", "7 + 0 =", "12 + 3 ="}));
    answer({vb::vbYes}, {path("typed")});
    w.menSparaSom->trigger();
    EXPECT_EQ(file_bytes(path("typed.add")), "3 + 4 =\r\n5 + 1 =\r\n7 + 0 =\r\n12 + 3 =\r\n");
    EXPECT_TRUE(w.document().is_saved());
    // Sorting a sorted list still counts as a change.
    choose(w, w.menStigande);
    EXPECT_FALSE(w.document().is_saved());
    frmSkrivIn &again = open({Operation::Addition});
    answer({}, {path("typed.add")});
    again.menOeppna->trigger();
    EXPECT_EQ(list_items(again.lstSkrivIn),
              (QStringList{"3 + 4 =", "5 + 1 =", "7 + 0 =", "12 + 3 ="}));
}

TEST_F(EditorTest, RefusedTasksSayWhyAndStayInTheEntry) {
    frmSkrivIn &w = open({Operation::Subtraktion});
    w.show();
    type(w, "3-4\n");
    EXPECT_EQ(w.labSkrivIn->Caption(), "Felaktig uppgift! Differensen blir mindre än noll!");
    EXPECT_EQ(w.labText->Caption(), "3 - 4 = _");
    EXPECT_TRUE(w.lstSkrivIn->count() == 0);
    EXPECT_FALSE(w.document().is_saved());
    w.comSiffra[frmSkrivIn::kCorrectionKey]->click();
    EXPECT_EQ(w.labText->Caption(), "3 - 4_");
    EXPECT_TRUE(w.labSkrivIn->Caption().isEmpty());
    QTest::keyClick(w.comTill[0], Qt::Key_Backspace);
    QTest::keyClick(w.comTill[0], Qt::Key_Backspace);
    EXPECT_EQ(w.labText->Caption(), "3_");
    // «39 - _» has no second operand yet: Enter leaves it as it is.
    type(w, "9-\n");
    EXPECT_EQ(w.labText->Caption(), "39 - _");
    EXPECT_EQ(w.lstSkrivIn->count(), 0);
    type(w, "1\n39-1\n");
    EXPECT_EQ(w.labSkrivIn->Caption(), "39 - 1 =   finns redan!");
    EXPECT_EQ(list_items(w.lstSkrivIn), QStringList{"39 - 1 ="});
}

TEST_F(EditorTest, TheChooserPicksTheOperatorOrNothing) {
    frmSkrivIn &w = open({Operation::Blandat});
    w.show();
    type(w, "12");
    when_shown<frmAngeR>(modal, [](frmAngeR &d) { d.comOp[2]->click(); });
    w.comSiffra[frmSkrivIn::kOperatorKey]->click();
    EXPECT_EQ(w.labText->Caption(), "12 * _");
    type(w, "3\n");
    EXPECT_EQ(list_items(w.lstSkrivIn), QStringList{"12 * 3 ="});
    type(w, "8");
    when_shown<frmAngeR>(modal, [](frmAngeR &d) { QTest::keyClick(&d, Qt::Key_Escape); });
    w.comSiffra[frmSkrivIn::kOperatorKey]->click();
    EXPECT_EQ(w.labText->Caption(), "8_");
    when_shown<frmAngeR>(modal, [](frmAngeR &d) { d.close(); });
    w.comSiffra[frmSkrivIn::kOperatorKey]->click();
    EXPECT_EQ(w.labText->Caption(), "8_");
    // A typed sign needs no chooser; the type stays mixed.
    type(w, "/2\n");
    EXPECT_EQ(list_items(w.lstSkrivIn), (QStringList{"12 * 3 =", "8 / 2 ="}));
    EXPECT_EQ(w.document().exercise_type(), "¤");
}

TEST_F(EditorTest, MoveRemoveAndTheLimit) {
    QStringList full;
    for (int i = 0; i < 1000; ++i)
        full << QString::number(i) + " + 1 =";
    frmSkrivIn &w = open({Operation::Addition, true}, full);
    w.show();
    type(w, "1+1\n");
    ASSERT_EQ(box_texts().size(), 1u);
    EXPECT_EQ(box_texts()[0], "Det går inte att skriva in fler än 1000 uppgifter.");
    EXPECT_EQ(w.lstSkrivIn->count(), 1000);
    frmSkrivIn &s = open({Operation::Addition, true}, {"1 + 1 =", "2 + 2 =", "3 + 3 ="});
    s.lstSkrivIn->setCurrentRow(1);
    s.comFlytta[0]->click();
    EXPECT_EQ(list_items(s.lstSkrivIn), (QStringList{"2 + 2 =", "1 + 1 =", "3 + 3 ="}));
    EXPECT_EQ(s.selected_task_index(), 0);
    s.comTaBort->click();
    s.comTaBort->click();
    s.comTaBort->click();
    EXPECT_EQ(s.lstSkrivIn->count(), 0);
    EXPECT_TRUE(s.document().is_saved()); // an unnamed exercise back to nothing
}

TEST_F(EditorTest, ClearingTheBoxOffersToRemoveDuplicates) {
    const QStringList tasks{"3 + 4 =", "5 + 1 =", "3 + 4 =", "3 + 4 ="};
    for (int reply : {vb::vbNo, vb::vbCancel, vb::vbYes}) {
        frmSkrivIn &w = open({Operation::Addition, true}, tasks);
        answer({reply});
        choose(w, w.menTaBortDubletter);
        ASSERT_EQ(box_texts().size(), 1u);
        EXPECT_EQ(box_texts()[0], "Skall 2 dubbletter tas bort?");
        const bool removed = reply == vb::vbYes;
        EXPECT_EQ(list_items(w.lstSkrivIn), (removed ? QStringList{"3 + 4 =", "5 + 1 ="} : tasks));
        EXPECT_EQ(w.chkSkrivIn->isChecked(), !removed);
        EXPECT_EQ(modSorvinel.duplicates_allowed, !removed);
    }
    // Without duplicates allowed, a typed repeat is refused.
    editor->show();
    type(*editor, "5+1\n");
    EXPECT_EQ(editor->labSkrivIn->Caption(), "5 + 1 =   finns redan!");
}

TEST_F(EditorTest, ReduceDialogOkAvbrytAndCloseBox) {
    const QStringList seven{
        "1 + 1 =", "2 + 2 =", "3 + 3 =", "4 + 4 =", "5 + 5 =", "6 + 6 =", "7 + 7 ="};
    for (int way = 0; way < 3; ++way) {
        answer({vb::vbYes}, {path("seven")});
        frmSkrivIn &w = open({Operation::Addition, true}, seven);
        w.menSparaSom->trigger();
        ASSERT_TRUE(w.document().is_saved());
        when_shown<frmReducera>(modal, [way](frmReducera &d) {
            EXPECT_EQ(d.cbxFyll->currentText(), "3 till 4");
            EXPECT_EQ(d.labFyll[0]->text(), "Antal uppgifter: 7");
            if (way == 0) {
                QTest::keyClicks(d.cbxFyll, "5"); // typed digits pick nothing
                QTest::keyClick(d.cbxFyll, Qt::Key_Return);
            } else if (way == 1) {
                d.comAvbryt->click();
            } else {
                d.close();
            }
        });
        choose(w, w.menTaBortSlump);
        if (way == 0) {
            const QStringList left = list_items(w.lstSkrivIn);
            ASSERT_EQ(left.size(), 4);
            // The rest keep their order.
            EXPECT_TRUE(std::is_sorted(left.begin(), left.end()));
            EXPECT_FALSE(w.document().is_saved());
        } else {
            EXPECT_EQ(list_items(w.lstSkrivIn), seven);
            EXPECT_TRUE(w.document().is_saved());
        }
    }
}

TEST_F(EditorTest, FillOutDialogOkAvbrytAndCloseBox) {
    for (int way = 0; way < 3; ++way) {
        frmSkrivIn &w = open({Operation::Blandat, true}, {"2 + 5 =", "9 * 1 ="});
        w.chkSkrivIn->setChecked(false);
        when_shown<frmGenerera>(modal, [way](frmGenerera &d) {
            // Tells the user that the new tasks may repeat: they are never compared.
            EXPECT_TRUE(d.chkSkrivIn->isChecked());
            EXPECT_FALSE(d.chkSkrivIn->isEnabled());
            EXPECT_EQ(d.cbxFyll->currentText(), "100");
            EXPECT_EQ(d.labFyll[2]->text(), "2 ¤ 1   till   9 ¤ 5");
            EXPECT_TRUE(d.chkOp[0]->isChecked());
            EXPECT_FALSE(d.chkOp[1]->isChecked());
            EXPECT_TRUE(d.chkOp[2]->isChecked());
            if (way == 0) {
                d.chkOp[2]->setChecked(false);
                QTest::keyClick(d.cbxFyll, Qt::Key_Return);
            } else if (way == 1) {
                d.comAvbryt->click();
            } else {
                d.close();
            }
        });
        choose(w, w.menFyllUt);
        if (way == 0) {
            const QStringList tasks = list_items(w.lstSkrivIn);
            ASSERT_EQ(tasks.size(), 100);
            for (const QString &t : tasks.mid(2))
                EXPECT_TRUE(t.contains('+')) << t.toStdString();
            EXPECT_TRUE(w.chkSkrivIn->isChecked());
            EXPECT_TRUE(modSorvinel.duplicates_allowed);
        } else {
            EXPECT_EQ(w.lstSkrivIn->count(), 2);
            EXPECT_FALSE(w.chkSkrivIn->isChecked());
        }
    }
}

// The operator boxes of a mixed exercise stand between the interval and its note, and no
// text of the dialog runs under another control, on small and large screens alike.
TEST_F(EditorTest, FillOutDialogBoxesLeaveTheIntervalFree) {
    struct Screen {
        int width, height;
    } screens[] = {{800, 600}, {1024, 768}, {1280, 1024}};
    for (const Screen &screen : screens) {
        set_screen(screen.width, screen.height);
        frmSkrivIn &w = open({Operation::Blandat, true}, {"1200 + 300 =", "1500 * 4 ="});
        w.show();
        when_shown<frmGenerera>(modal, [&](frmGenerera &d) {
            const QRect interval = d.labFyll[2]->geometry();
            const QRect note = d.labFyll[3]->geometry();
            for (const QCheckBox *box : d.chkOp) {
                const std::string where =
                    box->text().toStdString() + " at " + std::to_string(screen.width);
                EXPECT_FALSE(box->geometry().intersects(interval)) << where;
                EXPECT_FALSE(box->geometry().intersects(note)) << where;
                EXPECT_TRUE(d.rect().contains(box->geometry())) << where;
            }
            for (const QLabel *label : d.labFyll)
                EXPECT_GE(label->height(), label->sizeHint().height())
                    << label->text().toStdString();
            d.comAvbryt->click();
        });
        choose(w, w.menFyllUt);
    }
}

TEST_F(EditorTest, FillOutWithNothingTickedSaysSoAndChangesNothing) {
    frmSkrivIn &w = open({Operation::Blandat, true}, {"2 + 5 =", "9 * 1 ="});
    when_shown<frmGenerera>(modal, [](frmGenerera &d) {
        for (QCheckBox *b : d.chkOp)
            b->setChecked(false);
        d.comOK->click();
        EXPECT_TRUE(d.isVisible()); // the user may tick another
        d.comAvbryt->click();
    });
    choose(w, w.menFyllUt);
    ASSERT_EQ(box_texts().size(), 1u);
    EXPECT_EQ(box_texts()[0], "Inget räknesätt är markerat.");
    EXPECT_EQ(w.lstSkrivIn->count(), 2);
}

TEST_F(EditorTest, OwnSelectionFillsTheEmptyListOrNothing) {
    frmSkrivIn &w = open({Operation::Addition});
    when_shown<frmEgetVal>(modal, [](frmEgetVal &d) { d.comAvbryt->click(); });
    choose(w, w.menEgetUrval);
    EXPECT_EQ(w.lstSkrivIn->count(), 0);
    EXPECT_TRUE(w.document().is_saved());
    when_shown<frmEgetVal>(modal, [](frmEgetVal &d) { d.close(); });
    choose(w, w.menEgetUrval);
    EXPECT_EQ(w.lstSkrivIn->count(), 0);
    when_shown<frmEgetVal>(modal, [](frmEgetVal &d) { d.comKlart->click(); });
    choose(w, w.menEgetUrval);
    const QStringList tasks = list_items(w.lstSkrivIn);
    EXPECT_EQ(tasks.size(), 100);
    EXPECT_EQ(QSet<QString>(tasks.begin(), tasks.end()).size(), 100);
    EXPECT_FALSE(w.document().is_saved());
    EXPECT_FALSE(w.chkSkrivIn->isChecked());
}

TEST_F(EditorTest, TensCrossingsAreCountedAndRemovedOnOk) {
    const QStringList tasks{"8 + 5 =", "23 + 45 =", "40 + 70 ="};
    for (int reply : {vb::vbCancel, vb::vbOK}) {
        frmSkrivIn &w = open({Operation::Addition, true}, tasks);
        answer({reply});
        choose(w, w.menExtra);
        EXPECT_EQ(box_texts()[0], "2 uppgifter med tiotalövergång kommer att tas bort.");
        EXPECT_EQ(list_items(w.lstSkrivIn), (reply == vb::vbOK ? QStringList{"23 + 45 ="} : tasks));
    }
    answer({vb::vbOK});
    frmSkrivIn &none = open({Operation::Addition, true}, {"23 + 45 ="});
    choose(none, none.menExtra);
    EXPECT_EQ(box_texts()[0], "Det fanns inga tiotalövergångar.");
    EXPECT_EQ(none.lstSkrivIn->count(), 1);
}

} // namespace
