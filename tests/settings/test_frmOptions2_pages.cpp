// The settings dialog's voice list, colour samples and control-method options, and the two
// menu items that open it.
#include "drill/frmSorvinel.h"
#include "test_frmOptions2_support.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace options_test;

namespace {

class Voices : public OptionsTest {
protected:
    Voices() : OptionsTest({"Alpha", "Beta", "Gamma", "Beta"}) {}
    void choose(frmOptions2 &d, int index) {
        d.comRoester->setCurrentIndex(index);
        emit d.comRoester->activated(index);
    }
};

TEST_F(Voices, TheListShowsEveryVoiceAndMarksTheCurrentOne) {
    load();
    f.speech.select_voice(2);
    frmOptions2 &d = open();
    ASSERT_EQ(d.comRoester->count(), 4);
    EXPECT_EQ(d.comRoester->itemText(0), "Alpha");
    EXPECT_EQ(d.comRoester->itemText(3), "Beta");
    EXPECT_EQ(d.comRoester->currentText(), "Gamma");
    EXPECT_EQ(d.voice_at_load, 2);
    EXPECT_EQ(d.voice_choice, 2);
    EXPECT_FALSE(d.comRoester->isHidden());
    EXPECT_TRUE(d.labInfoUpplaes->isHidden());
    EXPECT_TRUE(prompts().isEmpty());
}

TEST_F(Voices, AChosenVoiceIsSelectedAndKeptOnOkAgainAfterApply) {
    load();
    frmOptions2 &d = open();
    select_tab(3);
    choose(d, 2);
    EXPECT_EQ(d.voice_choice, 2);
    f.speech.log.clear();
    d.cmdApply->click();
    EXPECT_EQ(f.speech.log, QStringList({"select:2", "store:PLOXA Sorvinel"}));
    d.cmdOK->click();
    EXPECT_EQ(f.speech.log, QStringList({"select:2", "store:PLOXA Sorvinel", "select:2",
                                         "store:PLOXA Sorvinel"}));
}

TEST_F(Voices, ANameListedTwiceMeansItsFirstVoice) {
    load();
    frmOptions2 &d = open();
    select_tab(3);
    choose(d, 3);
    EXPECT_EQ(d.voice_choice, 1);
}

TEST_F(Voices, AVoiceThatCannotBeSelectedIsReportedAndNotKept) {
    load();
    f.speech.unselectable = {2};
    frmOptions2 &d = open();
    select_tab(3);
    choose(d, 2);
    d.chkLaesMeny->click();
    f.speech.log.clear();
    const auto before = snapshot(store());
    d.cmdOK->click();
    EXPECT_EQ(f.speech.log, QStringList{"select:2"});
    ASSERT_EQ(prompts(), QStringList{"Kunde inte välja röst"});
    EXPECT_EQ(platform::msg_box_calls()[0].style, vb::vbInformation);
    EXPECT_EQ(platform::msg_box_calls()[0].title, "Sorvinel");
    // The rest of the page is applied as usual.
    EXPECT_EQ(written(before, snapshot(store())), (QMap<QString, QString>{{"Ljud/Meny", "True"}}));
}

TEST_F(Voices, AnUnreadableCurrentVoiceIsReportedAndMatchesNoEntry) {
    load();
    f.speech.unreadable = {0};
    frmOptions2 &d = open();
    ASSERT_EQ(prompts(), QStringList{"Kunde inte läsa röstens namn"});
    EXPECT_EQ(platform::msg_box_calls()[0].title, "Sorvinel");
    EXPECT_EQ(d.voice_at_load, -1);
    EXPECT_EQ(d.voice_choice, -1);
    // The unreadable voice keeps its place, so the others keep their indices.
    EXPECT_EQ(d.comRoester->count(), 4);
    EXPECT_EQ(d.comRoester->itemText(1), "Beta");
    f.speech.log.clear();
    d.cmdOK->click();
    EXPECT_TRUE(f.speech.log.isEmpty());
}

TEST_F(Voices, NoChangeSelectsNothing) {
    load();
    frmOptions2 &d = open();
    f.speech.log.clear();
    d.cmdOK->click();
    EXPECT_TRUE(f.speech.log.isEmpty());
}

class NoSpeech : public OptionsTest {
protected:
    NoSpeech() : OptionsTest(QStringList{}) {}
};

TEST_F(NoSpeech, OnlyTheBeepIsShownAndApplied) {
    store().SaveSetting("Ljud", "Meny", "True");
    store().SaveSetting("Filkatalog", "Path", folder());
    load();
    ASSERT_FALSE(modSorvinel.speech_available);
    frmOptions2 &d = open();
    EXPECT_EQ(d.speech_control, nullptr);
    EXPECT_FALSE(d.labInfoUpplaes->isHidden());
    for (QWidget *w : std::initializer_list<QWidget *>{d.labRoest, d.comRoester, d.chkLaesOevning,
                                                       d.chkLaesMeny})
        EXPECT_TRUE(w->isHidden());
    // The hidden reading box stays unticked; it must not switch menu reading off.
    EXPECT_FALSE(d.chkLaesMeny->isChecked());
    EXPECT_EQ(d.comRoester->count(), 0);
    select_tab(3);
    d.chkPipLjud->click();
    const auto before = snapshot(store());
    d.cmdOK->click();
    EXPECT_EQ(written(before, snapshot(store())), (QMap<QString, QString>{{"Ljud/Pip", "False"}}));
    EXPECT_TRUE(modSorvinel.speak_menus);
}

class Samples : public OptionsTest {};

TEST_F(Samples, SixSchemesInTwoRowsWithTheMarkerOnTheCurrentOne) {
    load();
    ASSERT_EQ(modSorvinel.colour_style, 3);
    frmOptions2 &d = open();
    struct Expected {
        QString caption;
        unsigned back, fore;
        double left, top;
    };
    const Expected expected[] = {
        {"Gult på svart", 0x000000, 0x00FFFF, 240, 290},
        {"Vitt på svart", 0x000000, 0xFFFFFF, 2055, 290},
        {"Svart på gult", 0xC0EEFF, 0x000000, 3870, 290},
        {"Blått på gult", 0xC0EEFF, 0xFF0000, 240, 2035},
        {"Svart på vitt", 0xEEFFFF, 0x000000, 2055, 2035},
        {"Blått på vitt", 0xFFEEFF, 0xFF0000, 3870, 2035},
    };
    for (int i = 0; i < 6; ++i) {
        const Expected &e = expected[i];
        SampleFrame *s = d.fraSample1[i];
        EXPECT_EQ(s->Caption(), e.caption);
        EXPECT_EQ(s->BackColor(), e.back) << i;
        EXPECT_EQ(s->ForeColor(), e.fore) << i;
        EXPECT_EQ(d.labTal[i]->BackColor(), e.back) << i;
        EXPECT_EQ(d.labTal[i]->ForeColor(), e.fore) << i;
        EXPECT_EQ(d.labFel[i]->BackColor(), e.back) << i;
        EXPECT_EQ(d.labFel[i]->ForeColor(), 0x0000FFu) << i;
        EXPECT_EQ(d.labTal[i]->text(), "12 + 13 = _");
        EXPECT_EQ(d.labFel[i]->text(), "26");
        EXPECT_EQ(s->Left(), e.left) << i;
        EXPECT_EQ(s->Top(), e.top) << i;
        EXPECT_EQ(s->Width(), 1575);
        EXPECT_EQ(s->Height(), 1455);
        const QString tip = QString("Färgval %1").arg(i + 1);
        EXPECT_EQ(s->toolTip(), tip);
        EXPECT_EQ(d.labTal[i]->toolTip(), tip);
        EXPECT_EQ(d.labFel[i]->toolTip(), tip);
        // What a screen reader says of the sample: its painted caption and its tool tip.
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(s);
        ASSERT_NE(reader, nullptr);
        EXPECT_EQ(reader->text(QAccessible::Name), e.caption);
        EXPECT_EQ(reader->text(QAccessible::Description), tip);
    }
    EXPECT_EQ(d.shaStil->Left(), 240);
    EXPECT_EQ(d.shaStil->Top(), 2035);
    EXPECT_EQ(d.shaStil->Width(), 1575);
    EXPECT_EQ(d.shaStil->Height(), 1455);
}

TEST_F(Samples, AClickAnywhereOnASampleChoosesItAndCancelKeepsTheOldScheme) {
    load();
    frmOptions2 &d = open();
    QWidget *parts[] = {d.labFel[5], d.labTal[0], d.fraSample1[4]};
    const int chosen[] = {5, 0, 4};
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(parts[i], Qt::LeftButton, {}, QPoint(2, parts[i]->height() - 2));
        EXPECT_EQ(d.style_choice, chosen[i]);
        EXPECT_EQ(d.shaStil->Left(), d.fraSample1[chosen[i]]->Left());
        EXPECT_EQ(d.shaStil->Top(), d.fraSample1[chosen[i]]->Top());
    }
    // The samples never change colour; the main window does not either, until applied.
    EXPECT_EQ(d.fraSample1[4]->BackColor(), 0xEEFFFFu);
    const auto before = snapshot(store());
    d.cmdCancel->click();
    EXPECT_EQ(modSorvinel.colour_style, 3);
    EXPECT_TRUE(written(before, snapshot(store())).isEmpty());
}

