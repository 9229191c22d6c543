// Exercise-file drills: the list of a folder's files in the main window, stepped and
// opened by keys, the open dialog of the menu bar, and what a loaded file becomes.
#include "drill/exercise_drill_logic.h"
#include "drill/frmMeddelande.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "platform/swedish_order.h"
#include "support/files.h"
#include "support/non_regular_files.h"
#include "support/temp_home.h"
#include "test_drill_road_fixture.h"
#include "test_drill_windows_support.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace {

QByteArray lines(int n, const char *sign = "+", const char *ending = "\r\n") {
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes += QByteArray::number(i % 50 + 1) + ' ' + sign + ' ' + QByteArray::number(3) + " =" +
                 ending;
    return bytes;
}

TEST(ExerciseDrillLogic, NamesStepsAndJumps) {
    EXPECT_EQ(drill::exercise_display_name("Plus 7.ADD"), " plus 7 ");
    EXPECT_EQ(drill::exercise_entry_path("/a/b", "C.ADD"), "/a/b/C.ADD");
    EXPECT_EQ(drill::exercise_entry_path("/a/b/", "C.ADD"), "/a/b/C.ADD");
    struct Case {
        Operation op;
        const char *prefix;
    } questions[] = {{Operation::Addition, "Additionsövningar"},
                     {Operation::Division, "Divisionsonsövningar"},
                     {Operation::Blandat, "Blandade övningar"}};
    for (const Case &c : questions)
        EXPECT_EQ(drill::missing_exercises_question(c.op),
                  QString(c.prefix) + " saknas.\r\nVill du skapa sådana övningar?");

    EXPECT_EQ(drill::next_file_index(2, 3), 0);
    EXPECT_EQ(drill::previous_file_index(0, 3), 2);
    const QStringList entries{"apa.add", "Bil.add", "cykel.add", "Båt.add"};
    struct Jump {
        int index;
        int key;
        int steps;
    } jumps[] = {
        {2, vb::key::A, -2},      // only before the shown entry: up
        {0, vb::key::A + 1, 1},   // the first after it, without regard to case
        {2, vb::key::A + 2, 0},   // the shown entry itself is never tested
        {1, vb::key::A + 1, 2},   // "Båt" begins with "b" too: found after the shown one
        {0, vb::key::Numpad0, 0}, // no match: nothing
        {0, vb::key::Aa, 0},
    };
    for (const Jump &j : jumps)
        EXPECT_EQ(drill::file_jump_steps(entries, j.index, *drill::file_jump_character(j.key)),
                  j.steps)
            << j.index << " " << j.key;
    EXPECT_EQ(*drill::file_jump_character(vb::key::Oe), QChar(u'ö'));
    EXPECT_FALSE(drill::file_jump_character(vb::key::Space));
}

class FileDrills : public DrillRoad {
protected:
    void SetUp() override {
        DrillRoad::SetUp();
        folder = fixture.home.path("övningar");
        QDir().mkpath(folder);
        modSorvinel.exercise_folder = folder;
        modSorvinel.random_order = false;
        modSorvinel.beep_on = false;
        platform::script_msg_box({});
        platform::script_file_dialogs({});
    }
    void TearDown() override {
        platform::stop_msg_box_script();
        platform::stop_file_dialog_script();
        DrillRoad::TearDown();
    }
    QString put(const QString &name, const QByteArray &bytes) {
        const QString path = folder + "/" + name;
        put_file(path, bytes);
        return path;
    }
    void open_list(char operation_key) {
        letter(operation_key);
        press(vb::key::Oe);
    }
    QStringList prompts() const {
        QStringList p;
        for (const platform::MsgBoxCall &c : platform::msg_box_calls())
            p << c.prompt;
        return p;
    }
    QString folder;
};

