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

// One event of a hold: a press or a release, marked by Qt as auto-repeat or not, what the
// window system says of the key as it is handled, and its time (ms; a repeat's release and
// press come at the same moment).
struct KeyStep {
    QEvent::Type type;
    bool marked;
    KeyState state;
    quint64 time;
};
constexpr KeyStep P(quint64 t) {
    return {QEvent::KeyPress, false, KeyState::Down, t};
}
constexpr KeyStep P_rep(quint64 t) {
    return {QEvent::KeyPress, true, KeyState::Down, t};
}
// A press handled when its key is up already (a window it opened took the release).
constexpr KeyStep P_gone(quint64 t) {
    return {QEvent::KeyPress, false, KeyState::Up, t};
}
constexpr KeyStep R_up(quint64 t) {
    return {QEvent::KeyRelease, false, KeyState::Up, t};
}
constexpr KeyStep R_rep(quint64 t) {
    return {QEvent::KeyRelease, true, KeyState::Down, t};
}
// Unmarked, and the key down as the release is handled: a repeat's, or let go and pressed
// again since.
constexpr KeyStep R_down(quint64 t) {
    return {QEvent::KeyRelease, false, KeyState::Down, t};
}
constexpr KeyStep R_unknown(quint64 t) {
    return {QEvent::KeyRelease, false, KeyState::Unknown, t};
}

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
    void send(QWidget *to, QEvent::Type type, Qt::Key key, bool marked, quint64 time = 0) {
        QKeyEvent e(type, key, Qt::NoModifier, kScanCodeFive, 0, 0, QString(), marked);
        e.setTimestamp(time);
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
        send(w, step.type, Qt::Key_5, step.marked, step.time);
    }
    EXPECT_EQ(caption(w->labTal, tal::Answer).toStdString(), std::string(c.answer));
}

INSTANTIATE_TEST_SUITE_P(
    Holds, HeldKey,
    ::testing::Values(
        HoldCase{"a tap", false, {P(100), R_up(180)}, "5_"},
        HoldCase{"two taps", false, {P(100), R_up(180), P(300), R_up(380)}, "55_"},
        HoldCase{"repeats Qt marked",
                 false,
                 {P(100), R_rep(760), P_rep(760), R_rep(800), P_rep(800), R_up(900)},
                 "5_"},
        // Qt missed the repeat: the release came unmarked while the key was still down.
        HoldCase{"a repeat Qt missed", false, {P(100), R_down(760), P(760), R_up(900)}, "5_"},
        HoldCase{
            "a repeat whose press is a little late", false, {P(100), R_down(760), P(765)}, "5_"},
        HoldCase{"missed and marked repeats",
                 false,
                 {P(100), R_down(760), P(760), R_rep(800), P_rep(800), R_down(840), P(840)},
                 "5_"},
        HoldCase{"a real release after missed repeats",
                 false,
                 {P(100), R_down(760), P(760), R_up(900), P(1000)},
                 "55_"},
        // The key let go and pressed again before its release was handled.
        HoldCase{"a quick second tap handled late",
                 false,
                 {P(100), R_down(160), P(220), R_up(300)},
                 "55_"},
        HoldCase{"a press whose release was lost", false, {P_gone(100), P(300)}, "55_"},
        // Offscreen has no key state: Qt's flag alone decides.
        HoldCase{"no key state, unmarked release", false, {P(100), R_unknown(180), P(300)}, "55_"},
        HoldCase{"no key state, marked release", false, {P(100), R_rep(760), P_rep(760)}, "5_"},
        HoldCase{"no times, a repeat Qt missed", false, {P(0), R_down(0), P(0)}, "5_"},
        HoldCase{"repetition allowed, marked repeats",
                 true,
                 {P(100), R_rep(760), P_rep(760), R_rep(800), P_rep(800)},
                 "555_"},
        HoldCase{
            "repetition allowed, a repeat Qt missed", true, {P(100), R_down(760), P(760)}, "55_"}),
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
