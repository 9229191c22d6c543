// The edited exercise as the editor window drives it: file commands, their notices, the
// saved state through a document's life, and the menu and list rules.

#include "exercises/exercise_document.h"
#include "platform/message_box.h"

#include "support/files.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exercises;

namespace {

QByteArray numbered_additions(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += QByteArray::number(i) + " + 1 =\r\n";
    return bytes;
}

constexpr int kNotice = vb::vbOKOnly + vb::vbInformation;

void expect_notice(const CommandOutcome &outcome, const QString &text, const QString &title) {
    ASSERT_TRUE(outcome.notice.has_value());
    EXPECT_EQ(outcome.notice->text, text);
    EXPECT_EQ(outcome.notice->title, title);
    EXPECT_EQ(outcome.notice->style, kNotice);
}

struct Snapshot {
    QString type, path;
    bool saved;
    QStringList tasks;
    bool operator==(const Snapshot &) const = default;
};
Snapshot snapshot(const ExerciseDocument &doc) {
    return {doc.exercise_type(), doc.current_path(), doc.is_saved(), doc.tasks()};
}

class DocumentTest : public ::testing::Test {
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    // A named, saved addition exercise of two tasks, read from prov.add.
    ExerciseDocument opened_addition() {
        put_file(path("prov.add"), "1 + 2 =\r\n3 + 4 =\r\n");
        ExerciseDocument doc(kTypeAddition, dir.path());
        EXPECT_TRUE(doc.open(path("prov.add")).done);
        return doc;
    }
    QTemporaryDir dir;
};

const FileWriter failing_writer = [](const QString &, const QByteArray &) { return false; };

} // namespace

TEST(ExerciseDocumentStart, FreshExerciseIsSavedAndAsksNothing) {
    const struct {
        QString type;
        const char *title;
    } cases[] = {
        {kTypeAddition, "Övningar - Addition - [namnlös]"},
        {kTypeSubtraction, "Övningar - Subtraktion - [namnlös]"},
        {kTypeMultiplication, "Övningar - Multiplikation - [namnlös]"},
        {kTypeDivision, "Övningar - Division - [namnlös]"},
        {kTypeMixed, "Övningar - Blandat - [namnlös]"},
    };
    for (const auto &c : cases) {
        const ExerciseDocument doc(c.type, "/hem/");
        EXPECT_EQ(doc.title(), QString(c.title));
        EXPECT_EQ(doc.exercise_type(), c.type);
        EXPECT_TRUE(doc.is_saved());
        EXPECT_TRUE(doc.is_empty_unnamed());
        EXPECT_FALSE(doc.save_changes_question());
        EXPECT_EQ(doc.last_directory(), "/hem/");
    }
}

TEST(ExerciseDocumentStart, WrongTasksAreCheckedAndLimited) {
    QStringList lines{"3 + 4 =", "nonsens", "9999 + 1 =", "0012+3"};
    ExerciseDocument doc;
    EXPECT_EQ(doc.start_from_wrong_tasks(kTypeAddition, lines), 2);
    EXPECT_EQ(doc.tasks(), QStringList({"3 + 4 =", "12 + 3 ="}));
    EXPECT_FALSE(doc.is_saved());
    EXPECT_TRUE(doc.save_changes_question().has_value());

    ExerciseDocument mixed;
    EXPECT_EQ(mixed.start_from_wrong_tasks(kTypeMixed, {"6 * 7 =", "8 - 9 =", "8 / 4 ="}), 1);
    EXPECT_EQ(mixed.tasks(), QStringList({"6 * 7 =", "8 / 4 ="}));
    EXPECT_EQ(mixed.exercise_type(), kTypeMixed);

    lines = QString::fromLatin1(numbered_additions(1100)).split("\r\n", Qt::SkipEmptyParts);
    ExerciseDocument many;
    EXPECT_EQ(many.start_from_wrong_tasks(kTypeAddition, lines), 100);
    EXPECT_EQ(many.task_count(), 1000);
    EXPECT_FALSE(many.file_menu_state(false).insert);
    ExerciseDocument one_short;
    EXPECT_EQ(one_short.start_from_wrong_tasks(kTypeAddition, lines.mid(0, 999)), 0);
    EXPECT_TRUE(one_short.file_menu_state(false).insert);
}