TEST_F(FileDrills, ListShowsEveryCaseOfTheEndingAndOpensTheEntryItself) {
    put("b.add", lines(5));
    put("Plus.ADD", lines(6, "+", "\n"));
    put("c.sub", lines(5, "-"));
    open_list('A');
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::FileList);
    EXPECT_EQ(w->labFilnamn->Caption(), " b ");
    EXPECT_TRUE(w->picNer->isVisible());
    press(vb::key::Down);
    EXPECT_EQ(w->labFilnamn->Caption(), " plus ");
    press(vb::key::Space);
    EXPECT_EQ(w->labFilnamn->Caption(), " b ") << "the step wraps";
    press(vb::key::Up);
    EXPECT_EQ(w->labFilnamn->Caption(), " plus ");
    press(vb::key::Return);
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    EXPECT_EQ(modSorvinel.task_count, 6);
    EXPECT_TRUE(prompts().isEmpty()) << "the list road never asks to shuffle";
    EXPECT_TRUE(w->labFilnamn->isHidden());
}

// The list in Swedish order (a .. z, å, ä, ö, case ignored), stepped by the arrows and jumped
// through by letters in that same order.
TEST_F(FileDrills, ListIsInSwedishOrder) {
    struct Jump {
        int key;
        const char *shown;
    };
    struct Case {
        QStringList files;
        QStringList order;
        std::vector<Jump> jumps;
    } cases[] = {
        {{"öga", "ärta", "åsna", "zeta", "bil"},
         {"bil", "zeta", "åsna", "ärta", "öga"},
         {{vb::key::Aa, "åsna"},
          {vb::key::Oe, "öga"},
          {vb::key::Ae, "ärta"},
          {vb::key::Z, "zeta"}}},
        {{"ÖGA", "Ärta", "Åsna", "Zeta", "bil", "Ali", "äpple"},
         {"ali", "bil", "zeta", "åsna", "äpple", "ärta", "öga"},
         {{vb::key::Ae, "äpple"},
          {vb::key::Ae, "ärta"},
          {vb::key::Aa, "åsna"},
          {vb::key::A, "ali"}}},
        {{"ö1", "o2", "ä3", "a4", "å5", "aa6", "aä", "aå"},
         {"a4", "aa6", "aå", "aä", "o2", "å5", "ä3", "ö1"},
         {{vb::key::Oe, "ö1"},
          {vb::key::Aa, "å5"},
          {vb::key::A, "a4"},
          {vb::key::A, "aa6"},
          {vb::key::A, "aå"}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.files.join(' ').toStdString());
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        for (const QString &f : c.files)
            put(f + ".add", lines(5));

        // The order kept where Qt's collation has no Swedish.
        QStringList byKey = c.files;
        platform::sort_swedish(byKey, platform::SwedishCollation::OwnKey);
        EXPECT_EQ(byKey.join(' ').toLower(), c.order.join(' '));

        open_list('A');
        ASSERT_EQ(modSorvinel.screen_state, ScreenState::FileList);
        QStringList stepped;
        for (qsizetype i = 0; i < c.order.size(); ++i) {
            stepped << w->labFilnamn->Caption().trimmed();
            press(vb::key::Down);
        }
        EXPECT_EQ(stepped, c.order);
        press(vb::key::Up);
        EXPECT_EQ(w->labFilnamn->Caption().trimmed(), c.order.back()) << "up from the first";
        for (const Jump &j : c.jumps) {
            press(j.key);
            EXPECT_EQ(w->labFilnamn->Caption().trimmed(), QString(j.shown)) << j.key;
        }
        w->menAvbryt->trigger();
        w->menAvbryt->trigger();
        ASSERT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
    }
}

TEST_F(FileDrills, NoFileOffersTheEditorAndLeavesTheMenu) {
    put("a.sub", lines(5, "-"));
    platform::script_msg_box({vb::vbNo});
    open_list('D');
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::DrillTypeMenu);
    ASSERT_EQ(prompts().size(), 1);
    EXPECT_EQ(prompts()[0], "Divisionsonsövningar saknas.\r\nVill du skapa sådana övningar?");
    EXPECT_EQ(platform::msg_box_calls()[0].style, vb::vbYesNo + vb::vbQuestion);
    EXPECT_TRUE(w->labMenyVal[2]->isVisible());
}

