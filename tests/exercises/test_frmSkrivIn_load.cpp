// Loading the editor: the exercise each start tag gives, the window's size from the screen,
// the keypad in telephone order and the placement the other controls depend on.

#include "test_frmSkrivIn_support.h"

#include <QKeyEvent>
#include <QTest>

using namespace editor_test;

namespace {

struct StartCase {
    exercises::EditorStart tag;
    QStringList wrong;
    QString type;
    QString title;
    QStringList tasks;
    bool saved;
    bool duplicates;
};

class EditorStart : public EditorTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(EditorStart, TagGivesTheExercise) {
    const StartCase &c = GetParam();
    // The opposite of what the start must leave, so that a start that sets nothing shows.
    modSorvinel.duplicates_allowed = !c.duplicates;
    frmSkrivIn &w = open(c.tag, c.wrong);

    EXPECT_EQ(w.document().exercise_type(), c.type);
    EXPECT_EQ(w.windowTitle(), c.title);
    EXPECT_EQ(w.comSiffra[frmSkrivIn::kOperatorKey]->text(), c.type);
    EXPECT_EQ(list_items(w.lstSkrivIn), c.tasks);
    EXPECT_EQ(w.document().tasks(), c.tasks);
    EXPECT_EQ(w.document().is_saved(), c.saved);
    EXPECT_EQ(w.document().current_path(), exercises::kUnnamedPath);
    EXPECT_EQ(w.chkSkrivIn->isChecked(), c.duplicates);
    EXPECT_EQ(modSorvinel.duplicates_allowed, c.duplicates);
    EXPECT_EQ(w.document().last_directory(), modSorvinel.exercise_folder);
    EXPECT_TRUE(w.load_complete);
    EXPECT_TRUE(w.keypad_ready);
    EXPECT_FALSE(w.print_in_progress);

