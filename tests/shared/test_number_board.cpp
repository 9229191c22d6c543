// The number board's rules: where its keys stand, how large its digits are, which key is
// marked, and what the shared procedures ask of the window when it is built and removed.
#include "platform/vb.h"
#include "shared/modSorvinel.h"
#include "shared/number_board.h"
#include "support/recording_view.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {
using namespace number_board;

TEST(NumberBoardLayout, RowsKeysAndFrame) {
    struct Case {
        int rows;
        double left_of_key0; // centred: six keys, or thirteen for one row
        int key6_row;        // 0 first row, 1 second
        double frame_width, frame_height;
    };
    // Screen 20000 twips, keys 1000 x 1200, top 3000.
    const Case cases[] = {
        {2, (20000 - 6 * 1000) / 2.0, 1, 5 * 1048 + 1000 + 96, 2 * 1200 + 144},
        {1, (20000 - 13 * 1000) / 2.0, 0, 11 * 1048 + 1000 + 96, 1200 + 96},
    };
    for (const Case &c : cases) {
        const Layout l = layout(20000, 3000, QSizeF(1000, 1200), c.rows);
        const QRectF &k0 = l.keys[0];
        EXPECT_DOUBLE_EQ(k0.left(), c.left_of_key0) << c.rows;
        EXPECT_DOUBLE_EQ(k0.top(), 3000);
        const QRectF &k6 = l.keys[6];
        if (c.key6_row == 1) {
            EXPECT_DOUBLE_EQ(k6.left(), k0.left());
            EXPECT_DOUBLE_EQ(k6.top(), k0.top() + 1200 + kGapTwips);
        } else {
            EXPECT_DOUBLE_EQ(k6.top(), k0.top());
            EXPECT_DOUBLE_EQ(k6.left(), k0.left() + 6 * 1048);
        }
        // The frame stands 48 twips outside the keys on every side.
        QRectF keys;
        for (const QRectF &k : l.keys)
            keys = keys.united(k);
        EXPECT_DOUBLE_EQ(l.frame.left(), keys.left() - kGapTwips) << c.rows;
        EXPECT_DOUBLE_EQ(l.frame.top(), keys.top() - kGapTwips);
        EXPECT_DOUBLE_EQ(l.frame.right(), keys.right() + kGapTwips);
        EXPECT_DOUBLE_EQ(l.frame.bottom(), keys.bottom() + kGapTwips);
        EXPECT_DOUBLE_EQ(l.frame.width(), c.frame_width);
        EXPECT_DOUBLE_EQ(l.frame.height(), c.frame_height);
    }
}

TEST(NumberBoardDigits, FittingIsBoundedAndOkNeverBelowOnePoint) {
    struct Case {
        const char *what;
        int start;
        double key_size;
        std::function<double(int)> height;
        int expected;
    };
    const auto linear = [](int pt) { return pt * 20.0; };
    const Case cases[] = {
        {"grows to fit", 48, 1500, linear, 75},
        {"shrinks to fit", 48, 500, linear, 25},
        {"a small screen: key size 0 or less", 48, -200, linear, 1},
        {"a font that stops growing", 10, 5000, [](int pt) { return std::min(pt, 20) * 20.0; }, 20},
        {"a font that never answers", 0, 1000, [](int) { return 0.0; }, 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fit_digit_points(c.start, c.key_size, c.height), c.expected) << c.what;
    EXPECT_EQ(ok_key_points(75), 25);
    EXPECT_EQ(ok_key_points(2), 1);
    EXPECT_EQ(ok_key_points(1), 1);
}

int bold_keys(const Looks &l) {
    return int(std::count_if(l.begin(), l.end(), [](const KeyLook &k) { return k.bold; }));
}

TEST(NumberBoardPaint, OneKeyMarkedAndRepeatsChangeNothing) {
    const Colours blue{0xFF0000, 0x808080, 0x00FFFF};
    Looks looks{};
    for (int key : {0, 7, 11, 3}) {
        const auto next = paint(looks, key, blue);
        ASSERT_TRUE(next) << key;
        looks = *next;
        EXPECT_EQ(bold_keys(looks), 1);
        const KeyLook &current = looks[std::size_t(key)];
        EXPECT_TRUE(current.bold && current.framed);
        EXPECT_EQ(current.fore, blue.text);
        EXPECT_EQ(current.back, key == 0 ? kOkGreen : vb::kButtonFace);
        for (int i = 0; i < kKeyCount; ++i)
            if (i != key) {
                EXPECT_FALSE(looks[std::size_t(i)].framed) << i;
                EXPECT_EQ(looks[std::size_t(i)].fore, blue.dim);
                EXPECT_EQ(looks[std::size_t(i)].back, blue.window);
            }
        EXPECT_FALSE(paint(looks, key, blue)) << "marked already";
    }
    EXPECT_FALSE(paint(looks, 12, blue));
}

TEST(NumberBoardPaint, AStyleOfTheSameDimColourStillTakesItsBackground) {
    // Two styles share a dim colour but not the window colour.
    const Colours before{0x000000, 0x808080, 0xFFFFFF};
    const Colours after{0xFF0000, 0x808080, 0x00FFFF};
    Looks looks = *paint(Looks{}, 2, before);
    looks = *paint(looks, 5, after);
    for (int i = 0; i < kKeyCount; ++i)
        if (i != 5)
            EXPECT_EQ(looks[std::size_t(i)].back, after.window) << i;
}

class BoardThroughTheView : public ::testing::Test {
protected:
    void SetUp() override {
        modSorvinel.reset();
        modSorvinel.main_window = &view;
        modSorvinel.board_key_size = 1500;
    }
    void TearDown() override { modSorvinel.main_window = nullptr; }
    RecordingView view;
};

TEST_F(BoardThroughTheView, BuildOnceRemoveOnceAndShownOnlyOnABoardScreen) {
    ModSorvinel &m = modSorvinel;
    m.build_number_board(false, m.number_board_built, 2);
    EXPECT_TRUE(view.calls.isEmpty()) << "switching off a board that is not built";
    m.build_number_board(true, m.number_board_built, 2);
    EXPECT_TRUE(m.number_board_built);
    EXPECT_EQ(view.calls.filter("place").value(0), "place 75 25");
    EXPECT_TRUE(view.calls.filter("board on").isEmpty()) << "main menu: not shown";
    view.calls.clear();
    m.build_number_board(true, m.number_board_built, 1);
    EXPECT_TRUE(view.calls.isEmpty()) << "building a built board";
    m.build_number_board(false, m.number_board_built, 1);
    m.build_number_board(false, m.number_board_built, 1);
    EXPECT_EQ(view.calls, QStringList{"remove board"});
    EXPECT_FALSE(m.number_board_built);

    view.calls.clear();
    m.screen_state = ScreenState::TaskShown;
    m.board_key = 7;
    m.build_number_board(true, m.number_board_built, 2);
    EXPECT_TRUE(view.calls.contains("board on"));
    EXPECT_EQ(m.board_key, 0);
    EXPECT_TRUE(view.looks[0].bold);
    view.calls.clear();
    m.paint_number_board(0);
    EXPECT_TRUE(view.calls.isEmpty()) << "a repeated paint sets nothing";
}

} // namespace
