#include "platform/atomic_file.h"
#include "platform/settings_store.h"
#include "support/env_guard.h"
#include "support/temp_home.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <gtest/gtest.h>
#include <random>

namespace {

QByteArray readBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

} // namespace

TEST(SettingsStore, TextsComeBackExactlyInAnotherInstance) {
    TempHome home;
    struct Case {
        QString section, key, value;
    };
    const std::vector<Case> cases = {
        {"Teckensnitt", "Font", "Arial"},
        {"Filkatalog", "Path", "/home/elev/Övningar, gamla; nya"},
        {"Special", "Eq", "a=b=c"},
        {"Special", "Blanks", "  inledande och avslutande  "},
        {"Special", "Empty", ""},
        {"Special", "Semicolon", ";inte en kommentar"},
        {"Special", "Hash", "# inte heller"},
        {"Special", "Backslash", "C:\\new\\raw\\"},
        {"Special", "EscapeLike", "\\n is two characters"},
        {"Special", "Newline", "rad ett\nrad två\r\nrad tre\r"},
        {"Special", "Bracket", "[Falsk]"},
        {"Special", "Nul", QString::fromUtf8("a\0b", 3)},
        {"Ljud", "Övning", "True"},
        {"Special", "Belöning", "50"},
        {"Special", "key=with=equals", "v"},
        {"Special", "[Looks like section]", "v"},
        {"Special", "multi\nline key", "v"},
        {"Special", " spaced key ", "v"},
        {"Sektion ]med[ klamrar", "k", "v"},
        {"Sektion\nmed radbrytning", "k", "v"},
        {"Tecken", "€", "ÅÄÖ åäö €"},
    };
    for (const Case &c : cases)
        ASSERT_TRUE(home.store().SaveSetting(c.section, c.key, c.value)) << c.key.toStdString();

    const SettingsStore again(home.store().filePath());
    for (const Case &c : cases)
        EXPECT_EQ(again.GetSetting(c.section, c.key, "<default>"), c.value)
            << c.section.toStdString() << "/" << c.key.toStdString();
    // The escaped names must not leak into other names.
    EXPECT_EQ(again.GetSetting("Special", "key", "<default>"), "<default>");
    EXPECT_EQ(again.GetSetting("Sektion", "k", "<default>"), "<default>");
}

TEST(SettingsStore, TextsBeginningWithAByteOrderMarkKeepIt) {
    // Found by fuzzing: a key that began with U+FEFF lost it when the file was read back.
    const QString bom(QChar(0xFEFF));
    TempHome home;
    const QString path = home.path("PLOXA Sorvinel.ini");
    writeBytes(path, "[]\n[]\n\xEF\xBB\xBF\xEF\xBB\xBF=\n");
    EXPECT_EQ(SettingsStore(path).GetSetting("", bom + bom, "<missing>"), "");

    struct Case {
        QString section, key, value;
    };
    const std::vector<Case> cases = {
        {"Special", bom, "v"},
        {"Special", bom + bom + "x", bom},
        {bom + "Sektion", bom + "k", bom + "v" + bom},
    };
    SettingsStore &store = home.store();
    for (const Case &c : cases)
        ASSERT_TRUE(store.SaveSetting(c.section, c.key, c.value));
    const SettingsStore again(store.filePath());
    for (const Case &c : cases)
        EXPECT_EQ(again.GetSetting(c.section, c.key, "<missing>"), c.value);
    EXPECT_EQ(again.file_bytes(), store.file_bytes());
}

TEST(SettingsStore, NamesMatchWithoutCaseAndKeepTheFirstSpelling) {
    TempHome home;
    SettingsStore &store = home.store();
    ASSERT_TRUE(store.SaveSetting("Ljud", "Övning", "True"));
    ASSERT_TRUE(store.SaveSetting("LJUD", "övning", "False"));
    ASSERT_TRUE(store.SaveSetting("ljud", "ÖVNING", "True"));
    ASSERT_TRUE(store.SaveSetting("Visa", "Inst", "1"));

    for (const char *section : {"Ljud", "ljud", "LJUD", "lJuD"})
        for (const char *key : {"Övning", "övning", "ÖVNING", "öVnInG"})
            EXPECT_EQ(store.GetSetting(section, key, "x"), "True") << section << "/" << key;

    EXPECT_EQ(readBytes(store.filePath()), QByteArray("[Ljud]\nÖvning=True\n[Visa]\nInst=1\n"));
    const SettingsStore again(store.filePath());
    EXPECT_EQ(again.GetSetting("LJUD", "övning", "x"), "True");
}