    // Nothing is selected yet: the buttons that need a selected task wait.
    EXPECT_TRUE(w.lstSkrivIn->selectedItems().isEmpty());
    EXPECT_FALSE(w.labUppgifter->isVisibleTo(&w));
    for (QPushButton *b : {w.comTill[2], w.comFlytta[0], w.comFlytta[1], w.comTaBort})
        EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
    EXPECT_FALSE(w.comSiffra[frmSkrivIn::kCorrectionKey]->isEnabled());
    EXPECT_FALSE(w.comSiffra[frmSkrivIn::kOperatorKey]->isEnabled());
    EXPECT_EQ(w.labText->Caption(), "_");
}

INSTANTIATE_TEST_SUITE_P(
    Tags, EditorStart,
    ::testing::Values(
        StartCase{
            {Operation::Addition}, {}, "+", "Övningar - Addition - [namnlös]", {}, true, false},
        StartCase{{Operation::Subtraktion},
                  {},
                  "-",
                  "Övningar - Subtraktion - [namnlös]",
                  {},
                  true,
                  false},
        StartCase{{Operation::Multiplikation},
                  {},
                  "*",
                  "Övningar - Multiplikation - [namnlös]",
                  {},
                  true,
                  false},
        StartCase{
            {Operation::Division}, {}, "/", "Övningar - Division - [namnlös]", {}, true, false},
        StartCase{{Operation::Blandat}, {}, "¤", "Övningar - Blandat - [namnlös]", {}, true, false},
        StartCase{{Operation::Multiplikation, true},
                  {"3 * 4 =", "5 * 6 =", "3 * 4 ="},
                  "*",
                  "Övningar - Multiplikation - [namnlös]",
                  {"3 * 4 =", "5 * 6 =", "3 * 4 ="},
                  false,
                  true},
        StartCase{{Operation::Blandat, true},
                  {"7 - 3 =", "6 * 4 ="},
                  "¤",
                  "Övningar - Blandat - [namnlös]",
                  {"7 - 3 =", "6 * 4 ="},
                  false,
                  true},
        // An empty list of wrong tasks still starts an exercise of wrong tasks.
        StartCase{{Operation::Addition, true},
                  {},
                  "+",
                  "Övningar - Addition - [namnlös]",
                  {},
                  false,
                  true}),
    [](const auto &info) {
        const auto &c = info.param;
        return test_names::name(info.index, c.tag.latest_wrong_tasks ? "Fel" : "", c.tag.operation);
    });

TEST_F(EditorTest, WrongTasksAreCheckedLikeFileLines) {
    frmSkrivIn &w = open({Operation::Division, true},
                         {"8 / 2 =", "", "7 / 2 =", "5 / 0 =", "6 + 1 =", "9 / 3 ="});
    EXPECT_EQ(list_items(w.lstSkrivIn), (QStringList{"8 / 2 =", "9 / 3 ="}));
    EXPECT_TRUE(platform::msg_box_calls().empty());
}

TEST_F(EditorTest, MoreThanTheLimitOfWrongTasksIsReported) {
    QStringList wrong;
    for (int i = 0; i < kMaxExerciseTasks + 2; ++i)
        wrong << QString::number(i % 100) + " + 1 =";
    frmSkrivIn &w = open({Operation::Addition, true}, wrong);
    EXPECT_EQ(w.lstSkrivIn->count(), kMaxExerciseTasks);
    ASSERT_EQ(platform::msg_box_calls().size(), 1u);
    EXPECT_EQ(platform::msg_box_calls()[0].prompt,
              "Det fanns 1002 uppgifter. Endast de 1000 första lästes in.");
    EXPECT_EQ(platform::msg_box_calls()[0].title, "Öppna");
}

struct ScreenCase {
    int width_px, height_px;
    int expected_top_px, expected_height_px;
};

class EditorWindowSize : public EditorTest, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(EditorWindowSize, TenthOfTheScreenHeightIsLeftOut) {
    const ScreenCase &c = GetParam();
    set_screen(c.width_px, c.height_px);
    frmSkrivIn &w = open({Operation::Addition});
    EXPECT_EQ(w.height(), c.expected_height_px);
    EXPECT_EQ(w.y(), c.expected_top_px);
    // Centred across the screen.
    EXPECT_LE(std::abs(w.x() * 2 + w.width() - c.width_px), 1);
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
}

// 9000 twips high: a window of 8100 twips at 450.
INSTANTIATE_TEST_SUITE_P(Screens, EditorWindowSize,
                         ::testing::Values(ScreenCase{800, 600, 30, 540},
                                           ScreenCase{1024, 768, 38, 691},
                                           ScreenCase{1280, 1024, 51, 922}),
                         [](const auto &info) {
                             const auto &c = info.param;
                             return test_names::name(info.index, std::to_string(c.width_px) + "x" +
                                                                     std::to_string(c.height_px));
                         });

TEST_F(EditorTest, KeypadStandsInTelephoneOrder) {
    frmSkrivIn &w = open({Operation::Division});
    const int rows[4][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {0, 10, 11}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) {
            const QPushButton *key = w.comSiffra[std::size_t(rows[r][c])];
            const QPushButton *first = w.comSiffra[std::size_t(rows[r][0])];
            const QPushButton *top = w.comSiffra[std::size_t(rows[0][c])];
            EXPECT_EQ(key->y(), first->y()) << rows[r][c];
            EXPECT_EQ(key->x(), top->x()) << rows[r][c];
            if (r > 0) {
                EXPECT_GT(key->y(), w.comSiffra[std::size_t(rows[r - 1][c])]->y());
            }
            if (c > 0) {
                EXPECT_GT(key->x(), w.comSiffra[std::size_t(rows[r][c - 1])]->geometry().right());
            }
            EXPECT_TRUE(key->isVisibleTo(&w));
            EXPECT_EQ(key->height(), w.comTill[0]->height());
        }
    for (int d = 0; d <= 9; ++d)
        EXPECT_EQ(w.comSiffra[std::size_t(d)]->text(), QString::number(d));
    EXPECT_EQ(w.comSiffra[frmSkrivIn::kCorrectionKey]->text(), "<--");
    EXPECT_EQ(w.comSiffra[frmSkrivIn::kOperatorKey]->text(), "/");
    // The keypad spans the place buttons' column.
    EXPECT_EQ(w.comSiffra[1]->x(), w.comTill[0]->x());
    EXPECT_LE(std::abs(w.comSiffra[3]->geometry().right() - w.comTill[0]->geometry().right()), 1);
    EXPECT_GT(w.comSiffra[frmSkrivIn::kOperatorKey]->font().pointSizeF(),
              w.comSiffra[1]->font().pointSizeF());
}

TEST_F(EditorTest, ColumnsFollowTheKeypad) {
    frmSkrivIn &w = open({Operation::Addition});
    // Place buttons and the box stacked under the keypad, evenly.
    EXPECT_GT(w.comTill[0]->y(), w.comSiffra[0]->geometry().bottom());
    const int step = w.comTill[1]->y() - w.comTill[0]->y();
    EXPECT_GT(step, w.comTill[0]->height());
    EXPECT_EQ(w.comTill[2]->y() - w.comTill[1]->y(), step);
    EXPECT_LE(std::abs(w.chkSkrivIn->y() - w.comTill[2]->y() - step), 1);
    EXPECT_EQ(w.chkSkrivIn->x(), w.comTill[0]->x());
    // The list starts level with the entry; the buttons on its right level with the keys.
    EXPECT_EQ(w.lstSkrivIn->y(), w.labText->y());
    EXPECT_GT(w.lstSkrivIn->x(), w.comTill[0]->geometry().right());
    EXPECT_EQ(w.comFlytta[0]->y(), w.comSiffra[1]->y());
    EXPECT_GT(w.comFlytta[1]->y(), w.comSiffra[4]->y());
    EXPECT_GT(w.comTaBort->y(), w.comSiffra[7]->y());
    EXPECT_GT(w.comFlytta[0]->x(), w.lstSkrivIn->geometry().right());
    // Everything stays inside the client area.
    for (QWidget *c : std::initializer_list<QWidget *>{w.lstSkrivIn, w.labUppgifter, w.comTaBort,
                                                       w.chkSkrivIn, w.comFlytta[0]}) {
        EXPECT_LE(c->geometry().right(), w.form->width());
        EXPECT_LE(c->geometry().bottom(), w.height());
    }
    EXPECT_GT(w.labUppgifter->y(), w.lstSkrivIn->geometry().bottom());
}

TEST_F(EditorTest, MenusAsDesigned) {
    frmSkrivIn &w = open({Operation::Addition});
    QStringList types;
    for (QAction *a : w.menAktRS)
        types << a->text();
    EXPECT_EQ(types, (QStringList{"&Addition", "&Subtraktion", "&Multiplikation", "&Division",
                                  "&Blandat"}));
    EXPECT_FALSE(w.menInst->menuAction()->isVisible());
    EXPECT_FALSE(w.menInst->menuAction()->isEnabled());
    for (QMenu *menu :
         {w.menArkiv, w.menNy, w.menVerktyg, w.menGenerera, w.menSortera, w.menReducera})
        for (const QAction *a : menu->actions())
            EXPECT_TRUE(a->shortcut().isEmpty()) << a->text().toStdString();
    QStringList file_items;
    for (const QAction *a : w.menArkiv->actions())
        file_items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(file_items,
              (QStringList{"&Ny", "&Öppna...", "&Infoga...", "-", "&Spara", "S&para som...", "-",
                           "&Ta bort sparad...", "-", "Skriv &ut sparad...",
                           "&Utskriftsalternativ...", "-", "&Avsluta"}));
}

TEST_F(EditorTest, EscapeDoesNotLeaveTheEditor) {
    frmSkrivIn &w = open({Operation::Addition, true}, {"1 + 1 ="});
    w.show();
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(platform::msg_box_calls().empty());
}

} // namespace

