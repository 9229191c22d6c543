// The start-up sequence of the main window, its font sizes and its layout.
#include "platform/settings_store.h"
#include "platform/system.h"
#include "shared/modSorvinel.h"
#include "support/main_window.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

TEST(StartUp, SpeaksTheFirstItemAfterTheSplashWhenMenusAreSpoken) {
    MainWindowFixture f;
    f.home.store().SaveSetting("Ljud", "Meny", "True");
    f.load();
    EXPECT_TRUE(modSorvinel.speech_available);
    ASSERT_FALSE(f.speech.log.isEmpty());
    const int restore = int(f.speech.log.indexOf("restore:PLOXA Sorvinel"));
    ASSERT_GE(restore, 0);
    EXPECT_EQ(f.speech.log.back(), "speak:Addition");
    EXPECT_GT(f.speech.log.lastIndexOf("speak:Addition"), restore);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
}

TEST(StartUp, SilentWithoutVoices) {
    MainWindowFixture f(QStringList{});
    f.home.store().SaveSetting("Ljud", "Meny", "True");
    f.load();
    EXPECT_FALSE(modSorvinel.speech_available);
    EXPECT_FALSE(f.speech.log.contains("restore:PLOXA Sorvinel"));
    EXPECT_TRUE(f.speech.spoken().isEmpty());
}

TEST(StartUp, MenuSpeechOffSpeaksNothing) {
    MainWindowFixture f;
    f.load();
    EXPECT_TRUE(f.speech.spoken().isEmpty());
}

TEST(StartUp, WritesNothingAtExit) {
    MainWindowFixture f;
    f.load();
    const QString before = [&] {
        QFile file(f.home.store().filePath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    f.window->close();
    QFile file(f.home.store().filePath());
    const QString after =
        file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    EXPECT_EQ(before, after);
}

struct FontCase {
    int width_px;
    int label;
    int menu;
    double heading;
};

class FontSizes : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontSizes, FollowTheScreenWidth) {
    const FontCase c = GetParam();
    MainWindowFixture f;
    platform::set_screen_metrics(platform::ScreenMetrics{c.width_px, c.width_px * 3 / 4, c.width_px,
                                                         c.width_px * 3 / 4 - 30, 15, 15});
    f.load();
    EXPECT_EQ(modSorvinel.label_font_size, c.label);
    EXPECT_EQ(f.window->menu_font_size, c.menu);
    EXPECT_NEAR(f.window->labMeny->fontSize(), c.heading, 0.01);
    EXPECT_NEAR(f.window->labTal[0]->fontSize(), c.label, 0.01);
    // Later resizes change nothing.
    f.window->resize(300, 200);
    f.window->Form_Resize();
    EXPECT_EQ(modSorvinel.label_font_size, c.label);
    EXPECT_EQ(f.window->menu_font_size, c.menu);
}

INSTANTIATE_TEST_SUITE_P(Widths, FontSizes,
                         ::testing::Values(FontCase{800, 60, 32, 28}, FontCase{1024, 77, 41, 35.84},
                                           FontCase{1280, 96, 51, 44.8}),
                         [](const auto &info) {
                             const auto &c = info.param;
                             return test_names::name(info.index, c.width_px);
                         });

TEST(Layout, TaskRowSitsBetweenTheBands) {
    MainWindowFixture f;
    f.load();
    frmSorvinel &w = *f.window;
    const double t0 = w.linRam[0]->BorderWidth() * 15.0;
    const double t1 = w.linRam[1]->BorderWidth() * 15.0;
    const double bandTop = w.linRam[0]->Y1 + t0 / 2;
    const double bandBottom = modSorvinel.screen_height - t1;
    EXPECT_NEAR(w.labTal[0]->Top() - bandTop,
                bandBottom - (w.labTal[0]->Top() + w.labTal[0]->Height()), 1);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_DOUBLE_EQ(w.labTal[i]->Top(), w.labTal[0]->Top());
        EXPECT_GT(w.labTal[i]->Left(), w.labTal[i - 1]->Left());
    }
    EXPECT_DOUBLE_EQ(w.labTal[5]->Top(), bandTop);
    EXPECT_DOUBLE_EQ(w.labTal[6]->Top() + w.labTal[6]->Height(), bandBottom);
    EXPECT_DOUBLE_EQ(w.labResultat[0]->Top(), w.labTal[6]->Top());
    EXPECT_DOUBLE_EQ(w.labResultat[1]->Top(), w.labTal[5]->Top());
    EXPECT_EQ(modSorvinel.font_fit_width, int(std::lrint(w.labTal[6]->Width())));
    EXPECT_GT(modSorvinel.board_key_size, 0);
}

// The status line's three pairs stand clear of the band's end pieces, with equal gaps
// between them; where the screen is wide enough they keep the plain spread over the width.
class StatusLine : public ::testing::TestWithParam<int> {};

TEST_P(StatusLine, PairsStandClearOfTheEndPieces) {
    const int width = GetParam();
    MainWindowFixture f;
    platform::set_screen_metrics(
        platform::ScreenMetrics{width, width * 3 / 4, width, width * 3 / 4 - 30, 15, 15});
    f.load();
    frmSorvinel &w = *f.window;
    const double piecesLeft = w.imaRam[0]->Left() + w.imaRam[0]->Width();
    const double piecesRight = w.imaRam[1]->Left();
    EXPECT_GE(w.labFakta[0]->Left(), piecesLeft);
    EXPECT_LE(w.labFakta[5]->Left() + w.labFakta[5]->Width(), piecesRight);
    const auto gap_before = [&w](int i) {
        return w.labFakta[i]->Left() - (w.labFakta[i - 1]->Left() + w.labFakta[i - 1]->Width());
    };
    EXPECT_NEAR(gap_before(2), gap_before(4), 1);
    EXPECT_GT(gap_before(2), 0);
    for (int i : {1, 3, 5})
        EXPECT_NEAR(gap_before(i), 0, 1) << "a number stands right after its caption";
    const double plain = w.number_gap - w.shaRam[0]->BorderWidth() * 15.0;
    if (plain >= piecesLeft) {
        EXPECT_NEAR(w.labFakta[0]->Left(), plain, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, StatusLine, ::testing::Values(640, 800, 1024, 1280, 1600),
                         [](const auto &info) { return test_names::name(info.index, info.param); });

} // namespace