// The pause names the list it goes back to, and its label fits in its window whichever way
// the list was reached: by the hot key the first item stays the current, bold one.
TEST_F(FileDrills, PauseLabelFitsForEveryOperationReachedEitherWay) {
    struct Case {
        char key;
        const char *file;
        const char *sign;
        Operation operation;
        int steps_down; // to "Övningar": a mixed drill has no own selection
    } cases[] = {{'A', "a.add", "+", Operation::Addition, 2},
                 {'S', "a.sub", "-", Operation::Subtraktion, 2},
                 {'M', "a.mul", "*", Operation::Multiplikation, 2},
                 {'D', "a.div", "/", Operation::Division, 2},
                 {'B', "a.bla", "+", Operation::Blandat, 1}};
    modSorvinel.esc_allowed = true;
    modSorvinel.show_warning_message = true;
    for (const Case &c : cases) {
        put(c.file, lines(5, c.sign));
        for (const bool by_arrows : {false, true}) {
            letter(c.key);
            if (by_arrows) {
                for (int i = 0; i < c.steps_down; ++i)
                    press(vb::key::Down);
                press(vb::key::Return);
            } else {
                press(vb::key::Oe);
            }
            ASSERT_EQ(modSorvinel.screen_state, ScreenState::FileList) << c.file;
            QString label;
            QRect place;
            int window_width = 0;
            drill_windows_test::when_modal<frmMeddelande>(fixture.modal, [&](frmMeddelande *m) {
                label = m->labMeddelandeMeny->Caption();
                place = m->labMeddelandeMeny->geometry();
                window_width = m->width();
                m->labMeddelandeMeny_Click();
            });
            press(vb::key::Escape);
            const QString where = label + (by_arrows ? " by the arrows" : " by the hot key");
            EXPECT_EQ(label, "Meny - " + ModSorvinel::operation_name(c.operation));
            EXPECT_GE(place.left(), 0) << where.toStdString();
            EXPECT_LE(place.right(), window_width) << where.toStdString();
            EXPECT_EQ(modSorvinel.screen_state, ScreenState::DrillTypeMenu);
            w->show_main_menu();
        }
    }
}

TEST_F(FileDrills, TooFewTasksOrAVanishedFileKeepTheList) {
    put("kort.add", lines(4) + "x\r\n7 - 2 =\r\n");
    put("weg.add", lines(9));
    modSorvinel.min_task_count = 5;
    open_list('A');
    end_next_modal();
    press(vb::key::Return);
    EXPECT_EQ(modals_ended, 1) << "För få uppgifter! in the message window";
    EXPECT_EQ(modSorvinel.message_text, "För få uppgifter!");
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::FileList);
    EXPECT_TRUE(w->labFilnamn->isVisible());

    press(vb::key::Down);
    QFile::remove(folder + "/weg.add");
    press(vb::key::Return);
    EXPECT_EQ(prompts(), QStringList{"Ett fel uppstod vid filhämtning!"});
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::FileList);
    EXPECT_EQ(w->labFilnamn->Caption(), " weg ");
    EXPECT_TRUE(w->picUpp->isVisible());
}

TEST_F(FileDrills, LetterKeysJumpAndAbortGoesBackToTheDrillTypeMenu) {
    for (const char *name : {"apa.mul", "bil.mul", "cykel.mul"})
        put(name, lines(5, "*"));
    open_list('M');
    letter('C');
    EXPECT_EQ(w->labFilnamn->Caption(), " cykel ");
    letter('A');
    EXPECT_EQ(w->labFilnamn->Caption(), " apa ");
    letter('X');
    EXPECT_EQ(w->labFilnamn->Caption(), " apa ");
    w->menAvbryt->trigger();
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::DrillTypeMenu);
    EXPECT_TRUE(w->labFilnamn->isHidden());
}

