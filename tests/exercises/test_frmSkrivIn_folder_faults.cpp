// The folder of an exercise changes under the editor: it vanishes, or turns into a file,
// between the file dialog listing it and the editor reading or writing there. The user is
// told, and the exercise in the editor stays whole so it can still be saved elsewhere.

#include "support/non_regular_files.h"
#include "test_frmSkrivIn_support.h"

using namespace editor_test;

namespace {

const QString kReadError = QStringLiteral("Ett fel uppstod vid filhämtning!");
const QString kWriteError = QStringLiteral("Ett fel uppstod vid skrivning!");

class FolderFaults : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        modSorvinel.min_task_count = 1; // no question before saving a short exercise
    }
    // An exercise of three tasks from keep.add and one.add, not yet saved.
    frmSkrivIn &unsaved_exercise() {
        frmSkrivIn &w = opened_and_inserted("keep.add", additions(2));
        EXPECT_EQ(w.lstSkrivIn->count(), 3);
        EXPECT_FALSE(w.document().is_saved());
        return w;
    }
    void expect_whole(frmSkrivIn &w) {
        EXPECT_EQ(list_items(w.lstSkrivIn), (QStringList{"0 + 1 =", "1 + 1 =", "7 + 1 ="}));
        EXPECT_EQ(w.windowTitle(), "Övningar - Addition - keep.add");
        EXPECT_FALSE(w.document().is_saved());
    }
    void expect_told(const QString &text, const QString &title) {
        ASSERT_EQ(box_texts(), std::vector<QString>{text});
        EXPECT_EQ(platform::msg_box_calls()[0].title, title);
    }
    // A folder with one addition file in it.
    QString folder_with_file(const QString &name) {
        QDir(dir.path()).mkdir(name);
        put_file(path(name + "/x.add"), additions(4, 20));
        return path(name + "/x.add");
    }
};

TEST_F(FolderFaults, FolderGoneBetweenChoosingAndReading) {
    struct Case {
        const char *command;
        QAction *frmSkrivIn::*item;
        std::deque<int> boxes; // the save question of open is answered "Nej"
    };
    for (const Case &c : {Case{"open", &frmSkrivIn::menOeppna, {vb::vbNo}},
                          Case{"insert", &frmSkrivIn::menInfoga, {}}}) {
        SCOPED_TRACE(c.command);
        frmSkrivIn &w = unsaved_exercise();
        const QString chosen = folder_with_file("gone");
        ASSERT_TRUE(QDir(path("gone")).removeRecursively());

        std::deque<int> boxes = c.boxes;
        boxes.push_back(vb::vbOK);
        answer(boxes, {chosen});
        (w.*c.item)->trigger();
        const std::vector<QString> texts = box_texts();
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back(), kReadError);
        EXPECT_EQ(platform::msg_box_calls().back().title, "Öppna");
        expect_whole(w);
    }
}

TEST_F(FolderFaults, FolderTurnedIntoAFileBetweenChoosingAndReading) {
    frmSkrivIn &w = unsaved_exercise();
    const QString chosen = folder_with_file("swapped");
    ASSERT_TRUE(QDir(path("swapped")).removeRecursively());
    put_file(path("swapped"), additions(5));

    answer({}, {chosen});
    w.menInfoga->trigger();
    expect_told(kReadError, "Öppna");
    expect_whole(w);
}

// A FIFO, a folder or a socket chosen as the file: refused at once, with nothing changed,
// where reading a FIFO would have waited for ever.
TEST_F(FolderFaults, WhatIsNoFileIsRefusedWithoutWaiting) {
    struct Road {
        const char *command;
        QAction *frmSkrivIn::*item;
        std::deque<int> boxes; // the save question of open is answered "Nej"
    };
    for (const SpecialKind kind : kSpecialKinds) {
        for (const Road &road : {Road{"open", &frmSkrivIn::menOeppna, {vb::vbNo}},
                                 Road{"insert", &frmSkrivIn::menInfoga, {}}}) {
            SCOPED_TRACE(std::string(name_of(kind)) + " " + road.command);
            frmSkrivIn &w = unsaved_exercise();
            const QString last_directory = w.document().last_directory();
            QDir(dir.path()).mkdir("other");
            const SpecialFile special(kind, path("other/x.add"));
            ASSERT_TRUE(special.made());

            answer(road.boxes, {path("other/x.add")});
            (w.*road.item)->trigger();
            const std::vector<QString> texts = box_texts();
            ASSERT_EQ(texts.size(), road.boxes.size() + 1);
            EXPECT_EQ(texts.back(), kReadError);
            EXPECT_EQ(platform::msg_box_calls().back().title, "Öppna");
            expect_whole(w);
            EXPECT_EQ(w.document().last_directory(), last_directory);
            EXPECT_FALSE(special.waited_on());
        }
    }
}

// A file far larger than any exercise (here a sparse terabyte) is refused at once on both
// roads: the program lives on and the exercise in the editor is as it was.
TEST_F(FolderFaults, AHugeFileIsRefusedWithNothingChanged) {
    struct Road {
        const char *command;
        QAction *frmSkrivIn::*item;
        std::deque<int> boxes; // the save question of open is answered "Nej"
    };
    QDir(dir.path()).mkdir("other");
    put_sparse_file(path("other/huge.add"), qint64(1) << 40);
    for (const Road &road : {Road{"open", &frmSkrivIn::menOeppna, {vb::vbNo}},
                             Road{"insert", &frmSkrivIn::menInfoga, {}}}) {
        SCOPED_TRACE(road.command);
        frmSkrivIn &w = unsaved_exercise();
        const QString last_directory = w.document().last_directory();
        answer(road.boxes, {path("other/huge.add")});
        (w.*road.item)->trigger();
        const std::vector<QString> texts = box_texts();
        ASSERT_EQ(texts.size(), road.boxes.size() + 1);
        EXPECT_EQ(texts.back(), kReadError);
        EXPECT_EQ(platform::msg_box_calls().back().title, "Öppna");
        expect_whole(w);
        EXPECT_EQ(w.document().last_directory(), last_directory);
    }
}

TEST_F(FolderFaults, FolderOfTheExerciseGoneBeforeSaving) {
    QDir(dir.path()).mkdir("class");
    put_file(path("class/keep.add"), additions(2));
    frmSkrivIn &w = open({Operation::Addition});
    answer({}, {path("class/keep.add")});
    w.menOeppna->trigger();
    w.document().mark_changed();
    ASSERT_TRUE(QDir(path("class")).removeRecursively());

    answer({});
    w.menSpara->trigger();
    expect_told(kWriteError, "Spara");
    EXPECT_FALSE(w.document().is_saved());
    EXPECT_EQ(w.lstSkrivIn->count(), 2);
    EXPECT_FALSE(QFileInfo::exists(path("class")));

    // Nothing of the exercise is lost: saved elsewhere it is all there.
    answer({}, {path("rescued.add")});
    w.menSparaSom->trigger();
    EXPECT_TRUE(w.document().is_saved());
    EXPECT_EQ(file_bytes(path("rescued.add")), additions(2));
}

TEST_F(FolderFaults, SaveAsIntoAFolderThatVanishedKeepsTheExercise) {
    frmSkrivIn &w = unsaved_exercise();
    QDir(dir.path()).mkdir("target");
    ASSERT_TRUE(QDir(path("target")).removeRecursively());

    answer({}, {path("target/new.add")});
    w.menSparaSom->trigger();
    expect_told(kWriteError, "Spara");
    expect_whole(w);
    EXPECT_EQ(file_bytes(path("keep.add")), additions(2));
}

} // namespace
