// The message window: which key or click ends it how, the twelve-second pause, its texts,
// place, speech and reader text, and the main window's keys after it closed.

#include "drill/drill_windows.h"
#include "drill/frmMeddelande.h"
#include "platform/system.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"
#include "support/main_window.h"
#include "test_drill_windows_support.h"

#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace drill_windows_test;

const QString kWait = QStringLiteral("Vänta för att återgå!");

class MessageWindow : public ::testing::Test {
protected:
    void SetUp() override {
        fixture.load();
        w = fixture.window.get();
        fixture.speech.log.clear();
    }
    std::unique_ptr<frmMeddelande> open(const QString &text, MessageKind kind) {
        modSorvinel.message_text = text;
        modSorvinel.message_kind = kind;
        auto m = std::make_unique<frmMeddelande>(w);
        m->show();
        return m;
    }
    // The key that opened the window is let go first, as a child would.
    std::unique_ptr<frmMeddelande> open_armed(const QString &text, MessageKind kind) {
        auto m = open(text, kind);
        release(m.get(), Qt::Key_Escape);
        return m;
    }
    MainWindowFixture fixture;
    frmSorvinel *w = nullptr;
};

TEST_F(MessageWindow, PauseEnterGoesBackOnlyAfterAKeyWasReleased) {
    modSorvinel.message_go_on = true; // from an earlier message: the new one starts at False
    auto m = open(kWait, MessageKind::Pause);
    EXPECT_FALSE(modSorvinel.message_go_on);
    press(m.get(), Qt::Key_Return);
    EXPECT_TRUE(m->isVisible()) << "the opening key still down";
    release(m.get(), Qt::Key_Return);
    EXPECT_TRUE(m->isVisible());
    press(m.get(), Qt::Key_Return);
    EXPECT_FALSE(m->isVisible());
    EXPECT_FALSE(modSorvinel.message_go_on);
    EXPECT_FALSE(m->timAater->isActive());
}

TEST_F(MessageWindow, HeldKeyRepeatsNeitherArmNorClose) {
    auto m = open(kWait, MessageKind::Pause);
    for (int i = 0; i < 5; ++i) {
        release(m.get(), Qt::Key_Escape, true);
        press(m.get(), Qt::Key_Escape, true);
    }
    EXPECT_TRUE(m->isVisible());
    EXPECT_FALSE(m->keys_armed);
    release(m.get(), Qt::Key_Escape);
    press(m.get(), Qt::Key_Space);
    EXPECT_FALSE(m->isVisible());
    EXPECT_TRUE(modSorvinel.message_go_on);
}

TEST_F(MessageWindow, PauseAnyOtherKeyGoesOn) {
    for (Qt::Key key :
         {Qt::Key_Escape, Qt::Key_Space, Qt::Key_A, Qt::Key_Down, Qt::Key_5, Qt::Key_Shift}) {
        auto m = open_armed(kWait, MessageKind::Pause);
        modSorvinel.message_go_on = false;
        press(m.get(), key);
        EXPECT_FALSE(m->isVisible()) << key;
        EXPECT_TRUE(modSorvinel.message_go_on) << key;
    }
}

TEST_F(MessageWindow, NoticeEveryKeyGoesOnOnlyTheLabelGoesBack) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_7}) {
        auto m = open_armed(QStringLiteral("För stort tal!"), MessageKind::Notice);
        press(m.get(), key);
        EXPECT_FALSE(m->isVisible()) << key;
        EXPECT_TRUE(modSorvinel.message_go_on) << key;
    }
    for (MessageKind kind : {MessageKind::Notice, MessageKind::Pause}) {
        modSorvinel.message_go_on = true;
        auto m = open(QStringLiteral("För litet tal!"), kind);
        QTest::mouseClick(m->labMeddelandeMeny, Qt::LeftButton);
        EXPECT_FALSE(m->isVisible()) << kind;
        EXPECT_FALSE(modSorvinel.message_go_on) << kind;
    }
}

