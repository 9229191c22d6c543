#include "platform/profile_file.h"
#include "support/temp_home.h"

#include <QFile>
#include <climits>
#include <gtest/gtest.h>

namespace {

QString writeIni(const TempHome &home, const QByteArray &bytes) {
    const QString path = home.path("sorvinel.ini");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
}

} // namespace

TEST(ProfileFile, MissingFileGivesDefaults) {
    TempHome home;
    const ProfileFile ini(home.path("sorvinel.ini"));
    EXPECT_FALSE(ini.exists());
    EXPECT_EQ(ini.GetPrivateProfileInt("Ljud", "Pip", 1), 1);
    EXPECT_EQ(ini.GetPrivateProfileString("Teckensnitt", "Font", "Arial"), "Arial");

    // A folder of that name is no file either.
    const ProfileFile folder(home.dir.path());
    EXPECT_FALSE(folder.exists());
}

TEST(ProfileFile, WholeNumbersAsWindowsReadsThem) {
    struct Case {
        const char *value;
        int expected;
    };
    const std::vector<Case> cases = {
        {"12", 12},
        {"12abc", 12},
        {"abc", 0},
        {"-7", -7},
        {"+3", 3},
        {"   42   ", 42},
        {"4 5", 4},
        {"1.9", 1},
        {"0x1F", 31},
        {"0X10", 16},
        {"0x", 0},
        {"\"5\"", 5},
        {"--1", 0},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", INT_MIN},
        {"4294967297", 1},
        {"99999999999999999999999999", -469762049}, // wraps as in 32 bits
        {"000000000000000000000000000007", 0},      // the 30th character is cut off
    };
    TempHome home;
    QByteArray bytes("[Special]\r\n");
    for (size_t i = 0; i < cases.size(); ++i)
        bytes += "K" + QByteArray::number(qulonglong(i)) + "=" + cases[i].value + "\r\n";
    bytes += "Empty=\r\n";
    const ProfileFile ini(writeIni(home, bytes));
    ASSERT_TRUE(ini.exists());
    for (size_t i = 0; i < cases.size(); ++i) {
        const QString key = "K" + QString::number(i);
        EXPECT_EQ(ini.GetPrivateProfileInt("Special", key, -99), cases[i].expected)
            << cases[i].value;
    }
    EXPECT_EQ(ini.GetPrivateProfileInt("Special", "Empty", 5), 5);
    EXPECT_EQ(ini.GetPrivateProfileInt("Special", "Missing", 10), 10);
    EXPECT_EQ(ini.GetPrivateProfileInt("Missing", "K0", 10), 10);
}

TEST(ProfileFile, TextsAreTrimmedAndUnquoted) {
    TempHome home;
    const ProfileFile ini(writeIni(home, "[ Texter ]\n"
                                         "  Plain  =  a b  \n"
                                         "Quoted=\"  inside  \"\n"
                                         "Single='x'\n"
                                         "Unmatched=\"half\n"
                                         "Lone=\"\n"
                                         "Eq=a=b\n"
                                         "Tabs=\tt\t\n"
                                         "Nbsp=\xA0x\xA0\n"
                                         "=no name\n"
                                         "just text\n"));
    struct Case {
        const char *key;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"Plain", "a b"}, {"Quoted", "  inside  "},
        {"Single", "x"},  {"Unmatched", "\"half"},
        {"Lone", "\""},   {"Eq", "a=b"},
        {"Tabs", "t"},    {"Nbsp", "\u00A0x\u00A0"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ini.GetPrivateProfileString("Texter", c.key, "d"), c.expected) << c.key;
    EXPECT_EQ(ini.GetPrivateProfileString("Texter", "", "d"), "d");
    EXPECT_EQ(ini.GetPrivateProfileString("Texter", "just text", "d"), "d");
    // The default loses trailing blanks, as in Windows.
    EXPECT_EQ(ini.GetPrivateProfileString("Texter", "Missing", " def  "), " def");
}

