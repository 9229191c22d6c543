// The settings dialog's buttons: OK writes and applies only what changed, "Utför" the tab
// on show, "Avbryt" (and Esc, and the close box) nothing, restoring a deleted record list.
#include "drill/frmSorvinel.h"
#include "test_frmOptions2_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace options_test;

namespace {

struct ChangeCase {
    const char *name;
    int tab; // where the control stands
    std::function<void(frmOptions2 &)> change;
    QMap<QString, QString> keys;                // what OK must write, exactly
    std::function<void(OptionsTest &)> applied; // what the main window must show
};

class OneChangePerPage : public OptionsTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(OneChangePerPage, OkWritesExactlyThatKeyAndAppliesIt) {
    const ChangeCase &c = GetParam();
    load_non_default();
    modSorvinel.screen_state = ScreenState::TaskShown;
    frmOptions2 &d = open();
    select_tab(c.tab);
    mark_unwritten(store());
    const auto before = snapshot(store());
    if (c.change)
        c.change(d);
    d.cmdOK->click();
    EXPECT_FALSE(d.isVisible());
    // The program's folder is known only once the test has its home.
    QMap<QString, QString> keys;
    for (auto it = c.keys.begin(); it != c.keys.end(); ++it)
        keys[it.key()] = QString(it.value()).replace("<program>", ModSorvinel::program_folder());
    EXPECT_EQ(written(before, snapshot(store())), keys);
    if (c.applied)
        c.applied(*this);
}

void pick(QComboBox *list, const QString &text) {
    const int i = list->findText(text);
    ASSERT_GE(i, 0) << text;
    list->setCurrentIndex(i);
    emit list->activated(i);
}

const ChangeCase kChanges[] = {
    {"Nothing", 1, nullptr, {}, nullptr},
    {"Colours",
     1,
     [](frmOptions2 &d) { QTest::mouseClick(d.labFel[5], Qt::LeftButton); },
     {{"Utseende/Stil", "5"}},
     [](OptionsTest &) { EXPECT_EQ(modSorvinel.colour_style, 5); }},
    {"Font",
     2,
     [](frmOptions2 &d) { pick(d.cbxFont, "Liberation Mono"); },
     {{"Teckensnitt/Font", "Liberation Mono"}},
     [](OptionsTest &t) {
         const auto &labels = t.f.window->labTal;
         const double size = t.dialog->labFont->fontSize();
         for (int i = 0; i < labels.count(); ++i) {
             EXPECT_EQ(labels[i]->font().family(), "Liberation Mono") << i;
             EXPECT_EQ(labels[i]->fontSize(), size) << i;
             EXPECT_FALSE(labels[i]->font().bold()) << i;
         }
         // The largest size at which "9999" fits the number label.
         const QSizeF fit = text_extent_twips("Liberation Mono", int(size), "9999");
         const QSizeF over = text_extent_twips("Liberation Mono", int(size) + 1, "9999");
         EXPECT_LE(fit.width(), modSorvinel.font_fit_width);
         EXPECT_LE(fit.height(), modSorvinel.font_fit_height);
         EXPECT_TRUE(over.width() > modSorvinel.font_fit_width ||
                     over.height() > modSorvinel.font_fit_height);
     }},
    {"Sound",
     3,
     [](frmOptions2 &d) { d.chkLaesMeny->click(); },
     {{"Ljud/Meny", "False"}},
     [](OptionsTest &) { EXPECT_FALSE(modSorvinel.speak_menus); }},
    {"Special",
     4,
     [](frmOptions2 &d) { pick(d.cbxSteg, "0 - 5"); },
     {{"Special/Steg", "5"}},
     [](OptionsTest &t) {
         EXPECT_EQ(modSorvinel.number_line_length, 5);
         // Rebuilt while a task is shown: built and on screen.
         EXPECT_TRUE(modSorvinel.number_line_built);
         EXPECT_FALSE(t.f.window->linTallinje->isHidden());
     }},
    {"Control",
     5,
     [](frmOptions2 &d) { d.optSiffertavla[2]->click(); },
     {{"Styrning/Alternativ", "2"}},
     [](OptionsTest &t) {
         EXPECT_FALSE(t.f.window->timEnTangent->isActive());
         EXPECT_TRUE(modSorvinel.number_board_shown);
         EXPECT_FALSE(modSorvinel.board_clickable);
     }},
    {"Folder",
     6,
     [](frmOptions2 &d) { d.comInitial->click(); },
     {{"Filkatalog/Path", "<program>/"}},
     [](OptionsTest &) {
         EXPECT_EQ(modSorvinel.exercise_folder, ModSorvinel::program_folder() + "/");
     }},
    // On the "Special" tab, written with the folder's section.
    {"RandomOrder",
     4,
     [](frmOptions2 &d) { d.chkSlump->click(); },
     {{"Filkatalog/Slump", "True"}},
     [](OptionsTest &) { EXPECT_TRUE(modSorvinel.random_order); }},
    // On the "Styrning" tab, written with the "Special" section.
    {"Esc",
     5,
     [](frmOptions2 &d) { d.chkEsc->click(); },
     {{"Special/Esc", "True"}},
     [](OptionsTest &) { EXPECT_TRUE(modSorvinel.esc_allowed); }},
    {"Enter",
     5,
     [](frmOptions2 &d) { d.chkEnter->click(); },
     {{"Styrning/Enteravbrott", "False"}},
     [](OptionsTest &) { EXPECT_FALSE(modSorvinel.enter_interrupts); }},
    {"KeyRepeat",
     5,
     [](frmOptions2 &d) { d.chkTangentrepetition->click(); },
     {{"Styrning/Tangentrepetition", "False"}},
     [](OptionsTest &) { EXPECT_TRUE(modSorvinel.key_repeat_blocked); }},
    {"Interval",
     5,
     [](frmOptions2 &d) { pick(d.cbxEnTangent, "5 sek"); },
     {{"Styrning/Intervall", "5"}},
     [](OptionsTest &t) { EXPECT_EQ(t.f.window->timEnTangent->interval(), 5000); }},
    {"Rows",
     5,
     [](frmOptions2 &d) { d.optRader[1]->click(); },
     {{"Styrning/Tavlerader", "2"}},
     [](OptionsTest &) {
         EXPECT_EQ(modSorvinel.board_rows, 2);
         EXPECT_TRUE(modSorvinel.number_board_built);
     }},
};

INSTANTIATE_TEST_SUITE_P(Controls, OneChangePerPage, ::testing::ValuesIn(kChanges),
                         [](const auto &info) { return std::string(info.param.name); });

class Buttons : public OptionsTest {};

TEST_F(Buttons, ApplyWritesThePageOnShowThenCancelDropsTheRest) {
    load_non_default();
    frmOptions2 &d = open();
    const auto before = snapshot(store());
    QTest::mouseClick(d.labTal[4], Qt::LeftButton);
    select_tab(3);
    d.chkLaesMeny->click();
    // "Utför" on "Ljud": only that page, the chosen scheme waits.
    d.cmdApply->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(written(before, snapshot(store())), (QMap<QString, QString>{{"Ljud/Meny", "False"}}));
    EXPECT_EQ(modSorvinel.colour_style, 1);
    const auto afterApply = snapshot(store());
    d.cmdCancel->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_TRUE(written(afterApply, snapshot(store())).isEmpty());
    EXPECT_EQ(modSorvinel.colour_style, 1);
    EXPECT_FALSE(modSorvinel.speak_menus);
}

// Boxes that share another page's section: "Utför" stores them on the tab that shows them,
// and only there, so "Avbryt" afterwards keeps what the teacher saw applied.
struct OnItsTab {
    const char *name;
    int tab;
    QCheckBox *frmOptions2::*box;
    QString key, value;
    bool ModSorvinel::*flag;
};

class ApplyOnTheShownTab : public OptionsTest, public ::testing::WithParamInterface<OnItsTab> {};

TEST_P(ApplyOnTheShownTab, StoresWhatTheTabShowsAndCancelKeepsIt) {
    const OnItsTab &c = GetParam();
    load_non_default();
    frmOptions2 &d = open();
    select_tab(c.tab);
    (d.*c.box)->toggle();
    const auto before = snapshot(store());
    for (int tab = 1; tab <= kSettingsPageCount; ++tab) {
        if (tab == c.tab)
            continue;
        select_tab(tab);
        d.cmdApply->click();
        EXPECT_TRUE(written(before, snapshot(store())).isEmpty()) << "Utför on tab " << tab;
    }
    select_tab(c.tab);
    d.cmdApply->click();
    const QMap<QString, QString> expected{{c.key, c.value}};
    EXPECT_EQ(written(before, snapshot(store())), expected);
    d.cmdCancel->click();
    EXPECT_EQ(written(before, snapshot(store())), expected);
    EXPECT_EQ(modSorvinel.*c.flag, c.value == "True");
    // OK after "Utför" finds nothing new.
    const auto afterApply = snapshot(store());
    open().cmdOK->click();
    EXPECT_TRUE(written(afterApply, snapshot(store())).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ApplyOnTheShownTab,
    ::testing::Values(OnItsTab{"Esc", 5, &frmOptions2::chkEsc, "Special/Esc", "True",
                               &ModSorvinel::esc_allowed},
                      OnItsTab{"Warning", 5, &frmOptions2::chkVarning, "Special/Varna", "False",
                               &ModSorvinel::show_warning_message},
                      OnItsTab{"RandomOrder", 4, &frmOptions2::chkSlump, "Filkatalog/Slump", "True",
                               &ModSorvinel::random_order}),
    [](const auto &info) { return std::string(info.param.name); });

// OK writes the folder only when the user changed it: "/a/b" and "/a/b/" are one folder, and
// the file may hold a folder another copy stored since this one started.
TEST_F(Buttons, AnotherCopysFolderSurvivesAnUnrelatedOk) {
    store().SaveSetting("Filkatalog", "Path", folder(true));
    load();
    const QString klass4b = folder() + "klass4b";
    QDir().mkpath(klass4b);
    // Copy B, on the same file, picks its folder after this copy started.
    SettingsStore(store().filePath()).SaveSetting("Filkatalog", "Path", klass4b + "/");
    frmOptions2 &d = open();
    d.chkPipLjud->setChecked(false);
    d.cmdOK->click();
    SettingsStore file(store().filePath());
    EXPECT_EQ(file.GetSetting("Filkatalog", "Path", {}), klass4b + "/");
    EXPECT_EQ(file.GetSetting("Ljud", "Pip", {}), "False");
}

// A stored folder that was missing at start-up stays in the file until the user picks one,
// even the program's own folder that stands in for it.
enum class Pick { Nothing, OriginalFolder, AnotherFolder };

class MissingStoredFolder : public OptionsTest, public ::testing::WithParamInterface<Pick> {};

TEST_P(MissingStoredFolder, StaysUntilTheUserPicksOne) {
    const QString missing = f.home.path("usb/klass4b");
    store().SaveSetting("Filkatalog", "Path", missing);
    load();
    EXPECT_EQ(modSorvinel.exercise_folder, ModSorvinel::program_folder());
    frmOptions2 &d = open();
    select_tab(6);
    if (GetParam() == Pick::OriginalFolder) {
        d.comInitial->click();
    } else if (GetParam() == Pick::AnotherFolder) {
        ASSERT_TRUE(d.dirInitial->setPath(folder()));
    }
    const QString shown = d.labInitial->text();
    d.cmdOK->click();
    EXPECT_EQ(store().GetSetting("Filkatalog", "Path", {}),
              GetParam() == Pick::Nothing ? missing : shown);
    // Once picked, the folder is the user's: the next OK writes nothing.
    const auto afterOk = snapshot(store());
    open().cmdOK->click();
    EXPECT_TRUE(written(afterOk, snapshot(store())).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Picks, MissingStoredFolder,
                         ::testing::Values(Pick::Nothing, Pick::OriginalFolder,
                                           Pick::AnotherFolder),
                         [](const auto &info) {
                             const QStringList picks =
                                 QStringLiteral("Nothing OriginalFolder AnotherFolder").split(u' ');
                             return test_names::name(info.index, picks[int(info.param)]);
                         });

TEST_F(Buttons, AChosenFolderKeepsItsCase) {
    load();
    const QString sub = folder() + "Tabeller";
    QDir().mkpath(sub);
    frmOptions2 &d = open();
    select_tab(6);
    ASSERT_TRUE(d.dirInitial->setPath(folder()));
    const auto items = d.dirInitial->findItems("Tabeller", Qt::MatchEndsWith);
    ASSERT_EQ(items.size(), 1);
    emit d.dirInitial->itemActivated(items[0]);
    EXPECT_EQ(d.labInitial->text(), sub + "/");
    d.cmdOK->click();
    EXPECT_EQ(modSorvinel.exercise_folder, sub + "/");
    EXPECT_EQ(store().GetSetting("Filkatalog", "Path", {}), sub + "/");
}

TEST_F(Buttons, EnterInTheFontBoxChoosesTheTypedFontAndKeepsTheDialogOpen) {
    load();
    frmOptions2 &d = open();
    select_tab(2);
    d.cbxFont->setEditText("Liberation Serif");
    QTest::keyClick(d.cbxFont->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.labFont->font().family(), "Liberation Serif");
    // Elsewhere Enter is OK.
    QTest::keyClick(d.tbsOptions, Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(f.window->labTal[0]->font().family(), "Liberation Serif");
}

TEST_F(Buttons, ChoosingTheSameFontAgainWritesNothing) {
    load_non_default();
    frmOptions2 &d = open();
    const double sizeBefore = f.window->labTal[0]->fontSize();
    pick(d.cbxFont, "Liberation Mono");
    pick(d.cbxFont, "DejaVu Serif");
    const auto before = snapshot(store());
    d.cmdOK->click();
    EXPECT_TRUE(written(before, snapshot(store())).isEmpty());
    EXPECT_EQ(f.window->labTal[0]->font().family(), "DejaVu Serif");
    EXPECT_EQ(f.window->labTal[0]->fontSize(), sizeBefore);
}

TEST_F(Buttons, AStoredFontThatIsNotInstalledStaysUntilAnotherIsChosen) {
    store().SaveSetting("Teckensnitt", "Font", "Ingen Sådan Stil");
    load();
    const QFont running = f.window->labTal[0]->font();
    frmOptions2 &d = open();
    d.chkPipLjud->setChecked(false);
    const auto before = snapshot(store());
    d.cmdOK->click();
    EXPECT_EQ(written(before, snapshot(store())), (QMap<QString, QString>{{"Ljud/Pip", "False"}}));
    EXPECT_EQ(f.window->labTal[0]->font(), running);

    pick(open().cbxFont, "DejaVu Serif");
    dialog->cmdOK->click();
    EXPECT_EQ(store().GetSetting("Teckensnitt", "Font", {}), "DejaVu Serif");
    EXPECT_EQ(f.window->labTal[0]->font().family(), "DejaVu Serif");
}

// How the dialog is left after deleting the record list.
enum class Leave { Cancel, Escape, CloseBox, ApplyElsewhereThenCancel, Ok };

class RecordDeletion : public OptionsTest, public ::testing::WithParamInterface<Leave> {};

TEST_P(RecordDeletion, CancelRestoresTheListOkClearsItForGood) {
    store().SaveSetting("Special", "Rekord0", "75");
    store().SaveSetting("Special", "Rekord3", "12");
    store().SaveSetting("Filkatalog", "Path", folder());
    load();
    frmOptions2 &d = open();
    select_tab(4);
    platform::script_msg_box({vb::vbYes});
    d.comRekord->click();
    EXPECT_EQ(prompts(), QStringList({"Är du säker på att du skall radera rekordlistan?",
                                      "Rekordlistan är raderad"}));
    EXPECT_EQ(platform::msg_box_calls()[0].style, vb::vbYesNoCancel | vb::vbQuestion);
    EXPECT_EQ(platform::msg_box_calls()[0].title, "Radera rekord");
    EXPECT_TRUE(d.records_deleted);
    EXPECT_EQ(d.labRekord[0]->text(), "Addition: Ej satt!");
    EXPECT_EQ(modSorvinel.record_times[0], 0);

    const auto before = snapshot(store());
    platform::script_msg_box({});
    switch (GetParam()) {
    case Leave::Cancel:
        d.cmdCancel->click();
        break;
    case Leave::Escape:
        QTest::keyClick(d.cmdOK, Qt::Key_Escape);
        break;
    case Leave::CloseBox:
        d.close();
        break;
    case Leave::ApplyElsewhereThenCancel:
        select_tab(1);
        d.cmdApply->click();
        d.cmdCancel->click();
        break;
    case Leave::Ok:
        d.cmdOK->click();
        break;
    }
    EXPECT_FALSE(d.isVisible());
    if (GetParam() == Leave::Ok) {
        EXPECT_TRUE(prompts().isEmpty());
        EXPECT_EQ(written(before, snapshot(store())),
                  (QMap<QString, QString>{{"Special/Rekord0", "0"},
                                          {"Special/Rekord1", "0"},
                                          {"Special/Rekord2", "0"},
                                          {"Special/Rekord3", "0"},
                                          {"Special/Rekord4", "0"}}));
        EXPECT_EQ(modSorvinel.record_times[3], 0);
    } else {
        EXPECT_EQ(prompts(), QStringList{"Rekordlistan har återskapats"});
        EXPECT_EQ(platform::msg_box_calls()[0].title, "Rekordlista");
        EXPECT_TRUE(written(before, snapshot(store())).isEmpty());
        EXPECT_EQ(modSorvinel.record_times[0], 75);
        EXPECT_EQ(modSorvinel.record_times[3], 12);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, RecordDeletion,
    ::testing::Values(Leave::Cancel, Leave::Escape, Leave::CloseBox,
                      Leave::ApplyElsewhereThenCancel, Leave::Ok),
    [](const auto &info) {
        // The ways in the order of `Leave`.
        const QStringList ways =
            QStringLiteral("Cancel Escape CloseBox ApplyElsewhereThenCancel Ok").split(u' ');
        return test_names::name(info.index, ways[int(info.param)]);
    });

TEST_F(Buttons, AnsweringNoKeepsTheRecordList) {
    store().SaveSetting("Special", "Rekord0", "75");
    load();
    frmOptions2 &d = open();
    select_tab(4);
    for (const int answer : {vb::vbNo, vb::vbCancel}) {
        platform::script_msg_box({answer});
        d.comRekord->click();
        EXPECT_FALSE(d.records_deleted);
        EXPECT_EQ(modSorvinel.record_times[0], 75);
        EXPECT_EQ(prompts().size(), 1);
    }
    // And cancelling then says nothing.
    platform::script_msg_box({});
    d.cmdCancel->click();
    EXPECT_TRUE(prompts().isEmpty());
}

TEST_F(Buttons, RecordCheckBoxEnablesTheFrameAndRewritesTheLines) {
    load();
    frmOptions2 &d = open();
    QWidget *page = d.picOptions[3];
    select_tab(4);
    d.chkRekord->click();
    EXPECT_FALSE(d.fraSample4->isEnabledTo(page));
    EXPECT_FALSE(d.comRekord->isEnabledTo(page));
    modSorvinel.record_times[1] = 3725;
    d.chkRekord->click();
    EXPECT_TRUE(d.fraSample4->isEnabledTo(page));
    EXPECT_TRUE(d.comRekord->isEnabledTo(page));
    EXPECT_EQ(d.labRekord[1]->text(), "Subtraktion: 1 tim 2 min 5 sek ");
    EXPECT_GT(d.labRekord[1]->Top(), d.labRekord[0]->Top());
}

TEST_F(Buttons, DependentOptionsFollowTheirBoxesWithoutLosingTheirTicks) {
    load_non_default();
    frmOptions2 &d = open();
    select_tab(5);
    d.chkEsc->click();
    EXPECT_TRUE(d.chkVarning->isEnabledTo(d.picOptions[4]));
    d.chkEsc->click();
    EXPECT_FALSE(d.chkVarning->isEnabledTo(d.picOptions[4]));
    EXPECT_TRUE(d.chkVarning->isChecked());
    select_tab(4);
    d.chkTallinje->click();
    EXPECT_FALSE(d.cbxSteg->isEnabledTo(d.picOptions[3]));
    EXPECT_FALSE(d.cbxMark->isEnabledTo(d.picOptions[3]));
}

} // namespace