TEST_F(FileDrills, DialogRoadAsksToShuffleAndKeepsDivisionAsQuotient) {
    const QString path = put("Dela.DIV", "12 / 4 =\r\n20 / 5 =\r\n7 / 2 =\r\n9 / 3 =\r\n"
                                         "0 / 6 =\r\n8 / 0 =\r\n30 / 10 =\r\n");
    platform::script_file_dialogs({path});
    platform::script_msg_box({vb::vbNo});
    w->menOevningarDrill[index_of(Operation::Division)]->trigger();
    ASSERT_EQ(platform::file_dialog_calls().size(), 1u);
    EXPECT_EQ(platform::file_dialog_calls()[0].request.filter_index, 4);
    ASSERT_EQ(prompts(), QStringList{"Skall uppgifterna blandas?"});
    EXPECT_EQ(platform::msg_box_calls()[0].title, "Öppna Dela.DIV");
    EXPECT_EQ(platform::msg_box_calls()[0].style,
              vb::vbYesNo + vb::vbQuestion + vb::vbDefaultButton2)
        << "No is the default without random order";
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    const std::vector<int> quotients{3, 4, 3, 0, 3};
    const std::vector<int> divisors{4, 5, 3, 6, 10};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(modSorvinel.task_operands[drill::Row::AskedFirst][i], quotients[size_t(i)]);
        EXPECT_EQ(modSorvinel.task_operands[drill::Row::AskedSecond][i], divisors[size_t(i)]);
    }
    EXPECT_EQ(w->labTal[0]->Caption(), "12") << "shown as quotient times divisor";
    EXPECT_EQ(modSorvinel.current_operation, Operation::Division);
    EXPECT_FALSE(w->menVal->isEnabled());
}

TEST_F(FileDrills, DialogRoadMessagesAndCancel) {
    platform::script_file_dialogs({""});
    w->menOevningarDrill[index_of(Operation::Addition)]->trigger();
    EXPECT_TRUE(prompts().isEmpty()) << "a cancel is silent";
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);

    const QString few = put("Få.add", lines(3));
    platform::script_file_dialogs({few});
    w->menOevningarDrill[index_of(Operation::Addition)]->trigger();
    EXPECT_EQ(prompts().back(), "Filen " + few.toLower() +
                                    " innehöll endast 3 uppgifter.\n\rMinsta antal är "
                                    "inställt till 5");
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);

    // A mixed file: "¤" lines are no tasks; more than 1000 valid lines are cut.
    const QString big = put("stor.bla", "3 \xa4 4 =\r\n" + lines(1200, "+") + "6 * 7 =\r\n");
    platform::script_file_dialogs({big});
    platform::script_msg_box({vb::vbOK, vb::vbYes});
    w->menOevningarDrill[index_of(Operation::Blandat)]->trigger();
    EXPECT_TRUE(prompts().contains("Det fanns 1201 uppgifter. Endast de 1000 första lästes in."));
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
    EXPECT_EQ(modSorvinel.task_count, 1000);
    EXPECT_EQ(modSorvinel.task_operators[drill::Row::StoredSign][0], "+");
}

TEST_F(FileDrills, DialogRoadNameWithoutOperationHoldsNoTask) {
    const QString other = put("Prov.TXT", lines(8));
    platform::script_file_dialogs({other});
    w->menOevningarDrill[index_of(Operation::Addition)]->trigger();
    EXPECT_EQ(prompts(), QStringList{"Filen " + other.toLower() + " innehöll inga uppgifter."});
    EXPECT_EQ(platform::msg_box_calls()[0].title, "Övningar");
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
}