class Methods : public OptionsTest {};

TEST_F(Methods, EachMethodEnablesItsOwnOptions) {
    load();
    frmOptions2 &d = open();
    select_tab(5);
    QWidget *page = d.picOptions[4];
    struct Case {
        int method;
        bool rows, interval;
    };
    for (const Case c :
         {Case{1, true, false}, Case{0, false, false}, Case{3, true, true}, Case{2, true, false}}) {
        d.optSiffertavla[c.method]->click();
        EXPECT_EQ(d.fraRader->isEnabledTo(page), c.rows) << c.method;
        EXPECT_EQ(d.optRader[0]->isEnabledTo(page), c.rows) << c.method;
        EXPECT_EQ(d.optRader[1]->isEnabledTo(page), c.rows) << c.method;
        EXPECT_EQ(d.labIntervall->isEnabledTo(page), c.interval) << c.method;
        EXPECT_EQ(d.cbxEnTangent->isEnabledTo(page), c.interval) << c.method;
    }
}

TEST_F(Methods, TheMethodAtOpeningComesFromTheRunningMainWindow) {
    struct Case {
        const char *stored;
        int shown;
    };
    for (const Case c : {Case{"0", 0}, Case{"1", 1}, Case{"2", 2}, Case{"3", 3}}) {
        MainWindowFixture own;
        own.home.store().SaveSetting("Styrning", "Alternativ", c.stored);
        own.load();
        frmOptions2 d(own.window.get());
        d.show();
        EXPECT_TRUE(d.optSiffertavla[c.shown]->isChecked()) << c.stored;
        EXPECT_EQ(d.cbxEnTangent->isEnabledTo(d.picOptions[4]), c.shown == 3) << c.stored;
        d.cmdCancel->click();
    }
}

