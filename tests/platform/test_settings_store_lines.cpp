// A save keeps every line of the settings file that it does not set byte for byte: other
// keys, comments, text that is not UTF-8, line ends, lines the reader skips.
#include "platform/settings_store.h"
#include "support/files.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Set {
    const char *section, *key, *value;
};

struct KeptLines {
    const char *what;
    QByteArray before;
    std::vector<Set> saves; // each saved on its own, in turn
    QByteArray after;
};

// A hand-kept file: a Latin-1 value, a comment, a key twice, CR LF line ends.
const QByteArray kHandKept("[Filkatalog]\r\n"
                           "X=\xC5sa \xFF\r\n"
                           "; kommentar\r\n"
                           "[Special]\r\n"
                           "Rekord2=41\r\n"
                           "Rekord2=99\r\n"
                           "[Styrning]\r\n"
                           "Muspekare=True\r\n");

const KeptLines kKeptLines[] = {
    {"another key's value",
     kHandKept,
     {{"Styrning", "Muspekare", "False"}},
     QByteArray(kHandKept).replace("Muspekare=True", "Muspekare=False")},
    {"the first of two same-named keys is the one set",
     kHandKept,
     {{"special", "REKORD2", "75"}},
     QByteArray(kHandKept).replace("Rekord2=41", "Rekord2=75")},
    {"a new key after its section's last key, with the file's line end",
     kHandKept,
     {{"Special", "Kontrollera", "False"}},
     QByteArray(kHandKept).replace("Rekord2=99\r\n", "Rekord2=99\r\nKontrollera=False\r\n")},
    {"a new section at the end, with the file's line end",
     kHandKept,
     {{"Ljud", "Pip", "False"}},
     kHandKept + "[Ljud]\r\nPip=False\r\n"},
    {"lines without '=', blank lines and lines before any section",
     "Stray\n\n[Ljud]\nno equals sign\n\nPip=True\n\n; Visa\n[Visa]\nInst=0\n",
     {{"Ljud", "Meny", "True"}, {"Visa", "Inst", "1"}},
     "Stray\n\n[Ljud]\nno equals sign\n\nPip=True\nMeny=True\n\n; Visa\n[Visa]\nInst=1\n"},
    {"no line end at the end, key added",
     "[Ljud]\r\nPip=True",
     {{"Ljud", "Meny", "True"}},
     "[Ljud]\r\nPip=True\r\nMeny=True\r\n"},
    {"mixed line ends: new lines end in LF",
     "[Ljud]\r\nPip=True\n",
     {{"Visa", "Inst", "1"}},
     "[Ljud]\r\nPip=True\n[Visa]\nInst=1\n"},
    {"keys differing only in case",
     "[ljud]\npip=True\nPIP=x\n",
     {{"Ljud", "Pip", "False"}},
     "[ljud]\npip=False\nPIP=x\n"},
    {"a section twice",
     "[Ljud]\nPip=True\n[Visa]\nInst=0\n[LJUD]\nMeny=False\n[Visa]\n",
     {{"Ljud", "Meny", "True"}, {"Ljud", "Övning", "True"}, {"Ljud", "Pip", "False"}},
     "[Ljud]\nPip=False\n[Visa]\nInst=0\n[LJUD]\nMeny=True\nÖvning=True\n[Visa]\n"},
    {"a byte order mark and an escaped name",
     "\xEF\xBB\xBF[S]\r\na\\=b=1\r\nc\\q=\xFF\r\n",
     {{"S", "a=b", "rad\nny"}},
     "\xEF\xBB\xBF[S]\r\na\\=b=rad\\nny\r\nc\\q=\xFF\r\n"},
};

void PrintTo(const KeptLines &c, std::ostream *os) {
    *os << c.what;
}

class SettingsStoreLines : public ::testing::TestWithParam<KeptLines> {};

TEST_P(SettingsStoreLines, ASaveChangesOnlyTheLinesItSets) {
    const KeptLines &c = GetParam();
    TempHome home;
    const QString path = home.path("PLOXA Sorvinel.ini");
    put_file(path, c.before);
    SettingsStore store(path);
    for (const Set &s : c.saves)
        ASSERT_TRUE(store.SaveSetting(QString::fromUtf8(s.section), QString::fromUtf8(s.key),
                                      QString::fromUtf8(s.value)));
    EXPECT_EQ(file_bytes(path), c.after);
    // What this copy holds is what it wrote.
    EXPECT_EQ(store.file_bytes(), c.after);
    const SettingsStore again(path);
    for (const Set &s : c.saves)
        EXPECT_EQ(again.GetSetting(QString::fromUtf8(s.section), QString::fromUtf8(s.key), "?"),
                  QString::fromUtf8(s.value))
            << s.section << "/" << s.key;
}

INSTANTIATE_TEST_SUITE_P(Files, SettingsStoreLines, ::testing::ValuesIn(kKeptLines),
                         [](const ::testing::TestParamInfo<KeptLines> &info) {
                             return "case" + std::to_string(info.index);
                         });

TEST(SettingsStoreLines, TwoCopiesKeepWhatNeitherSets) {
    TempHome home;
    const QString path = home.path("PLOXA Sorvinel.ini");
    put_file(path, kHandKept);
    SettingsStore first(path), second(path);
    second.hold_saves();
    ASSERT_TRUE(second.SaveSetting("Visa", "Inst", "1"));
    ASSERT_TRUE(first.SaveSetting("Styrning", "Muspekare", "False"));
    ASSERT_TRUE(second.SaveSetting("Special", "Rekord0", "75"));
    ASSERT_TRUE(second.release_saves());
    EXPECT_EQ(file_bytes(path), QByteArray(kHandKept)
                                        .replace("Muspekare=True", "Muspekare=False")
                                        .replace("Rekord2=99\r\n", "Rekord2=99\r\nRekord0=75\r\n") +
                                    "[Visa]\r\nInst=1\r\n");
}

} // namespace
