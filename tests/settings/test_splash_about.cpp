// The splash window's three ways of closing and the About window's texts.
#include "platform/system.h"
#include "settings/frmAbout.h"
#include "settings/frmSplash.h"
#include "shared/assets.h"
#include "shared/modSorvinel.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class Splash : public ::testing::Test {
protected:
    void SetUp() override {
        init_assets();
        modSorvinel.main_window = nullptr;
        modSorvinel.reset();
        platform::set_screen_metrics(platform::ScreenMetrics{1024, 768, 1024, 740, 15, 15});
        platform::reset_cursor_record();
    }
    void TearDown() override { platform::set_screen_metrics(std::nullopt); }
};

TEST_F(Splash, ShowsNameAndShortVersion) {
    frmSplash s;
    EXPECT_EQ(s.lblProductName->text(), "Sorvinel");
    EXPECT_EQ(s.lblVersion->text(), "Version 7.1");
}

TEST_F(Splash, ClosesOnTheThirdTick) {
    frmSplash s;
    s.Timer1->stop();
    s.show();
    s.Timer1_Timer();
    s.Timer1_Timer();
    EXPECT_TRUE(s.isVisible());
    EXPECT_FALSE(platform::last_cursor_pos().has_value());
    s.Timer1_Timer();
    EXPECT_FALSE(s.isVisible());
    // Closing parks the pointer at the bottom-right corner.
    ASSERT_TRUE(platform::last_cursor_pos().has_value());
    EXPECT_EQ(*platform::last_cursor_pos(), QPoint(1023, 767));
}

TEST_F(Splash, ClosesByItselfWhenShownModally) {
    frmSplash s;
    QElapsedTimer clock;
    clock.start();
    s.exec();
    EXPECT_GE(clock.elapsed(), 2500);
    EXPECT_EQ(s.splash_ticks, 3);
}

TEST_F(Splash, AClickOnAnyPartCloses) {
    for (int part = 0; part < 3; ++part) {
        frmSplash s;
        s.show();
        QWidget *target = part == 0   ? static_cast<QWidget *>(s.imgLogo)
                          : part == 1 ? static_cast<QWidget *>(s.lblVersion)
                                      : static_cast<QWidget *>(&s);
        QTest::mouseClick(target, Qt::LeftButton);
        EXPECT_FALSE(s.isVisible()) << part;
        EXPECT_LT(s.splash_ticks, 3);
    }
}

TEST_F(Splash, ACharacterKeyClosesButShiftDoesNot) {
    frmSplash s;
    s.show();
    QTest::keyClick(&s, Qt::Key_Shift);
    EXPECT_TRUE(s.isVisible());
    QTest::keyClick(&s, Qt::Key_A);
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(platform::last_cursor_pos().has_value());
}

TEST(About, TextsAndBackground) {
    init_assets();
    for (int round = 0; round < 2; ++round) {
        frmAbout a;
        EXPECT_EQ(a.windowTitle(), "Om Sorvinel");
        EXPECT_EQ(a.lblVersion->text(), "Version 7.1.10");
        EXPECT_EQ(a.lblTitle->text(), "Sorvinel");
        EXPECT_TRUE(a.lblDescription->text().contains("PLOXA"));
        EXPECT_FALSE(a.imaRekord->pixmap().isNull());
        EXPECT_EQ(a.imaRekord->geometry(), a.rect());
        // Behind every other control.
        EXPECT_EQ(a.children().indexOf(a.imaRekord), 0);
    }
}

TEST(About, EnterAndEscClose) {
    init_assets();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        frmAbout a;
        a.show();
        QTest::keyClick(&a, key);
        EXPECT_FALSE(a.isVisible()) << key;
    }
}

} // namespace
