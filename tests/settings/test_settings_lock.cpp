// The settings lock from the main window's menu, and the roads around it: every way of
// closing the lock dialog, a store that cannot be written, and a locked settings dialog
// driven by keys.
#include "drill/frmSorvinel.h"
#include "settings/frmLogin.h"
#include "support/files.h"
#include "test_frmOptions2_support.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace options_test;

namespace {

class Lock : public OptionsTest {
protected:
    // Runs `act` on the lock dialog once exec() shows it; a dialog still up afterwards is
    // left to `act` to close.
    void when_lock_shown(std::function<void(frmLogin &)> act) {
        f.modal.start(once_settled([act](QWidget *modal) {
            auto *d = qobject_cast<frmLogin *>(modal);
            if (d)
                act(*d);
            return d != nullptr;
        }));
    }
    // Opens the lock from the menu, types the words and presses OK.
    void try_words(const QString &name, const QString &password,
                   std::function<void(frmLogin &)> after = {}) {
        when_lock_shown([=, this](frmLogin &d) {
            seen_title = d.windowTitle();
            seen_name = d.txtUserName->text();
            d.txtUserName->setText(name);
            d.txtPassword->setText(password);
            QTest::keyClick(d.txtPassword, Qt::Key_Return);
            if (after && d.isVisible())
                after(d);
        });
        f.window->menLaas->trigger();
    }
    QString caption_after_menu_opens() {
        emit f.window->menVerktyg->aboutToShow();
        return f.window->menLaas->text();
    }
    QString seen_title, seen_name;
};

TEST_F(Lock, F9OffersTheLockAndTheRightWordsLockAndUnlockForGood) {
    load();
    EXPECT_FALSE(f.window->menLaas->isVisible());
    QTest::keyClick(f.window.get(), Qt::Key_F9);
    EXPECT_TRUE(f.window->menLaas->isVisible());
    EXPECT_EQ(caption_after_menu_opens(), "&Vyk...");

    try_words("Åsa Berg", "Vyk");
    EXPECT_EQ(seen_title, "Vyk inställning");
    EXPECT_EQ(modSorvinel.settings_lock_state, 1);
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(" | ").toStdString();
    EXPECT_FALSE(f.window->lock_dialog->isVisible());
    EXPECT_TRUE(f.window->lock_dialog->ok_pressed);
    const SettingsStore after_restart(store().filePath());
    EXPECT_EQ(after_restart.GetSetting("Visa", "Inst", ""), "1");
    EXPECT_EQ(after_restart.GetSetting("Visa", "Namn", ""), "Åsa Berg");
    EXPECT_FALSE(after_restart.GetSetting("Visa", "Tid", "").isEmpty());
    EXPECT_EQ(caption_after_menu_opens(), "&Vyk opp...");
    EXPECT_FALSE(f.window->menAendra->isEnabled());

    // The same dialog again, with what was typed before.
    try_words("Åsa Berg", "Vyk opp");
    EXPECT_EQ(seen_title, "Vyk opp inställning");
    EXPECT_EQ(seen_name, "Åsa Berg");
    EXPECT_EQ(modSorvinel.settings_lock_state, 0);
    EXPECT_EQ(SettingsStore(store().filePath()).GetSetting("Visa", "Inst", ""), "0");
}

TEST_F(Lock, WrongWordsCountThroughEveryWayOfClosingUntilTheItemIsGoneForTheRun) {
    load();
    f.window->menLaas->setVisible(true);
    try_words("Åsa Berg", "vyk", [](frmLogin &d) { QTest::keyClick(&d, Qt::Key_Escape); });
    try_words("Åsa Berg", "Vyk ", [](frmLogin &d) { d.close(); });
    try_words("Åsa", "Vyk", [](frmLogin &d) { d.cmdCancel->click(); }); // name only: not wrong
    try_words("Åsa Berg", "", [](frmLogin &d) { d.cmdCancel->click(); });
    EXPECT_FALSE(f.window->lock_dialog->ok_pressed);
    EXPECT_EQ(f.window->lock_dialog->wrong_password_count(), 3);
    try_words("Åsa Berg", "Vyk");
    EXPECT_EQ(modSorvinel.settings_lock_state, 1);
    try_words("Åsa Berg", "Vyk");
    EXPECT_EQ(prompts(),
              QStringList({"Ogiltigt lösenord, försök igen!", "Ogiltigt lösenord, försök igen!",
                           "Ange både för och efternamn.", "Ogiltigt lösenord, försök igen!",
                           "Ogiltigt lösenord!"}));
    EXPECT_EQ(platform::msg_box_calls().back().title, "Vyk opp inställning");
    EXPECT_EQ(modSorvinel.settings_lock_state, 1);
    EXPECT_FALSE(f.window->lock_dialog->isVisible());

    // No road brings the item back.
    for (int i = 0; i < 2; ++i) {
        QTest::keyClick(f.window.get(), Qt::Key_F9);
        caption_after_menu_opens();
        EXPECT_FALSE(f.window->menLaas->isEnabled());
    }
}

TEST_F(Lock, ALockThatCannotBeStoredHoldsForThisRunAndIsReported) {
    load();
    // A folder at the store's path: nothing can be written there, not even by root.
    const QString path = f.home.path("broken.ini");
    ASSERT_TRUE(QDir().mkpath(path + "/inside"));
    SettingsStore broken(path);
    modSorvinel.store = &broken;
    try_words("Åsa Berg", "Vyk");
    modSorvinel.store = &store();
    ASSERT_EQ(platform::msg_box_calls().size(), 1u);
    const platform::MsgBoxCall &said = platform::msg_box_calls()[0];
    EXPECT_EQ(said.prompt, "Ett fel uppstod vid skrivning!");
    EXPECT_EQ(said.style, vb::vbOKOnly | vb::vbInformation);
    EXPECT_EQ(said.title, "Vyk opp inställning");
    EXPECT_EQ(modSorvinel.settings_lock_state, 1);
    EXPECT_TRUE(f.window->lock_dialog->ok_pressed);
    EXPECT_FALSE(f.window->lock_dialog->isVisible());
    EXPECT_EQ(QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"inside"});
}

