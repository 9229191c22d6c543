// What the screen-reader field gets for each key of a drill: one change per text, so a
// screen reader hears it whole, and in clipboard mode the spoken form of that text.
#include "platform/system.h"
#include "test_drill_road_fixture.h"

#include <QSignalSpy>

namespace {

using namespace vb;

struct Step {
    const char *what;
    std::function<void()> act;
    const char *field;
    const char *clipboard;
};

class ReaderFieldDrill : public DrillRoad {
protected:
    void run(const std::vector<Step> &steps) {
        for (const Step &s : steps) {
            QSignalSpy changes(w->txtJaws, &QLineEdit::textChanged);
            const int told = w->txtJaws_reader->told_count();
            s.act();
            EXPECT_EQ(w->txtJaws->text(), QString::fromUtf8(s.field)) << s.what;
            EXPECT_EQ(changes.count(), 1) << s.what;
            EXPECT_EQ(w->txtJaws_reader->told_count(), told + 1) << s.what;
            EXPECT_EQ(platform::clipboard_text(), QString::fromUtf8(s.clipboard)) << s.what;
        }
    }
};

TEST_F(ReaderFieldDrill, EveryKeyWritesOneWholeText) {
    modSorvinel.screen_reader_text_on = true;
    modSorvinel.reader_text_blanks = true;
    modSorvinel.reader_text_to_clipboard = true;
    w->show_main_menu();
    run({
        {"arrow down", [this] { press(key::Down); }, "Subtraktion", "Subtraktion"},
        {"hot key", [this] { letter('A'); }, "Till 10:an", "till tian"},
    });
    start_drill(Operation::Addition, {{3, 2, "+"}, {7, 5, "+"}});
    ASSERT_EQ(w->txtJaws->text(), " 3 + 2 = ");
    run({
        {"digit", [this] { type("7"); }, " 3 + 2 = 7", "7"},
        {"wrong answer", [this] { press(key::Return); },
         " 7 är för högt. 3 + 2 = ", " 7 är för högt. 3  plus  2 "},
        {"digit after the note", [this] { type("5"); }, " 3 + 2 = 5", "5"},
        {"backspace", [this] { press(key::Back); }, " 3 + 2 = ", " 3  plus  2 "},
        {"digit", [this] { type("5"); }, " 3 + 2 = 5", "5"},
        {"right answer", [this] { press(key::Return); }, " 7 + 5 = ", " 7  plus  5 "},
        {"digit", [this] { type("2"); }, " 7 + 5 = 2", "2"},
        {"too low", [this] { press(key::Return); },
         " 2 är för lågt. 7 + 5 = ", " 2 är för lågt. 7  plus  5 "},
    });
}

} // namespace