TEST_F(FileDrills, StepsAreSpokenAndWrittenAndRandomOrderIsOffered) {
    put("apa.sub", lines(5, "+"));
    put("Bil.SUB", "9 - 3 =\r\n8 - 1 =\r\n7 - 2 =\r\n6 - 6 =\r\n5 - 0 =\r\n");
    modSorvinel.screen_reader_text_on = true;
    speak_everything();
    open_list('S');
    EXPECT_EQ(spoken().back(), " apa ");
    EXPECT_EQ(w->txtJaws->text().trimmed(), "apa.sub");
    press(vb::key::Down);
    EXPECT_EQ(spoken().back(), " bil ");
    EXPECT_EQ(w->txtJaws->text().trimmed(), "bil.sub");
    w->menAvbryt->trigger();
    w->menAvbryt->trigger();
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);

    modSorvinel.random_order = true;
    platform::script_file_dialogs({folder + "/Bil.SUB"});
    platform::script_msg_box({vb::vbYes});
    w->menOevningarDrill[index_of(Operation::Subtraktion)]->trigger();
    ASSERT_EQ(prompts(), QStringList{"Skall uppgifterna blandas?"});
    EXPECT_EQ(platform::msg_box_calls()[0].style, vb::vbYesNo + vb::vbQuestion)
        << "Yes is the default with random order";
    EXPECT_TRUE(w->shuffle_loaded_file);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::TaskShown);
}

// A FIFO, a folder or a socket named as an exercise: the list leaves it out, and a road that
// is handed one says "Ett fel uppstod vid filhämtning!" at once instead of waiting on it.
TEST_F(FileDrills, WhatIsNoFileIsRefusedOnEveryRoadWithoutWaiting) {
    put("b.add", lines(6));
    for (const SpecialKind kind : kSpecialKinds) {
        SCOPED_TRACE(name_of(kind));
        platform::script_msg_box({});
        {
            const SpecialFile special(kind, folder + "/a.add");
            ASSERT_TRUE(special.made());
            // The list shows only the plain file.
            open_list('A');
            ASSERT_EQ(modSorvinel.screen_state, ScreenState::FileList);
            EXPECT_EQ(w->filSorvinel.ListCount(), 1);
            EXPECT_EQ(w->labFilnamn->Caption(), " b ");
            w->menAvbryt->trigger();
            w->menAvbryt->trigger();
            ASSERT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);

            // The dialog road.
            platform::script_file_dialogs({folder + "/a.add"});
            w->menOevningarDrill[index_of(Operation::Addition)]->trigger();
            EXPECT_EQ(prompts(), QStringList{"Ett fel uppstod vid filhämtning!"});
            EXPECT_EQ(platform::msg_box_calls().back().title, "Övningar");
            EXPECT_EQ(platform::msg_box_calls().back().style, vb::vbOKOnly + vb::vbInformation);
            EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
            EXPECT_TRUE(w->menVal->isEnabled());
            EXPECT_FALSE(special.waited_on());
        }
        // The list road, when the listed file is swapped for one between listing and opening.
        open_list('A');
        ASSERT_EQ(modSorvinel.screen_state, ScreenState::FileList);
        QFile::rename(folder + "/b.add", folder + "/b.keep");
        {
            const SpecialFile special(kind, folder + "/b.add");
            ASSERT_TRUE(special.made());
            press(vb::key::Return);
            EXPECT_EQ(prompts().back(), "Ett fel uppstod vid filhämtning!");
            EXPECT_EQ(prompts().size(), 2);
            EXPECT_EQ(modSorvinel.screen_state, ScreenState::FileList);
            EXPECT_EQ(w->labFilnamn->Caption(), " b ");
            EXPECT_FALSE(special.waited_on());
        }
        QFile::rename(folder + "/b.keep", folder + "/b.add");
        w->menAvbryt->trigger();
        w->menAvbryt->trigger();
        ASSERT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
    }
}

// A file far larger than any exercise (here a sparse terabyte) is listed like any other, and
// refused with "Ett fel uppstod vid filhämtning!" on both roads; the list stays to choose from.
TEST_F(FileDrills, AHugeFileIsRefusedOnBothRoads) {
    put_sparse_file(folder + "/a.add", qint64(1) << 40);
    put("b.add", lines(6));
    open_list('A');
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::FileList);
    ASSERT_EQ(w->labFilnamn->Caption(), " a ");
    press(vb::key::Return);
    EXPECT_EQ(prompts(), QStringList{"Ett fel uppstod vid filhämtning!"});
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::FileList);
    EXPECT_EQ(w->labFilnamn->Caption(), " a ");
    press(vb::key::Down);
    press(vb::key::Return);
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::TaskShown) << "the next file still opens";
    w->menAvbryt->trigger();
    w->menAvbryt->trigger();
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);

    platform::script_msg_box({});
    platform::script_file_dialogs({folder + "/a.add"});
    w->menOevningarDrill[index_of(Operation::Addition)]->trigger();
    EXPECT_EQ(prompts(), QStringList{"Ett fel uppstod vid filhämtning!"});
    EXPECT_EQ(platform::msg_box_calls().back().title, "Övningar");
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::MainMenu);
    EXPECT_TRUE(w->menVal->isEnabled());
}