TEST_F(DocumentTest, NewEditSaveSaveAsDelete) {
    ExerciseDocument doc(kTypeAddition, dir.path() + "/");
    doc.start_new(kTypeSubtraction);
    EXPECT_EQ(doc.title(), "Övningar - Subtraktion - [namnlös]");
    ASSERT_TRUE(doc.insert_task(0, "7 - 3 ="));
    EXPECT_FALSE(doc.is_saved());
    const auto question = doc.save_changes_question();
    ASSERT_TRUE(question);
    EXPECT_EQ(question->text, "[namnlös] är ej sparad. Skall den sparas först?");
    EXPECT_EQ(question->style, vb::vbYesNoCancel + vb::vbQuestion);
    EXPECT_EQ(question->title, "Spara");
    EXPECT_FALSE(doc.file_menu_state(false).save) << "unnamed: only save as";
    EXPECT_TRUE(doc.file_menu_state(false).save_as);
    EXPECT_EQ(doc.save_as_initial_name(), QString());

    const CommandOutcome unnamed_save = doc.save();
    EXPECT_FALSE(unnamed_save.done);
    EXPECT_FALSE(unnamed_save.notice);

    // Save as: the type's extension is added to a bare name.
    ASSERT_TRUE(doc.save_as(path("Prov")).done);
    EXPECT_EQ(doc.current_path(), path("Prov.sub"));
    EXPECT_EQ(doc.last_directory(), dir.path() + "/");
    EXPECT_TRUE(doc.is_saved());
    EXPECT_EQ(doc.title(), "Övningar - Subtraktion - prov.sub");
    EXPECT_EQ(doc.save_as_initial_name(), "Prov.sub");
    EXPECT_EQ(file_bytes(path("Prov.sub")), QByteArray("7 - 3 =\r\n"));
    EXPECT_FALSE(doc.save_changes_question());
    EXPECT_FALSE(doc.file_menu_state(false).save) << "nothing to save";
    EXPECT_TRUE(doc.file_menu_state(false).remove_saved);

    ASSERT_TRUE(doc.insert_task(doc.task_count(), "9 - 9 ="));
    EXPECT_TRUE(doc.file_menu_state(false).save);
    EXPECT_FALSE(doc.file_menu_state(false).remove_saved);
    ASSERT_TRUE(doc.save_changes_question());
    EXPECT_EQ(doc.save_changes_question()->text,
              path("Prov.sub").toLower() + " är ej sparad. Skall den sparas först?");
    ASSERT_TRUE(doc.save().done);
    EXPECT_TRUE(doc.is_saved());
    EXPECT_EQ(file_bytes(path("Prov.sub")), QByteArray("7 - 3 =\r\n9 - 9 =\r\n"));

    ASSERT_TRUE(doc.save_as(path("Kopia.SUB")).done);
    EXPECT_EQ(doc.current_path(), path("Kopia.SUB"));
    EXPECT_EQ(file_bytes(path("Kopia.SUB")), file_bytes(path("Prov.sub")));
    const FileMenuState menu = doc.file_menu_state(false);
    EXPECT_EQ(menu.remove_saved_caption, "&Ta bort " + path("Kopia.SUB") + "...");
    EXPECT_EQ(menu.print_saved_caption, "&Skriv ut " + path("Kopia.SUB") + "...");
    EXPECT_TRUE(menu.print_saved);
    EXPECT_FALSE(doc.file_menu_state(true).print_saved);

    const MessageText ask = doc.delete_question();
    EXPECT_EQ(ask.text, "Vill du ta bort " + path("Kopia.SUB").toLower());
    EXPECT_EQ(ask.title, "Ta bort");
    const CommandOutcome removed = doc.delete_saved_file();
    EXPECT_TRUE(removed.done);
    expect_notice(removed, path("Kopia.SUB").toLower() + " har tagits bort!", "Ta bort");
    EXPECT_FALSE(QFile::exists(path("Kopia.SUB")));
    EXPECT_TRUE(QFile::exists(path("Prov.sub")));
    EXPECT_TRUE(doc.is_empty_unnamed());
    EXPECT_FALSE(doc.is_saved());
    EXPECT_EQ(doc.exercise_type(), kTypeSubtraction);
    EXPECT_FALSE(doc.save_changes_question()) << "an empty unnamed exercise is never offered";
}