class Menu : public OptionsTest {};

TEST_F(Menu, ViewMovesAnOpenLockToViewOnlyWhileShownAndLeavesALockAlone) {
    load();
    for (const int state : {0, 1}) {
        modSorvinel.settings_lock_state = state;
        platform::script_msg_box({});
        int seen = -1;
        SpeechEngine *handed = nullptr;
        when_options_shown([&](frmOptions2 &d) {
            seen = modSorvinel.settings_lock_state;
            handed = d.speech_control;
        });
        f.window->menVisa->trigger();
        EXPECT_EQ(seen, state == 0 ? 2 : 1) << state;
        EXPECT_EQ(handed, &f.speech);
        EXPECT_EQ(modSorvinel.settings_lock_state, state);
        EXPECT_EQ(prompts(), QStringList{state == 0 ? "Inställning visas endast."
                                                    : "Inställning är låst och kan ej ändras."});
    }
}

TEST_F(Menu, ChangeOpensTheDialogEditableAndIsOfferedOnlyWhileOpen) {
    load();
    EXPECT_TRUE(f.window->menAendra->isEnabled());
    EXPECT_TRUE(f.window->menVisa->isEnabled());
    bool applyEnabled = false;
    when_options_shown([&](frmOptions2 &d) { applyEnabled = d.cmdApply->isEnabled(); });
    f.window->menAendra->trigger();
    EXPECT_TRUE(applyEnabled);
    EXPECT_TRUE(prompts().isEmpty());

    modSorvinel.settings_lock_state = 1;
    emit f.window->menVerktyg->aboutToShow();
    EXPECT_FALSE(f.window->menAendra->isEnabled());
    EXPECT_TRUE(f.window->menVisa->isEnabled());
    modSorvinel.settings_lock_state = 0;
    emit f.window->menVerktyg->aboutToShow();
    EXPECT_TRUE(f.window->menAendra->isEnabled());
}

} // namespace