TEST_F(MessageWindow, PauseCountsTwelveSecondsWithABeepEach) {
    modSorvinel.beep_on = true;
    auto m = open(kWait, MessageKind::Pause);
    EXPECT_TRUE(m->timAater->isActive());
    EXPECT_EQ(m->timAater->interval(), 1000);
    EXPECT_EQ(m->pbaMeddelande->maximum(), 12);
    EXPECT_EQ(m->pbaMeddelande->value(), 0);
    EXPECT_TRUE(m->pbaMeddelande->isVisible());
    const int beeps = platform::beep_count();
    for (int tick = 1; tick <= 11; ++tick)
        m->timAater_Timer();
    EXPECT_TRUE(m->isVisible());
    EXPECT_EQ(m->pbaMeddelande->value(), 11);
    m->timAater_Timer();
    EXPECT_FALSE(m->isVisible());
    EXPECT_TRUE(modSorvinel.message_go_on);
    EXPECT_EQ(m->pbaMeddelande->value(), 12);
    EXPECT_EQ(platform::beep_count() - beeps, 12);
}

TEST_F(MessageWindow, SilentCountdownAndNoCountdownForANotice) {
    modSorvinel.beep_on = false;
    auto m = open(kWait, MessageKind::Pause);
    const int beeps = platform::beep_count();
    for (int tick = 0; tick < 12; ++tick)
        m->timAater_Timer();
    EXPECT_EQ(platform::beep_count(), beeps);

    auto n = open(QStringLiteral("För få uppgifter!"), MessageKind::Notice);
    EXPECT_FALSE(n->timAater->isActive());
    EXPECT_FALSE(n->pbaMeddelande->isVisible());
}

TEST_F(MessageWindow, BackLabelTexts) {
    EXPECT_EQ(open(kWait, MessageKind::Pause)->labMeddelandeMeny->Caption(), "Huvudmeny");
    EXPECT_EQ(open(kWait, MessageKind::Notice)->labMeddelandeMeny->Caption(),
              QString::fromUtf8("Åter"));
    modSorvinel.screen_state = ScreenState::FileList;
    w->labMeny->setCaption(QStringLiteral("Division"));
    EXPECT_EQ(open(kWait, MessageKind::Pause)->labMeddelandeMeny->Caption(), "Meny - Division");
    EXPECT_EQ(open(kWait, MessageKind::Notice)->labMeddelandeMeny->Caption(),
              QString::fromUtf8("Åter"));
}

TEST_F(MessageWindow, QuarterWiderThanTheTextAndCentredOnTheScreen) {
    for (const QString &text : {QStringLiteral("För få uppgifter!"),
                                QStringLiteral("Ett mycket längre meddelande som kräver plats")}) {
        auto m = open(text, MessageKind::Pause);
        const int textPx = m->labMeddelande->width();
        EXPECT_NEAR(m->width(), textPx * 5 / 4, 2) << text;
        EXPECT_NEAR(m->x() + m->width() / 2, 1024 / 2, 2) << text;
        EXPECT_NEAR(m->y() + m->height() / 2, 768 / 2, 2) << text;
        // The text one line down, the back label under it, centred under the text.
        EXPECT_EQ(m->labMeddelande->Top(), m->labMeddelande->Height());
        EXPECT_EQ(m->labMeddelandeMeny->Top(), 4 * m->labMeddelande->Height());
        EXPECT_NEAR(m->labMeddelandeMeny->x() + m->labMeddelandeMeny->width() / 2,
                    m->labMeddelande->x() + textPx / 2, 2);
        EXPECT_NEAR(
            m->height(),
            vb::twips_to_px_y(m->labMeddelandeMeny->Top() + 2 * m->labMeddelandeMeny->Height()), 1);
        EXPECT_EQ(m->labMeddelande->font(), w->labMeny->font());
    }
    auto wide = open(QStringLiteral("Ett mycket längre meddelande"), MessageKind::Pause);
    auto narrow = open(QStringLiteral("Kort"), MessageKind::Pause);
    EXPECT_GT(wide->width(), narrow->width());
}

// The smallest screen the program is laid out for: the frame's room does not grow with it.
class MessageWindowOnASmallScreen : public MessageWindow {
protected:
    void SetUp() override {
        platform::set_screen_metrics(platform::ScreenMetrics{800, 600, 800, 572, 15, 15});
        MessageWindow::SetUp();
    }
};

