// A held key acts once with key repetition off, whether or not Qt marked its repeats: the
// key events go through the main window's filter as the platform delivers them, and the
// window system's key state is scripted.

#include "drill/frmBeloening.h"
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
#include <map>
#include <string>
#include <vector>

namespace {

using platform::KeyState;

// X key codes on a PC keyboard; any codes will do, the key state is scripted.
constexpr quint32 kScanCodeFive = 14;

struct KeyName {
    char name;
    Qt::Key key;
    quint32 scan;
};
constexpr KeyName kKeys[] = {{'5', Qt::Key_5, kScanCodeFive},
                             {'1', Qt::Key_1, 10},
                             {'0', Qt::Key_0, 19},
                             {'7', Qt::Key_7, 16},
                             {'E', Qt::Key_Return, 36},
                             // A remapping tool's release: the scan code, no key code.
                             {'?', Qt::Key_unknown, kScanCodeFive}};
const KeyName &key_named(char name) {
    for (const KeyName &k : kKeys)
        if (k.name == name)
            return k;
    return kKeys[0];
}

// One event of a hold: a press or a release as Qt hands it on, marked as auto-repeat or
// not, what the window system says of the key as it is handled, and its time (ms; a repeat's
// release and press come at the same moment, 0 when Qt lost it). An X step only records
// what the window system sent, as the program keeps it before Qt hands the events on.
struct KeyStep {
    QEvent::Type type;
    bool marked;
    KeyState state;
    quint64 time;
    char key = '5';
    bool x_only = false;
};
constexpr KeyStep P(quint64 t, char k = '5') {
    return {QEvent::KeyPress, false, KeyState::Down, t, k};
}
constexpr KeyStep P_rep(quint64 t) {
    return {QEvent::KeyPress, true, KeyState::Down, t};
}
// A press handled when its key is up already: let go since, the release on its way.
constexpr KeyStep P_gone(quint64 t) {
    return {QEvent::KeyPress, false, KeyState::Up, t};
}
constexpr KeyStep R_up(quint64 t, char k = '5') {
    return {QEvent::KeyRelease, false, KeyState::Up, t, k};
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
constexpr KeyStep XP(quint64 t) {
    return {QEvent::KeyPress, false, KeyState::Unknown, t, '5', true};
}
constexpr KeyStep XR(quint64 t) {
    return {QEvent::KeyRelease, false, KeyState::Unknown, t, '5', true};
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

// The key state the window system reports is set per key by the steps.
class KeyStateRoad : public DrillRoad {
protected:
    void SetUp() override {
        DrillRoad::SetUp();
        platform::kept_key_times() = platform::KeyTimeLog();
        platform::set_key_state_query([this](quint32 code) {
            const auto it = states.find(code);
            return it == states.end() ? KeyState::Unknown : it->second;
        });
    }
    void TearDown() override {
        platform::set_key_state_query({});
        platform::kept_key_times() = platform::KeyTimeLog();
        DrillRoad::TearDown();
    }
    void send(QWidget *to, QEvent::Type type, Qt::Key key, bool marked, quint64 time = 0,
              quint32 scan = kScanCodeFive) {
        QKeyEvent e(type, key, Qt::NoModifier, scan, 0, 0, QString(), marked);
        e.setTimestamp(time);
        QApplication::sendEvent(to, &e);
    }
    void step(const KeyStep &s) {
        const KeyName &k = key_named(s.key);
        if (s.x_only) {
            platform::kept_key_times().record(s.type == QEvent::KeyPress, k.scan, s.time);
            return;
        }
        states[k.scan] = s.state;
        // The window on top gets the keys, as the window system sends them there.
        QWidget *modal = QApplication::activeModalWidget();
        send(modal ? modal : w, s.type, k.key, s.marked, s.time, k.scan);
    }
    void set_state(KeyState s) { states[kScanCodeFive] = s; }
    std::map<quint32, KeyState> states;
};

class HeldKey : public KeyStateRoad, public ::testing::WithParamInterface<HoldCase> {};

TEST_P(HeldKey, TypesAsOftenAsTheKeyWentDown) {
    const HoldCase &c = GetParam();
    start_drill(Operation::Addition, {{2, 3, "+"}, {4, 3, "+"}});
    modSorvinel.key_repeat_blocked = !c.repetition_allowed;
    for (const KeyStep &s : c.steps)
        step(s);
    // An answer taken shows the next task with nothing typed.
    const bool taken = caption(w->labTal, tal::First) == "4";
    const QString answer = caption(w->labTal, tal::Answer);
    EXPECT_EQ((taken ? "taken " : "") + answer.toStdString(), std::string(c.answer));
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
        // The release is on its way behind the press's repeats (the program stalled).
        HoldCase{"a press handled when its key is up already", false, {P_gone(100), P(300)}, "5_"},
        // Offscreen has no key state: Qt's flag alone decides.
        HoldCase{"no key state, unmarked release", false, {P(100), R_unknown(180), P(300)}, "55_"},
        HoldCase{"no key state, marked release", false, {P(100), R_rep(760), P_rep(760)}, "5_"},
        HoldCase{"no times, a repeat Qt missed", false, {P(0), R_down(0), P(0)}, "5_"},
        // A held key that sends presses only (XKB's detectable auto-repeat).
        HoldCase{
            "repeats as presses only", false, {P(100), P(760), P(800), P(840), R_up(900)}, "5_"},
        // Handled after a stall, without their times (the accessibility bridge), when the
        // key is up already: the window system sent each release with its repeat's press.
        HoldCase{"repeats handled after a stall",
                 false,
                 {P(100), XP(100), XR(760), XP(760), XR(800), XP(800), XR(900), R_up(0), P(0),
                  R_up(0), P(0), R_up(0)},
                 "5_"},
        // Rolling from key to key: the next goes down before the last is let go.
        HoldCase{"rolled digits",
                 false,
                 {P(100, '1'), P(180, '0'), R_up(210, '1'), R_up(300, '0')},
                 "10_"},
        HoldCase{"another key while one repeats",
                 false,
                 {P(100, '1'), P(760, '1'), P(800, '0'), P(1300, '0'), R_up(1320, '1'),
                  P(1340, '0'), R_up(1400, '0')},
                 "10_"},
        HoldCase{"Enter before the last digit is let go",
                 false,
                 {P(100, '5'), P(180, 'E'), R_up(210, '5'), R_up(260, 'E')},
                 "taken _"},
        HoldCase{"a held Enter answers once",
                 false,
                 {P(100, '5'), R_up(150, '5'), P(200, 'E'), P(860, 'E'), P(900, 'E'), P(940, '7'),
                  R_up(960, '7'), P(980, 'E')},
                 "taken 7_"},
        // A remapping tool let the key go without its key code.
        HoldCase{"a release without key code frees the key",
                 false,
                 {P(100), R_up(180, '?'), P(300)},
                 "55_"},
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
    set_state(KeyState::Down);
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
    set_state(KeyState::Up);
    send(&m, QEvent::KeyRelease, Qt::Key_Escape, false);
    EXPECT_TRUE(m.keys_armed);
    send(&m, QEvent::KeyPress, Qt::Key_Escape, false);
    EXPECT_FALSE(m.isVisible());
    EXPECT_TRUE(modSorvinel.message_go_on);
}

// Enter that ends an error-free drill, held into the reward or the celebration: a held key
// that sends presses only (no releases in between) must not close the window; Enter let go
// and pressed again does.
class HeldIntoReward : public KeyStateRoad, public ::testing::WithParamInterface<int> {};

TEST_P(HeldIntoReward, RepeatsThatComeAsPressesDoNotCloseIt) {
    modSorvinel.reward_type = GetParam();
    modSorvinel.reward_min_tasks = 1;
    start_drill(Operation::Addition, {{2, 3, "+"}});
    bool open_after_repeats = false;
    bool closed_by_fresh_press = false;
    fixture.modal.start(once_settled([&](QWidget *modal) {
        auto *dialog = qobject_cast<QDialog *>(modal);
        if (!dialog)
            return false;
        if (auto *rings = qobject_cast<frmBeloening *>(modal)) {
            rings->timBel_Timer();
            rings->timRub_Timer();
        }
        for (quint64 t = 860; t <= 1020; t += 40)
            step(P(t, 'E'));
        open_after_repeats = dialog->isVisible();
        step(R_up(1100, 'E'));
        step(P(1300, 'E'));
        closed_by_fresh_press = !dialog->isVisible();
        if (!closed_by_fresh_press)
            dialog->done(QDialog::Rejected);
        return true;
    }));
    step(P(100, '5'));
    step(R_up(150, '5'));
    // Sent to the main window; the window that opens gets the rest.
    states[key_named('E').scan] = KeyState::Down;
    send(w, QEvent::KeyPress, Qt::Key_Return, false, 200, key_named('E').scan);
    EXPECT_TRUE(open_after_repeats);
    EXPECT_TRUE(closed_by_fresh_press);
}

INSTANTIATE_TEST_SUITE_P(RewardType, HeldIntoReward, ::testing::Values(0, 1), [](const auto &info) {
    return std::string(info.param == 0 ? "Rings" : "Celebration");
});

// A notice opened by Enter and closed with the mouse: Qt dropped Enter's release while the
// notice was up, so only the key state tells that Enter is no longer held. Where the state
// is unknown, Enter stays held: its repeats would open the file again.
class NoticeOpenedByEnter : public KeyStateRoad, public ::testing::WithParamInterface<KeyState> {};

TEST_P(NoticeOpenedByEnter, EnterIsHeldAfterItOnlyWhileNotKnownUp) {
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
        set_state(GetParam()); // Enter let go while the notice was up, or nobody knows
        QTest::mouseClick(box->defaultButton(), Qt::LeftButton);
        clicked = true;
        return true;
    }));
    set_state(KeyState::Down);
    send(w, QEvent::KeyPress, Qt::Key_Return, false);
    ASSERT_TRUE(clicked);
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    const bool up = GetParam() == KeyState::Up;
    EXPECT_EQ(w->key_held.contains({kScanCodeFive, vb::key::Return}), !up);
    // The next keys, each its own key.
    step(P(1000, '1'));
    step(R_up(1050, '1'));
    step(P(1100, '7'));
    step(R_up(1150, '7'));
    EXPECT_EQ(caption(w->labTal, tal::Answer), QStringLiteral("17_"));
}

INSTANTIATE_TEST_SUITE_P(EnterState, NoticeOpenedByEnter,
                         ::testing::Values(KeyState::Up, KeyState::Unknown), [](const auto &info) {
                             return std::string(info.param == KeyState::Up ? "Up" : "Unknown");
                         });

} // namespace