TEST_F(DocumentTest, FailedDeleteChangesNothing) {
    ExerciseDocument doc = opened_addition();
    ASSERT_TRUE(QFile::remove(path("prov.add")));
    const Snapshot before = snapshot(doc);
    const CommandOutcome outcome = doc.delete_saved_file();
    EXPECT_FALSE(outcome.done);
    expect_notice(outcome, "Ett fel uppstod", "Ta bort");
    EXPECT_EQ(snapshot(doc), before);
}

TEST_F(DocumentTest, FailedSaveKeepsTheExerciseUnsavedAndItsName) {
    ExerciseDocument doc = opened_addition();
    doc.insert_task(0, "5 + 5 =");
    doc.set_writer(failing_writer);
    const CommandOutcome saved = doc.save();
    EXPECT_FALSE(saved.done);
    expect_notice(saved, "Ett fel uppstod vid skrivning!", "Spara");
    EXPECT_FALSE(doc.is_saved());
    EXPECT_EQ(doc.current_path(), path("prov.add"));

    const QString folder_before = doc.last_directory();
    const CommandOutcome saved_as = doc.save_as("/annan/plats/ny.add");
    EXPECT_FALSE(saved_as.done);
    expect_notice(saved_as, "Ett fel uppstod vid skrivning!", "Spara");
    EXPECT_EQ(doc.current_path(), path("prov.add"));
    EXPECT_EQ(doc.last_directory(), folder_before);
    EXPECT_FALSE(doc.is_saved());
    EXPECT_EQ(file_bytes(path("prov.add")), QByteArray("1 + 2 =\r\n3 + 4 =\r\n"));
}

TEST_F(DocumentTest, FailedSaveAsOfAnUnnamedExerciseStaysUnnamed) {
    put_file(path("vanlig"), "x");
    ExerciseDocument doc(kTypeMixed, dir.path());
    doc.insert_task(0, "6 * 4 =");
    const CommandOutcome outcome = doc.save_as(path("vanlig/ny"));
    EXPECT_FALSE(outcome.done);
    expect_notice(outcome, "Ett fel uppstod vid skrivning!", "Spara");
    EXPECT_TRUE(doc.is_unnamed());
    EXPECT_FALSE(doc.is_saved());
    EXPECT_EQ(doc.title(), "Övningar - Blandat - [namnlös]");
    EXPECT_FALSE(doc.save_as(QString()).done) << "a cancelled dialog";
}

TEST_F(DocumentTest, OpenTakesTheFileTypeAndFolder) {
    put_file(path("Blandad.BLA"), "7 - 3 =\r\nskräp\r\n6 * 4 =\r\n");
    ExerciseDocument doc(kTypeAddition, "/hem/");
    doc.insert_task(0, "1 + 1 =");
    const CommandOutcome outcome = doc.open(path("Blandad.BLA"));
    EXPECT_TRUE(outcome.done);
    EXPECT_TRUE(outcome.allow_duplicates);
    EXPECT_FALSE(outcome.notice);
    EXPECT_EQ(doc.exercise_type(), kTypeMixed);
    EXPECT_EQ(doc.tasks(), QStringList({"7 - 3 =", "6 * 4 ="}));
    EXPECT_EQ(doc.current_path(), path("Blandad.BLA"));
    EXPECT_EQ(doc.last_directory(), dir.path() + "/");
    EXPECT_TRUE(doc.is_saved());
    EXPECT_EQ(doc.title(), "Övningar - Blandat - blandad.bla");

    // An ending that names no operation is read with the type in force.
    put_file(path("prov.txt"), "6 * 4 =\r\n2 + 2 =\r\n");
    ASSERT_TRUE(doc.open(path("prov.txt")).done);
    EXPECT_EQ(doc.exercise_type(), kTypeMixed);
    EXPECT_EQ(doc.task_count(), 2);
}

