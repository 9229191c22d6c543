// The File menu as a user goes through it: what the title, the list, the count line and the
// menu items show after each command, what each dialog is asked with, and the files on disk.

#include "test_frmSkrivIn_support.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

using namespace editor_test;

namespace {

struct FileMenu {
    bool save, save_as, remove, insert;
    bool operator==(const FileMenu &) const = default;
};

std::ostream &operator<<(std::ostream &os, const FileMenu &m) {
    return os << "save " << m.save << " save_as " << m.save_as << " remove " << m.remove
              << " insert " << m.insert;
}

// Opens the File menu as the user does, and reads its items.
FileMenu file_menu(frmSkrivIn &w) {
    emit w.menArkiv->aboutToShow();
    return {w.menSpara->isEnabled(), w.menSparaSom->isEnabled(), w.menTaBort->isEnabled(),
            w.menInfoga->isEnabled()};
}

constexpr int kNotice = vb::vbOKOnly + vb::vbInformation;

TEST_F(EditorTest, NewEditSaveSaveAsDelete) {
    put_file(path("six.add"), additions(6));
    put_file(path("more.add"), additions(2, 50));
    frmSkrivIn &w = open({Operation::Addition});
    EXPECT_EQ(file_menu(w), (FileMenu{false, false, false, true}));

    // Edit: tasks inserted from a file.
    answer({}, {path("six.add")});
    w.menInfoga->trigger();
    EXPECT_EQ(w.lstSkrivIn->count(), 6);
    EXPECT_EQ(w.windowTitle(), "Övningar - Addition - [namnlös]");
    EXPECT_EQ(w.labUppgifter->Caption(), " Uppgift 1 av 6 ");
    EXPECT_TRUE(w.labUppgifter->isVisibleTo(&w));
    EXPECT_EQ(w.selected_task_index(), 0);
    EXPECT_TRUE(w.chkSkrivIn->isChecked());
    EXPECT_TRUE(modSorvinel.duplicates_allowed);
    EXPECT_FALSE(w.document().is_saved());
    EXPECT_EQ(file_menu(w), (FileMenu{false, true, false, true}));

    // Save as, without the extension: the exercise's own is added.
    answer({}, {path("Prov")});
    w.menSparaSom->trigger();
    const QString saved = path("Prov.add");
    EXPECT_EQ(file_bytes(saved), additions(6));
    EXPECT_EQ(w.windowTitle(), "Övningar - Addition - prov.add");
    EXPECT_EQ(w.document().current_path(), saved);
    EXPECT_EQ(file_menu(w), (FileMenu{false, true, true, true}));
    EXPECT_EQ(w.menTaBort->text(), "&Ta bort " + saved + "...");
    EXPECT_EQ(w.menSkrivUt->text(), "&Skriv ut " + saved + "...");
    ASSERT_EQ(platform::file_dialog_calls().size(), 1u);
    EXPECT_EQ(platform::file_dialog_calls()[0].request.filter, "Addition (*.add)|*.add");
    EXPECT_TRUE(platform::file_dialog_calls()[0].request.file_name.isEmpty());

    // Edit again, then save to the same file.
    answer({}, {path("more.add")});
    w.menInfoga->trigger();
    EXPECT_EQ(file_menu(w), (FileMenu{true, true, false, true}));
    EXPECT_EQ(w.windowTitle(), "Övningar - Addition - prov.add");
    answer({});
    w.menSpara->trigger();
    EXPECT_EQ(file_bytes(saved), additions(6) + additions(2, 50));
    EXPECT_TRUE(platform::msg_box_calls().empty());
    EXPECT_EQ(file_menu(w), (FileMenu{false, true, true, true}));

    // Save as another name in another folder: the dialog offers the current name.
    QDir(dir.path()).mkdir("copies");
    answer({}, {path("copies/kopia.add")});
    w.menSparaSom->trigger();
    EXPECT_EQ(platform::file_dialog_calls()[0].request.file_name, "Prov.add");
    EXPECT_EQ(platform::file_dialog_calls()[0].request.folder, dir.path() + "/");
    EXPECT_EQ(w.windowTitle(), "Övningar - Addition - kopia.add");
    EXPECT_EQ(w.document().last_directory(), path("copies/"));
    EXPECT_EQ(file_bytes(path("copies/kopia.add")), file_bytes(saved));

    // Delete the saved file.
    answer({vb::vbYes});
    w.menTaBort->trigger();
    const QString lower = path("copies/kopia.add").toLower();
    EXPECT_EQ(box_texts(),
              (std::vector<QString>{"Vill du ta bort " + lower, lower + " har tagits bort!"}));
    EXPECT_EQ(platform::msg_box_calls()[0].style, vb::vbYesNoCancel + vb::vbQuestion);
    EXPECT_EQ(platform::msg_box_calls()[1].style, kNotice);
    EXPECT_FALSE(QFile::exists(path("copies/kopia.add")));
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_EQ(w.windowTitle(), "Övningar - Addition - [namnlös]");
    EXPECT_EQ(w.lstSkrivIn->count(), 0);
    EXPECT_FALSE(w.labUppgifter->isVisibleTo(&w));
    for (QPushButton *b : {w.comTill[2], w.comFlytta[0], w.comFlytta[1], w.comTaBort})
        EXPECT_FALSE(b->isEnabled());
    EXPECT_EQ(w.labText->Caption(), "_");
    EXPECT_EQ(file_menu(w), (FileMenu{false, false, false, true}));
}

TEST_F(EditorTest, DeleteAnsweredOtherwiseOrFailingChangesNothing) {
    put_file(path("a.sub"), "9 - 1 =\r\n");
    frmSkrivIn &w = open({Operation::Subtraktion});
    answer({}, {path("a.sub")});
    w.menOeppna->trigger();
    for (int refusal : {vb::vbNo, vb::vbCancel}) {
        answer({refusal});
        w.menTaBort->trigger();
        EXPECT_TRUE(QFile::exists(path("a.sub")));
        EXPECT_EQ(w.lstSkrivIn->count(), 1);
    }
    QFile::remove(path("a.sub"));
    answer({vb::vbYes});
    w.menTaBort->trigger();
    EXPECT_EQ(box_texts().back(), "Ett fel uppstod");
    EXPECT_EQ(platform::msg_box_calls().back().title, "Ta bort");
    EXPECT_EQ(w.document().current_path(), path("a.sub"));
    EXPECT_EQ(w.windowTitle(), "Övningar - Subtraktion - a.sub");
    EXPECT_EQ(w.lstSkrivIn->count(), 1);
}

TEST_F(EditorTest, NewAsksBeforeGivingUpChanges) {
    struct Case {
        int answer;
        bool emptied;
        size_t dialogs; // save dialogs shown
    };
    for (const Case c :
         {Case{vb::vbNo, true, 0}, Case{vb::vbCancel, false, 0}, Case{vb::vbYes, false, 1}}) {
        frmSkrivIn &w = open({Operation::Addition, true}, {"1 + 2 ="});
        w.labText->setCaption("12 + _"); // a task half typed
        answer({c.answer});              // the save dialog, if shown, is cancelled
        w.menAktRS[3]->trigger();
        ASSERT_EQ(platform::msg_box_calls().size(), 1u);
        EXPECT_EQ(box_texts()[0], "[namnlös] är ej sparad. Skall den sparas först?");
        EXPECT_EQ(platform::msg_box_calls()[0].style, vb::vbYesNoCancel + vb::vbQuestion);
        EXPECT_EQ(platform::msg_box_calls()[0].title, "Spara");
        EXPECT_EQ(platform::file_dialog_calls().size(), c.dialogs);
        if (c.emptied) {
            EXPECT_EQ(w.windowTitle(), "Övningar - Division - [namnlös]");
            EXPECT_EQ(w.comSiffra[frmSkrivIn::kOperatorKey]->text(), "/");
            EXPECT_EQ(w.lstSkrivIn->count(), 0);
            EXPECT_EQ(w.labText->Caption(), "_");
            // The saved state is kept, yet an empty unnamed exercise asks nothing.
            answer({});
            w.menAktRS[0]->trigger();
            EXPECT_TRUE(platform::msg_box_calls().empty());
        } else {
            EXPECT_EQ(w.windowTitle(), "Övningar - Addition - [namnlös]");
            EXPECT_EQ(list_items(w.lstSkrivIn), QStringList{"1 + 2 ="});
            EXPECT_FALSE(w.document().is_saved());
            EXPECT_EQ(w.labText->Caption(), "12 + _");
        }
    }
}

TEST_F(EditorTest, SavingFewerThanTheMinimumAsksFirst) {
    modSorvinel.min_task_count = 5;
    put_file(path("three.add"), additions(3));
    frmSkrivIn &w = open({Operation::Addition});
    answer({}, {path("three.add")});
    w.menOeppna->trigger();
    answer({}, {path("more.add")});
    put_file(path("more.add"), additions(1, 9));
    w.menInfoga->trigger();

    answer({vb::vbNo});
    w.menSpara->trigger();
    ASSERT_EQ(platform::msg_box_calls().size(), 1u);
    EXPECT_EQ(box_texts()[0], "Övningen innehåller endast 4 uppgifter.\n"
                              "Minsta antal är inställt till 5.\n"
                              "Skall övningen sparas ändå?");
    EXPECT_EQ(platform::msg_box_calls()[0].style,
              vb::vbYesNo + vb::vbQuestion + vb::vbDefaultButton2);
    EXPECT_EQ(file_bytes(path("three.add")), additions(3));

    answer({vb::vbNo}, {path("other.add")});
    w.menSparaSom->trigger();
    EXPECT_TRUE(platform::file_dialog_calls().empty());
    EXPECT_FALSE(QFile::exists(path("other.add")));

    answer({vb::vbYes});
    w.menSpara->trigger();
    EXPECT_EQ(file_bytes(path("three.add")), additions(3) + additions(1, 9));
    EXPECT_TRUE(w.document().is_saved());
}

TEST_F(EditorTest, OpenAsksFirstThenTakesTheFile) {
    put_file(path("Mix.BLA"), "7 - 3 =\r\n6 * 4 =\r\n");
    frmSkrivIn &w = open({Operation::Multiplikation, true}, {"3 * 4 ="});
    w.chkSkrivIn->setChecked(false);

    answer({vb::vbCancel}, {path("Mix.BLA")});
    w.menOeppna->trigger();
    EXPECT_TRUE(platform::file_dialog_calls().empty());
    EXPECT_EQ(list_items(w.lstSkrivIn), QStringList{"3 * 4 ="});

    answer({vb::vbNo}, {path("Mix.BLA")});
    w.menOeppna->trigger();
    ASSERT_EQ(platform::file_dialog_calls().size(), 1u);
    const platform::FileDialogRequest &asked = platform::file_dialog_calls()[0].request;
    EXPECT_EQ(platform::file_dialog_calls()[0].kind, platform::FileDialogKind::Open);
    EXPECT_EQ(asked.filter, exercises::open_dialog_filter());
    EXPECT_EQ(asked.filter_index, 3); // the exercise is a multiplication
    EXPECT_EQ(asked.folder, modSorvinel.exercise_folder);
    EXPECT_TRUE(asked.file_name.isEmpty());

    EXPECT_EQ(list_items(w.lstSkrivIn), (QStringList{"7 - 3 =", "6 * 4 ="}));
    EXPECT_EQ(w.windowTitle(), "Övningar - Blandat - mix.bla");
    EXPECT_EQ(w.comSiffra[frmSkrivIn::kOperatorKey]->text(), "¤");
    EXPECT_TRUE(w.document().is_saved());
    EXPECT_TRUE(w.chkSkrivIn->isChecked());
    EXPECT_EQ(w.labUppgifter->Caption(), " Uppgift 1 av 2 ");
    EXPECT_EQ(w.selected_task_index(), 0);
}

TEST_F(EditorTest, OpeningAFileWithoutTasksKeepsTheExercise) {
    put_file(path("empty.div"), "hello\r\n7 / 2 =\r\n");
    put_file(path("keep.add"), additions(2));
    frmSkrivIn &w = open({Operation::Addition});
    answer({}, {path("keep.add")});
    w.menOeppna->trigger();

    answer({}, {path("empty.div")});
    w.menOeppna->trigger();
    EXPECT_EQ(box_texts(), std::vector<QString>{"Filen " + path("empty.div").toLower() +
                                                " innehöll inga uppgifter."});
    EXPECT_EQ(platform::msg_box_calls()[0].title, "Öppna");
    EXPECT_EQ(w.windowTitle(), "Övningar - Addition - keep.add");
    EXPECT_EQ(w.lstSkrivIn->count(), 2);
    EXPECT_TRUE(w.document().is_saved());
}

TEST_F(EditorTest, InsertOffersTheExercisesOwnFilesAndKeepsItsName) {
    struct Case {
        exercises::EditorStart tag;
        QString filter_start;
    };
    for (const Case &c : {Case{{Operation::Blandat}, "Alla (*.add *.sub *.mul *.div *.bla)|"},
                          Case{{Operation::Addition}, "Addition (*.add)|*.add"}}) {
        frmSkrivIn &w = open(c.tag);
        QDir(dir.path()).mkdir("elsewhere");
        put_file(path("elsewhere/x.add"), additions(2));
        answer({}, {path("elsewhere/x.add")});
        w.menInfoga->trigger();
        ASSERT_EQ(platform::file_dialog_calls().size(), 1u);
        const platform::FileDialogRequest &asked = platform::file_dialog_calls()[0].request;
        EXPECT_TRUE(asked.filter.startsWith(c.filter_start)) << asked.filter.toStdString();
        EXPECT_EQ(asked.filter_index, 1);
        EXPECT_EQ(w.lstSkrivIn->count(), 2);
        EXPECT_EQ(w.windowTitle(), w.document().title());
        EXPECT_TRUE(w.windowTitle().endsWith("[namnlös]"));
        EXPECT_EQ(w.document().last_directory(), modSorvinel.exercise_folder);
    }
}

TEST_F(EditorTest, InsertIsOfferedOnlyBelowTheLimit) {
    put_file(path("full.add"), additions(kMaxExerciseTasks));
    frmSkrivIn &w = open({Operation::Addition});
    answer({}, {path("full.add")});
    w.menOeppna->trigger();
    EXPECT_FALSE(file_menu(w).insert);
    EXPECT_TRUE(file_menu(w).save_as);
}

TEST_F(EditorTest, SaveAsAsksBeforeReplacingTheFileReallyWritten) {
    put_file(path("prov.add"), "1 + 1 =\r\n");
    frmSkrivIn &w =
        open({Operation::Addition, true}, {"2 + 2 =", "3 + 3 =", "4 + 4 =", "5 + 5 =", "6 + 6 ="});

    // "Nej" shows the dialog again; cancelling it then writes nothing.
    answer({vb::vbNo}, {path("prov"), QString()});
    w.menSparaSom->trigger();
    ASSERT_EQ(platform::msg_box_calls().size(), 1u);
    EXPECT_EQ(box_texts()[0], "prov.add finns redan.\nVill du ersätta den?");
    EXPECT_EQ(platform::msg_box_calls()[0].title, "Spara som");
    EXPECT_EQ(platform::file_dialog_calls().size(), 2u);
    EXPECT_EQ(file_bytes(path("prov.add")), "1 + 1 =\r\n");
    EXPECT_TRUE(w.document().is_unnamed());
    EXPECT_FALSE(w.document().is_saved());

    answer({vb::vbYes}, {path("prov")});
    w.menSparaSom->trigger();
    EXPECT_EQ(file_bytes(path("prov.add")),
              "2 + 2 =\r\n3 + 3 =\r\n4 + 4 =\r\n5 + 5 =\r\n6 + 6 =\r\n");
    EXPECT_EQ(w.windowTitle(), "Övningar - Addition - prov.add");

    // A new name is not asked about.
    answer({}, {path("new.add")});
    w.menSparaSom->trigger();
    EXPECT_TRUE(platform::msg_box_calls().empty());
    EXPECT_TRUE(QFile::exists(path("new.add")));
}

TEST_F(EditorTest, PathsInCaptionsMakeNoAccelerators) {
    QDir(dir.path()).mkdir("a&b");
    put_file(path("a&b/t.add"), additions(1));
    frmSkrivIn &w = open({Operation::Addition});
    answer({}, {path("a&b/t.add")});
    w.menOeppna->trigger();
    file_menu(w);
    EXPECT_EQ(w.menTaBort->text(), "&Ta bort " + dir.path() + "/a&&b/t.add...");
}

TEST_F(EditorTest, ToolsFollowTheirRulesAsTheMenuOpens) {
    frmSkrivIn &w = open({Operation::Addition, true}, {"1 + 2 =", "3 + 4 ="});
    emit w.menVerktyg->aboutToShow();
    for (QMenu *m : {w.menGenerera, w.menSortera, w.menReducera})
        EXPECT_TRUE(m->menuAction()->isEnabled());
    // Two tasks: sort, fill out, reduce; no own selection on a list that holds tasks.
    EXPECT_TRUE(w.menStigande->isEnabled());
    EXPECT_TRUE(w.menFallande->isEnabled());
    EXPECT_TRUE(w.menFyllUt->isEnabled());
    EXPECT_FALSE(w.menEgetUrval->isEnabled());
    EXPECT_TRUE(w.menTaBortSlump->isEnabled());
    EXPECT_TRUE(w.menExtra->isEnabled());
    answer({vb::vbNo});
    w.menAktRS[0]->trigger();
    emit w.menVerktyg->aboutToShow();
    EXPECT_FALSE(w.menStigande->isEnabled());
    EXPECT_FALSE(w.menSortera->menuAction()->isEnabled());
    EXPECT_FALSE(w.menFyllUt->isEnabled());
    EXPECT_TRUE(w.menEgetUrval->isEnabled());
    EXPECT_FALSE(w.menExtra->isEnabled());
    // The box stayed ticked from the wrong tasks: removing duplicates is still offered.
    EXPECT_TRUE(w.menTaBortDubletter->isEnabled());
}

TEST_F(EditorTest, RealDialogsShowOurFiltersAndFolder) {
    platform::stop_file_dialog_script();
    put_file(path("t.mul"), "2 * 3 =\r\n");
    frmSkrivIn &w = open({Operation::Multiplikation});
    QStringList filters;
    QString selected, folder;
    QTimer guard; // never wait for a person
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget *m = QApplication::activeModalWidget())
            if (auto *d = qobject_cast<QDialog *>(m))
                d->reject();
    });
    guard.start(5000);
    // Tied to the guard, so it goes with this test even when no dialog opened.
    QTimer::singleShot(50, &guard, [&] {
        if (auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            filters = d->nameFilters();
            selected = d->selectedNameFilter();
            folder = d->directory().absolutePath();
            d->reject();
        }
    });
    w.menOeppna->trigger();
    EXPECT_EQ(filters,
              (QStringList{"Addition (*.add)", "Subtraktion (*.sub)", "Multiplikation (*.mul)",
                           "Division (*.div)", "Blandade (*.bla)", "Alla filer (*)"}));
    EXPECT_EQ(selected, "Multiplikation (*.mul)");
    EXPECT_EQ(folder, QDir(dir.path()).absolutePath());
    EXPECT_EQ(w.lstSkrivIn->count(), 0); // cancelled: nothing opened
    EXPECT_EQ(platform::qt_name_filters("Alla (*.add *.sub)|*.add;*.sub|Addition|*.add"),
              (std::vector<QString>{"Alla (*.add *.sub)", "Addition (*.add)"}));
}

} // namespace
