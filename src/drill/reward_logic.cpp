#include "drill/reward_logic.h"
#include "shared/modSorvinel.h"
#include "shared/settings_keys.h"

#include <array>
#include <cmath>

namespace reward {

namespace {
constexpr std::array<unsigned, kPaletteSize> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr std::array<SettingId, 5> kRecordKeys = {SettingId::Record0, SettingId::Record1,
                                                  SettingId::Record2, SettingId::Record3,
                                                  SettingId::Record4};
// The arcs are computed with this rounded value of pi, which shapes how far they reach.
constexpr double kArcPi = 3.14;
} // namespace

bool is_new_record(long stored_seconds, long elapsed_seconds) {
    return stored_seconds == 0 || elapsed_seconds < stored_seconds;
}

RecordOutcome store_record_if_better(ModSorvinel &m) {
    RecordOutcome outcome;
    if (!m.record_drill_active)
        return outcome;
    auto &stored = m.record_times[std::size_t(index_of(m.current_operation))];
    if (!is_new_record(stored, m.drill_elapsed_seconds))
        return outcome;
    stored = m.drill_elapsed_seconds;
    outcome.new_record = true;
    const SettingKey &k = setting_key(kRecordKeys[std::size_t(index_of(m.current_operation))]);
    // The record counts for this run even when the file cannot keep it.
    outcome.saved = m.save_setting(section_of(k), key_of(k), written_number(stored)) || !m.store;
    return outcome;
}

unsigned palette_colour(int index) {
    if (index < 0 || index >= kPaletteSize)
        return kPalette[0];
    return kPalette[std::size_t(index)];
}

RingColours ring_colours(bool new_record) {
    if (new_record)
        return {Palette::Yellow, Palette::Yellow, Palette::LightYellow};
    return {Palette::Blue, Palette::Blue, Palette::LightBlue};
}

int next_ring_colour(int current, int a, int b) {
    return current == b ? a : b;
}

int outer_radius(double centre_x, double centre_y) {
    return int(std::floor(std::sqrt(centre_x * centre_x + centre_y * centre_y)));
}

int inner_radius(double picture_width, double picture_height) {
    const double half_diagonal =
        std::sqrt(picture_width * picture_width + picture_height * picture_height) / 2;
    return int(std::floor(half_diagonal)) + kDiscMargin;
}

int flicker_step(FlickerState &s, const RandomSource &rnd) {
    ++s.ticks;
    s.colour_last = s.colour_last == s.colour_a ? s.colour_b : s.colour_a;
    if (s.ticks > kTicksPerColourPair) {
        s.ticks = 0;
        s.colour_a = int(std::floor(rnd() * kDarkColours));
        s.colour_last = s.colour_a;
        s.colour_b = s.colour_a + kDarkColours;
        return 1;
    }
    if (s.ticks > kSteadyTicks)
        return int(std::floor(std::sqrt(double(s.ticks)) * rnd())) + 1;
    return 1;
}

void place_sprites(Sprite &first, Sprite &second, const Stage &stage) {
    first.x = 0;
    second.x = stage.width - second.width - kEdgeMargin;
    first.mid_y = stage.height / 2 - first.height / 2;
    second.mid_y = stage.height / 2 - second.height / 2;
    first.y = first.mid_y;
    second.y = second.mid_y;
    first.rightward = true;
    second.rightward = false;
    first.arc_up = true;
    second.arc_up = true;
}

double arc_length_for(double screen_width_twips, double twips_per_pixel_x) {
    constexpr double kPixelsPerScreen = 8;
    return screen_width_twips * kPixelsPerScreen / twips_per_pixel_x;
}

namespace {
void step_along(Sprite &s, const Stage &stage, double random) {
    const double stride = kStepBase + kStepBase * random;
    s.x += s.rightward ? stride : -stride;
    double theta = s.x * kArcPi / stage.arc_length;
    if (!s.arc_up)
        theta += kArcPi;
    s.y = s.mid_y - ((stage.height - s.height) / 2) * std::sin(theta);
}

void turn_at_edges(Sprite &s, const Stage &stage) {
    if (s.x > stage.width - s.width - kEdgeMargin) {
        s.rightward = false;
    } else if (s.x < kEdgeMargin) {
        s.rightward = true;
        s.arc_up = !s.arc_up;
    }
}

void bounce(Sprite &s, double random) {
    s.rightward = !s.rightward;
    const double jump = kBounceBase + kBounceBase * random;
    s.x += s.rightward ? jump : -jump;
}

bool overlap_on_axis(double p, double q, double extent_p, double extent_q) {
    return (p > q && p - q < extent_q) || (p < q && q - p < extent_p);
}
} // namespace

void move_sprites(Sprite &first, Sprite &second, const Stage &stage, const RandomSource &rnd) {
    const double r1 = rnd();
    const double r2 = rnd();
    step_along(first, stage, r1);
    step_along(second, stage, r2);
}

bool sprites_overlap(const Sprite &first, const Sprite &second) {
    return overlap_on_axis(first.y, second.y, first.height, second.height) &&
           overlap_on_axis(first.x, second.x, first.width, second.width);
}

void turn_sprites(Sprite &first, Sprite &second, const Stage &stage, const RandomSource &rnd) {
    turn_at_edges(first, stage);
    turn_at_edges(second, stage);
    if (!sprites_overlap(first, second))
        return;
    const double r1 = rnd();
    const double r2 = rnd();
    bounce(first, r1);
    bounce(second, r2);
}

} // namespace reward
