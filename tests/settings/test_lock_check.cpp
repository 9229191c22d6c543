// The settings lock's check without its window.
#include "settings/lock_check.h"
#include "support/qt_print.h"

#include <gtest/gtest.h>

namespace {
using namespace settings_lock;
const QString kFullName = QStringLiteral("Åsa Berg");

TEST(LockCheck, OnlyTheWordDueExactlyAsTypedIsRight) {
    struct Case {
        int state;
        QString typed;
        bool right;
    };
    for (const Case &c :
         {Case{Open, "Vyk", true}, Case{Open, "Vyk opp", false}, Case{Open, "Vyk ", false},
          Case{Open, " Vyk", false}, Case{Open, "VYK", false}, Case{Open, "vyk", false},
          Case{Open, "", false}, Case{Locked, "Vyk opp", true}, Case{Locked, "Vyk", false},
          Case{Locked, "Vyk  opp", false}, Case{Locked, "Vyk Opp", false},
          Case{Locked, "Vyk opp ", false}, Case{ViewOnly, "Vyk", false}}) {
        LoginCheck check;
        EXPECT_EQ(check.check(c.state, c.typed, kFullName) == Verdict::Toggle, c.right)
            << c.state << c.typed;
        EXPECT_EQ(check.wrong_password_count(), c.right ? 0 : 1) << c.state << c.typed;
    }
}

TEST(LockCheck, ANameIsFullWithTwoLettersBeforeAFirstBlankThatIsNotLast) {
    struct Case {
        QString name;
        bool full;
    };
    for (const Case &c :
         {Case{"ab cd", true}, Case{"a bcde", false}, Case{"abcd ", false}, Case{"abcdefgh", false},
          Case{"abc  ", true}, Case{"ab  c", true}, Case{"ab c", false}, Case{" abcd", false},
          Case{"", false}, Case{"Åsa Öberg", true}})
        EXPECT_EQ(is_full_name(c.name), c.full) << c.name;
}

TEST(LockCheck, ThePassWordComesFirstAndTheCountRunsOnAfterAToggle) {
    LoginCheck check;
    // A wrong word is reported whatever the name; a short name does not count as wrong.
    EXPECT_EQ(check.check(Open, "Vy", kFullName), Verdict::TryAgain);
    EXPECT_EQ(check.check(Open, "Vyk", ""), Verdict::NameNotFull);
    EXPECT_EQ(check.wrong_password_count(), 1);
    EXPECT_EQ(check.check(Open, "x", ""), Verdict::TryAgain);
    EXPECT_EQ(check.check(Open, "x", ""), Verdict::TryAgain);
    EXPECT_EQ(check.check(Open, "Vyk", kFullName), Verdict::Toggle);
    EXPECT_EQ(check.check(Locked, "Vyk", kFullName), Verdict::TooManyWrong);
    EXPECT_EQ(check.wrong_password_count(), 4);
}

} // namespace
