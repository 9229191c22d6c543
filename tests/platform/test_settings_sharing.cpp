// The settings file shared by two running copies of the program, a file that cannot be
// read, and a lock left behind by a copy that ended without letting go of it.
#include "platform/atomic_file.h"
#include "platform/settings_store.h"
#include "support/files.h"
#include "support/non_regular_files.h"
#include "support/temp_home.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <variant>

namespace {

const QString kMissing = QStringLiteral("<missing>");

// One step of a copy: save a key, or hold or release its saves.
struct Save {
    const char *section, *key, *value;
};
enum class Batch { Hold, Release };
struct Step {
    int copy; // 0 or 1
    std::variant<Save, Batch> what;
};
struct Stored {
    const char *section, *key, *value; // value null: missing
};

struct Sharing {
    const char *what;
    QByteArray before; // the file when both copies start; empty: no file
    std::vector<Step> steps;
    std::vector<Stored> after; // what a third copy reads afterwards
};

const Sharing kSharings[] = {
    {"one copy locks, the other confirms a setting it read before the lock",
     "[Ljud]\nPip=True\n[Special]\nRekord0=75\n",
     {{1, Batch::Hold},
      {1, Save{"Visa", "Inst", "1"}},
      {1, Save{"Visa", "Namn", "Åsa Berg"}},
      {1, Save{"Visa", "Tid", "2024-06-07 10:00:00"}},
      {1, Batch::Release},
      {0, Save{"Ljud", "Pip", "False"}}},
     {{"Visa", "Inst", "1"},
      {"Visa", "Namn", "Åsa Berg"},
      {"Ljud", "Pip", "False"},
      {"Special", "Rekord0", "75"}}},
    {"a record in one copy, settings in the other",
     "[Special]\nRekord2=90\nKontrollera=True\n",
     {{0, Save{"Special", "Rekord2", "80"}}, {1, Save{"Special", "Kontrollera", "False"}}},
     {{"Special", "Rekord2", "80"}, {"Special", "Kontrollera", "False"}}},
    {"single saves in turn, no file at first",
     "",
     {{0, Save{"Ljud", "Pip", "False"}},
      {1, Save{"Utseende", "Stil", "1"}},
      {0, Save{"Filkatalog", "Path", "/hem/elev"}},
      {1, Save{"Special", "Steg", "15"}}},
     {{"Ljud", "Pip", "False"},
      {"Utseende", "Stil", "1"},
      {"Filkatalog", "Path", "/hem/elev"},
      {"Special", "Steg", "15"}}},
    {"a held batch with a save of the other copy in the middle",
     "[Ljud]\nMeny=False\n",
     {{0, Batch::Hold},
      {0, Save{"Ljud", "Pip", "False"}},
      {1, Save{"Ljud", "Meny", "True"}},
      {0, Save{"Special", "Klocka", "True"}},
      {0, Batch::Release}},
     {{"Ljud", "Pip", "False"}, {"Ljud", "Meny", "True"}, {"Special", "Klocka", "True"}}},
    {"the same key from both: the later save stands",
     "[Utseende]\nStil=3\n",
     {{0, Save{"Utseende", "Stil", "1"}}, {1, Save{"utseende", "STIL", "2"}}},
     {{"Utseende", "Stil", "2"}}},
    {"a key one copy never saved is not brought back by it",
     "[Special]\nRekord1=40\nRekord3=55\n",
     {{1, Save{"Special", "Rekord1", "0"}}, {0, Save{"Special", "Rekord3", "50"}}},
     {{"Special", "Rekord1", "0"}, {"Special", "Rekord3", "50"}}},
};

void PrintTo(const Sharing &s, std::ostream *os) {
    *os << s.what;
}

class SettingsSharing : public ::testing::TestWithParam<Sharing> {};

TEST_P(SettingsSharing, EachCopyChangesOnlyTheKeysItSaves) {
    const Sharing &c = GetParam();
    TempHome home;
    const QString path = home.path("PLOXA Sorvinel.ini");
    if (!c.before.isEmpty())
        put_file(path, c.before);
    SettingsStore copies[] = {SettingsStore(path), SettingsStore(path)};
    for (const Step &step : c.steps) {
        SettingsStore &copy = copies[step.copy];
        if (const Save *save = std::get_if<Save>(&step.what))
            EXPECT_TRUE(copy.SaveSetting(QString::fromUtf8(save->section),
                                         QString::fromUtf8(save->key),
                                         QString::fromUtf8(save->value)));
        else if (std::get<Batch>(step.what) == Batch::Hold)
            copy.hold_saves();
        else
            EXPECT_TRUE(copy.release_saves());
    }
    const SettingsStore third(path);
    for (const Stored &s : c.after)
        EXPECT_EQ(
            third.GetSetting(QString::fromUtf8(s.section), QString::fromUtf8(s.key), kMissing),
            s.value ? QString::fromUtf8(s.value) : kMissing)
            << s.section << "/" << s.key;
    // The lock beside the file is gone after each save.
    EXPECT_EQ(QDir(home.dir.path()).entryList(QDir::Files), QStringList{"PLOXA Sorvinel.ini"});
}

INSTANTIATE_TEST_SUITE_P(Interleavings, SettingsSharing, ::testing::ValuesIn(kSharings),
                         [](const ::testing::TestParamInfo<Sharing> &info) {
                             return "case" + std::to_string(info.index);
                         });

TEST(SettingsStoreCopies, EachReadsWhatItHadAndSetItself) {
    TempHome home;
    const QString path = home.path("PLOXA Sorvinel.ini");
    put_file(path, "[Visa]\nInst=0\n[Ljud]\nPip=True\n");
    SettingsStore first(path), second(path);
    ASSERT_TRUE(second.SaveSetting("Visa", "Inst", "1"));
    ASSERT_TRUE(first.SaveSetting("Ljud", "Pip", "False"));
    // Each copy runs on what it read at start-up and what it set: no key changes under it.
    EXPECT_EQ(first.GetSetting("Visa", "Inst", kMissing), "0");
    EXPECT_EQ(first.GetSetting("Ljud", "Pip", kMissing), "False");
    EXPECT_EQ(second.GetSetting("Ljud", "Pip", kMissing), "True");
    EXPECT_EQ(file_bytes(path), QByteArray("[Visa]\nInst=1\n[Ljud]\nPip=False\n"));
}

// A lock file such as a copy leaves that ended without letting go of it.
enum class LeftLock { ByAnEndedProcess, Damaged };

struct LeftBehind {
    const char *what;
    LeftLock kind;
    QByteArray damaged; // what a damaged lock file holds
    qint64 age_s;       // how long ago a damaged lock file was last written
};

// A dead process's lock goes at once, a damaged one once it is a second old; the last case
// makes the save wait for that second, within the two it waits at most.
const LeftBehind kLeftBehind[] = {
    {"by an ended process", LeftLock::ByAnEndedProcess, {}, 0},
    {"junk from long ago", LeftLock::Damaged, "not a lock\n", 3600},
    {"junk a few seconds old", LeftLock::Damaged, "not a lock\n", 5},
    {"junk just written", LeftLock::Damaged, "not a lock\n", 0},
};

void PrintTo(const LeftBehind &l, std::ostream *os) {
    *os << l.what;
}

pid_t ended_process() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

void leave_lock(const QString &lockPath, const LeftBehind &left, const QString &scratch) {
    if (left.kind == LeftLock::Damaged) {
        put_file(lockPath, left.damaged);
        QFile f(lockPath);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-left.age_s),
                                  QFileDevice::FileModificationTime));
        return;
    }
    // A lock as this program writes one, then the process named in it is gone.
    {
        QLockFile ours(scratch);
        ASSERT_TRUE(ours.lock());
        QByteArray content = file_bytes(scratch);
        const qsizetype firstLineEnd = content.indexOf('\n');
        ASSERT_GT(firstLineEnd, 0);
        content.replace(0, firstLineEnd, QByteArray::number(ended_process()));
        put_file(lockPath, content);
    }
}

