// The own-selection dialog driven as a user drives it: clicks on the field buttons, keys,
// "&Klart", "&Avbryt", Esc and the close box; what it shows and what it hands over.
#include "exercises/frmEgetVal.h"
#include "platform/message_box.h"
#include "platform/system.h"
#include "platform/vb.h"
#include "shared/assets.h"
#include "shared/modSorvinel.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

using namespace own_selection;

namespace {

constexpr Operation kAdd = Operation::Addition;
constexpr Operation kSub = Operation::Subtraktion;
constexpr Operation kMul = Operation::Multiplikation;
constexpr Operation kDiv = Operation::Division;
constexpr Operation kMixed = Operation::Blandat;
constexpr int kMinCount = 5;
constexpr int kSentinel = 77;
constexpr int kOnePixel = 1;

class EgetValTest : public ::testing::Test {
protected:
    void SetUp() override {
        init_assets();
        modSorvinel.reset();
        modSorvinel.min_task_count = kMinCount;
        modSorvinel.beep_on = true;
        platform::script_msg_box({});
    }
    void TearDown() override { platform::stop_msg_box_script(); }
};

// One showing of the dialog for `operation`.
struct Open {
    explicit Open(Operation operation) : dlg(operation) { dlg.show(); }

    void click(int i) { QTest::mouseClick(dlg.comOK[i], Qt::LeftButton); }
    // Keys go where the focus is, as a user's keys do.
    QWidget *focus() { return dlg.focusWidget() ? dlg.focusWidget() : &dlg; }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(focus(), k, m);
    }
    void type(const QString &digits) {
        for (QChar c : digits)
            key(Qt::Key(Qt::Key_0 + c.digitValue()));
    }
    // Edit mode, the digits, confirm.
    void set(int i, const QString &digits) {
        click(i);
        type(digits);
        click(i);
    }
    QString caption(int i) const { return dlg.comOK[i]->text(); }
    QString tal(int i) const { return dlg.labTal[i]->text(); }
    QStringList captions() const {
        QStringList l;
        for (int i = 0; i < field::Total; ++i)
            l << caption(i);
        return l;
    }

    frmEgetVal dlg;
};

struct LoadCase {
    Operation operation;
    QString low_heading;
    QString high_heading;
    QString sign;
    QString row1;
    QString row2;
    long possible;
};

TEST_F(EgetValTest, LoadShowsDefaultsHeadingsAndCountsForEachOperation) {
    const std::vector<LoadCase> cases = {
        {kAdd, "Från (lägsta termer)          ", "till (högsta termer)          ", "+", "2", "20",
         100},
        {kSub, "Från (lägsta termer)          ", "till (högsta termer)          ", "-", "0", "0",
         55},
        {kMul, "Från (lägsta faktorer)        ", "till (högsta faktorer)        ", "•", "1", "100",
         100},
        {kDiv, "Från (lägsta nämnare och kvot)", "till (högsta nämnare och kvot)", "/", "1", "100",
         100},
        {kMixed, "Från", "till", "+", "", "", 100},
    };
    for (const LoadCase &c : cases) {
        SCOPED_TRACE(index_of(c.operation));
        modSorvinel.possible_task_count = -1;
        Open o(c.operation);
        EXPECT_EQ(o.dlg.windowTitle(), "Eget urval - " + ModSorvinel::operation_name(c.operation));
        EXPECT_EQ(o.dlg.labRubrik[0]->text(), c.low_heading);
        EXPECT_EQ(o.dlg.labRubrik[1]->text(), c.high_heading);
        EXPECT_EQ(o.dlg.labRubrik[2]->text(), "Antal uppgifter: ");
        EXPECT_EQ(o.dlg.labRubrik[3]->text(), " av ");
        EXPECT_EQ(o.dlg.labOperator[0]->text(), c.sign);
        EXPECT_EQ(o.dlg.labOperator[1]->text(), c.sign);
        EXPECT_EQ(o.dlg.labOperator[2]->text(), "=");
        EXPECT_EQ(o.dlg.labOperator[3]->text(), "=");
        const QString n = QString::number(c.possible);
        EXPECT_EQ(o.captions(), QStringList({"1", "1", "10", "10", n}));
        EXPECT_EQ(o.tal(0), c.row1);
        EXPECT_EQ(o.tal(1), c.row2);
        EXPECT_EQ(o.tal(2), n);
        EXPECT_EQ(modSorvinel.possible_task_count, c.possible);
        EXPECT_EQ(o.dlg.labText[4]->text(), n + "_");
        EXPECT_EQ(o.dlg.comOK[0]->toolTip(), "Klicka för att ändra!");
        EXPECT_TRUE(o.dlg.comKlart->isEnabled());
        for (int i = 0; i < field::Total; ++i) {
            EXPECT_FALSE(o.dlg.marker_on(i)) << i;
            EXPECT_TRUE(o.dlg.shaOK[i]->isVisible()) << i;
        }
    }
}