TEST_F(DocumentTest, OpenOfMoreThanTheLimitReportsTheTotal) {
    put_file(path("stor.add"), numbered_additions(1200));
    ExerciseDocument doc;
    const CommandOutcome outcome = doc.open(path("stor.add"));
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(doc.task_count(), 1000);
    EXPECT_EQ(doc.tasks().back(), "999 + 1 =");
    expect_notice(outcome, "Det fanns 1200 uppgifter. Endast de 1000 första lästes in.", "Öppna");
}

TEST_F(DocumentTest, OpenThatGivesNoTaskLeavesTheExerciseAsItWas) {
    put_file(path("Tom.DIV"), "5 / 0 =\r\n\r\n7 / 2 =\r\n");
    const struct {
        QString file;
        QString notice;
    } cases[] = {
        {path("Tom.DIV"), "Filen " + path("Tom.DIV").toLower() + " innehöll inga uppgifter."},
        {path("saknas.sub"), "Ett fel uppstod vid filhämtning!"},
        {dir.path(), "Ett fel uppstod vid filhämtning!"},
    };
    for (const auto &c : cases) {
        ExerciseDocument doc = opened_addition();
        doc.insert_task(0, "9 + 0 =");
        const Snapshot before = snapshot(doc);
        const CommandOutcome outcome = doc.open(c.file);
        EXPECT_FALSE(outcome.done);
        EXPECT_FALSE(outcome.allow_duplicates);
        expect_notice(outcome, c.notice, "Öppna");
        EXPECT_EQ(snapshot(doc), before) << c.file.toStdString();
        EXPECT_EQ(doc.title(), "Övningar - Addition - prov.add");
    }
}

TEST_F(DocumentTest, InsertIntoOneOperationTakesOnlyItsOwnSign) {
    put_file(path("blandat.sub"), "7 - 3 =\r\n2 + 2 =\r\n");
    ExerciseDocument doc = opened_addition();
    const QString folder = doc.last_directory();
    const CommandOutcome outcome = doc.insert(path("blandat.sub"));
    EXPECT_TRUE(outcome.done);
    EXPECT_TRUE(outcome.allow_duplicates);
    EXPECT_EQ(doc.tasks(), QStringList({"1 + 2 =", "3 + 4 =", "2 + 2 ="}));
    EXPECT_FALSE(doc.is_saved());
    EXPECT_EQ(doc.exercise_type(), kTypeAddition);
    EXPECT_EQ(doc.current_path(), path("prov.add"));
    EXPECT_EQ(doc.last_directory(), folder);

    // Everything inserted survives a save and a fresh read.
    ASSERT_TRUE(doc.save().done);
    ExerciseDocument again;
    ASSERT_TRUE(again.open(path("prov.add")).done);
    EXPECT_EQ(again.tasks(), doc.tasks());
}

TEST_F(DocumentTest, InsertIntoMixedReadsByTheFileSign) {
    put_file(path("a.add"), "7 - 3 =\r\n2 + 2 =\r\n");
    put_file(path("b.bla"), "7 - 3 =\r\n6 * 4 =\r\n");
    ExerciseDocument doc(kTypeMixed);
    ASSERT_TRUE(doc.insert(path("a.add")).done);
    ASSERT_TRUE(doc.insert(path("b.bla")).done);
    EXPECT_EQ(doc.tasks(), QStringList({"2 + 2 =", "7 - 3 =", "6 * 4 ="}));
    EXPECT_EQ(doc.exercise_type(), kTypeMixed);
    EXPECT_TRUE(doc.is_unnamed());
    EXPECT_FALSE(doc.is_saved());
}