class SettingsStoreLock : public ::testing::TestWithParam<LeftBehind> {};

TEST_P(SettingsStoreLock, ALockLeftBehindDoesNotStopSaving) {
    const LeftBehind &left = GetParam();
    TempHome home;
    const QString path = home.path("PLOXA Sorvinel.ini");
    put_file(path, "[Ljud]\nPip=True\n");
    leave_lock(path + ".lock", left, home.path("scratch.lock"));
    SettingsStore store(path);
    EXPECT_TRUE(store.SaveSetting("Ljud", "Pip", "False"));
    EXPECT_EQ(file_bytes(path), QByteArray("[Ljud]\nPip=False\n"));
    EXPECT_FALSE(QFileInfo::exists(path + ".lock"));
}

INSTANTIATE_TEST_SUITE_P(Left, SettingsStoreLock, ::testing::ValuesIn(kLeftBehind),
                         [](const ::testing::TestParamInfo<LeftBehind> &info) {
                             return "case" + std::to_string(info.index);
                         });

// A store file that is there but cannot be read whole: this run keeps its settings in
// memory, and the file is never written, whatever would let a write through.
TEST(SettingsStoreUnreadable, NeverWritesOverWhatItCouldNotRead) {
    TempHome home;
    const QString folder = home.path("folder.ini");
    ASSERT_TRUE(QDir().mkpath(folder + "/inside"));
    // Renaming over a FIFO would succeed, even for root.
    FifoGuard fifo(home.path("fifo.ini"));
    ASSERT_TRUE(fifo.made());

    int writes = 0;
    const auto counted = [&writes](const QString &, const QByteArray &) {
        ++writes;
        return true;
    };
    const auto failing = [](platform::FileState state) {
        return [state](const QString &) { return platform::FileRead{state, {}}; };
    };
    struct Case {
        const char *what;
        SettingsStore store;
    };
    Case cases[] = {
        {"a folder", SettingsStore(folder)},
        {"a FIFO", SettingsStore(home.path("fifo.ini"))},
        {"a read error",
         SettingsStore(home.path("io.ini"), failing(platform::FileState::Unreadable), counted)},
        {"a device",
         SettingsStore(home.path("dev.ini"), failing(platform::FileState::NotAFile), counted)},
    };
    for (Case &c : cases) {
        EXPECT_FALSE(c.store.file_usable()) << c.what;
        EXPECT_EQ(c.store.GetSetting("Utseende", "Stil", "3"), "3") << c.what;
        EXPECT_FALSE(c.store.SaveSetting("Utseende", "Stil", "1")) << c.what;
        EXPECT_EQ(c.store.GetSetting("Utseende", "Stil", "3"), "1") << c.what;
        c.store.hold_saves();
        EXPECT_TRUE(c.store.SaveSetting("Filkatalog", "Path", "/hem")) << c.what;
        EXPECT_FALSE(c.store.release_saves()) << c.what;
    }
    EXPECT_EQ(writes, 0);
    EXPECT_TRUE(platform::is_special_file(home.path("fifo.ini")));
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"inside"});
    EXPECT_EQ(QDir(home.dir.path()).entryList(QDir::Files), QStringList{});
    EXPECT_FALSE(fifo.had_to_unblock()) << "reading the store waited on the FIFO";
}

TEST(SettingsStoreUnreadable, AFileThatCannotBeReadAtSavingIsLeftAsItIs) {
    QByteArray file("[Ljud]\nPip=True\n");
    platform::FileState state = platform::FileState::Read;
    int writes = 0;
    SettingsStore store(
        "/elev/PLOXA Sorvinel.ini",
        [&](const QString &) {
            return platform::FileRead{state, file};
        },
        [&](const QString &, const QByteArray &) {
            ++writes;
            return true;
        });
    ASSERT_TRUE(store.file_usable());
    for (const platform::FileState later :
         {platform::FileState::Unreadable, platform::FileState::NotAFile}) {
        state = later;
        EXPECT_FALSE(store.SaveSetting("Ljud", "Pip", "False"));
    }
    EXPECT_EQ(writes, 0);
    // Readable again: the next save writes its own key into what the file holds.
    state = platform::FileState::Read;
    EXPECT_TRUE(store.SaveSetting("Ljud", "Meny", "True"));
    EXPECT_EQ(writes, 1);
}

} // namespace
