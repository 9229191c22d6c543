// Opening the settings dialog: every page filled from the settings, the lock states and
// the tab switching.
#include "test_frmOptions2_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

using namespace options_test;

namespace {

class Loading : public OptionsTest {};

TEST_F(Loading, EveryPageShowsTheStoredSettings) {
    QFile(folder() + "a.add").open(QIODevice::WriteOnly);
    QFile(folder() + "C.SUB").open(QIODevice::WriteOnly);
    QFile(folder() + "notes.txt").open(QIODevice::WriteOnly);
    load_non_default();
    frmOptions2 &d = open();

    // "Färger"
    EXPECT_EQ(d.style_choice, 1);
    EXPECT_EQ(d.shaStil->Left(), d.fraSample1[1]->Left());
    EXPECT_EQ(d.shaStil->Top(), d.fraSample1[1]->Top());
    // "Teckensnitt"
    EXPECT_EQ(d.cbxFont->currentText(), "DejaVu Serif");
    EXPECT_EQ(d.labFont->font().family(), "DejaVu Serif");
    EXPECT_GT(d.cbxFont->count(), 1);
    // "Ljud"
    EXPECT_FALSE(d.chkPipLjud->isChecked());
    EXPECT_TRUE(d.chkLaesOevning->isChecked());
    EXPECT_TRUE(d.chkLaesMeny->isChecked());
    // "Special"
    EXPECT_FALSE(d.chkRekord->isChecked());
    EXPECT_FALSE(d.fraSample4->isEnabledTo(d.picOptions[3]));
    EXPECT_FALSE(d.comRekord->isEnabledTo(d.picOptions[3]));
    EXPECT_EQ(d.labRekord[0]->text(), "Addition: 1 min 15 sek ");
    EXPECT_EQ(d.labRekord[4]->text(), "Blandat: Ej satt!");
    EXPECT_TRUE(d.chkTallinje->isChecked());
    EXPECT_EQ(d.cbxSteg->currentText(), "0 - 15");
    EXPECT_EQ(d.cbxMark->currentText(), "2");
    EXPECT_TRUE(d.cbxSteg->isEnabledTo(d.picOptions[3]));
    EXPECT_TRUE(d.chkKlocka->isChecked());
    EXPECT_EQ(d.cbxMinAntal->currentText(), "20");
    EXPECT_EQ(d.cbxBel->currentText(), "30");
    EXPECT_FALSE(d.chkSlump->isChecked());
    EXPECT_EQ(d.cbxFelVisning->currentText(), "Senaste fel visas");
    EXPECT_EQ(d.cbxBeloeningstyp->currentText(), "Flytande ord");
    // "Styrning"
    EXPECT_TRUE(d.chkTangentrepetition->isChecked());
    EXPECT_TRUE(d.chkEnter->isChecked());
    EXPECT_FALSE(d.chkEsc->isChecked());
    EXPECT_TRUE(d.chkVarning->isChecked());
    EXPECT_FALSE(d.chkVarning->isEnabledTo(d.picOptions[4]));
    EXPECT_TRUE(d.optRader[0]->isChecked());
    EXPECT_TRUE(d.optSiffertavla[3]->isChecked());
    EXPECT_EQ(d.cbxEnTangent->currentText(), "3 sek");
    EXPECT_FALSE(d.chkMuspekare->isChecked());
    EXPECT_FALSE(d.imaMuspekare->pixmap().isNull());
    // "Filkatalog"
    EXPECT_EQ(d.labInitial->text(), folder());
    EXPECT_EQ(d.dirInitial->path(), folder(true));
    QStringList files;
    for (int i = 0; i < d.flbInitial->count(); ++i)
        files << d.flbInitial->item(i)->text();
    files.sort();
    EXPECT_EQ(files, QStringList({"C.SUB", "a.add"}));
}

TEST_F(Loading, ListEntriesAtTheEndsOfTheirRanges) {
    store().SaveSetting("Special", "Steg", "20");
    store().SaveSetting("Special", "Markering", "1");
    store().SaveSetting("Special", "Belöning", "55");
    store().SaveSetting("Special", "Uppgifter", "5");
    load();
    frmOptions2 &d = open();
    EXPECT_EQ(d.cbxSteg->count(), 16);
    EXPECT_EQ(d.cbxSteg->currentIndex(), 15);
    EXPECT_EQ(d.cbxMark->currentIndex(), 0);
    EXPECT_EQ(d.cbxBel->currentIndex(), d.cbxBel->count() - 1);
    EXPECT_EQ(d.cbxMinAntal->currentIndex(), 0);
    // The number line is off: its two lists are disabled.
    EXPECT_FALSE(d.cbxSteg->isEnabledTo(d.picOptions[3]));
    EXPECT_FALSE(d.cbxMark->isEnabledTo(d.picOptions[3]));
}

TEST_F(Loading, ARunningRecordDrillLocksTheRecordControls) {
    load();
    modSorvinel.record_drill_active = true;
    frmOptions2 &d = open();
    EXPECT_TRUE(d.chkRekord->isChecked());
    EXPECT_FALSE(d.chkRekord->isEnabledTo(d.picOptions[3]));
    EXPECT_FALSE(d.fraSample4->isEnabledTo(d.picOptions[3]));
    EXPECT_FALSE(d.comRekord->isEnabledTo(d.picOptions[3]));
}

TEST_F(Loading, TheBeepBoxBeepsOnceWhenTickedAtOpening) {
    load();
    for (const bool beep : {true, false}) {
        modSorvinel.beep_on = beep;
        const int before = platform::beep_count();
        open();
        EXPECT_EQ(platform::beep_count() - before, beep ? 1 : 0) << beep;
        dialog.reset();
    }
}

TEST_F(Loading, AFolderWithoutTrailingSeparatorIsShownWithOne) {
    store().SaveSetting("Filkatalog", "Path", folder(true));
    load();
    EXPECT_EQ(open().labInitial->text(), folder());
}

TEST_F(Loading, AMissingFolderKeepsItsCaptionAndLeavesTheListOnItsDrive) {
    load();
    modSorvinel.exercise_folder = f.home.path("borta/Mapp");
    frmOptions2 &d = open();
    EXPECT_EQ(d.labInitial->text(), f.home.path("borta/Mapp/"));
    EXPECT_FALSE(d.dirInitial->path().isEmpty());
    EXPECT_TRUE(prompts().isEmpty());
}

struct LockCase {
    int state;
    QString message;
};

class Locks : public OptionsTest, public ::testing::WithParamInterface<LockCase> {};

TEST_P(Locks, LockedDialogsShowEverythingAndChangeNothing) {
    const LockCase c = GetParam();
    store().SaveSetting("Filkatalog", "Path", folder(true));
    load();
    modSorvinel.settings_lock_state = c.state;
    frmOptions2 &d = open();
    // A box changed from code, as no user can on a disabled page: any OK that applies writes it.
    d.chkPipLjud->setChecked(false);
    const bool open_state = c.state == 0;

    EXPECT_EQ(prompts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
    if (!c.message.isEmpty()) {
        EXPECT_EQ(platform::msg_box_calls()[0].title, "Inställning");
        EXPECT_EQ(platform::msg_box_calls()[0].style, vb::vbInformation);
    }
    EXPECT_EQ(d.picOptions[0]->isEnabled(), open_state);
    EXPECT_EQ(d.cmdApply->isEnabled(), open_state);
    EXPECT_TRUE(d.cmdOK->isEnabled());
    EXPECT_TRUE(d.cmdCancel->isEnabled());
    for (int page = 1; page <= kSettingsPageCount; ++page) {
        select_tab(page);
        EXPECT_EQ(d.pages->currentIndex(), page - 1);
        for (int i = 0; i < kSettingsPageCount; ++i)
            EXPECT_EQ(d.picOptions[i]->isEnabled(), open_state && i == page - 1) << page << i;
    }
    // A click on a sample does not reach a disabled page.
    select_tab(1);
    QTest::mouseClick(d.labFel[5], Qt::LeftButton);
    EXPECT_EQ(d.style_choice, open_state ? 5 : modSorvinel.colour_style);

    mark_unwritten(store());
    const auto before = snapshot(store());
    d.cmdOK->click();
    EXPECT_FALSE(d.isVisible());
    const auto diff = written(before, snapshot(store()));
    if (open_state)
        EXPECT_EQ(diff, (QMap<QString, QString>{{"Utseende/Stil", "5"}, {"Ljud/Pip", "False"}}));
    else
        EXPECT_TRUE(diff.isEmpty()) << diff.keys().join(", ");
    EXPECT_EQ(modSorvinel.settings_lock_state, c.state);
}

INSTANTIATE_TEST_SUITE_P(States, Locks,
                         ::testing::Values(LockCase{0, {}},
                                           LockCase{1, "Inställning är låst och kan ej ändras."},
                                           LockCase{2, "Inställning visas endast."}),
                         [](const auto &info) {
                             const auto &c = info.param;
                             return test_names::name(info.index, "state", c.state);
                         });

class Tabs : public OptionsTest {};

TEST_F(Tabs, TheSixTabsCarryTheirCaptionsKeysAndTooltips) {
    load();
    frmOptions2 &d = open();
    const QStringList captions{"Färger",  "Teckensnitt", "Ljud",
                               "Special", "Styrning",    "Filkatalog"};
    ASSERT_EQ(d.tbsOptions->count(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(d.tbsOptions->tabText(i), captions[i]);
        EXPECT_EQ(d.tbsOptions->tabData(i).toString(), QString("Grupp%1").arg(i + 1));
    }
    EXPECT_EQ(d.tbsOptions->tabToolTip(3), "Välj några speciella inställningar");
    EXPECT_EQ(d.tbsOptions->currentIndex(), 0);
    EXPECT_EQ(d.windowTitle(), "Inställning");
}

TEST_F(Tabs, CtrlTabMovesOnAndWrapsOtherTabKeysDoNot) {
    load();
    frmOptions2 &d = open();
    struct Case {
        int from;
        Qt::KeyboardModifiers mods;
        int to;
    };
    const Case cases[] = {
        {6, Qt::ControlModifier, 1}, {3, Qt::ControlModifier, 4},
        {1, Qt::ControlModifier, 2}, {3, Qt::ControlModifier | Qt::ShiftModifier, 3},
        {3, Qt::NoModifier, 3},      {3, Qt::AltModifier | Qt::ControlModifier, 3},
    };
    for (const Case &c : cases) {
        select_tab(c.from);
        // Wherever the focus is: the dialog sees the key first.
        for (QWidget *target :
             {static_cast<QWidget *>(d.tbsOptions), static_cast<QWidget *>(d.cmdOK)}) {
            select_tab(c.from);
            QTest::keyClick(target, Qt::Key_Tab, c.mods);
            EXPECT_EQ(d.tbsOptions->currentIndex() + 1, c.to) << c.from << " " << int(c.mods);
            EXPECT_EQ(d.pages->currentIndex() + 1, c.to);
        }
    }
    // Six presses in a row come back to where they started, one tab per press.
    select_tab(2);
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(d.tbsOptions, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(d.tbsOptions->currentIndex(), 1);
}

// A choice list is as wide as its longest entry, and a caption that wraps is as tall as
// its lines, on every tab and on small and large screens alike.
TEST_F(Tabs, EveryListShowsItsEntriesWhole) {
    load();
    const QSize screens[] = {{800, 600}, {1024, 768}, {1280, 1024}};
    for (const QSize screen : screens) {
        platform::set_screen_metrics(platform::ScreenMetrics{
            screen.width(), screen.height(), screen.width(), screen.height() - 28, 15, 15});
        frmOptions2 &d = open();
        for (int tab = 1; tab <= kSettingsPageCount; ++tab) {
            select_tab(tab);
            QApplication::processEvents();
            QWidget *page = d.picOptions[tab - 1];
            for (const QComboBox *list : page->findChildren<QComboBox *>()) {
                // The font box takes typed names.
                if (list->isEditable() || !list->isVisibleTo(page))
                    continue;
                QStringList entries;
                for (int i = 0; i < list->count(); ++i)
                    entries << list->itemText(i);
                EXPECT_GE(list->width(), list->sizeHint().width())
                    << entries.join(" | ").toStdString() << " at " << screen.width();
            }
            for (const QLabel *label : page->findChildren<QLabel *>()) {
                if (label->wordWrap() && label->isVisibleTo(page)) {
                    EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                        << label->text().toStdString();
                }
            }
        }
    }
}

TEST_F(Tabs, TheFontSampleTakesTheMainWindowsColoursAtEachSwitch) {
    load();
    frmOptions2 &d = open();
    VbLabel *number = f.window->labTal[0];
    number->setForeColor(0x00FFFF);
    QPalette p = f.window->form->palette();
    p.setColor(f.window->form->backgroundRole(), QColor(0, 0, 0));
    f.window->form->setPalette(p);
    select_tab(2);
    EXPECT_EQ(d.labFont->ForeColor(), 0x00FFFFu);
    EXPECT_EQ(d.labFont->BackColor(), 0x000000u);
}

} // namespace
