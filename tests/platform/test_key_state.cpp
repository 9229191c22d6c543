// What a key release means: the first half of an auto-repeat, or the key let go.

#include "platform/key_state.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

using platform::KeyRelease;
using platform::KeyState;

struct ReleaseCase {
    bool marked;
    KeyState state;
    KeyRelease kind;
};

void PrintTo(const ReleaseCase &c, std::ostream *os) {
    *os << (c.marked ? "marked" : "unmarked") << ", key state " << int(c.state);
}

const char *state_word(KeyState state) {
    switch (state) {
    case KeyState::Down:
        return "KeyDown";
    case KeyState::Up:
        return "KeyUp";
    case KeyState::Unknown:
        break;
    }
    return "KeyUnknown";
}

class ReleaseKind : public ::testing::TestWithParam<ReleaseCase> {};

TEST_P(ReleaseKind, MarkOrKeyStillDownMakesARepeat) {
    const ReleaseCase &c = GetParam();
    EXPECT_EQ(platform::classify_release(c.marked, c.state), c.kind);
}

INSTANTIATE_TEST_SUITE_P(Releases, ReleaseKind,
                         ::testing::Values(ReleaseCase{true, KeyState::Unknown, KeyRelease::Repeat},
                                           ReleaseCase{true, KeyState::Up, KeyRelease::Repeat},
                                           ReleaseCase{true, KeyState::Down, KeyRelease::Repeat},
                                           ReleaseCase{false, KeyState::Down, KeyRelease::Repeat},
                                           ReleaseCase{false, KeyState::Up, KeyRelease::Real},
                                           ReleaseCase{false, KeyState::Unknown, KeyRelease::Real}),
                         [](const auto &info) {
                             const ReleaseCase &c = info.param;
                             return test_names::name(info.index, c.marked ? "Marked" : "Unmarked",
                                                     state_word(c.state));
                         });

// Sequences of key events through the judge: for each, whether a release held back before
// it was real, and (for a release) whether it is real itself.
struct JudgedKey {
    platform::KeyReleaseJudge::Key key;
    bool earlier_real;
    bool real;
};

platform::KeyReleaseJudge::Key press(quint32 code, quint64 time) {
    return {code, time, true, false, KeyState::Unknown};
}
platform::KeyReleaseJudge::Key release(quint32 code, quint64 time, KeyState now,
                                       bool marked = false, bool paired = false) {
    return {code, time, false, marked, now, paired};
}

struct JudgeCase {
    const char *name;
    std::vector<JudgedKey> keys;
};

void PrintTo(const JudgeCase &c, std::ostream *os) {
    *os << c.name;
}

class ReleaseJudge : public ::testing::TestWithParam<JudgeCase> {};

TEST_P(ReleaseJudge, TellsRepeatsFromRealReleases) {
    platform::KeyReleaseJudge judge;
    int i = 0;
    for (const JudgedKey &k : GetParam().keys) {
        EXPECT_EQ(judge.real_release_held_back(k.key).has_value(), k.earlier_real) << "event " << i;
        if (!k.key.press) {
            EXPECT_EQ(judge.release_is_real(k.key), k.real) << "event " << i;
        }
        ++i;
    }
}