// Every control inside the window, nothing on top of another (a field button covers its
// typing label by design), and a marker sitting on each field button.
TEST_F(EgetValTest, LayoutKeepsControlsApartAndInsideTheWindow) {
    for (Operation op : {kAdd, kSub, kMul, kDiv, kMixed}) {
        SCOPED_TRACE(index_of(op));
        Open o(op);
        std::vector<QWidget *> parts = {o.dlg.comKlart, o.dlg.comAvbryt};
        for (int i = 0; i < field::Total; ++i)
            parts.insert(parts.end(), {o.dlg.comOK[i], o.dlg.shaOK[i]});
        for (int i = 0; i < o.dlg.labOperator.count(); ++i)
            parts.push_back(o.dlg.labOperator[i]);
        for (int i = 0; i < o.dlg.labTal.count(); ++i)
            parts.push_back(o.dlg.labTal[i]);
        for (int i = 0; i < o.dlg.labRubrik.count(); ++i)
            parts.push_back(o.dlg.labRubrik[i]);
        for (std::size_t a = 0; a < parts.size(); ++a) {
            EXPECT_TRUE(o.dlg.rect().contains(parts[a]->geometry())) << a;
            for (std::size_t b = a + 1; b < parts.size(); ++b)
                EXPECT_FALSE(parts[a]->geometry().intersects(parts[b]->geometry()))
                    << a << " " << b;
        }
        for (int i = 0; i < field::Total; ++i) {
            EXPECT_TRUE(o.dlg.comOK[i]->geometry().contains(o.dlg.labText[i]->geometry())) << i;
            const QRect m = o.dlg.shaOK[i]->geometry();
            const QRect b = o.dlg.comOK[i]->geometry();
            EXPECT_NEAR(m.bottom() + 1, b.top(), kOnePixel) << i;
            EXPECT_NEAR(m.center().x(), b.center().x(), kOnePixel) << i;
        }
        EXPECT_EQ(o.dlg.comKlart->y(), o.dlg.comAvbryt->y());
        EXPECT_LT(o.dlg.comKlart->geometry().right(), o.dlg.comAvbryt->x());
        EXPECT_EQ(o.dlg.width(), vb::twips_to_px_x(7125));
        EXPECT_EQ(o.dlg.imaRekord->geometry(), o.dlg.rect());
    }
}

// A division row reads dividend / denominator = quotient.
TEST_F(EgetValTest, DivisionRowsShowTheDividendFirstAndTheQuotientLast) {
    Open o(kDiv);
    for (int row = 0; row < 2; ++row) {
        SCOPED_TRACE(row);
        const int quotient = row == 0 ? field::LowFirst : field::HighFirst;
        const int denominator = row == 0 ? field::LowSecond : field::HighSecond;
        const int x_dividend = o.dlg.labTal[row]->x();
        EXPECT_LT(x_dividend, o.dlg.labOperator[row]->x());
        EXPECT_LT(o.dlg.labOperator[row]->x(), o.dlg.comOK[denominator]->x());
        EXPECT_LT(o.dlg.comOK[denominator]->x(), o.dlg.labOperator[2 + row]->x());
        EXPECT_LT(o.dlg.labOperator[2 + row]->x(), o.dlg.comOK[quotient]->x());
        EXPECT_TRUE(o.dlg.labTal[row]->alignment() & Qt::AlignRight);
    }
    EXPECT_EQ(o.tal(0), "1");
    EXPECT_EQ(o.tal(1), "100");

    Open a(kAdd);
    EXPECT_LT(a.dlg.comOK[0]->x(), a.dlg.labOperator[0]->x());
    EXPECT_LT(a.dlg.labOperator[2]->x(), a.dlg.labTal[0]->x());
}