TEST_F(DocumentTest, InsertThatAddsNothingDoesNotMarkChanged) {
    put_file(path("fel.add"), "8 - 1 =\r\n9999 + 1 =\r\n");
    put_file(path("full.add"), numbered_additions(3));
    const struct {
        QString file;
        int existing;
        QString notice;
    } cases[] = {
        {path("fel.add"), 2, "Filen " + path("fel.add").toLower() + " innehöll inga uppgifter."},
        {path("saknas.add"), 2, "Ett fel uppstod vid filhämtning!"},
        {path("full.add"), 1000, "Det fanns 1003 uppgifter. Endast de 1000 första lästes in."},
    };
    for (const auto &c : cases) {
        ExerciseDocument doc = opened_addition();
        if (c.existing > doc.task_count()) {
            put_file(path("prov.add"), numbered_additions(c.existing));
            ASSERT_TRUE(doc.open(path("prov.add")).done);
        }
        const Snapshot before = snapshot(doc);
        const CommandOutcome outcome = doc.insert(c.file);
        EXPECT_FALSE(outcome.done);
        expect_notice(outcome, c.notice, "Öppna");
        EXPECT_EQ(snapshot(doc), before) << c.file.toStdString();
    }
}

TEST_F(DocumentTest, InsertFillsUpToTheLimitAndReportsTheTotal) {
    put_file(path("prov.add"), numbered_additions(900));
    put_file(path("mer.add"), numbered_additions(300));
    ExerciseDocument doc;
    ASSERT_TRUE(doc.open(path("prov.add")).done);
    const CommandOutcome outcome = doc.insert(path("mer.add"));
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(doc.task_count(), 1000);
    EXPECT_EQ(doc.tasks().back(), "99 + 1 =");
    expect_notice(outcome, "Det fanns 1200 uppgifter. Endast de 1000 första lästes in.", "Öppna");
}

TEST_F(DocumentTest, RemovingTasksAndTheSavedState) {
    // Emptying a named exercise still differs from its file.
    ExerciseDocument named = opened_addition();
    named.remove_task(0);
    EXPECT_FALSE(named.is_saved());
    named.remove_task(0);
    EXPECT_EQ(named.task_count(), 0);
    EXPECT_FALSE(named.is_saved());
    EXPECT_TRUE(named.save_changes_question().has_value());

    ExerciseDocument unnamed;
    unnamed.insert_task(0, "1 + 1 =");
    unnamed.insert_task(1, "2 + 2 =");
    unnamed.remove_task(1);
    EXPECT_FALSE(unnamed.is_saved());
    unnamed.remove_task(0);
    EXPECT_TRUE(unnamed.is_saved());
    EXPECT_FALSE(unnamed.save_changes_question());
}

TEST_F(DocumentTest, NewKeepsTheSavedStateAndForgetsTheFile) {
    ExerciseDocument doc = opened_addition();
    doc.start_new(kTypeDivision);
    EXPECT_TRUE(doc.is_empty_unnamed());
    EXPECT_TRUE(doc.is_saved());
    EXPECT_EQ(doc.title(), "Övningar - Division - [namnlös]");
    EXPECT_EQ(doc.exercise_type(), kTypeDivision);
}

TEST(ExerciseDocumentRules, ListEditsRespectTheLimitAndOrder) {
    ExerciseDocument doc;
    doc.replace_tasks(
        QString::fromLatin1(numbered_additions(1005)).split("\r\n", Qt::SkipEmptyParts));
    EXPECT_EQ(doc.task_count(), 1000);
    EXPECT_FALSE(doc.insert_task(0, "1 + 1 ="));
    EXPECT_EQ(doc.task_count(), 1000);

    ExerciseDocument small;
    small.insert_task(0, "b");
    small.insert_task(0, "a");
    small.insert_task(99, "c");
    EXPECT_EQ(small.tasks(), QStringList({"a", "b", "c"}));
    EXPECT_EQ(small.move_task(0, true), 1);
    EXPECT_EQ(small.tasks(), QStringList({"b", "a", "c"}));
    EXPECT_EQ(small.move_task(2, true), 2) << "the last task cannot move down";
    EXPECT_EQ(small.move_task(0, false), 0);
}

