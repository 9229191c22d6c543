// "Handledning" (F1) of the main window: the guide opens with the main window's speech
// control, and one-key scanning waits while it is open.
#include "drill/frmSorvinel.h"
#include "settings/frmSorvinelHandledning.h"
#include "support/main_window.h"

#include <QAction>
#include <QApplication>
#include <gtest/gtest.h>

TEST(GuideFromMenu, ScanningWaitsWhileTheGuideIsOpen) {
    MainWindowFixture fixture;
    fixture.load();
    frmSorvinel *w = fixture.window.get();
    w->timEnTangent->start();
    bool shown = false, scanning = true;
    SpeechEngine *lent = nullptr;
    // Looks once the guide is up, then closes it as F1 would.
    fixture.modal.start([&](QWidget *modal) {
        auto *g = qobject_cast<frmSorvinelHandledning *>(modal);
        if (!g || !g->isVisible())
            return false;
        shown = true;
        scanning = w->timEnTangent->isActive();
        lent = g->speech_control;
        g->menStaeng->trigger();
        return true;
    });
    w->menInnehaall->trigger();
    ASSERT_TRUE(shown);
    EXPECT_FALSE(scanning);
    EXPECT_TRUE(w->timEnTangent->isActive());
    EXPECT_EQ(lent, w->tspSorvinel);
}
