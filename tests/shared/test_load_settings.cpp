// Loading every setting: defaults, reading rules, application steps and the one-time import.
#include "platform/atomic_file.h"
#include "platform/settings_store.h"
#include "shared/modSorvinel.h"
#include "shared/settings_keys.h"
#include "support/files.h"
#include "support/non_regular_files.h"
#include "support/temp_home.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class LoadSettings : public ::testing::Test {
protected:
    void SetUp() override {
        modSorvinel.main_window = nullptr;
        modSorvinel.reset();
        modSorvinel.store = &home.store();
        // The program's folder and the INI folder follow XDG_*: keep them inside this case.
        qputenv("XDG_CONFIG_HOME", home.path("config").toUtf8());
        qputenv("XDG_DATA_HOME", home.path("data").toUtf8());
        QDir().mkpath(home.path("config"));
    }
    void TearDown() override { modSorvinel.store = nullptr; }

    void put(const char *section, const char *key, const QString &value) {
        home.store().SaveSetting(QString::fromUtf8(section), QString::fromUtf8(key), value);
    }
    QString stored(const char *section, const char *key) {
        SettingsStore fresh(home.store().filePath());
        return fresh.GetSetting(QString::fromUtf8(section), QString::fromUtf8(key), "<missing>");
    }
    void write_ini(const QByteArray &bytes) {
        QFile f(home.path("config/sorvinel.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    TempHome home;
};

TEST_F(LoadSettings, EmptyStoreGivesEveryDefault) {
    modSorvinel.load_settings();
    const ModSorvinel &m = modSorvinel;
    EXPECT_EQ(m.colour_style, 3);
    EXPECT_FALSE(m.speak_menus);
    EXPECT_FALSE(m.speak_in_exercises);
    EXPECT_TRUE(m.beep_on);
    for (long r : m.record_times)
        EXPECT_EQ(r, 0);
    EXPECT_FALSE(m.number_line_on);
    EXPECT_EQ(m.number_line_length, 10);
    EXPECT_EQ(m.number_line_marking, 5);
    EXPECT_EQ(m.reward_min_tasks, 50);
    EXPECT_EQ(m.min_task_count, 5);
    EXPECT_FALSE(m.number_board_shown);
    EXPECT_FALSE(m.board_clickable);
    EXPECT_TRUE(m.custom_mouse_pointer);
    EXPECT_TRUE(m.random_order);
    EXPECT_EQ(m.print_size, 0);
    EXPECT_EQ(m.print_order, 0);
    EXPECT_EQ(m.settings_lock_state, 0);
    EXPECT_FALSE(m.show_clock);
    EXPECT_TRUE(m.esc_allowed);
    EXPECT_FALSE(m.show_warning_message);
    EXPECT_TRUE(m.key_repeat_blocked);
    EXPECT_EQ(m.board_rows, 2);
    // The exercise folder becomes the program's folder and is saved at once.
    EXPECT_EQ(m.exercise_folder, ModSorvinel::program_folder());
    EXPECT_TRUE(QFileInfo(m.exercise_folder).isDir());
    EXPECT_EQ(stored("Filkatalog", "Path"), m.exercise_folder);
}

struct NumberCase {
    const char *section;
    const char *key;
    const char *text;
    int ModSorvinel::*variable;
    int expected;
};

class NumberReading : public LoadSettings, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(NumberReading, RangeDefaultAndRounding) {
    const NumberCase &c = GetParam();
    put(c.section, c.key, QString::fromUtf8(c.text));
    modSorvinel.load_settings();
    EXPECT_EQ(modSorvinel.*c.variable, c.expected) << c.key << "=" << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberReading,
    ::testing::Values(
        NumberCase{"Utseende", "Stil", "7", &ModSorvinel::colour_style, 3},
        NumberCase{"Utseende", "Stil", "5", &ModSorvinel::colour_style, 5},
        NumberCase{"Utseende", "Stil", " 2abc", &ModSorvinel::colour_style, 2},
        NumberCase{"Special", "Belöning", "23", &ModSorvinel::reward_min_tasks, 20},
        NumberCase{"Special", "Belöning", "4", &ModSorvinel::reward_min_tasks, 50},
        NumberCase{"Special", "Belöning", "55", &ModSorvinel::reward_min_tasks, 55},
        NumberCase{"Special", "Uppgifter", "49", &ModSorvinel::min_task_count, 45},
        NumberCase{"Special", "Steg", "4", &ModSorvinel::number_line_length, 10},
        NumberCase{"Special", "Steg", "20", &ModSorvinel::number_line_length, 20},
        NumberCase{"Special", "Steg", "99999999999999999999", &ModSorvinel::number_line_length, 10},
        NumberCase{"Special", "Markering", "0", &ModSorvinel::number_line_marking, 5},
        NumberCase{"Special", "Markering", "2.5", &ModSorvinel::number_line_marking, 2},
        NumberCase{"Special", "Markering", "3.5", &ModSorvinel::number_line_marking, 4},
        NumberCase{"Styrning", "Tavlerader", "0", &ModSorvinel::board_rows, 2},
        NumberCase{"Utskrift", "Storlek", "2", &ModSorvinel::print_size, 2},
        NumberCase{"Utskrift", "Ordning", "3", &ModSorvinel::print_order, 0}),
    [](const auto &info) {
        return test_names::name(info.index, info.param.section, info.param.key, info.param.text);
    });

TEST_F(LoadSettings, BooleansCompareExactly) {
    put("Ljud", "Pip", "false");      // not "False": stays True
    put("Special", "Klocka", "true"); // not "True": stays False
    put("Ljud", "Meny", "True");
    put("Txt", "blank", "False");
    modSorvinel.load_settings();
    EXPECT_TRUE(modSorvinel.beep_on);
    EXPECT_FALSE(modSorvinel.show_clock);
    EXPECT_TRUE(modSorvinel.speak_menus);
    EXPECT_FALSE(modSorvinel.reader_text_blanks);
}

TEST_F(LoadSettings, KeyRepeatHoldsTheInverse) {
    put("Styrning", "Tangentrepetition", "True");
    modSorvinel.load_settings();
    EXPECT_FALSE(modSorvinel.key_repeat_blocked);
}

TEST_F(LoadSettings, RecordsArePositiveWholeSecondsOnly) {
    put("Special", "Rekord0", "75");
    put("Special", "Rekord1", "-5");
    put("Special", "Rekord2", "abc");
    put("Special", "Rekord3", "99999999999"); // beyond 32 bits: no record
    put("Special", "Rekord4", "12.5");
    modSorvinel.load_settings();
    EXPECT_EQ(modSorvinel.record_times[0], 75);
    EXPECT_EQ(modSorvinel.record_times[1], 0);
    EXPECT_EQ(modSorvinel.record_times[2], 0);
    EXPECT_EQ(modSorvinel.record_times[3], 0);
    EXPECT_EQ(modSorvinel.record_times[4], 12);
}

TEST_F(LoadSettings, ControlModeDerivesBoardAndTimer) {
    put("Styrning", "Alternativ", "1");
    modSorvinel.load_settings();
    EXPECT_TRUE(modSorvinel.number_board_shown);
    EXPECT_TRUE(modSorvinel.board_clickable);

    put("Styrning", "Alternativ", "3");
    modSorvinel.load_settings();
    EXPECT_TRUE(modSorvinel.number_board_shown);
    EXPECT_FALSE(modSorvinel.board_clickable);
}

TEST_F(LoadSettings, StoredFolderKeepsItsCaseAndAMissingOneIsReset) {
    const QString mixed = home.path("Mina Övningar");
    QDir().mkpath(mixed);
    put("Filkatalog", "Path", mixed);
    modSorvinel.load_settings();
    EXPECT_EQ(modSorvinel.exercise_folder, mixed);
    EXPECT_EQ(stored("Filkatalog", "Path"), mixed);

    put("Filkatalog", "Path", home.path("gone"));
    modSorvinel.load_settings();
    EXPECT_EQ(modSorvinel.exercise_folder, ModSorvinel::program_folder());
}

// A stick not plugged in, a share not mounted yet, a folder that became a file: the run
// uses the program's folder, and the teacher's choice stays in the file for the next start.
// Only an empty Path becomes the default in the file.
TEST_F(LoadSettings, AStoredFolderThatCannotBeUsedStaysInTheFile) {
    const struct {
        const char *what;
        QString stored;
        bool kept;
    } cases[] = {
        {"missing", home.path("usb/klass4b"), true},
        {"a file", home.path("klass4b.txt"), true},
        {"empty", "", false},
    };
    put_file(home.path("klass4b.txt"), "3 + 4 =\r\n");
    for (const auto &c : cases) {
        modSorvinel.reset();
        put("Filkatalog", "Path", c.stored);
        modSorvinel.load_settings();
        EXPECT_EQ(modSorvinel.exercise_folder, ModSorvinel::program_folder()) << c.what;
        EXPECT_EQ(modSorvinel.exercise_folder_stand_in, c.kept) << c.what;
        EXPECT_EQ(stored("Filkatalog", "Path"), c.kept ? c.stored : ModSorvinel::program_folder())
            << c.what;
    }
}

TEST_F(LoadSettings, ImportWritesTheStoreOnceAndDeletesTheFile) {
    write_ini("[Ljud]\r\nPip=0\r\nMeny=1\r\n[Utseende]\r\nStil=9\r\n"
              "[Styrning]\r\nEnteravbrott=1\r\nTangentrepetition=1\r\n[Special]\r\nRekord2=42\r\n");
    modSorvinel.load_settings();
    EXPECT_FALSE(modSorvinel.beep_on);
    EXPECT_TRUE(modSorvinel.speak_menus);
    EXPECT_EQ(modSorvinel.colour_style, 0); // out of range from the INI file gives 0, not 3
    EXPECT_EQ(stored("Ljud", "Pip"), "False");
    EXPECT_EQ(stored("Utseende", "Stil"), "0");
    EXPECT_EQ(stored("Styrning", "Enteravbrott"), "True");
    EXPECT_EQ(stored("Styrning", "Tangentrepetition"), "True");
    EXPECT_EQ(stored("Special", "Rekord2"), "42");
    EXPECT_FALSE(QFile::exists(home.path("config/sorvinel.ini")));

    // The next start reads the store.
    modSorvinel.reset();
    modSorvinel.load_settings();
    EXPECT_FALSE(modSorvinel.beep_on);
    EXPECT_TRUE(modSorvinel.enter_interrupts);
    EXPECT_EQ(modSorvinel.record_times[2], 42);
}

TEST_F(LoadSettings, ImportSavesTheStoreOnce) {
    write_ini("[Ljud]\r\nPip=0\r\n[Special]\r\nRekord2=42\r\n");
    int saves = 0;
    platform::set_file_writer([&saves](QIODevice &file, const QByteArray &bytes) {
        ++saves;
        return file.write(bytes);
    });
    modSorvinel.load_settings();
    platform::set_file_writer({});
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(stored("Ljud", "Pip"), "False");
    EXPECT_EQ(stored("Special", "Rekord2"), "42");
    EXPECT_EQ(stored("Filkatalog", "Path"), modSorvinel.exercise_folder);
}

TEST_F(LoadSettings, AnImportTheStoreCannotHoldKeepsTheOldFileForTheNextStart) {
    const struct {
        const char *what;
        platform::FileWriter writer;
    } cases[] = {
        {"fails", [](QIODevice &, const QByteArray &) { return qint64(-1); }},
        {"disk full half-way",
         [](QIODevice &file, const QByteArray &bytes) {
             return file.write(bytes.left(bytes.size() / 2));
         }},
    };
    for (const auto &c : cases) {
        // Another size for each case, so it is another file to import.
        const QByteArray ini =
            "[Ljud]\r\nPip=0\r\n[Utseende]\r\nStil=4\r\n; " + QByteArray(c.what) + "\r\n";
        write_ini(ini);
        put("Utseende", "Stil", "2");
        const QByteArray before = file_bytes(home.store().filePath());
        platform::set_file_writer(c.writer);
        modSorvinel.reset();
        modSorvinel.load_settings();
        platform::set_file_writer({});
        // This start goes on with what it read; nothing on disk is lost.
        EXPECT_FALSE(modSorvinel.beep_on) << c.what;
        EXPECT_EQ(modSorvinel.colour_style, 4) << c.what;
        EXPECT_EQ(file_bytes(home.store().filePath()), before) << c.what;
        EXPECT_EQ(file_bytes(home.path("config/sorvinel.ini")), ini) << c.what;

        // The next start imports it.
        SettingsStore next(home.store().filePath());
        modSorvinel.store = &next;
        modSorvinel.reset();
        modSorvinel.load_settings();
        modSorvinel.store = &home.store();
        EXPECT_EQ(stored("Ljud", "Pip"), "False") << c.what;
        EXPECT_EQ(stored("Utseende", "Stil"), "4") << c.what;
        EXPECT_FALSE(QFile::exists(home.path("config/sorvinel.ini"))) << c.what;
    }
}

TEST_F(LoadSettings, NoImportWithoutTheFile) {
    put("Ljud", "Pip", "False");
    put("Utseende", "Stil", "4");
    modSorvinel.load_settings();
    EXPECT_EQ(stored("Ljud", "Pip"), "False");
    EXPECT_EQ(modSorvinel.colour_style, 4);
}

TEST_F(LoadSettings, AnUndeletableFileIsNotImportedAgain) {
    write_ini("[Ljud]\r\nPip=0\r\n");
    const QDateTime stamp = QFileInfo(home.path("config/sorvinel.ini")).lastModified();
    modSorvinel.load_settings();
    EXPECT_EQ(stored("Ljud", "Pip"), "False");

    // The same file is back (as when it could not be deleted); the user changed the setting.
    write_ini("[Ljud]\r\nPip=0\r\n");
    {
        QFile f(home.path("config/sorvinel.ini"));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(stamp, QFileDevice::FileModificationTime);
    }
    put("Ljud", "Pip", "True");
    modSorvinel.reset();
    modSorvinel.load_settings();
    EXPECT_TRUE(modSorvinel.beep_on);
    EXPECT_EQ(stored("Ljud", "Pip"), "True");
}

TEST_F(LoadSettings, DamagedStoreGivesDefaults) {
    QFile f(home.store().filePath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\x00\xff\xfe[Ljud\nPip\n=\n[\x01]\nStil=zz\n", 24));
    f.close();
    SettingsStore damaged(home.store().filePath());
    modSorvinel.store = &damaged;
    modSorvinel.load_settings();
    EXPECT_EQ(modSorvinel.colour_style, 3);
    EXPECT_TRUE(modSorvinel.beep_on);
}

// The store's file is there but cannot be read: the program starts on defaults (and on an
// old sorvinel.ini, for this run), and neither the folder reset nor the import writes over
// the file. The INI file stays for a start that can store it.
TEST_F(LoadSettings, AStoreThatCannotBeReadIsNeverWrittenAtStartUp) {
    for (const SpecialKind kind : {SpecialKind::Fifo, SpecialKind::Folder}) {
        SCOPED_TRACE(name_of(kind));
        const QString path = home.path("unreadable.ini");
        const SpecialFile unreadable(kind, path);
        ASSERT_TRUE(unreadable.made());
        write_ini("[Ljud]\r\nPip=0\r\n[Utseende]\r\nStil=4\r\n");
        int writes = 0;
        platform::set_file_writer([&writes](QIODevice &file, const QByteArray &bytes) {
            ++writes;
            return file.write(bytes);
        });
        SettingsStore store(path);
        modSorvinel.store = &store;
        modSorvinel.reset();
        modSorvinel.load_settings();
        modSorvinel.store = &home.store();
        platform::set_file_writer({});

        EXPECT_EQ(writes, 0);
        EXPECT_TRUE(platform::is_special_file(path));
        EXPECT_FALSE(modSorvinel.beep_on);
        EXPECT_EQ(modSorvinel.colour_style, 4);
        EXPECT_EQ(modSorvinel.exercise_folder, ModSorvinel::program_folder());
        EXPECT_TRUE(QFile::exists(home.path("config/sorvinel.ini")));
        EXPECT_FALSE(unreadable.waited_on());
    }
}

TEST(SettingKeys, WrittenForms) {
    EXPECT_EQ(written_bool(true), "True");
    EXPECT_EQ(written_bool(false), "False");
    EXPECT_EQ(written_number(50), "50");
    EXPECT_EQ(setting_keys().size(), 35u);
    int imported = 0;
    for (const SettingKey &k : setting_keys())
        imported += k.ini_default.has_value();
    EXPECT_EQ(imported, 24);
}

} // namespace