TEST_F(Lock, ALockedSettingsDialogDrivenByKeysChangesNothing) {
    load_non_default();
    store().SaveSetting("Visa", "Inst", "1");
    modSorvinel.settings_lock_state = 1;
    const QByteArray before = file_bytes(store().filePath());
    const auto records = modSorvinel.record_times;
    const bool beep = modSorvinel.beep_on, text_on = modSorvinel.screen_reader_text_on;
    frmOptions2 &d = open();
    // Any window that a key might open is noted and closed.
    QStringList opened;
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (auto *m = qobject_cast<QDialog *>(QApplication::activeModalWidget()); m && m != &d) {
            opened << m->windowTitle();
            m->reject();
        }
    });
    guard.start(5);
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    for (int page = 0; page < kSettingsPageCount; ++page) {
        for (const Qt::Key key : {Qt::Key_A, Qt::Key_R, Qt::Key_E, Qt::Key_P})
            QTest::keyClick(&d, key, Qt::AltModifier);
        // Every control of the page that would take the focus gets the keys that change it.
        for (QWidget *control : d.picOptions[page]->findChildren<QWidget *>()) {
            control->setFocus();
            for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Up, Qt::Key_End}) {
                QWidget *focus = QApplication::focusWidget();
                if (focus && d.picOptions[page]->isAncestorOf(focus))
                    QTest::keyClick(focus, key);
            }
        }
        QTest::keyClick(&d, Qt::Key_Tab, Qt::ControlModifier);
    }
    QTest::keyClick(&d, Qt::Key_Return);
    QTest::qWait(10);
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(opened.isEmpty()) << opened.join(", ").toStdString();
    EXPECT_EQ(file_bytes(store().filePath()), before);
    EXPECT_EQ(modSorvinel.record_times, records);
    EXPECT_EQ(modSorvinel.beep_on, beep);
    EXPECT_EQ(modSorvinel.screen_reader_text_on, text_on);
    EXPECT_EQ(modSorvinel.settings_lock_state, 1);
}

} // namespace
