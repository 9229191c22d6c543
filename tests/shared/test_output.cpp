// Speech gating, respelling, the screen-reader field and its clipboard form.
#include "shared/modSorvinel.h"

#include <gtest/gtest.h>

namespace {

TEST(SpeechRespelling, WholeTextsAndEndings) {
    EXPECT_EQ(ModSorvinel::respell_for_speech("Till 10:an"), "till tian");
    EXPECT_EQ(ModSorvinel::respell_for_speech("Huvudmeny"), "huvudme-ny");
    EXPECT_EQ(ModSorvinel::respell_for_speech("Tillbaka till Huvudmeny"),
              "Tillbaka till Huvudme-ny");
    EXPECT_EQ(ModSorvinel::respell_for_speech("huvudmeny"), "huvudmeny");
    EXPECT_EQ(ModSorvinel::respell_for_speech("Addition"), "Addition");
}

TEST(SpeechGating, ByScreenState) {
    ModSorvinel m;
    m.speech_available = true;
    m.speak_menus = false;
    m.speak_in_exercises = true;
    for (int state : {0, 1, 5, 7, 11}) {
        m.screen_state = ScreenState(state);
        EXPECT_FALSE(m.speech_on_for_screen()) << state;
    }
    for (int state : {2, 3, 4}) {
        m.screen_state = ScreenState(state);
        EXPECT_TRUE(m.speech_on_for_screen()) << state;
    }
    m.speech_available = false;
    m.speak_menus = true;
    for (int state = 0; state <= 11; ++state) {
        m.screen_state = ScreenState(state);
        EXPECT_FALSE(m.speech_on_for_screen()) << state;
    }
    m.speech_available = true;
    m.screen_state = ScreenState(12);
    EXPECT_FALSE(m.speech_on_for_screen());
}

TEST(ReaderText, Spacing) {
    EXPECT_EQ(ModSorvinel::spaced_reader_text("3+4="), " 3 + 4 = ");
    EXPECT_EQ(ModSorvinel::spaced_reader_text("12-5="), " 12 - 5 = ");
    EXPECT_EQ(ModSorvinel::spaced_reader_text("7"), " 7");
    EXPECT_EQ(ModSorvinel::spaced_reader_text(""), " ");
    EXPECT_EQ(ModSorvinel::spaced_reader_text(" 3 + 4 = "), " 3 + 4 = ");
    EXPECT_EQ(ModSorvinel::spaced_reader_text("Addition"), "Addition");
    // Only the first operator kind by precedence is spaced.
    EXPECT_EQ(ModSorvinel::spaced_reader_text("6*7="), " 6 * 7 = ");
}

TEST(ReaderClipboard, SpokenForms) {
    EXPECT_EQ(ModSorvinel::clipboard_text_for(" 3 + 4 = "), " 3  plus  4 ");
    EXPECT_EQ(ModSorvinel::clipboard_text_for(" 3 + 4 = 7"), "7");
    EXPECT_EQ(ModSorvinel::clipboard_text_for(" 8 / 2 = "), " 8  delat med  2 ");
    EXPECT_EQ(ModSorvinel::clipboard_text_for("Till 10:an"), "till tian");
    EXPECT_EQ(ModSorvinel::clipboard_text_for("Huvudmeny"), "huvud meny");
    // The word is respelled where it stands: the time before it is kept.
    EXPECT_EQ(ModSorvinel::clipboard_text_for("Tid: 1 min 5 sek .Huvudmeny"),
              "Tid: 1 min 5 sek .huvud meny");
    // A digit typed after a caption with a colon: that digit alone.
    EXPECT_EQ(ModSorvinel::clipboard_text_for("Antal uppgifter: 12"), "2");
    EXPECT_EQ(ModSorvinel::clipboard_text_for("Subtraktion"), "Subtraktion");
}

} // namespace
