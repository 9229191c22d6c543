// "Handledning" (F1) of the main window: the guide opens with the main window's speech
// control and colours, and one-key scanning waits while it is open.
#include "drill/frmSorvinel.h"
#include "settings/frmSorvinelHandledning.h"
#include "shared/modSorvinel.h"
#include "support/main_window.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct SeenInGuide {
    bool shown = false;
    bool scanning = true;
    SpeechEngine *speech = nullptr;
    QColor back;
};

// Looks at the guide once it is up, then closes it as a user would with F1.
void look_at_guide(SeenInGuide &seen, frmSorvinel *w, int tries = 500) {
    QTimer::singleShot(10, [&seen, w, tries] {
        auto *guide = qobject_cast<frmSorvinelHandledning *>(QApplication::activeModalWidget());
        if (!guide || !guide->isVisible()) {
            if (tries > 0)
                look_at_guide(seen, w, tries - 1);
            return;
        }
        seen.shown = true;
        seen.scanning = w->timEnTangent->isActive();
        seen.speech = guide->speech_control;
        seen.back = guide->form->palette().color(QPalette::Window);
        guide->menStaeng->trigger();
    });
}

TEST(GuideFromMenu, ScanningWaitsWhileTheGuideIsOpen) {
    MainWindowFixture fixture;
    fixture.load();
    frmSorvinel *w = fixture.window.get();
    ASSERT_TRUE(w->menInnehaall->isEnabled());
    EXPECT_EQ(w->menInnehaall->shortcut(), QKeySequence(Qt::Key_F1));

    w->timEnTangent->start();
    SeenInGuide seen;
    look_at_guide(seen, w);
    w->menInnehaall->trigger();
    ASSERT_TRUE(seen.shown);
    EXPECT_FALSE(seen.scanning);
    EXPECT_TRUE(w->timEnTangent->isActive());
    EXPECT_EQ(seen.speech, modSorvinel.speech_available ? w->tspSorvinel : nullptr);
    EXPECT_EQ(seen.back, w->form->palette().color(w->form->backgroundRole()));

    // Without scanning the guide leaves the timer off.
    w->timEnTangent->stop();
    SeenInGuide again;
    look_at_guide(again, w);
    w->menInnehaall->trigger();
    ASSERT_TRUE(again.shown);
    EXPECT_FALSE(w->timEnTangent->isActive());
}

} // namespace