TEST(SettingsStore, NamesFoldAsUnicodeFoldsThem) {
    TempHome home;
    SettingsStore &store = home.store();
    struct Case {
        const char *saved, *asked; // section and key alike
    };
    const Case cases[] = {
        {"\u00b5", "\u039c"},         // micro sign and capital mu both fold to small mu
        {"\U00010400", "\U00010428"}, // beyond the basic plane
        {"Stra\u00dfe", "STRA\u00dfE"},
    };
    for (const Case &c : cases) {
        const QString saved = QString::fromUtf8(c.saved), asked = QString::fromUtf8(c.asked);
        ASSERT_TRUE(store.SaveSetting(saved, saved, "v"));
        EXPECT_EQ(store.GetSetting(asked, asked, "x"), "v") << c.asked;
        EXPECT_EQ(SettingsStore(store.filePath()).GetSetting(asked, asked, "x"), "v") << c.asked;
    }
    EXPECT_EQ(store.GetSetting("Strasse", "Strasse", "x"), "x");
}

TEST(SettingsStore, MissingGivesTheDefault) {
    TempHome home;
    SettingsStore &store = home.store();
    EXPECT_EQ(store.GetSetting("Ljud", "Pip", "True"), "True");
    ASSERT_TRUE(store.SaveSetting("Ljud", "Pip", "False"));
    EXPECT_EQ(store.GetSetting("Ljud", "Meny", "False"), "False");
    EXPECT_EQ(store.GetSetting("Utseende", "Stil", "3"), "3");
    EXPECT_EQ(store.GetSetting("Ljud", "Pip ", "True"), "True");
    // A stored empty value is a value, not a missing key.
    ASSERT_TRUE(store.SaveSetting("Filkatalog", "Path", ""));
    EXPECT_EQ(store.GetSetting("Filkatalog", "Path", "/x"), "");
}

TEST(SettingsStore, ReadsAHandEditedFileSensibly) {
    TempHome home;
    const QString path = home.path("hand.ini");
    writeBytes(path, QByteArray("\xEF\xBB\xBF"
                                "Stray=before any section\r\n"
                                "[Ljud]\r\n"
                                "Pip=False\r\n"
                                "no equals sign here\n"
                                "pip=duplicate\n"
                                "\n"
                                "[Special]\n"
                                "Belöning=45\n"
                                "[ljud]\n"
                                "Meny=True\n"
                                "[unclosed\n"
                                "Steg=12"));
    const SettingsStore store(path);
    EXPECT_EQ(store.GetSetting("Ljud", "Pip", "x"), "False");
    EXPECT_EQ(store.GetSetting("Ljud", "Meny", "x"), "True");
    EXPECT_EQ(store.GetSetting("Special", "Belöning", "x"), "45");
    // "[unclosed" is no header: the key stays in the section before it.
    EXPECT_EQ(store.GetSetting("Ljud", "Steg", "x"), "12");
    EXPECT_EQ(store.GetSetting("", "Stray", "x"), "x");
    EXPECT_EQ(store.GetSetting("Ljud", "no equals sign here", "x"), "x");
}

TEST(SettingsStore, DamagedFilesNeverCrashAndStayUsable) {
    TempHome home;
    std::mt19937 rng(20240607);
    std::uniform_int_distribution<int> byte(0, 255);
    constexpr int kFiles = 20;
    constexpr int kBytes = 4096;
    for (int n = 0; n < kFiles; ++n) {
        QByteArray junk;
        for (int i = 0; i < kBytes; ++i)
            junk.append(static_cast<char>(n % 2 ? byte(rng) : "[=]\n\0\xC3\xFF"[byte(rng) % 7]));
        const QString path = home.path(QString("junk%1.ini").arg(n));
        writeBytes(path, junk);
        SettingsStore store(path);
        (void)store.GetSetting("Ljud", "Pip", "True");
        ASSERT_TRUE(store.SaveSetting("Ljud", "Pip", "False"));
        const SettingsStore again(path);
        EXPECT_EQ(again.GetSetting("Ljud", "Pip", "True"), "False") << "file " << n;
    }
}

TEST(SettingsStore, InvalidUtf8AndHugeFiles) {
    TempHome home;
    const QString bad = home.path("bad.ini");
    writeBytes(bad, QByteArray("[Ljud]\nPip=\xFF\xFE\nMeny=True\n"));
    const SettingsStore badStore(bad);
    EXPECT_EQ(badStore.GetSetting("Ljud", "Meny", "x"), "True");
    EXPECT_NE(badStore.GetSetting("Ljud", "Pip", "x"), "x");

    // Real settings first, then many megabytes of junk lines.
    const QString huge = home.path("huge.ini");
    QByteArray bytes("[Ljud]\nPip=False\n[Junk]\n");
    const QByteArray line("k=vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv\n");
    constexpr int kLines = 100000;
    bytes.reserve(bytes.size() + line.size() * kLines);
    for (int i = 0; i < kLines; ++i)
        bytes += line;
    writeBytes(huge, bytes);
    const SettingsStore hugeStore(huge);
    EXPECT_EQ(hugeStore.GetSetting("ljud", "pip", "x"), "False");
}