TEST_F(DocumentTest, ReplacingByTheSameListKeepsTheSavedState) {
    ExerciseDocument doc = opened_addition();
    doc.replace_tasks({"1 + 2 =", "3 + 4 ="});
    EXPECT_TRUE(doc.is_saved());
    doc.replace_tasks({"3 + 4 =", "1 + 2 ="});
    EXPECT_FALSE(doc.is_saved());
}

TEST(ExerciseDocumentRules, TaskView) {
    const struct {
        int count, index, selected;
        bool up, down;
        const char *label;
    } cases[] = {
        {0, 0, -1, false, false, ""},
        {1, 0, 0, false, false, " Uppgift 1 av 1 "},
        {3, 0, 0, false, true, " Uppgift 1 av 3 "},
        {3, 1, 1, true, true, " Uppgift 2 av 3 "},
        {3, 2, 2, true, false, " Uppgift 3 av 3 "},
        {3, 3, 2, true, false, " Uppgift 3 av 3 "}, // the count after the last was removed
    };
    for (const auto &c : cases) {
        ExerciseDocument doc;
        for (int i = 0; i < c.count; ++i)
            doc.insert_task(i, QString::number(i) + " + 1 =");
        const TaskView view = doc.task_view(c.index);
        EXPECT_EQ(view.selected, c.selected) << c.count << "/" << c.index;
        EXPECT_EQ(view.move_up, c.up) << c.count << "/" << c.index;
        EXPECT_EQ(view.move_down, c.down) << c.count << "/" << c.index;
        EXPECT_EQ(view.remove, c.count > 0);
        EXPECT_EQ(view.place_before, c.count > 0);
        EXPECT_EQ(view.count_label, QString(c.label));
    }
}

TEST(ExerciseDocumentRules, MinimumCountQuestion) {
    ExerciseDocument doc;
    for (int i = 0; i < 3; ++i)
        doc.insert_task(i, "1 + 1 =");
    const auto question = doc.minimum_count_question(5);
    ASSERT_TRUE(question);
    EXPECT_EQ(question->text, "Övningen innehåller endast 3 uppgifter.\n"
                              "Minsta antal är inställt till 5.\n"
                              "Skall övningen sparas ändå?");
    EXPECT_EQ(question->style, vb::vbYesNo + vb::vbQuestion + vb::vbDefaultButton2);
    EXPECT_EQ(question->title, "Spara");
    EXPECT_FALSE(doc.minimum_count_question(3));
}

TEST(ExerciseDocumentRules, ToolsMenu) {
    const struct {
        QString type;
        int count;
        bool ticked;
        bool fill, own, gen, sort, tens, slump, dup, reduce;
    } cases[] = {
        {kTypeAddition, 0, false, false, true, true, false, false, false, false, false},
        {kTypeMixed, 0, false, false, false, false, false, false, false, false, false},
        {kTypeSubtraction, 1, false, false, false, false, false, true, false, false, true},
        {kTypeMultiplication, 2, true, true, false, true, true, false, true, true, true},
        {kTypeDivision, 999, false, true, false, true, true, false, true, false, true},
        {kTypeDivision, 1000, false, false, false, false, true, false, true, false, true},
    };
    for (const auto &c : cases) {
        ExerciseDocument doc(c.type);
        for (int i = 0; i < c.count; ++i)
            doc.insert_task(i, "x");
        const ToolsMenuState s = doc.tools_menu_state(c.ticked);
        const std::array<bool, 8> got{
            s.fill_out,       s.own_selection, s.generate,          s.sort,
            s.tens_crossings, s.random_reduce, s.remove_duplicates, s.reduce};
        const std::array<bool, 8> want{c.fill, c.own,   c.gen, c.sort,
                                       c.tens, c.slump, c.dup, c.reduce};
        EXPECT_EQ(got, want) << c.type.toStdString() << " " << c.count;
    }
}
