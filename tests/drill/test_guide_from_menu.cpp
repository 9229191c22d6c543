// "Handledning" (F1) of the main window: the guide opens with the main window's speech
// control, and one-key scanning waits while it is open.
#include "drill/frmSorvinel.h"
#include "settings/frmSorvinelHandledning.h"
#include "support/main_window.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

TEST(GuideFromMenu, ScanningWaitsWhileTheGuideIsOpen) {
    MainWindowFixture fixture;
    fixture.load();
    frmSorvinel *w = fixture.window.get();
    w->timEnTangent->start();
    bool shown = false, scanning = true;
    SpeechEngine *lent = nullptr;
    // Looks once the guide is up, then closes it as F1 would.
    std::function<void(int)> look = [&](int tries) {
        QTimer::singleShot(10, [&, tries] {
            auto *g = qobject_cast<frmSorvinelHandledning *>(QApplication::activeModalWidget());
            if (!g || !g->isVisible()) {
                if (tries > 0)
                    look(tries - 1);
                return;
            }
            shown = true;
            scanning = w->timEnTangent->isActive();
            lent = g->speech_control;
            g->menStaeng->trigger();
        });
    };
    look(500);
    w->menInnehaall->trigger();
    ASSERT_TRUE(shown);
    EXPECT_FALSE(scanning);
    EXPECT_TRUE(w->timEnTangent->isActive());
    EXPECT_EQ(lent, w->tspSorvinel);
}