constexpr quint32 kFive = 14, kSix = 15;
INSTANTIATE_TEST_SUITE_P(
    Sequences, ReleaseJudge,
    ::testing::Values(JudgeCase{"a tap",
                                {{press(kFive, 100), false, false},
                                 {release(kFive, 180, KeyState::Up), false, true}}},
                      JudgeCase{"a repeat Qt marked",
                                {{release(kFive, 760, KeyState::Down, true), false, false},
                                 {press(kFive, 760), false, false}}},
                      JudgeCase{"a repeat Qt missed",
                                {{release(kFive, 760, KeyState::Down), false, false},
                                 {press(kFive, 760), false, false},
                                 {release(kFive, 900, KeyState::Up), false, true}}},
                      JudgeCase{"a repeat's press within the allowance",
                                {{release(kFive, 760, KeyState::Down), false, false},
                                 {press(kFive, 770), false, false}}},
                      JudgeCase{"the key pressed again before its release was handled",
                                {{release(kFive, 160, KeyState::Down), false, false},
                                 {press(kFive, 220), true, false}}},
                      JudgeCase{"a press before the release's time is no repeat",
                                {{release(kFive, 160, KeyState::Down), false, false},
                                 {press(kFive, 150), true, false}}},
                      JudgeCase{"another key's press",
                                {{release(kFive, 160, KeyState::Down), false, false},
                                 {press(kSix, 160), true, false}}},
                      JudgeCase{"another key's release, itself real",
                                {{release(kFive, 160, KeyState::Down), false, false},
                                 {release(kSix, 170, KeyState::Up), true, true}}},
                      JudgeCase{"two held back in a row",
                                {{release(kFive, 160, KeyState::Down), false, false},
                                 {release(kSix, 170, KeyState::Down), true, false},
                                 {press(kSix, 170), false, false}}},
                      JudgeCase{"unknown times count as the same moment",
                                {{release(kFive, 0, KeyState::Down), false, false},
                                 {press(kFive, 0), false, false}}},
                      // Handled after a stall: the key is up by now, but the window
                      // system sent the key's press with the release.
                      JudgeCase{"a repeat's release with its press sent at its time",
                                {{release(kFive, 760, KeyState::Up, false, true), false, false},
                                 {press(kFive, 760), false, false},
                                 {release(kFive, 900, KeyState::Up), false, true}}},
                      JudgeCase{"only the release's time known",
                                {{release(kFive, 160, KeyState::Down), false, false},
                                 {press(kFive, 0), false, false}}},
                      JudgeCase{"only the press's time known",
                                {{release(kFive, 0, KeyState::Down), false, false},
                                 {press(kFive, 500), false, false}}},
                      JudgeCase{"no key state: Qt's flag alone",
                                {{release(kFive, 180, KeyState::Unknown), false, true},
                                 {press(kFive, 180), false, false}}}),
    [](const ::testing::TestParamInfo<JudgeCase> &info) {
        std::string name;
        for (const char *p = info.param.name; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

// The X times kept for events that Qt hands on late and without their time.
TEST(KeyTimeLog, GivesEachEventItsTimeInOrderAndSkipsWhatQtDropped) {
    platform::KeyTimeLog log;
    log.record(true, kFive, 100);
    log.record(false, kFive, 180);
    log.record(true, kSix, 200);
    log.record(false, kSix, 260);
    log.record(true, kFive, 300);
    EXPECT_EQ(log.take(true, kFive), 100u);
    // Five's release and Six's press never came through (a modal window blocked them).
    EXPECT_EQ(log.take(false, kSix), 260u);
    EXPECT_EQ(log.take(true, kSix), 0u) << "dropped on the way: forgotten";
    // An event made in-process has no time, and takes none from the log.
    EXPECT_EQ(log.take(false, kFive), 0u);
    EXPECT_EQ(log.take(true, kFive), 300u);
    EXPECT_EQ(log.take(true, kFive), 0u);

    for (quint64 t = 1; t <= platform::KeyTimeLog::kKept + 1; ++t)
        log.record(true, kFive, t);
    EXPECT_EQ(log.take(true, kFive), 2u) << "only the latest are kept";
}

// X key codes 8..255, one bit each, eight to a byte: code 14 is bit 6 of byte 1.
class KeymapBits : public ::testing::TestWithParam<quint32> {};

TEST_P(KeymapBits, EachCodeReadsItsOwnBit) {
    const quint32 code = GetParam();
    platform::XKeymap only{};
    only[code / 8] = quint8(1U << (code % 8));
    platform::XKeymap all_but;
    all_but.fill(0xFF);
    all_but[code / 8] = quint8(~(1U << (code % 8)));
    EXPECT_EQ(platform::key_state_in_keymap(only, code), KeyState::Down);
    EXPECT_EQ(platform::key_state_in_keymap(all_but, code), KeyState::Up);
    for (quint32 other : {code - 1, code + 1, code ^ 8U, code / 8}) {
        if (other >= 8 && other <= 255 && other != code) {
            EXPECT_EQ(platform::key_state_in_keymap(only, other), KeyState::Up) << other;
        }
    }
    // Codes outside the keymap: nothing to read.
    all_but.fill(0xFF);
    for (quint32 outside : {0u, 7u, 256u})
        EXPECT_EQ(platform::key_state_in_keymap(all_but, outside), KeyState::Unknown) << outside;
}

INSTANTIATE_TEST_SUITE_P(Codes, KeymapBits, ::testing::Values(8u, 14u, 255u),
                         [](const auto &info) { return "code_" + std::to_string(info.param); });

const platform::KeyId kOne{10, 49}, kZero{19, 48}, kEnter{36, 13};

// Keys by scan code where both have one, else by key code; a release naming no key frees all.
TEST(KeysDownSet, MatchesByScanCodeElseByKeyCode) {
    platform::KeysDown keys;
    keys.press(kOne);
    keys.press({0, 13});
    EXPECT_FALSE(keys.contains({87, 49})) << "the same key code on another key";
    EXPECT_TRUE(keys.contains({0, 49})) << "no scan code: the key code tells";
    EXPECT_TRUE(keys.contains(kEnter));
    keys.release({0, 0});
    EXPECT_TRUE(keys.empty());
}

TEST(KeysDownSet, ForgetsOnlyTheKeysTheWindowSystemSaysAreUp) {
    platform::set_key_state_query([](quint32 code) {
        return code == kOne.scan    ? KeyState::Up
               : code == kZero.scan ? KeyState::Down
                                    : KeyState::Unknown;
    });
    platform::KeysDown keys;
    keys.press(kOne);
    keys.press(kZero);
    keys.press(kEnter);
    keys.press({0, 50});
    const std::vector<platform::KeyId> up = keys.release_keys_up();
    platform::set_key_state_query({});
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(up[0].scan, kOne.scan);
    EXPECT_FALSE(keys.contains(kOne));
    EXPECT_TRUE(keys.contains(kZero));
    EXPECT_TRUE(keys.contains(kEnter)) << "unknown state: kept";
    EXPECT_TRUE(keys.contains({0, 50})) << "no scan code: kept";
}

TEST(KeyStateQuery, OffscreenKnowsNoKeyStateAndAScriptedOneIsAsked) {
    EXPECT_EQ(platform::key_state(14), KeyState::Unknown);
    quint32 asked = 0;
    platform::set_key_state_query([&asked](quint32 code) {
        asked = code;
        return KeyState::Down;
    });
    EXPECT_EQ(platform::key_state(38), KeyState::Down);
    EXPECT_EQ(asked, 38u);
    platform::set_key_state_query({});
    EXPECT_EQ(platform::key_state(38), KeyState::Unknown);
}

} // namespace
