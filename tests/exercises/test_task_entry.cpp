// Typed-entry rules of the editor: keys, key states, readiness and the check before placing.
#include "exercises/task_entry.h"

#include <gtest/gtest.h>

namespace {

using namespace exercises::entry;

enum class Key { Digit, Correction, Operator };
struct KeyCase {
    QString entry;
    Key key;
    int digit; // or the operator sign's index into "+-*/"
    QString after;
};

TEST(TaskEntry, KeysEditTheEntry) {
    const QString signs = "+-*/";
    const KeyCase cases[] = {
        {"_", Key::Digit, 1, "1_"},
        {"123_", Key::Digit, 4, "1234_"},
        {"1234_", Key::Digit, 5, "1234_"},           // a fifth digit
        {"12 + 1234_", Key::Digit, 5, "12 + 1234_"}, // also in the second operand
        {"12 + 34 = _", Key::Digit, 5, "12 + 34 = _"},
        {"0_", Key::Digit, 1, "01_"}, // the keyboard still types after a leading zero
        {"_", Key::Correction, 0, "_"},
        {"123_", Key::Correction, 0, "12_"},
        {"12 + _", Key::Correction, 0, "12_"},
        {"12 + 34 = _", Key::Correction, 0, "12 + 34_"},
        {"12_", Key::Operator, 0, "12 + _"},
        {"_", Key::Operator, 0, "_"},           // no operator before a digit
        {"12 + _", Key::Operator, 1, "12 + _"}, // nor after one
        {"12 + 3_", Key::Operator, 0, "12 + 3_"},
    };
    for (const KeyCase &c : cases) {
        QString after;
        switch (c.key) {
        case Key::Digit:
            after = press_digit(c.entry, c.digit);
            break;
        case Key::Correction:
            after = press_correction(c.entry);
            break;
        case Key::Operator:
            after = press_operator(c.entry, QString(signs[c.digit]));
            break;
        }
        EXPECT_EQ(after, c.after) << c.entry.toStdString();
    }
    EXPECT_EQ(press_operator("12_", QString()), "12_"); // a chooser left without a choice
}

TEST(TaskEntry, KeypadOffersWhatFits) {
    struct Case {
        QString entry, type;
        bool digits, correction, op;
    };
    const Case cases[] = {
        {"_", "+", true, false, false},
        {"0_", "+", false, true, true}, // nothing on screen after a leading zero
        {"1234_", "+", false, true, true},
        {"12 + _", "+", true, true, false},
        {"12 - _", "¤", true, true, false},
        {"12_", "¤", true, true, true},
    };
    for (const Case &c : cases) {
        const KeypadState s = keypad_state(c.entry, c.type);
        EXPECT_EQ(s.digits, c.digits) << c.entry.toStdString();
        EXPECT_EQ(s.correction, c.correction) << c.entry.toStdString();
        EXPECT_EQ(s.operator_key, c.op) << c.entry.toStdString();
    }
}

TEST(TaskEntry, OnlyABegunSecondOperandCanBePlaced) {
    struct Case {
        QString entry, type, sign;
        bool ready;
    };
    const Case cases[] = {
        {"12 + 3_", "+", "+", true}, {"12 + _", "+", "+", false}, // the cursor mark is no operand
        {"12_", "+", "+", false},    {"12 + 3 = _", "+", "+", false},
        {"12 * 3_", "¤", "*", true}, {"12_", "¤", "", false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(placing_sign(c.entry, c.type), c.sign) << c.entry.toStdString();
        EXPECT_EQ(is_ready_to_place(c.entry, c.sign), c.ready) << c.entry.toStdString();
    }
    EXPECT_EQ(completed("12 + 3_"), "12 + 3 = _");
}

TEST(TaskEntry, CheckRefusesAFullListInvalidTasksAndRepeats) {
    QStringList full;
    for (int i = 0; i < 1000; ++i)
        full << QString::number(i) + " + 1 =";
    struct Case {
        QString entry, sign;
        QStringList tasks;
        bool duplicates;
        CheckOutcome outcome;
        QString text; // the task or the message
    };
    const Case cases[] = {
        {"012 + 3 = _", "+", {}, false, CheckOutcome::Accepted, "12 + 3 ="},
        {"9999 + 1 = _",
         "+",
         {},
         false,
         CheckOutcome::Invalid,
         "Felaktig uppgift! Summan blir större än 9999!"},
        {"3 - 4 = _",
         "-",
         {},
         false,
         CheckOutcome::Invalid,
         "Felaktig uppgift! Differensen blir mindre än noll!"},
        {"7 / 0 = _", "/", {}, false, CheckOutcome::Invalid, "Felaktig uppgift! Division med 0!"},
        {"3 + 4 = _", "+", {"3 + 4 ="}, false, CheckOutcome::Duplicate, "3 + 4 =   finns redan!"},
        {"3 + 4 = _", "+", {"3 + 4 ="}, true, CheckOutcome::Accepted, "3 + 4 ="},
        {"3 + 4 = _", "+", full, true, CheckOutcome::ListFull, ""},
        {"9999 + 1 = _", "+", full, true, CheckOutcome::ListFull, ""},
    };
    for (const Case &c : cases) {
        const TaskCheck check = check_typed_task(c.entry, c.sign, c.tasks, c.duplicates);
        EXPECT_EQ(check.outcome, c.outcome) << c.entry.toStdString();
        const QString text = c.outcome == CheckOutcome::Accepted ? check.task : check.message;
        EXPECT_EQ(text, c.text) << c.entry.toStdString();
    }
}

} // namespace
