// The reward window and the celebration window: the record kept at load, the ring colours
// and picture, when a click or key may close them, and the reward type that picks one.

#include "drill/drill_windows.h"
#include "drill/frmAlla.h"
#include "drill/frmBeloening.h"
#include "platform/system.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"
#include "support/main_window.h"
#include "test_drill_windows_support.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace drill_windows_test;

class RewardWindows : public ::testing::Test {
protected:
    void SetUp() override {
        fixture.load();
        w = fixture.window.get();
        modSorvinel.current_operation = Operation::Division;
        modSorvinel.record_drill_active = true;
        modSorvinel.drill_elapsed_seconds = 75;
    }
    std::unique_ptr<frmBeloening> open_reward() {
        auto r = std::make_unique<frmBeloening>(w);
        r->show();
        return r;
    }
    // The start and clearing steps, as their timers would run them.
    static void run_to_flicker(frmBeloening &r) {
        r.timBel_Timer();
        r.timRub_Timer();
    }
    QString stored(const char *key) const {
        return modSorvinel.get_setting("Special", key, "none");
    }
    QColor canvas_colour_at(const frmBeloening &r, int dx, int dy) const {
        return r.canvas().pixelColor(r.canvas().width() / 2 + dx, r.canvas().height() / 2 + dy);
    }
    MainWindowFixture fixture;
    frmSorvinel *w = nullptr;
};

TEST_F(RewardWindows, EmptySlotStoresTheRecordAndShowsItInYellow) {
    auto r = open_reward();
    EXPECT_TRUE(r->new_record);
    EXPECT_EQ(modSorvinel.record_times[index_of(Operation::Division)], 75);
    EXPECT_EQ(stored("Rekord3"), "75");
    EXPECT_EQ(r->rings.colour_a, 6);
    EXPECT_EQ(r->rings.colour_b, 14);
    run_to_flicker(*r);
    EXPECT_TRUE(r->picEtt[frmBeloening::kPictureRecord]->isVisible());
    EXPECT_FALSE(r->picEtt[frmBeloening::kPictureNormal]->isVisible());
    // The cleared disc behind the picture is the window's yellow.
    EXPECT_EQ(canvas_colour_at(*r, 0, 0), vb::ole_color(0x008080));
}

TEST_F(RewardWindows, EqualTimeIsNoRecordBlueRingsNormalPicture) {
    modSorvinel.record_times[index_of(Operation::Division)] = 75;
    modSorvinel.save_setting("Special", "Rekord3", "75");
    auto r = open_reward();
    EXPECT_FALSE(r->new_record);
    EXPECT_EQ(modSorvinel.record_times[index_of(Operation::Division)], 75);
    EXPECT_EQ(r->rings.colour_a, 1);
    EXPECT_EQ(r->rings.colour_b, 9);
    run_to_flicker(*r);
    EXPECT_FALSE(r->picEtt[frmBeloening::kPictureRecord]->isVisible());
    EXPECT_TRUE(r->picEtt[frmBeloening::kPictureNormal]->isVisible());
    EXPECT_EQ(canvas_colour_at(*r, 0, 0), vb::ole_color(0x800000));
}

TEST_F(RewardWindows, RecordKeepingOffStoresNothing) {
    modSorvinel.record_drill_active = false;
    auto r = open_reward();
    EXPECT_FALSE(r->new_record);
    EXPECT_EQ(modSorvinel.record_times[index_of(Operation::Division)], 0);
    EXPECT_EQ(stored("Rekord3"), "none");
}

TEST_F(RewardWindows, RingsFillTheWindowInAlternatingColours) {
    auto r = open_reward();
    r->timBel_Timer();
    EXPECT_FALSE(r->timBel->isActive());
    EXPECT_TRUE(r->timRub->isActive());
    EXPECT_EQ(r->timRub->interval(), 300);
    EXPECT_EQ(r->outer_radius, 213);
    // Two neighbouring rings, one unit apart, far out from the centre.
    const int u = frmBeloening::kRingUnitPx;
    const QColor one = canvas_colour_at(*r, 150 * u, 0);
    const QColor next = canvas_colour_at(*r, 151 * u, 0);
    const QColor a = vb::ole_color(reward::palette_colour(r->rings.colour_a));
    const QColor b = vb::ole_color(reward::palette_colour(r->rings.colour_b));
    EXPECT_TRUE((one == a && next == b) || (one == b && next == a));
    // The pictures are centred on the screen.
    const VbLabel *pic = r->picEtt[0];
    EXPECT_EQ(pic->x() + pic->width() / 2, 1024 / 2);
    EXPECT_EQ(pic->y() + pic->height() / 2, 768 / 2);
}

TEST_F(RewardWindows, ClickOrKeyClosesOnlyOnceTheFlickerRuns) {
    auto r = open_reward();
    click_key(r.get(), Qt::Key_Return);
    QTest::mouseClick(r.get(), Qt::LeftButton);
    r->timBel_Timer();
    click_key(r.get(), Qt::Key_Space);
    EXPECT_TRUE(r->isVisible());
    r->timRub_Timer();
    EXPECT_TRUE(r->flicker_running());
    QTest::mouseClick(r->picEtt[frmBeloening::kPictureRecord], Qt::LeftButton);
    EXPECT_FALSE(r->isVisible());

    auto byKey = open_reward();
    run_to_flicker(*byKey);
    press(byKey.get(), Qt::Key_Shift);
    EXPECT_TRUE(byKey->isVisible()) << "a modifier alone is no key press";
    press(byKey.get(), Qt::Key_Return);
    EXPECT_FALSE(byKey->isVisible());
    EXPECT_TRUE(byKey->keys().closed_by_key());
}