TEST(SettingsStore, BytesInMemoryReadAsTheSameFileOnDisk) {
    constexpr qsizetype kLimit = 1 << 20; // what the reader takes of a file
    const QByteArray line("k=vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv\n");
    QByteArray atLimit("[Ljud]\nPip=False\n[Junk]\n");
    while (atLimit.size() + line.size() <= kLimit)
        atLimit += line;
    const QByteArray lastValue(kLimit - atLimit.size() - 5, 'x');
    atLimit += "Last=" + lastValue;
    static const char junk[] = "[J\\nunk]\na\\=b=c\\r\n\0\xFF[\n=\n[Junk]\nLast=1";
    struct Case {
        const char *what;
        QByteArray bytes;
        QString last; // the value of Junk/Last
        bool whole;   // read whole, so that a save may write over it
    };
    const std::vector<Case> cases = {
        {"empty", {}, "<missing>", true},
        {"hand-edited", "\xEF\xBB\xBFStray=1\r\n[Ljud]\r\nPip=False\r\npip=dup\n[ljud]\nMeny=True",
         "<missing>", true},
        {"escapes and junk", QByteArray(junk, sizeof junk - 1), "1", true},
        {"exactly the limit", atLimit, QString::fromLatin1(lastValue), true},
        {"beyond the limit, the last line cut off", atLimit + "yz\n", "<missing>", false},
    };
    TempHome home;
    for (const Case &c : cases) {
        const QString path = home.path("PLOXA Sorvinel.ini");
        writeBytes(path, c.bytes);
        SettingsStore onDisk(path);
        QByteArray saved;
        int saves = 0;
        SettingsStore inMemory(
            path,
            [&](const QString &) {
                return platform::FileRead{platform::FileState::Read, c.bytes};
            },
            [&](const QString &to, const QByteArray &bytes) {
                EXPECT_EQ(to, path);
                saved = bytes;
                ++saves;
                return true;
            });
        EXPECT_EQ(inMemory.file_bytes(), onDisk.file_bytes()) << c.what;
        EXPECT_EQ(onDisk.GetSetting("Junk", "Last", "<missing>"), c.last) << c.what;
        EXPECT_EQ(inMemory.GetSetting("Junk", "Last", "<missing>"), c.last) << c.what;
        EXPECT_EQ(onDisk.file_usable(), c.whole) << c.what;
        EXPECT_EQ(inMemory.file_usable(), c.whole) << c.what;

        // A save writes what file_bytes() gives, to the writer instead of the disk; a file
        // that was not read whole is never written over.
        EXPECT_EQ(onDisk.SaveSetting("Fuzz", "probe", "1"), c.whole) << c.what;
        EXPECT_EQ(inMemory.SaveSetting("Fuzz", "probe", "1"), c.whole) << c.what;
        if (!c.whole) {
            EXPECT_EQ(saves, 0) << c.what;
            EXPECT_EQ(readBytes(path), c.bytes) << c.what;
            continue;
        }
        EXPECT_EQ(saves, 1) << c.what;
        EXPECT_EQ(saved, readBytes(path)) << c.what;
        EXPECT_EQ(saved, inMemory.file_bytes()) << c.what;
    }
}

TEST(SettingsStore, HeldSavesAreWrittenInOneSave) {
    TempHome home;
    const QString path = home.path("PLOXA Sorvinel.ini");
    QByteArray file("[Ljud]\nPip=True\n");
    int saves = 0;
    bool writes = true;
    SettingsStore store(
        path,
        [&](const QString &) {
            return platform::FileRead{platform::FileState::Read, file};
        },
        [&](const QString &, const QByteArray &bytes) {
            ++saves;
            if (writes)
                file = bytes;
            return writes;
        });
    store.hold_saves();
    EXPECT_TRUE(store.SaveSetting("Ljud", "Pip", "False"));
    EXPECT_TRUE(store.SaveSetting("Visa", "Inst", "1"));
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(store.GetSetting("Ljud", "Pip", "x"), "False");
    EXPECT_TRUE(store.release_saves());
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(file, QByteArray("[Ljud]\nPip=False\n[Visa]\nInst=1\n"));
    // Released: each save writes again.
    EXPECT_TRUE(store.SaveSetting("Visa", "Inst", "0"));
    EXPECT_EQ(saves, 2);
    // Nothing held: nothing to write.
    store.hold_saves();
    EXPECT_TRUE(store.release_saves());
    EXPECT_EQ(saves, 2);

    // A release that cannot write says so; memory keeps the values.
    writes = false;
    store.hold_saves();
    EXPECT_TRUE(store.SaveSetting("Visa", "Inst", "1"));
    EXPECT_FALSE(store.release_saves());
    EXPECT_EQ(store.GetSetting("Visa", "Inst", "x"), "1");
    EXPECT_EQ(file, QByteArray("[Ljud]\nPip=False\n[Visa]\nInst=0\n"));
}