TEST(ProfileFile, Windows1252AndCaseFreeNames) {
    TempHome home;
    const ProfileFile ini(writeIni(home, "[Ljud]\r\n"
                                         "\xD6vning=1\r\n"
                                         "[SPECIAL]\r\n"
                                         "Bel\xF6ning=45\r\n"
                                         "[Teckensnitt]\r\n"
                                         "Font=K\xF6p \x80 \x9F \x81 \x8A \xFF\r\n"));
    EXPECT_EQ(ini.GetPrivateProfileInt("ljud", "övning", 0), 1);
    EXPECT_EQ(ini.GetPrivateProfileInt("LJUD", "ÖVNING", 0), 1);
    EXPECT_EQ(ini.GetPrivateProfileInt("Special", "Belöning", 50), 45);
    EXPECT_EQ(ini.GetPrivateProfileInt("special", "BELÖNING", 50), 45);
    EXPECT_EQ(ini.GetPrivateProfileString("teckensnitt", "FONT", ""),
              QString::fromUtf8("Köp € Ÿ \u0081 Š ÿ"));
    // Names fold as Unicode folds them, here and in a file written as UTF-8.
    const ProfileFile unicode(writeIni(home, "\xEF\xBB\xBF[\xC2\xB5]\n\xF0\x90\x90\x80=1\n"));
    EXPECT_EQ(unicode.GetPrivateProfileInt("\u039c", "\U00010428", 0), 1);
}

TEST(ProfileFile, UnicodeFileWithByteOrderMark) {
    TempHome home;
    const ProfileFile ini(writeIni(home, "\xEF\xBB\xBF[Ljud]\nBel\xC3\xB6ning=\xE2\x82\xAC\n"));
    EXPECT_EQ(ini.GetPrivateProfileString("Ljud", "Belöning", ""), "€");
}

namespace {
// The bytes of a UTF-16LE file with its byte-order mark.
QByteArray utf16le(const std::u16string &text) {
    QByteArray bytes("\xFF\xFE");
    for (char16_t u : text) {
        bytes += static_cast<char>(u & 0xFF);
        bytes += static_cast<char>(u >> 8);
    }
    return bytes;
}
} // namespace

TEST(ProfileFile, UnicodeFileWithAHalfSurrogatePairReadsAReplacementCharacter) {
    constexpr char16_t kHigh = 0xD800, kLow = 0xDC00;
    const QString replacement(QChar::ReplacementCharacter);
    struct Case {
        std::u16string value;
        QString expected;
    };
    const std::vector<Case> cases = {
        {{kHigh}, replacement}, // what the fuzzing found: a lone high surrogate at the end
        {{u'a', kHigh, u'b'}, "a" + replacement + "b"},
        {{kLow, kHigh}, replacement + replacement},
        {{kHigh, kHigh, kLow}, replacement + QString::fromUtf8("\U00010000")},
        {{0xD83D, 0xDE00}, QString::fromUtf8("\U0001F600")},
    };
    TempHome home;
    for (const Case &c : cases) {
        const ProfileFile ini(writeIni(home, utf16le(u"[Teckensnitt]\r\nFont=" + c.value)));
        EXPECT_EQ(ini.GetPrivateProfileString("Teckensnitt", "Font", "d"), c.expected);
    }
}

TEST(ProfileFile, BytesInMemoryReadAsTheSameFileOnDisk) {
    const std::vector<QByteArray> cases = {
        {},
        "[Ljud]\r\nPip=0\r\n[SPECIAL]\rBel\xF6ning = '45' \n\x1A",
        "\xEF\xBB\xBF[Ljud]\nMeny=\xE2\x82\xAC\n",
        "\xFE\xFF\x00[\x00L\x00j\x00u\x00d\x00]\x00\n\x00M\x00e\x00n\x00y\x00=\x001",
        "[Ljud]\nMeny=" + QByteArray(1 << 20, '7'), // beyond what is read
    };
    TempHome home;
    for (const QByteArray &bytes : cases) {
        const ProfileFile onDisk(writeIni(home, bytes));
        const ProfileFile inMemory = ProfileFile::from_bytes(bytes);
        EXPECT_TRUE(inMemory.exists());
        for (const char *section : {"Ljud", "Special"})
            for (const char *key : {"Pip", "Meny", "Belöning"}) {
                EXPECT_EQ(inMemory.GetPrivateProfileString(section, key, "d", 1 << 21),
                          onDisk.GetPrivateProfileString(section, key, "d", 1 << 21))
                    << bytes.left(20).toHex().toStdString() << " " << key;
                EXPECT_EQ(inMemory.GetPrivateProfileInt(section, key, -1),
                          onDisk.GetPrivateProfileInt(section, key, -1));
            }
    }
    // The value runs to the end of what is read: 1 MB less the text before it.
    EXPECT_EQ(ProfileFile::from_bytes(cases.back())
                  .GetPrivateProfileString("Ljud", "Meny", "", 1 << 21)
                  .size(),
              (1 << 20) - 12);
}

