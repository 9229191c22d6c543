#pragma once
// The rules behind the reward and celebration windows, without widgets: when a drill sets a
// record, the colours and radii of the reward rings, the flicker step, and the movement of
// the two gliding pictures of the celebration. The windows only draw what these say.

#include <functional>

class ModSorvinel;

namespace reward {

// A uniform random number in [0, 1), handed in so tests can script it.
using RandomSource = std::function<double()>;

// --- records ---------------------------------------------------------------------------

// A time beats the stored record when no record is set (0) or it is strictly lower.
bool is_new_record(long stored_seconds, long elapsed_seconds);
struct RecordOutcome {
    bool new_record = false; // the drill set a record
    bool saved = true;       // false: the record holds for this run only
};
// When the finished drill may set a record and beats the one of its operation: the record
// takes the drill's time and is written to the store at once.
RecordOutcome store_record_if_better(ModSorvinel &m);

// --- colours ---------------------------------------------------------------------------

// The 16 colours of the classic palette as OLE colours (&HBBGGRR); 0..7 dark, 8..15 light.
constexpr int kPaletteSize = 16;
constexpr int kDarkColours = 8;
unsigned palette_colour(int index);

namespace Palette {
constexpr int Blue = 1;
constexpr int Yellow = 6;
constexpr int LightBlue = 9;
constexpr int LightYellow = 14;
} // namespace Palette

struct RingColours {
    int background = Palette::Blue; // palette index of the window
    int a = Palette::Blue;
    int b = Palette::LightBlue;
};
// Yellow rings for a new record, blue ones otherwise.
RingColours ring_colours(bool new_record);
// The colour of the next ring: b after a, a after anything else.
int next_ring_colour(int current, int a, int b);

// --- ring geometry (in ring units) ---------------------------------------------------

// Distance from the centre to a corner, whole units rounded down.
int outer_radius(double centre_x, double centre_y);
// Radius of the cleared disc round a picture of w x h units: half its diagonal, rounded
// down, and a margin.
constexpr int kDiscMargin = 32;
int inner_radius(double picture_width, double picture_height);

// --- flicker ---------------------------------------------------------------------------

// After this many ticks the rings take a new random colour pair.
constexpr int kTicksPerColourPair = 100;
// Below this many ticks the rings step one unit at a time.
constexpr int kSteadyTicks = 8;

struct FlickerState {
    int ticks = 0;
    int colour_a = Palette::Blue;
    int colour_b = Palette::LightBlue;
    int colour_last = Palette::Blue;
};
// One flicker tick: counts it, turns the starting colour, maybe picks a new pair, and
// returns the step between the redrawn rings (1 and up).
int flicker_step(FlickerState &s, const RandomSource &rnd);

// --- celebration sprites (twips) ------------------------------------------------------

struct Sprite {
    double x = 0;
    double y = 0;
    double mid_y = 0;
    double width = 0;
    double height = 0;
    bool rightward = true;
    bool arc_up = true;
};

struct Stage {
    double width = 0; // the screen, twips
    double height = 0;
    double arc_length = 0; // half a period of the arcs, twips
};

// A sprite keeps this far from the left and right edges.
constexpr double kEdgeMargin = 16;
// The stride of one tick: kStepBase + kStepBase * rnd twips.
constexpr double kStepBase = 8;
// The jump apart after a collision: kBounceBase + kBounceBase * rnd twips.
constexpr double kBounceBase = 16;

// The two sprites at the start: the first at the left edge going right, the second at the
// right edge going left, both on the upper arc round the middle of the screen.
void place_sprites(Sprite &first, Sprite &second, const Stage &stage);
// Half a period of the arcs: eight times the screen width in pixels, used as twips.
double arc_length_for(double screen_width_twips, double twips_per_pixel_x);
// Steps each sprite along x and puts it on its arc; these are the positions to draw.
void move_sprites(Sprite &first, Sprite &second, const Stage &stage, const RandomSource &rnd);
// Turns sprites at the edges and bounces them off each other; takes effect at the next tick.
void turn_sprites(Sprite &first, Sprite &second, const Stage &stage, const RandomSource &rnd);
// Whether the two sprites overlap on both axes (equal coordinates do not overlap).
bool sprites_overlap(const Sprite &first, const Sprite &second);

} // namespace reward
