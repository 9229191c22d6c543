// The editor as the main window's menu bar opens it: the Tag it hands over, the latest
// wrong tasks, and when "Senaste fel" can be chosen.

#include "exercises/frmSkrivIn.h"
#include "platform/message_box.h"
#include "shared/modSorvinel.h"
#include "support/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct SeenEditor {
    bool shown = false;
    QString title;
    QString type;
    QStringList tasks;
    bool saved = true;
    bool ticked = false;
    bool owned_by_main = false;
};

class EditorFromMainWindow : public ::testing::Test {
protected:
    void SetUp() override { fixture.load(); }
    void TearDown() override { platform::stop_msg_box_script(); }
    frmSorvinel &main() { return *fixture.window; }
    // Looks at the editor once it is up, then closes it, answering Nej if it asks.
    void inspect_editor_when_shown(SeenEditor &seen, QWidget *main,
                                   int tries = ModalWatch::kTries) {
        fixture.modal.start(
            [&seen, main](QWidget *modal) {
                auto *editor = qobject_cast<frmSkrivIn *>(modal);
                if (!editor)
                    return false;
                seen.shown = true;
                seen.title = editor->windowTitle();
                seen.type = editor->document().exercise_type();
                seen.tasks = editor->document().tasks();
                seen.saved = editor->document().is_saved();
                seen.ticked = editor->chkSkrivIn->isChecked();
                seen.owned_by_main = editor->parentWidget() == main;
                platform::script_msg_box({vb::vbNo});
                editor->close();
                return true;
            },
            tries);
    }
    void put_wrong_tasks(const QStringList &tasks) {
        for (const QString &t : tasks)
            main().lstFel->addItem(t);
    }
    MainWindowFixture fixture;
};

TEST_F(EditorFromMainWindow, EachOperationOpensANewExercise) {
    const QStringList names{"Addition", "Subtraktion", "Multiplikation", "Division", "Blandat"};
    const QStringList signs{"+", "-", "*", "/", "¤"};
    put_wrong_tasks({"1 + 1 ="}); // not taken by these commands
    for (Operation op : kOperations) {
        ASSERT_TRUE(main().menEditor[index_of(op)]->isEnabled());
        SeenEditor seen;
        inspect_editor_when_shown(seen, &main());
        main().menEditor[index_of(op)]->trigger();
        ASSERT_TRUE(seen.shown) << op;
        EXPECT_EQ(main().Tag, (exercises::EditorStart{op, false}));
        EXPECT_EQ(seen.type, signs[index_of(op)]);
        EXPECT_EQ(seen.title, "Övningar - " + names[index_of(op)] + " - [namnlös]");
        EXPECT_TRUE(seen.tasks.isEmpty());
        EXPECT_TRUE(seen.saved);
        EXPECT_FALSE(seen.ticked);
        EXPECT_TRUE(seen.owned_by_main);
        EXPECT_FALSE(modSorvinel.duplicates_allowed);
    }
}

TEST_F(EditorFromMainWindow, LatestWrongTasksOpenAsAnUnsavedExercise) {
    modSorvinel.current_operation = Operation::Addition; // chosen since the drill; not what counts
    modSorvinel.latest_errors_operation = Operation::Multiplikation;
    put_wrong_tasks({"3 * 4 =", "7 * 8 =", "3 * 4 ="});
    ASSERT_TRUE(main().menSenasteFel->isEnabled());
    SeenEditor seen;
    inspect_editor_when_shown(seen, &main());
    main().menSenasteFel->trigger();
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(main().Tag, (exercises::EditorStart{Operation::Multiplikation, true}));
    EXPECT_EQ(seen.type, "*");
    EXPECT_EQ(seen.tasks, (QStringList{"3 * 4 =", "7 * 8 =", "3 * 4 ="}));
    EXPECT_FALSE(seen.saved);
    EXPECT_TRUE(seen.ticked);
    EXPECT_TRUE(modSorvinel.duplicates_allowed);
    // Closing it asked first, and the list of wrong tasks is still there.
    EXPECT_EQ(main().lstFel->count(), 3);
}

TEST_F(EditorFromMainWindow, LatestErrorsFollowTheWrongTaskList) {
    EXPECT_FALSE(main().menSenasteFel->isEnabled());
    put_wrong_tasks({"9 / 3 ="});
    EXPECT_TRUE(main().menSenasteFel->isEnabled());
    emit main().menVerktyg->aboutToShow();
    EXPECT_TRUE(main().menSenasteFel->isEnabled());
    main().lstFel->clear();
    EXPECT_FALSE(main().menSenasteFel->isEnabled());

    // Even called while the list is empty, no editor opens.
    SeenEditor seen;
    inspect_editor_when_shown(seen, &main(), 5);
    main().menSenasteFel_Click();
    QTest::qWait(100);
    EXPECT_FALSE(seen.shown);
}

} // namespace
