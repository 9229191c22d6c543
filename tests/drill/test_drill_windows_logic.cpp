// The rules behind the reward and celebration windows: records, ring colours and radii, the
// flicker step and the gliding sprites.

#include "drill/reward_logic.h"
#include "platform/settings_store.h"
#include "shared/modSorvinel.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>

namespace {

using reward::Sprite;
using reward::Stage;

// Scripted random numbers; 0.5 once the script has run dry.
struct Script {
    explicit Script(std::deque<double> v) : values(std::move(v)) {}
    double operator()() {
        if (values.empty())
            return 0.5;
        const double v = values.front();
        values.pop_front();
        return v;
    }
    std::deque<double> values;
};

reward::RandomSource script(std::deque<double> v) {
    auto s = std::make_shared<Script>(std::move(v));
    return [s] { return (*s)(); };
}

TEST(RecordDecision, SetWhenEmptyOrStrictlyLower) {
    struct Case {
        long stored, elapsed;
        bool record;
    } const cases[] = {
        {0, 75, true},   {0, 0, true},    {80, 75, true},
        {75, 75, false}, {70, 75, false}, {1, 2, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(reward::is_new_record(c.stored, c.elapsed), c.record)
            << c.stored << " " << c.elapsed;
}

class RecordStore : public ::testing::Test {
protected:
    void SetUp() override {
        modSorvinel.reset();
        modSorvinel.store = &home.store();
        modSorvinel.record_drill_active = true;
        modSorvinel.current_operation = Operation::Multiplikation;
    }
    void TearDown() override { modSorvinel.store = nullptr; }
    QString stored(Operation slot) const {
        return modSorvinel.get_setting("Special", QString("Rekord%1").arg(index_of(slot)), "none");
    }
    TempHome home;
};

TEST_F(RecordStore, NewRecordIsKeptAndWrittenAtOnce) {
    modSorvinel.record_times = {10, 20, 0, 40, 50};
    modSorvinel.drill_elapsed_seconds = 95;
    EXPECT_TRUE(reward::store_record_if_better(modSorvinel).new_record);
    EXPECT_EQ(modSorvinel.record_times[index_of(Operation::Multiplikation)], 95);
    EXPECT_EQ(stored(Operation::Multiplikation), "95");
    // Other slots are neither changed nor written.
    EXPECT_EQ(modSorvinel.record_times[index_of(Operation::Addition)], 10);
    EXPECT_EQ(stored(Operation::Addition), "none");

    // The store itself holds it, not only the shared module.
    SettingsStore reread(home.store().filePath());
    EXPECT_EQ(reread.GetSetting("Special", "Rekord2", ""), "95");

    modSorvinel.drill_elapsed_seconds = 94;
    EXPECT_TRUE(reward::store_record_if_better(modSorvinel).new_record);
    EXPECT_EQ(stored(Operation::Multiplikation), "94");
}

TEST_F(RecordStore, EqualOrSlowerTimeChangesNothing) {
    modSorvinel.record_times = {0, 0, 90, 0, 0};
    for (long t : {90L, 91L, 3000L}) {
        modSorvinel.drill_elapsed_seconds = t;
        EXPECT_FALSE(reward::store_record_if_better(modSorvinel).new_record) << t;
        EXPECT_EQ(modSorvinel.record_times[index_of(Operation::Multiplikation)], 90);
        EXPECT_EQ(stored(Operation::Multiplikation), "none");
    }
}

TEST_F(RecordStore, NotKeptWhenRecordKeepingIsOff) {
    modSorvinel.record_drill_active = false;
    modSorvinel.drill_elapsed_seconds = 30;
    EXPECT_FALSE(reward::store_record_if_better(modSorvinel).new_record);
    EXPECT_EQ(modSorvinel.record_times[index_of(Operation::Multiplikation)], 0);
    EXPECT_EQ(stored(Operation::Multiplikation), "none");
}

TEST(RingColours, YellowForARecordBlueOtherwise) {
    const reward::RingColours record = reward::ring_colours(true);
    EXPECT_EQ(reward::palette_colour(record.background), 0x008080u);
    EXPECT_EQ(reward::palette_colour(record.a), 0x008080u);
    EXPECT_EQ(reward::palette_colour(record.b), 0x00FFFFu);
    const reward::RingColours normal = reward::ring_colours(false);
    EXPECT_EQ(reward::palette_colour(normal.background), 0x800000u);
    EXPECT_EQ(reward::palette_colour(normal.a), 0x800000u);
    EXPECT_EQ(reward::palette_colour(normal.b), 0xFF0000u);
}

TEST(RingColours, PaletteDarkAndLightPairs) {
    // Every dark colour's light counterpart is 8 further on.
    EXPECT_EQ(reward::palette_colour(0), 0x000000u);
    EXPECT_EQ(reward::palette_colour(7), 0xC0C0C0u);
    EXPECT_EQ(reward::palette_colour(8), 0x808080u);
    EXPECT_EQ(reward::palette_colour(12), 0x0000FFu);
    EXPECT_EQ(reward::palette_colour(15), 0xFFFFFFu);
    EXPECT_EQ(reward::palette_colour(16), 0x000000u);
}

TEST(RingColours, RingsAlternateStartingWithB) {
    int c = 1;
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        c = reward::next_ring_colour(c, 1, 9);
        seen.push_back(c);
    }
    EXPECT_EQ(seen, (std::vector<int>{9, 1, 9, 1}));
    // A colour of an older pair counts as "not b": the next ring takes b.
    EXPECT_EQ(reward::next_ring_colour(4, 1, 9), 9);
}

TEST(RingGeometry, Radii) {
    EXPECT_EQ(reward::outer_radius(3, 4), 5);
    EXPECT_EQ(reward::outer_radius(1024.0 / 3 / 2, 768.0 / 3 / 2), 213); // 1024 x 768, 3 px units
    EXPECT_EQ(reward::outer_radius(0, 0), 0);
    EXPECT_EQ(reward::inner_radius(160, 160), 113 + reward::kDiscMargin);
    EXPECT_EQ(reward::inner_radius(6, 8), 5 + reward::kDiscMargin);
}

TEST(Flicker, StepsOneAtFirstThenGrowsUpToTen) {
    reward::FlickerState s;
    for (int tick = 1; tick <= reward::kSteadyTicks; ++tick)
        EXPECT_EQ(reward::flicker_step(s, script({0.99})), 1) << tick;
    // Tick 9: Int(sqrt(9) * rnd) + 1.
    EXPECT_EQ(reward::flicker_step(s, script({0.99})), 3);
    EXPECT_EQ(reward::flicker_step(s, script({0.0})), 1);
    s.ticks = reward::kTicksPerColourPair - 1;
    EXPECT_EQ(reward::flicker_step(s, script({0.9999})), 10);
}

TEST(Flicker, StartingColourTurnsEveryTick) {
    reward::FlickerState s{0, 1, 9, 1};
    reward::flicker_step(s, script({}));
    EXPECT_EQ(s.colour_last, 9);
    reward::flicker_step(s, script({}));
    EXPECT_EQ(s.colour_last, 1);
}

TEST(Flicker, After101TicksANewDarkAndLightPair) {
    reward::FlickerState s{reward::kTicksPerColourPair, 1, 9, 1};
    EXPECT_EQ(reward::flicker_step(s, script({0.5})), 1);
    EXPECT_EQ(s.ticks, 0);
    EXPECT_EQ(s.colour_a, 4);
    EXPECT_EQ(s.colour_b, 12);
    EXPECT_EQ(s.colour_last, 4);
    // The pair stays for the next 100 ticks.
    for (int i = 0; i < reward::kTicksPerColourPair; ++i)
        reward::flicker_step(s, script({0.9}));
    EXPECT_EQ(s.colour_a, 4);
    reward::flicker_step(s, script({0.99}));
    EXPECT_EQ(s.colour_a, 7);
    EXPECT_EQ(s.colour_b, 15);
}

class Sprites : public ::testing::Test {
protected:
    void SetUp() override {
        stage = {15360, 11520, reward::arc_length_for(15360, 15)};
        a.width = 262 * 15;
        a.height = 62 * 15;
        b.width = 349 * 15;
        b.height = 72 * 15;
        reward::place_sprites(a, b, stage);
    }
    Stage stage;
    Sprite a, b;
};

TEST_F(Sprites, StartAtTheEdgesOnTheUpperArc) {
    EXPECT_DOUBLE_EQ(stage.arc_length, 8 * 1024);
    EXPECT_EQ(a.x, 0);
    EXPECT_EQ(b.x, 15360 - 349 * 15 - 16);
    EXPECT_EQ(a.mid_y, 11520 / 2 - 62 * 15 / 2);
    EXPECT_TRUE(a.rightward);
    EXPECT_FALSE(b.rightward);
    EXPECT_TRUE(a.arc_up && b.arc_up);
}

TEST_F(Sprites, StrideAndHeightOnTheArc) {
    reward::move_sprites(a, b, stage, script({0.0, 0.5}));
    EXPECT_DOUBLE_EQ(a.x, 8);
    EXPECT_DOUBLE_EQ(b.x, 15360 - 349 * 15 - 16 - 12);
    const double theta = 8 * 3.14 / stage.arc_length;
    EXPECT_NEAR(a.y, a.mid_y - (11520 - a.height) / 2 * std::sin(theta), 1e-9);

    // At half an arc the sprite touches the top edge; on the mirror arc the bottom edge.
    Sprite top = a;
    top.x = stage.arc_length / 2 - 8;
    Sprite bottom = top;
    bottom.arc_up = false;
    Sprite other = b;
    reward::move_sprites(top, other, stage, script({0.0, 0.0}));
    EXPECT_NEAR(top.y, 0, 1);
    reward::move_sprites(bottom, other, stage, script({0.0, 0.0}));
    EXPECT_NEAR(bottom.y + bottom.height, stage.height, 1);
}

TEST_F(Sprites, LeftEdgeSwitchesArcRightEdgeKeepsIt) {
    b.x = 5000;
    a.x = 10;
    a.rightward = false;
    reward::turn_sprites(a, b, stage, script({}));
    EXPECT_TRUE(a.rightward);
    EXPECT_FALSE(a.arc_up);

    a.x = stage.width - a.width - 15;
    a.rightward = true;
    reward::turn_sprites(a, b, stage, script({}));
    EXPECT_FALSE(a.rightward);
    EXPECT_FALSE(a.arc_up);
}

TEST_F(Sprites, HeadOnSpritesTurnBackAndSeparate) {
    a.x = 6000;
    a.y = 5000;
    b.x = 6000 + a.width - 100;
    b.y = 5000 + 10;
    ASSERT_TRUE(reward::sprites_overlap(a, b));
    const double ax = a.x, bx = b.x;
    reward::turn_sprites(a, b, stage, script({0.0, 1.0}));
    EXPECT_FALSE(a.rightward);
    EXPECT_TRUE(b.rightward);
    EXPECT_DOUBLE_EQ(ax - a.x, 16);
    EXPECT_DOUBLE_EQ(b.x - bx, 32);
}

TEST(SpriteOverlap, StrictOnBothAxes) {
    Sprite a, b;
    a.width = 100;
    a.height = 50;
    b.width = 200;
    b.height = 80;
    struct Case {
        double ax, ay, bx, by;
        bool overlap;
    } const cases[] = {
        {0, 0, 99, 49, true},   // inside a's extent
        {0, 0, 100, 10, false}, // b starts where a ends
        {0, 0, 10, 50, false},  // below a
        {150, 70, 0, 0, true},  // a inside b's extent
        {200, 10, 0, 0, false}, // right of b
        {50, 0, 50, 10, false}, // same x: no overlap on that axis
        {0, 20, 30, 20, false}, // same y
    };
    for (const Case &c : cases) {
        a.x = c.ax;
        a.y = c.ay;
        b.x = c.bx;
        b.y = c.by;
        EXPECT_EQ(reward::sprites_overlap(a, b), c.overlap)
            << c.ax << "," << c.ay << " / " << c.bx << "," << c.by;
    }
}

} // namespace