TEST(ExerciseDrillLogic, ManyLinesBeyondTheLimitAreCountedTruly) {
    TempHome home;
    const QString path = home.path("stor.add");
    put_file(path, lines(40000));
    const drill::LoadedExercise loaded = drill::read_exercise_for_drill(path);
    EXPECT_EQ(loaded.tasks.size(), 1000u);
    EXPECT_EQ(loaded.left_out, 39000);
    EXPECT_TRUE(drill::read_exercise_for_drill(home.path("saknas.add")).failed);
}

TEST(ExerciseDrillLogic, TheLastThreeCharactersOfTheNameGiveTheOperation) {
    TempHome home;
    struct Case {
        const char *name;
        bool exists;
        bool failed;
        size_t tasks;
    } cases[] = {
        {"prov.txt", true, false, 0},   // no operation: read, but no task
        {"provxadd", true, false, 10},  // no dot needed
        {"PROV.ADD", true, false, 10},  // any case
        {"saknas.txt", false, true, 0}, // unreadable whatever the ending
    };
    for (const Case &c : cases) {
        if (c.exists)
            put_file(home.path(c.name), lines(10));
        const drill::LoadedExercise loaded = drill::read_exercise_for_drill(home.path(c.name));
        EXPECT_EQ(loaded.failed, c.failed) << c.name;
        EXPECT_EQ(loaded.tasks.size(), c.tasks) << c.name;
    }
}

// A folder stored on a stick that is not plugged in: the run lists the program's folder, and
// neither the start nor a whole drill from that list replaces the stored folder.
TEST(MissingStoredFolder, StaysInTheFileAfterStartAndADrill) {
    MainWindowFixture f;
    // The program's folder inside this case, given back however the case ends.
    struct DataHome {
        QByteArray before = qgetenv("XDG_DATA_HOME");
        ~DataHome() {
            qputenv("XDG_DATA_HOME", before);
            platform::stop_msg_box_script();
        }
    } restore;
    qputenv("XDG_DATA_HOME", f.home.path("data").toUtf8());
    const QString missing = f.home.path("usb/klass4b");
    f.home.store().SaveSetting("Filkatalog", "Path", missing);
    put_file(ModSorvinel::program_folder() + "/fem.add", lines(5));
    platform::script_msg_box({});
    f.load();
    auto stored = [&f] {
        return SettingsStore(f.home.store().filePath()).GetSetting("Filkatalog", "Path", {});
    };
    EXPECT_EQ(stored(), missing);
    EXPECT_EQ(modSorvinel.exercise_folder, ModSorvinel::program_folder());

    frmSorvinel &w = *f.window;
    auto press = [&w](int code) {
        int c = code;
        w.Form_KeyDown(c, 0);
        w.Form_KeyUp(c, 0);
    };
    press(vb::key::A);
    press(vb::key::Oe);
    ASSERT_EQ(modSorvinel.screen_state, ScreenState::FileList);
    EXPECT_EQ(w.labFilnamn->Caption(), " fem ");
    press(vb::key::Return);
    for (int asked = 0; asked < 5; ++asked) {
        ASSERT_EQ(modSorvinel.screen_state, ScreenState::TaskShown) << asked;
        for (QChar d : QString::number(w.drill_session().task().right_answer))
            press(vb::key::D0 + d.digitValue());
        press(vb::key::Return);
    }
    EXPECT_EQ(modSorvinel.screen_state, ScreenState::EndMenu);
    EXPECT_EQ(stored(), missing);
}

} // namespace