namespace {

TEST_F(EditorTest, SelectingATaskUpdatesButtonsAndTheCountLine) {
    frmSkrivIn &w = open({Operation::Addition, true}, {"1 + 1 =", "2 + 2 =", "3 + 3 ="});
    // The list editing commands come with task entry; stand-ins let their rules show.
    for (QPushButton *b : {w.comTill[2], w.comFlytta[0], w.comFlytta[1], w.comTaBort})
        w.install_command(b, {});
    struct Case {
        int row;
        bool up, down;
        QString label;
    };
    for (const Case &c :
         {Case{2, true, false, " Uppgift 3 av 3 "}, Case{0, false, true, " Uppgift 1 av 3 "},
          Case{1, true, true, " Uppgift 2 av 3 "}}) {
        w.lstSkrivIn->setCurrentRow(c.row); // as a click or an arrow key does
        EXPECT_EQ(w.selected_task_index(), c.row);
        EXPECT_EQ(w.comFlytta[0]->isEnabled(), c.up) << c.row;
        EXPECT_EQ(w.comFlytta[1]->isEnabled(), c.down) << c.row;
        EXPECT_TRUE(w.comTaBort->isEnabled());
        EXPECT_TRUE(w.comTill[2]->isEnabled());
        EXPECT_EQ(w.labUppgifter->Caption(), c.label);
        ASSERT_TRUE(w.labUppgifter->isVisibleTo(&w));
        const int label_centre = w.labUppgifter->x() + w.labUppgifter->width() / 2;
        const int list_centre = w.lstSkrivIn->x() + w.lstSkrivIn->width() / 2;
        EXPECT_LE(std::abs(label_centre - list_centre), 1);
    }
    // One past the end stands for the last task.
    w.update_task_view(3);
    EXPECT_EQ(w.selected_task_index(), 2);

    frmSkrivIn &one = open({Operation::Addition, true}, {"1 + 1 ="});
    for (QPushButton *b : {one.comFlytta[0], one.comFlytta[1], one.comTaBort})
        one.install_command(b, {});
    one.update_task_view(0);
    EXPECT_FALSE(one.comFlytta[0]->isEnabled());
    EXPECT_FALSE(one.comFlytta[1]->isEnabled());
    EXPECT_TRUE(one.comTaBort->isEnabled());
}

} // namespace