TEST_F(EgetValTest, KlartAtOnceHandsOverTheDefaults) {
    modSorvinel.task_count = kSentinel;
    Open o(kAdd);
    o.dlg.comKlart->click();
    EXPECT_EQ(o.dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(o.dlg.isVisible());
    EXPECT_EQ(o.dlg.operation, kAdd);
    EXPECT_EQ(modSorvinel.selection_bounds, (std::array<int, 4>{1, 1, 10, 10}));
    EXPECT_EQ(modSorvinel.task_count, 0);
    EXPECT_EQ(modSorvinel.possible_task_count, 100);
}

TEST_F(EgetValTest, EditModeShrinksTheButtonBesideTheLabelAndLocksTheOthers) {
    Open o(kAdd);
    const QRect idle = o.dlg.comOK[1]->geometry();
    o.click(1);
    EXPECT_EQ(o.dlg.edit_field, 1);
    EXPECT_EQ(o.caption(1), "OK");
    EXPECT_EQ(o.dlg.labText[1]->text(), "_");
    EXPECT_EQ(o.dlg.value_before_edit, 1);
    for (int j = 0; j < field::Total; ++j)
        EXPECT_EQ(o.dlg.comOK[j]->isEnabled(), j == 1) << j;
    EXPECT_FALSE(o.dlg.comKlart->isEnabled());
    EXPECT_TRUE(o.dlg.comAvbryt->isEnabled());
    const QRect label = o.dlg.labText[1]->geometry();
    const QRect edit = o.dlg.comOK[1]->geometry();
    EXPECT_FALSE(edit.intersects(label));
    EXPECT_NEAR(edit.x(), label.right() + 1 + vb::twips_to_px_x(25), kOnePixel);
    EXPECT_NEAR(edit.width(), idle.width() - label.width() - vb::twips_to_px_x(50), kOnePixel);

    // Nothing typed: the old value comes back, nothing is recounted, no marker turns on.
    modSorvinel.possible_task_count = -1;
    o.click(1);
    EXPECT_EQ(o.dlg.edit_field, -1);
    EXPECT_EQ(o.captions(), QStringList({"1", "1", "10", "10", "100"}));
    EXPECT_EQ(modSorvinel.possible_task_count, -1);
    EXPECT_EQ(o.dlg.comOK[1]->geometry(), idle);
    for (int j = 0; j < field::Total; ++j) {
        EXPECT_TRUE(o.dlg.comOK[j]->isEnabled()) << j;
        EXPECT_FALSE(o.dlg.marker_on(j)) << j;
    }
    EXPECT_TRUE(o.dlg.comKlart->isEnabled());
    EXPECT_TRUE(platform::msg_box_calls().empty());
}

struct KeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

struct TypingCase {
    const char *name;
    Operation operation;
    int field_index;
    std::vector<KeyPress> keys;
    QString shown;
    int beeps;
};

TEST_F(EgetValTest, TypingFollowsTheFieldRules) {
    const Qt::Key k0 = Qt::Key_0, k1 = Qt::Key_1, k2 = Qt::Key_2, k3 = Qt::Key_3, k4 = Qt::Key_4,
                  k5 = Qt::Key_5, back = Qt::Key_Backspace;
    const std::vector<TypingCase> cases = {
        {"zero divisor beeps", kDiv, field::LowSecond, {{k0}}, "_", 1},
        {"zero highest divisor beeps", kDiv, field::HighSecond, {{k0}}, "_", 1},
        {"zero quotient taken", kDiv, field::LowFirst, {{k0}}, "0_", 0},
        {"zero second term taken", kAdd, field::LowSecond, {{k0}}, "0_", 0},
        {"leading zero of a count ignored", kAdd, field::Count, {{k0}}, "_", 0},
        {"count 1000", kAdd, field::Count, {{k1}, {k0}, {k0}, {k0}}, "1000_", 0},
        {"fifth digit beeps", kAdd, field::Count, {{k1}, {k0}, {k0}, {k0}, {k0}}, "1000_", 1},
        {"2000 is too many", kAdd, field::Count, {{k2}, {k0}, {k0}, {k0}}, "200_", 1},
        {"1000 only in the count", kAdd, field::HighFirst, {{k1}, {k0}, {k0}, {k0}}, "100_", 1},
        {"nothing after a leading zero", kSub, field::LowFirst, {{k0}, {k5}}, "0_", 1},
        {"three digits at most", kMul, field::LowFirst, {{k1}, {k2}, {k3}, {k4}}, "123_", 1},
        {"backspace on nothing beeps", kAdd, field::LowFirst, {{back}}, "_", 1},
        {"backspace removes a digit", kAdd, field::LowFirst, {{k1}, {k2}, {back}}, "1_", 0},
        {"other keys do nothing",
         kAdd,
         field::LowFirst,
         {{Qt::Key_A}, {Qt::Key_Minus}, {k5, Qt::KeypadModifier}, {Qt::Key_Left}},
         "_",
         0},
    };
    for (const TypingCase &c : cases) {
        SCOPED_TRACE(c.name);
        Open o(c.operation);
        o.click(c.field_index);
        const int beeps = platform::beep_count();
        for (const KeyPress &k : c.keys)
            o.key(k.key, k.modifiers);
        EXPECT_EQ(o.dlg.labText[c.field_index]->text(), c.shown);
        EXPECT_EQ(platform::beep_count() - beeps, c.beeps);
    }
}

TEST_F(EgetValTest, RefusedKeysAreSilentWithBeepsOff) {
    modSorvinel.beep_on = false;
    Open o(kDiv);
    o.click(field::LowSecond);
    const int beeps = platform::beep_count();
    o.key(Qt::Key_0);
    o.key(Qt::Key_Backspace);
    EXPECT_EQ(o.dlg.labText[field::LowSecond]->text(), "_");
    EXPECT_EQ(platform::beep_count(), beeps);
}

TEST_F(EgetValTest, KeysDoNothingWhileNoFieldIsEdited) {
    Open o(kAdd);
    const int beeps = platform::beep_count();
    o.key(Qt::Key_5);
    o.key(Qt::Key_Backspace);
    EXPECT_EQ(o.dlg.labText[0]->text(), "1_");
    EXPECT_EQ(o.captions(), QStringList({"1", "1", "10", "10", "100"}));
    EXPECT_EQ(platform::beep_count(), beeps);
}

// The form sees the keys whichever button has the focus, and each key counts once.
TEST_F(EgetValTest, KeysReachTheEditedFieldFromAnyFocusedButtonOnce) {
    Open o(kAdd);
    o.click(field::HighFirst);
    o.dlg.comAvbryt->setFocus();
    QTest::keyClick(o.dlg.comAvbryt, Qt::Key_4);
    QTest::keyClick(&o.dlg, Qt::Key_2);
    EXPECT_EQ(o.dlg.labText[field::HighFirst]->text(), "42_");
    EXPECT_TRUE(o.dlg.isVisible());
}

TEST_F(EgetValTest, EnterOnTheOkButtonConfirmsTheField) {
    Open o(kAdd);
    o.click(field::HighFirst);
    o.type("7");
    QTest::keyClick(o.dlg.comOK[field::HighFirst], Qt::Key_Return);
    EXPECT_EQ(o.dlg.edit_field, -1);
    EXPECT_EQ(o.caption(field::HighFirst), "7");
    EXPECT_TRUE(o.dlg.isVisible());
}

struct Step {
    int field_index;
    QString digits;
};

struct RulesCase {
    const char *name;
    Operation operation;
    std::vector<Step> steps;
    QStringList captions;
    QString row1;
    QString row2;
    QString possible;
    std::vector<int> marked; // after the last step
};

TEST_F(EgetValTest, ConfirmedFieldsRunTheRulesAndMarkWhatChanged) {
    const std::vector<RulesCase> cases = {
        {"product near the limit",
         kMul,
         {{3, "999"}},
         {"1", "1", "10", "999", "100"},
         "1",
         "9990",
         "9990",
         {3}},
        {"product limit lowers the other bound",
         kMul,
         {{3, "999"}, {2, "20"}},
         {"1", "1", "20", "499", "100"},
         "1",
         "9980",
         "9980",
         {2, 3}},
        {"lowest factor above the highest",
         kMul,
         {{0, "500"}},
         {"500", "1", "500", "10", "10"},
         "500",
         "5000",
         "10",
         {0, 2, 4}},
        {"difference from zero",
         kSub,
         {{0, "0"}},
         {"0", "0", "10", "10", "66"},
         "0",
         "0",
         "66",
         {0, 1, 4}},
        {"higher subtrahend raises the minuend",
         kSub,
         {{3, "20"}},
         {"1", "1", "20", "20", "100"},
         "0",
         "0",
         "210",
         {2, 3, 4}},
        {"division keeps its dividends",
         kDiv,
         {{1, "5"}},
         {"1", "5", "10", "10", "60"},
         "5",
         "100",
         "60",
         {1, 4}},
        {"other operations recompute nothing",
         kMixed,
         {{2, "5"}},
         {"1", "1", "5", "10", "100"},
         "",
         "",
         "100",
         {2}},
    };
    for (const RulesCase &c : cases) {
        SCOPED_TRACE(c.name);
        Open o(c.operation);
        for (const Step &s : c.steps)
            o.set(s.field_index, s.digits);
        EXPECT_EQ(o.captions(), c.captions);
        EXPECT_EQ(o.tal(0), c.row1);
        EXPECT_EQ(o.tal(1), c.row2);
        EXPECT_EQ(o.tal(2), c.possible);
        for (int i = 0; i < field::Total; ++i) {
            const bool marked = std::find(c.marked.begin(), c.marked.end(), i) != c.marked.end();
            EXPECT_EQ(o.dlg.marker_on(i), marked) << i;
        }
        EXPECT_TRUE(platform::msg_box_calls().empty());
        // Entering any field's edit mode turns every marker off.
        o.click(field::Count);
        for (int i = 0; i < field::Total; ++i)
            EXPECT_FALSE(o.dlg.marker_on(i)) << i;
    }
}

TEST_F(EgetValTest, TooFewPossibleTasksRaiseTheCountToTheMinimumWithAMessage) {
    Open o(kAdd);
    o.set(field::HighFirst, "1");
    EXPECT_EQ(o.tal(2), "10");
    EXPECT_EQ(o.caption(field::Count), "10");
    EXPECT_TRUE(platform::msg_box_calls().empty());
    o.set(field::HighSecond, "2");
    EXPECT_EQ(o.tal(2), "2");
    EXPECT_EQ(o.caption(field::Count), "5");
    ASSERT_EQ(platform::msg_box_calls().size(), 1u);
    const platform::MsgBoxCall &m = platform::msg_box_calls().front();
    EXPECT_EQ(m.prompt, "Minsta antal uppgifter är inställt till 5");
    EXPECT_EQ(m.title, "Eget urval");
    EXPECT_EQ(m.style, vb::vbOKOnly | vb::vbInformation);

    o.dlg.comKlart->click();
    EXPECT_EQ(modSorvinel.selection_bounds, (std::array<int, 4>{1, 1, 1, 2}));
    EXPECT_EQ(modSorvinel.task_count, 5);
    EXPECT_EQ(modSorvinel.possible_task_count, 2);
}

struct CountCase {
    const char *name;
    Operation operation;
    QString typed;
    QString shown;
    long task_count;
    long possible;
    bool message;
};

TEST_F(EgetValTest, KlartHandsOverTheChosenCount) {
    const std::vector<CountCase> cases = {
        {"fewer than possible", kAdd, "30", "30", 30, 100, false},
        {"every possible task", kAdd, "100", "100", 0, 100, false},
        {"more than possible", kSub, "200", "200", 200, 55, false},
        {"the most", kSub, "1000", "1000", 1000, 55, false},
        {"below the minimum", kAdd, "3", "5", 5, 100, true},
    };
    for (const CountCase &c : cases) {
        SCOPED_TRACE(c.name);
        platform::script_msg_box({});
        Open o(c.operation);
        o.set(field::Count, c.typed);
        EXPECT_EQ(o.caption(field::Count), c.shown);
        EXPECT_EQ(platform::msg_box_calls().size(), c.message ? 1u : 0u);
        modSorvinel.possible_task_count = c.possible;
        o.dlg.comKlart->click();
        EXPECT_EQ(o.dlg.result(), QDialog::Accepted);
        EXPECT_EQ(modSorvinel.task_count, c.task_count);
        EXPECT_EQ(modSorvinel.possible_task_count, c.possible);
        EXPECT_EQ(o.dlg.operation, c.operation);
    }
}

TEST_F(EgetValTest, AChangedBoundReplacesTheChosenCountAnUnchangedOneKeepsIt) {
    Open o(kAdd);
    o.set(field::Count, "30");
    o.set(field::LowFirst, "1");
    EXPECT_EQ(o.caption(field::Count), "30");
    o.set(field::LowFirst, "2");
    EXPECT_EQ(o.tal(2), "90");
    EXPECT_EQ(o.caption(field::Count), "90");
}

enum class CancelWay { AvbrytIdle, AvbrytEditing, Escape, EscapeEditing, CloseBox };

TEST_F(EgetValTest, EveryWayOfCancellingRejectsAndWritesNothing) {
    for (CancelWay way : {CancelWay::AvbrytIdle, CancelWay::AvbrytEditing, CancelWay::Escape,
                          CancelWay::EscapeEditing, CancelWay::CloseBox}) {
        SCOPED_TRACE(int(way));
        modSorvinel.selection_bounds = {kSentinel, kSentinel, kSentinel, kSentinel};
        modSorvinel.task_count = kSentinel;
        Open o(kMul);
        o.set(field::Count, "20");
        if (way == CancelWay::AvbrytEditing || way == CancelWay::EscapeEditing) {
            o.click(field::LowFirst);
            o.type("4");
        }
        switch (way) {
        case CancelWay::AvbrytIdle:
        case CancelWay::AvbrytEditing:
            QTest::mouseClick(o.dlg.comAvbryt, Qt::LeftButton);
            break;
        case CancelWay::Escape:
        case CancelWay::EscapeEditing:
            o.key(Qt::Key_Escape);
            break;
        case CancelWay::CloseBox:
            o.dlg.close();
            break;
        }
        EXPECT_FALSE(o.dlg.isVisible());
        EXPECT_EQ(o.dlg.result(), QDialog::Rejected);
        EXPECT_EQ(modSorvinel.selection_bounds,
                  (std::array<int, 4>{kSentinel, kSentinel, kSentinel, kSentinel}));
        EXPECT_EQ(modSorvinel.task_count, kSentinel);
    }
}

// Bounds that allow no task (here forced in from outside) can never be handed over: the
// drill and the editor divide by the number of possible tasks.
TEST_F(EgetValTest, KlartIsImpossibleWhileNoTaskIsPossible) {
    modSorvinel.task_count = kSentinel;
    Open o(kAdd);
    o.dlg.field_values = {5, 1, 3, 10, 100};
    o.set(field::HighSecond, "11");
    EXPECT_EQ(o.tal(2), "0");
    EXPECT_FALSE(o.dlg.comKlart->isEnabled());
    o.dlg.comKlart_Click();
    EXPECT_TRUE(o.dlg.isVisible());
    EXPECT_EQ(o.dlg.operation, kAdd);
    EXPECT_EQ(modSorvinel.task_count, kSentinel);

    // Widening the range makes tasks possible again.
    o.set(field::HighFirst, "6");
    EXPECT_EQ(o.tal(2), "22");
    EXPECT_TRUE(o.dlg.comKlart->isEnabled());
}

TEST_F(EgetValTest, ADivisionNeverHandsOverADivisorOfZero) {
    Open o(kDiv);
    for (int f : {field::LowSecond, field::HighSecond}) {
        o.click(f);
        o.key(Qt::Key_0);
        o.click(f);
    }
    o.set(field::LowFirst, "0");
    o.dlg.comKlart->click();
    EXPECT_EQ(modSorvinel.selection_bounds, (std::array<int, 4>{0, 1, 10, 10}));
    EXPECT_GT(modSorvinel.possible_task_count, 0);
}

} // namespace
