// Leaving the editor: when it asks, what each answer does, and that a save that fails keeps
// both the editor open and the old file as it was.

#include "test_frmSkrivIn_support.h"

using namespace editor_test;

namespace {

TEST_F(EditorTest, NothingToSaveClosesWithoutAQuestion) {
    put_file(path("a.add"), additions(2));
    for (int start = 0; start < 3; ++start) {
        frmSkrivIn &w = open({Operation::Blandat});
        if (start == 1) { // a file opened and left as it was
            answer({}, {path("a.add")});
            w.menOeppna->trigger();
        }
        if (start == 2) { // every task removed from an unnamed exercise
            answer({}, {path("a.add")});
            w.menInfoga->trigger();
            w.document().remove_task(0);
            w.document().remove_task(0);
        }
        answer({});
        w.show();
        EXPECT_TRUE(w.close()) << start;
        EXPECT_TRUE(platform::msg_box_calls().empty()) << start;
    }
}

struct CloseCase {
    const char *name;
    std::deque<int> answers;
    std::deque<QString> dialogs;
    bool closes;
};

class EditorCloseUnnamed : public EditorTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(EditorCloseUnnamed, AnswerDecides) {
    const CloseCase &c = GetParam();
    frmSkrivIn &w = open({Operation::Subtraktion, true}, {"9 - 4 ="});
    w.show();
    std::deque<QString> dialogs;
    for (const QString &d : c.dialogs)
        dialogs.push_back(d.isEmpty() ? d : path(d));
    answer(c.answers, dialogs);
    EXPECT_EQ(w.close(), c.closes);
    EXPECT_EQ(w.isVisible(), !c.closes);
    ASSERT_GE(platform::msg_box_calls().size(), 1u);
    EXPECT_EQ(box_texts()[0], "[namnlös] är ej sparad. Skall den sparas först?");
}

// Ja on an unnamed exercise asks for a name: cancelling that keeps the editor open; a name
// saves without the minimum-count check (one task, minimum 5) and lets it close.
INSTANTIATE_TEST_SUITE_P(
    Answers, EditorCloseUnnamed,
    ::testing::Values(CloseCase{"No", {vb::vbNo}, {}, true},
                      CloseCase{"Cancel", {vb::vbCancel}, {}, false},
                      CloseCase{"YesThenCancelDialog", {vb::vbYes}, {QString()}, false},
                      CloseCase{"YesThenName", {vb::vbYes}, {QStringLiteral("ny.sub")}, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(EditorTest, AvslutaAsksLikeTheCloseBox) {
    frmSkrivIn &w = open({Operation::Subtraktion, true}, {"9 - 4 ="});
    w.show();
    answer({vb::vbCancel});
    w.menAvsluta->trigger();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(platform::msg_box_calls().size(), 1u);
    answer({vb::vbNo});
    w.menAvsluta->trigger();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(EditorTest, YesSavesANamedExerciseToItsFile) {
    frmSkrivIn &w = opened_and_inserted("Fil.add", additions(2));
    w.show();
    answer({vb::vbYes});
    EXPECT_TRUE(w.close());
    EXPECT_EQ(box_texts(), std::vector<QString>{path("fil.add").toLower() +
                                                " är ej sparad. Skall den sparas först?"});
    EXPECT_TRUE(platform::file_dialog_calls().empty());
    EXPECT_EQ(file_bytes(path("Fil.add")), additions(2) + additions(1, 7));
}

TEST_F(EditorTest, FailedSaveKeepsTheOldFileAndTheEditorOpen) {
    const QByteArray old = additions(6);
    frmSkrivIn &w = opened_and_inserted("keep.add", old);
    // The disk gives up half-way: part of the new text reaches a file beside the old one.
    w.document().set_writer([this](const QString &, const QByteArray &bytes) {
        QFile part(path("keep.add.part"));
        if (part.open(QIODevice::WriteOnly))
            part.write(bytes.left(bytes.size() / 2));
        return false;
    });
    w.show();

    answer({});
    w.menSpara->trigger();
    EXPECT_EQ(box_texts(), std::vector<QString>{"Ett fel uppstod vid skrivning!"});
    EXPECT_EQ(platform::msg_box_calls()[0].title, "Spara");
    EXPECT_FALSE(w.document().is_saved());
    emit w.menArkiv->aboutToShow();
    EXPECT_TRUE(w.menSpara->isEnabled());

    // The question's Ja fails the same way: the editor stays, with the old file intact.
    answer({vb::vbYes});
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(box_texts().back(), "Ett fel uppstod vid skrivning!");
    EXPECT_EQ(file_bytes(path("keep.add")), old);

    // Save as fails too: the exercise keeps its name.
    answer({}, {path("other.add")});
    w.menSparaSom->trigger();
    EXPECT_EQ(w.document().current_path(), path("keep.add"));
    EXPECT_EQ(w.windowTitle(), "Övningar - Addition - keep.add");
    EXPECT_FALSE(QFile::exists(path("other.add")));
}

} // namespace
