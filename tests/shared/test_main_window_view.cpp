// The shared procedures drive the main window only through its view: what they ask of it.
#include "platform/settings_store.h"
#include "shared/modSorvinel.h"
#include "support/recording_view.h"
#include "support/temp_home.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

class ThroughTheView : public ::testing::Test {
protected:
    void SetUp() override {
        modSorvinel.reset();
        modSorvinel.main_window = &view;
        modSorvinel.store = &home.store();
        qputenv("XDG_CONFIG_HOME", home.path("config").toUtf8());
        qputenv("XDG_DATA_HOME", home.path("data").toUtf8());
    }
    void TearDown() override {
        modSorvinel.main_window = nullptr;
        modSorvinel.store = nullptr;
    }
    QStringList calls_starting(const QString &prefix) const {
        return view.calls.filter(QRegularExpression('^' + prefix));
    }
    TempHome home;
    RecordingView view;
};

TEST_F(ThroughTheView, ControlMethodAndIntervalScanAtTheStoredPace) {
    struct Case {
        const char *mode, *interval;
        bool scanning;
        QString last_call;
    };
    const Case cases[] = {
        {"3", "4", true, "scan on 4000"},
        {"1", "2", false, "scan off 2000"},
        {"0", "5", false, "scan off 5000"},
    };
    for (const Case &k : cases) {
        view.calls.clear();
        home.store().SaveSetting("Styrning", "Alternativ", k.mode);
        home.store().SaveSetting("Styrning", "Intervall", k.interval);
        modSorvinel.load_settings();
        EXPECT_EQ(modSorvinel.one_key_scanning, k.scanning) << k.mode;
        ASSERT_FALSE(calls_starting("scan").isEmpty()) << k.mode;
        EXPECT_EQ(calls_starting("scan").back(), k.last_call) << k.mode;
    }
}

TEST_F(ThroughTheView, FontIsFittedAndRememberedWithoutReadingTheWindow) {
    home.store().SaveSetting("Teckensnitt", "Font", "Liberation Serif");
    modSorvinel.font_fit_width = 300;
    modSorvinel.font_fit_height = 200;
    view.font.points = 33;
    view.font.resized = true;
    modSorvinel.load_settings();
    EXPECT_EQ(calls_starting("fit"), QStringList{"fit Liberation Serif 300x200"});
    EXPECT_EQ(modSorvinel.font_name, "Liberation Serif");
    EXPECT_EQ(modSorvinel.label_font_size, 33);
}

TEST_F(ThroughTheView, UnlistableFolderFallsBackToTheProgramFolder) {
    home.store().SaveSetting("Filkatalog", "Path", home.path("gone"));
    view.folder_listable = false;
    modSorvinel.load_settings();
    EXPECT_EQ(modSorvinel.exercise_folder, ModSorvinel::program_folder());
}

TEST_F(ThroughTheView, ReaderTextGrowsOneCharacterAtATime) {
    modSorvinel.reader_text_blanks = false;
    modSorvinel.show_screen_reader_text("3+4");
    EXPECT_EQ(view.calls, (QStringList{"text 3+4"}));
}

} // namespace