TEST_F(RewardWindows, HeldEnterDoesNotCloseTheReward) {
    auto r = open_reward();
    run_to_flicker(*r);
    for (int i = 0; i < 10; ++i) {
        release(r.get(), Qt::Key_Return, true);
        press(r.get(), Qt::Key_Return, true);
    }
    EXPECT_TRUE(r->isVisible());
    release(r.get(), Qt::Key_Return);
    press(r.get(), Qt::Key_Return);
    EXPECT_FALSE(r->isVisible());
}

TEST_F(RewardWindows, FlickerBeepsPerTickWhenSoundIsOn) {
    platform::set_random_source([] { return 0.5; });
    auto r = open_reward();
    run_to_flicker(*r);
    modSorvinel.beep_on = true;
    int beeps = platform::beep_count();
    for (int i = 0; i < 101; ++i)
        r->timSkak_Timer();
    EXPECT_EQ(platform::beep_count() - beeps, 101);
    // After 101 ticks the pair is a dark colour and its light counterpart.
    EXPECT_EQ(r->rings.colour_a, 4);
    EXPECT_EQ(r->rings.colour_b, 12);
    modSorvinel.beep_on = false;
    beeps = platform::beep_count();
    r->timSkak_Timer();
    EXPECT_EQ(platform::beep_count(), beeps);
    // The picture's disc is never drawn over.
    EXPECT_EQ(canvas_colour_at(*r, 0, 0), vb::ole_color(0x008080));
    platform::set_random_source({});
}

TEST_F(RewardWindows, ModalRewardRunsItsTimersUntilAKey) {
    modSorvinel.reward_type = 0;
    modSorvinel.beep_on = false;
    bool sawFlicker = false;
    when_modal<frmBeloening>(fixture.modal, [&](frmBeloening *r) {
        // Keys before the flicker starts are ignored; then one key closes it.
        click_key(r, Qt::Key_Return);
        sawFlicker = QTest::qWaitFor([r] { return r->flicker_running(); }, 5000);
        press(r, Qt::Key_Return);
    });
    show_reward_window(w);
    EXPECT_TRUE(sawFlicker);
    EXPECT_EQ(modSorvinel.record_times[index_of(Operation::Division)], 75);
}

TEST_F(RewardWindows, CelebrationStoresNoRecordAndClosesOnEscOrEnter) {
    modSorvinel.reward_type = 1;
    for (Qt::Key closing : {Qt::Key_Escape, Qt::Key_Return}) {
        bool stayedOpen = false;
        when_modal<frmAlla>(fixture.modal, [&](frmAlla *a) {
            click_key(a, Qt::Key_Space);
            click_key(a, Qt::Key_A);
            QTest::mouseClick(a, Qt::LeftButton);
            press(a, Qt::Key_Return, true);
            stayedOpen = QApplication::activeModalWidget() == a;
            release(a, Qt::Key_Return);
            click_key(a, closing);
        });
        show_reward_window(w);
        EXPECT_TRUE(stayedOpen) << closing;
    }
    EXPECT_EQ(modSorvinel.record_times[index_of(Operation::Division)], 0);
    EXPECT_EQ(stored("Rekord3"), "none");
}

// Closes the celebration with Enter at the moment it is being shown.
class EnterWhileShown : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show) {
            if (auto *a = qobject_cast<frmAlla *>(watched)) {
                ++shown;
                a->Form_KeyPress(vb::key::Return);
            }
        }
        return false;
    }
    int shown = 0;
};

TEST_F(RewardWindows, CelebrationClosedWhileAppearingReturnsAtOnce) {
    modSorvinel.reward_type = 1;
    EnterWhileShown quick;
    qApp->installEventFilter(&quick);
    show_reward_window(w);
    qApp->removeEventFilter(&quick);
    EXPECT_EQ(quick.shown, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(RewardWindows, CelebrationSpritesGlide) {
    platform::set_random_source([] { return 0.0; });
    frmAlla a(w);
    a.show();
    EXPECT_TRUE(a.Timer1->isActive());
    EXPECT_EQ(a.Timer1->interval(), 10);
    EXPECT_EQ(a.Picture1.size(), QSize(262, 62));
    EXPECT_EQ(a.Picture3.size(), QSize(349, 72));
    EXPECT_EQ(a.Picture2->geometry(), QRect(0, 0, 1024, 768));
    const double x1 = a.sprite1.x, x2 = a.sprite2.x;
    a.Timer1_Timer();
    EXPECT_DOUBLE_EQ(a.sprite1.x, x1 + 8);
    EXPECT_DOUBLE_EQ(a.sprite2.x, x2 - 8);
    platform::set_random_source({});
}

} // namespace