TEST_F(MessageWindowOnASmallScreen, BackLabelFrameIsWholeInsideTheCentredWindow) {
    struct Case {
        const char *text;
        const char *heading; // nullptr: a pause outside the file list
    } cases[] = {
        {"Vänta för att återgå!", "Multiplikation"},
        {"Kort", nullptr},
    };
    for (const Case &c : cases) {
        modSorvinel.screen_state = c.heading ? ScreenState::FileList : ScreenState::MainMenu;
        if (c.heading)
            w->labMeny->setCaption(QString::fromUtf8(c.heading));
        auto m = open(QString::fromUtf8(c.text), MessageKind::Pause);
        const QRect frame = m->shaRam->geometry();
        EXPECT_GT(frame.left(), 0) << c.text;
        EXPECT_LT(frame.right(), m->width() - 1) << c.text;
        EXPECT_NEAR(frame.center().x(), m->width() / 2, 2) << c.text;
        EXPECT_NEAR(m->labMeddelande->geometry().center().x(), m->width() / 2, 2) << c.text;
        EXPECT_NEAR(m->x() + m->width() / 2, 800 / 2, 2) << c.text;
    }
}

TEST_F(MessageWindow, SpokenWithTheBackLabelWhenAsked) {
    modSorvinel.message_speak = true;
    open(kWait, MessageKind::Pause);
    ASSERT_FALSE(fixture.speech.spoken().isEmpty());
    EXPECT_EQ(fixture.speech.spoken().back(),
              ModSorvinel::respell_for_speech(kWait + QStringLiteral(" Huvudmeny")));

    fixture.speech.log.clear();
    modSorvinel.message_speak = false;
    open(kWait, MessageKind::Pause);
    EXPECT_TRUE(fixture.speech.spoken().isEmpty());
}

TEST_F(MessageWindow, ReaderTextComesBackOnlyAfterGoingOn) {
    modSorvinel.screen_reader_text_on = true;
    modSorvinel.reader_text_blanks = false;
    w->txtJaws->setText(QStringLiteral("3+4="));
    auto m = open_armed(QStringLiteral("För stort tal!"), MessageKind::Notice);
    EXPECT_EQ(w->txtJaws->text(), QString::fromUtf8("För stort tal! Åter"));
    press(m.get(), Qt::Key_Space);
    EXPECT_EQ(w->txtJaws->text(), "3+4=");

    auto back = open(kWait, MessageKind::Pause);
    QTest::mouseClick(back->labMeddelandeMeny, Qt::LeftButton);
    EXPECT_EQ(w->txtJaws->text(), kWait + QStringLiteral(" Huvudmeny"));
}

TEST_F(MessageWindow, ModalWindowGetsTheSpeechControlAndReleasesIt) {
    modSorvinel.speech_available = true;
    modSorvinel.message_text = kWait;
    modSorvinel.message_kind = MessageKind::Pause;
    SpeechEngine *handed = nullptr;
    frmMeddelande *seen = nullptr;
    when_modal<frmMeddelande>(fixture.modal, [&](frmMeddelande *m) {
        seen = m;
        handed = m->speech_control;
        m->timAater_Timer();
        m->close_message();
        EXPECT_EQ(m->speech_control, nullptr);
    });
    show_message_window(w);
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(handed, &fixture.speech);
    EXPECT_TRUE(modSorvinel.message_go_on);
}

TEST_F(MessageWindow, HeldKeyOfTheMainWindowIsFreedWhenItsReleaseWentToTheMessage) {
    modSorvinel.message_text = kWait;
    modSorvinel.message_kind = MessageKind::Pause;
    // Esc opened the message, was let go there, and the back label was clicked.
    when_modal<frmMeddelande>(fixture.modal, [](frmMeddelande *m) {
        release(m, Qt::Key_Escape);
        QTest::mouseClick(m->labMeddelandeMeny, Qt::LeftButton);
    });
    show_message_window(w);
    const platform::KeyId escape{0, vb::key::Escape};
    w->key_held.press(escape); // what a key handler does after a back exit
    QApplication::processEvents();
    EXPECT_FALSE(w->key_held.contains(escape));
}

TEST_F(MessageWindow, KeyThatClosedTheMessageStaysHeldUntilItsRelease) {
    modSorvinel.message_text = kWait;
    modSorvinel.message_kind = MessageKind::Pause;
    when_modal<frmMeddelande>(fixture.modal, [](frmMeddelande *m) {
        release(m, Qt::Key_Escape);
        press(m, Qt::Key_Return);
    });
    show_message_window(w);
    EXPECT_FALSE(modSorvinel.message_go_on);
    QApplication::processEvents();
    // Enter is still down; its auto-repeats must not act in the main window. Esc is up.
    EXPECT_TRUE(w->key_held.contains({0, vb::key::Return}));
    EXPECT_FALSE(w->key_held.contains({0, vb::key::Escape}));
}

} // namespace