TEST(SettingsStore, CreatesAMissingFolder) {
    TempHome home;
    SettingsStore store(home.path("deep/er/PLOXA Sorvinel.ini"));
    ASSERT_TRUE(store.SaveSetting("Visa", "Inst", "1"));
    EXPECT_EQ(readBytes(store.filePath()), QByteArray("[Visa]\nInst=1\n"));
}

// Puts in a writer for the file set aside, for as long as it lives.
class WriterInPlace {
public:
    explicit WriterInPlace(platform::FileWriter writer) {
        platform::set_file_writer(std::move(writer));
    }
    ~WriterInPlace() { platform::set_file_writer({}); }
};

TEST(SettingsStore, FailedSaveLeavesTheOldFileAlone) {
    struct Case {
        const char *what;
        platform::FileWriter writer;
    };
    const Case cases[] = {
        {"fails", [](QIODevice &, const QByteArray &) { return qint64(-1); }},
        {"writes short",
         [](QIODevice &file, const QByteArray &bytes) {
             return file.write(bytes.left(bytes.size() / 2));
         }},
        {"writes nothing", [](QIODevice &, const QByteArray &) { return qint64(0); }},
    };
    for (const Case &c : cases) {
        TempHome home;
        SettingsStore store(home.path("PLOXA Sorvinel.ini"));
        ASSERT_TRUE(store.SaveSetting("Ljud", "Pip", "True"));
        const QByteArray before = readBytes(store.filePath());

        bool saved = true;
        {
            WriterInPlace failing(c.writer);
            saved = store.SaveSetting("Ljud", "Pip", "False");
        }
        EXPECT_FALSE(saved) << c.what;
        EXPECT_EQ(readBytes(store.filePath()), before) << c.what;
        // Nothing is left beside the file.
        EXPECT_EQ(QDir(home.dir.path()).entryList(QDir::Files), QStringList{"PLOXA Sorvinel.ini"})
            << c.what;
        // Memory keeps the value the program was asked to keep.
        EXPECT_EQ(store.GetSetting("Ljud", "Pip", "x"), "False") << c.what;
        EXPECT_EQ(SettingsStore(store.filePath()).GetSetting("Ljud", "Pip", "x"), "True") << c.what;
        // The next save, with a sound writer, writes only its own key: the user was told
        // that the first one did not reach the file.
        EXPECT_TRUE(store.SaveSetting("Ljud", "Meny", "True")) << c.what;
        const SettingsStore reread(store.filePath());
        EXPECT_EQ(reread.GetSetting("Ljud", "Pip", "x"), "True") << c.what;
        EXPECT_EQ(reread.GetSetting("Ljud", "Meny", "x"), "True") << c.what;
    }
}

TEST(SettingsStore, SaveFailsWhereNoFileCanBe) {
    TempHome home;
    // The path is a folder with a file in it: renaming over it fails even for root.
    const QString folder = home.path("PLOXA Sorvinel.ini");
    ASSERT_TRUE(QDir().mkpath(folder));
    writeBytes(folder + "/inside", "kept");
    SettingsStore onFolder(folder);
    EXPECT_FALSE(onFolder.SaveSetting("Visa", "Inst", "1"));
    EXPECT_EQ(readBytes(folder + "/inside"), QByteArray("kept"));
    EXPECT_EQ(QDir(home.dir.path()).entryList(QDir::Files), QStringList{});

    // The parent "folder" is a file.
    const QString plain = home.path("plain");
    writeBytes(plain, "old bytes");
    SettingsStore underFile(plain + "/PLOXA Sorvinel.ini");
    EXPECT_FALSE(underFile.SaveSetting("Visa", "Inst", "1"));
    EXPECT_EQ(readBytes(plain), QByteArray("old bytes"));
}

TEST(SettingsStore, DefaultPathFollowsXdgConfigHome) {
    EnvGuard guard("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/elsewhere");
    EXPECT_EQ(SettingsStore::default_path(), "/tmp/elsewhere/PLOXA Sorvinel.ini");
    const QString fallback = QDir::homePath() + "/.config/PLOXA Sorvinel.ini";
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(SettingsStore::default_path(), fallback);
    qputenv("XDG_CONFIG_HOME", "");
    EXPECT_EQ(SettingsStore::default_path(), fallback);
    qputenv("XDG_CONFIG_HOME", "relative/dir");
    EXPECT_EQ(SettingsStore::default_path(), fallback);
}
