// What a key release means: the first half of an auto-repeat, or the key let go.

#include "platform/key_state.h"

#include <gtest/gtest.h>

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
                                           ReleaseCase{false, KeyState::Unknown,
                                                       KeyRelease::Real}));

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
