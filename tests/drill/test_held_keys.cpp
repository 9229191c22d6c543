// A held key acts once with key repetition off, whether or not Qt marked its repeats: the
// key events go through the main window's filter as the platform delivers them, and the
// window system's key state is scripted.

#include "drill/frmMeddelande.h"
#include "drill/frmSorvinel_elements.h"
#include "platform/key_state.h"
#include "support/files.h"
#include "test_drill_road_fixture.h"

#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

using platform::KeyState;

// The X key code of "5" on a PC keyboard; any code will do, the query is scripted.
constexpr quint32 kScanCodeFive = 14;

// One event of a hold: a press or a release, marked by Qt as auto-repeat or not, and for a
// release what the window system says of the key as it arrives.
struct KeyStep {
    QEvent::Type type;
    bool marked;
    KeyState state;
};
constexpr KeyStep P{QEvent::KeyPress, false, KeyState::Down};
constexpr KeyStep P_rep{QEvent::KeyPress, true, KeyState::Down};
// A press handled when its key is up already (a window it opened took the release).
constexpr KeyStep P_gone{QEvent::KeyPress, false, KeyState::Up};
constexpr KeyStep R_up{QEvent::KeyRelease, false, KeyState::Up};
constexpr KeyStep R_rep{QEvent::KeyRelease, true, KeyState::Down};
constexpr KeyStep R_down{QEvent::KeyRelease, false, KeyState::Down};
constexpr KeyStep R_unknown{QEvent::KeyRelease, false, KeyState::Unknown};

struct HoldCase {
    const char *name;
    bool repetition_allowed;
    std::vector<KeyStep> steps;
    const char *answer;
};

void PrintTo(const HoldCase &c, std::ostream *os) {
    *os << c.name;
}

// The key state the window system reports is `state`, for the key of "5" only.
class KeyStateRoad : public DrillRoad {
protected:
    void SetUp() override {
        DrillRoad::SetUp();
        platform::set_key_state_query(
            [this](quint32 code) { return code == kScanCodeFive ? state : KeyState::Unknown; });
    }
    void TearDown() override {
        platform::set_key_state_query({});
        DrillRoad::TearDown();
    }
    void send(QWidget *to, QEvent::Type type, Qt::Key key, bool marked) {
        QKeyEvent e(type, key, Qt::NoModifier, kScanCodeFive, 0, 0, QString(), marked);
        QApplication::sendEvent(to, &e);
    }
    KeyState state = KeyState::Unknown;
};

class HeldKey : public KeyStateRoad, public ::testing::WithParamInterface<HoldCase> {};

TEST_P(HeldKey, TypesAsOftenAsTheKeyWentDown) {
    const HoldCase &c = GetParam();
    start_drill(Operation::Addition, {{2, 3, "+"}});
    modSorvinel.key_repeat_blocked = !c.repetition_allowed;
    for (const KeyStep &step : c.steps) {
        state = step.state;
        send(w, step.type, Qt::Key_5, step.marked);
    }
    EXPECT_EQ(caption(w->labTal, tal::Answer).toStdString(), std::string(c.answer));
}

INSTANTIATE_TEST_SUITE_P(
    Holds, HeldKey,
    ::testing::Values(
        HoldCase{"a tap", false, {P, R_up}, "5_"},
        HoldCase{"two taps", false, {P, R_up, P, R_up}, "55_"},
        HoldCase{"repeats Qt marked", false, {P, R_rep, P_rep, R_rep, P_rep, R_up}, "5_"},
        // Qt missed the repeat: the release came unmarked while the key was still down.
        HoldCase{"a repeat Qt missed", false, {P, R_down, P, R_up}, "5_"},
        HoldCase{"missed and marked repeats", false, {P, R_down, P, R_rep, P_rep, R_down, P}, "5_"},
        HoldCase{"a real release after missed repeats", false, {P, R_down, P, R_up, P}, "55_"},
        HoldCase{"a press whose release was lost", false, {P_gone, P}, "55_"},
        // Offscreen has no key state: Qt's flag alone decides.
        HoldCase{"no key state, unmarked release", false, {P, R_unknown, P}, "55_"},
        HoldCase{"no key state, marked release", false, {P, R_rep, P_rep}, "5_"},
        HoldCase{
            "repetition allowed, marked repeats", true, {P, R_rep, P_rep, R_rep, P_rep}, "555_"},
        HoldCase{"repetition allowed, a repeat Qt missed", true, {P, R_down, P}, "55_"}),
    [](const ::testing::TestParamInfo<HoldCase> &info) {
        std::string name;
        for (const char *p = info.param.name; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

// The pause message opened by a held Esc: repeats Qt missed neither arm nor close it.
TEST_F(KeyStateRoad, HeldEscapeKeepsThePauseOpenThroughMissedRepeats) {
    state = KeyState::Down;
    modSorvinel.message_text = QStringLiteral("Vänta för att återgå!");
    modSorvinel.message_kind = MessageKind::Pause;
    frmMeddelande m(w);
    m.show();
    for (int i = 0; i < 3; ++i) {
        send(&m, QEvent::KeyRelease, Qt::Key_Escape, false);
        send(&m, QEvent::KeyPress, Qt::Key_Escape, false);
    }
    EXPECT_TRUE(m.isVisible());
    EXPECT_FALSE(m.keys_armed);
    state = KeyState::Up;
    send(&m, QEvent::KeyRelease, Qt::Key_Escape, false);
    EXPECT_TRUE(m.keys_armed);
    send(&m, QEvent::KeyPress, Qt::Key_Escape, false);
    EXPECT_FALSE(m.isVisible());
    EXPECT_TRUE(modSorvinel.message_go_on);
}

// A notice opened by Enter and closed with the mouse: Qt dropped Enter's release while the
// notice was up, so only the key state tells that Enter is no longer held.
TEST_F(KeyStateRoad, FirstKeyAfterAMouseClosedNoticeReachesTheDrill) {
    const QString folder = fixture.home.path("övningar");
    QDir().mkpath(folder);
    QByteArray many;
    for (int i = 0; i < 1005; ++i)
        many += "5 + 7 =\r\n";
    put_file(folder + "/stor.add", many);
    modSorvinel.exercise_folder = folder;
    modSorvinel.current_operation = Operation::Addition;
    w->show_exercise_list();
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::FileList);

    bool clicked = false;
    fixture.modal.start(once_settled([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return false;
        state = KeyState::Up; // Enter let go while the notice was up
        QTest::mouseClick(box->defaultButton(), Qt::LeftButton);
        clicked = true;
        return true;
    }));
    state = KeyState::Down;
    send(w, QEvent::KeyPress, Qt::Key_Return, false);
    ASSERT_TRUE(clicked);
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    for (Qt::Key digit : {Qt::Key_1, Qt::Key_2}) {
        send(w, QEvent::KeyPress, digit, false);
        send(w, QEvent::KeyRelease, digit, false);
    }
    EXPECT_EQ(caption(w->labTal, tal::Answer), QStringLiteral("12_"));
}

} // namespace