TEST(ProfileFile, TextIsCutToTheBuffer) {
    TempHome home;
    const QByteArray longValue(300, 'a');
    const ProfileFile ini(writeIni(home, "[Filkatalog]\nPath=" + longValue + "\nShort=abc\n"));
    EXPECT_EQ(ini.GetPrivateProfileString("Filkatalog", "Path", "").size(), 254);
    EXPECT_EQ(ini.GetPrivateProfileString("Filkatalog", "Path", "", 255), QString(254, 'a'));
    EXPECT_EQ(ini.GetPrivateProfileString("Filkatalog", "Short", "", 3), "ab");
    EXPECT_EQ(ini.GetPrivateProfileString("Filkatalog", "Short", "", 1), "");
    EXPECT_EQ(ini.GetPrivateProfileString("Filkatalog", "Short", "", 0), "");
    EXPECT_EQ(ini.GetPrivateProfileString("Filkatalog", "Missing", QString(300, 'd')),
              QString(254, 'd'));
    // Never half a surrogate pair.
    EXPECT_EQ(ini.GetPrivateProfileString("Filkatalog", "Missing", "ab\U0001F600", 4), "ab");
}

TEST(ProfileFile, AnyLineEnding) {
    const std::vector<QByteArray> endings = {"\r\n", "\n", "\r"};
    for (const QByteArray &eol : endings) {
        TempHome home;
        const ProfileFile ini(writeIni(home, "Before=9" + eol + "[Ljud]" + eol + "Pip=0" + eol +
                                                 eol + "Meny=1" + eol + "[Styrning]" + eol +
                                                 "Intervall=3" + eol + "Pip=7"));
        SCOPED_TRACE(eol.toHex().toStdString());
        EXPECT_EQ(ini.GetPrivateProfileInt("Ljud", "Pip", 1), 0);
        EXPECT_EQ(ini.GetPrivateProfileInt("Ljud", "Meny", 0), 1);
        EXPECT_EQ(ini.GetPrivateProfileInt("Styrning", "Intervall", 1), 3);
        EXPECT_EQ(ini.GetPrivateProfileInt("Styrning", "Pip", 1), 7);
        EXPECT_EQ(ini.GetPrivateProfileInt("", "Before", 1), 1);
    }
    // Mixed in one file, with a key repeated: the first one counts.
    TempHome home;
    const ProfileFile ini(writeIni(home, "[Ljud]\r\nPip=0\rMeny=1\nPIP=1\r\n"));
    EXPECT_EQ(ini.GetPrivateProfileInt("Ljud", "Pip", 1), 0);
    EXPECT_EQ(ini.GetPrivateProfileInt("Ljud", "Meny", 0), 1);
}

TEST(ProfileFile, SectionHeaderRunsToTheLastBracket) {
    TempHome home;
    const ProfileFile ini(writeIni(home, "[Ljud] ; kommentar\nPip=0\n[a]b]\nk=1\n[broken\nx=2\n"));
    EXPECT_EQ(ini.GetPrivateProfileInt("Ljud", "Pip", 1), 0);
    EXPECT_EQ(ini.GetPrivateProfileInt("a]b", "k", 0), 1);
    // "[broken" is no header, and no key either: x still belongs to "a]b".
    EXPECT_EQ(ini.GetPrivateProfileInt("a]b", "x", 0), 2);
}
