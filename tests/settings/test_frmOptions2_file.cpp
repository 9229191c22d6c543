// A setting confirmed in the settings dialog changes its own line of the settings file and
// no other byte of it, whatever a user or an older program left there.
#include "settings/settings_pages.h"
#include "support/files.h"
#include "test_frmOptions2_support.h"

#include <QCheckBox>
#include <QPushButton>

using namespace options_test;

namespace {

// The program runs on a store read from a file the test wrote.
class OptionsFile : public OptionsTest {
protected:
    void read_store_file() {
        fromFile = std::make_unique<SettingsStore>(store().filePath());
        modSorvinel.store = fromFile.get();
    }
    void TearDown() override {
        OptionsTest::TearDown();
        modSorvinel.store = &store();
    }
    std::unique_ptr<SettingsStore> fromFile;
};

TEST_F(OptionsFile, OkChangesOnlyTheLineOfTheChangedSetting) {
    const QString path = store().filePath();
    const QByteArray before = "[Filkatalog]\r\n"
                              "Path=" +
                              folder().toUtf8() +
                              "\r\n"
                              "X=\xC5sa \xFF\r\n"
                              "; kommentar\r\n"
                              "[Special]\r\n"
                              "Rekord2=41\r\n"
                              "Rekord2=99\r\n"
                              "[Styrning]\r\n"
                              "Muspekare=True\r\n";
    put_file(path, before);
    read_store_file();
    f.load();
    EXPECT_EQ(modSorvinel.record_times[2], 41);
    EXPECT_EQ(file_bytes(path), before);

    frmOptions2 &d = open();
    select_tab(int(SettingsPage::Control));
    ASSERT_TRUE(d.chkMuspekare->isChecked());
    d.chkMuspekare->click();
    d.cmdOK->click();
    EXPECT_TRUE(platform::msg_box_calls().empty());
    EXPECT_EQ(file_bytes(path), QByteArray(before).replace("Muspekare=True", "Muspekare=False"));
}

} // namespace
