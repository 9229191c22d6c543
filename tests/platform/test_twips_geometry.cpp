// The pixels of a control placed in twips: halves go to the even pixel, each axis takes
// its own factor, a negative size is empty, and the twips read back are the ones set.
#include "platform/system.h"
#include "platform/twips_geometry.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

class Placed : public QWidget, public TwipsGeometry {
public:
    explicit Placed(QWidget *parent) : QWidget(parent), TwipsGeometry(this) {}
};

struct Case {
    double left, top, width, height;
    QRect pixels;
};

TEST(TwipsGeometry, PlacesOnTheNearestPixelsWithHalvesToEven) {
    // Unlike factors on the two axes, so a swapped axis shows.
    platform::set_screen_metrics(platform::ScreenMetrics{1024, 768, 1024, 740, 15, 12});
    // Qt keeps a negative size on a shown child; the controls must not hand it one.
    QWidget form;
    form.show();
    const Case cases[] = {
        {0, 0, 0, 0, {0, 0, 0, 0}},
        {150, 120, 300, 240, {10, 10, 20, 20}},
        {37.5, 30, 52.5, 42, {2, 2, 4, 4}},     // 2.5 -> 2, 3.5 -> 4
        {-22.5, -18, 22.5, 18, {-2, -2, 2, 2}}, // -1.5 -> -2, 1.5 -> 2
        {15, 12, -30, -1, {1, 1, 0, 0}},        // a negative size is empty
        {7.4, 6.1, 7.6, 5.9, {0, 1, 1, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.left << ", " << c.top << ", " << c.width << ", " << c.height);
        Placed all(&form);
        all.show();
        all.place(c.left, c.top, c.width, c.height);
        EXPECT_EQ(all.geometry(), c.pixels);
        EXPECT_EQ(all.Left(), c.left);
        EXPECT_EQ(all.Width(), c.width);

        // One side at a time ends where placing all four at once does.
        Placed one(&form);
        one.show();
        one.setWidth(c.width);
        one.setHeight(c.height);
        one.move_to(c.left, c.top);
        EXPECT_EQ(one.geometry(), c.pixels);
    }
    platform::set_screen_metrics(std::nullopt);
}

} // namespace
