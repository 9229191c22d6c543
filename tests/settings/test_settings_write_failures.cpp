// A confirmed change of the settings that cannot reach the settings file: every window that
// writes says so once, with its own title; the running program keeps the change, and the
// file stays byte for byte (or, when it could not be read, is never written).
#include "drill/frmBeloening.h"
#include "exercises/frmOptions1.h"
#include "platform/atomic_file.h"
#include "settings/frmAvancerat.h"
#include "settings/frmLogin.h"
#include "support/files.h"
#include "support/non_regular_files.h"
#include "test_frmOptions2_support.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace options_test;

namespace {

class WriteFailures;

// One window's confirm: what it changes, the window's title and the key it writes.
struct Confirm {
    const char *what;
    std::function<void(WriteFailures &)> act;
    const char *title;
    const char *section, *key, *value; // what reaches the file when it can
    std::function<bool()> kept;        // the running program has the change
};

// How the file fails.
enum class Fault { None, WriteFails, Unreadable };

class WriteFailures : public OptionsTest {
public:
    using OptionsTest::open;
    using OptionsTest::select_tab;
    void run(const Confirm &c, Fault fault) {
        load();
        const QString path = store().filePath();
        const QByteArray before = file_bytes(path);
        platform::script_msg_box({});
        const QString fifo_path = f.home.path("fifo.ini");
        const SpecialFile fifo(SpecialKind::Fifo, fifo_path);
        ASSERT_TRUE(fifo.made());
        SettingsStore unreadable(fifo_path);
        if (fault == Fault::Unreadable)
            modSorvinel.store = &unreadable;
        if (fault == Fault::WriteFails)
            platform::set_file_writer([](QIODevice &, const QByteArray &) { return qint64(-1); });
        c.act(*this);
        platform::set_file_writer({});
        modSorvinel.store = &store();

        EXPECT_TRUE(c.kept());
        const QString stored = SettingsStore(path).GetSetting(c.section, c.key, kMissing);
        if (fault == Fault::None) {
            EXPECT_TRUE(platform::msg_box_calls().empty()) << prompts().join('|').toStdString();
            EXPECT_EQ(stored, QString::fromUtf8(c.value));
            return;
        }
        ASSERT_EQ(platform::msg_box_calls().size(), 1u) << prompts().join('|').toStdString();
        const platform::MsgBoxCall &said = platform::msg_box_calls()[0];
        EXPECT_EQ(said.prompt, "Ett fel uppstod vid skrivning!");
        EXPECT_EQ(said.style, vb::vbOKOnly | vb::vbInformation);
        EXPECT_EQ(said.title, QString::fromUtf8(c.title));
        EXPECT_EQ(file_bytes(path), before);
        EXPECT_TRUE(platform::is_special_file(fifo_path));
        EXPECT_FALSE(fifo.waited_on());
    }
};

void settings_ok(WriteFailures &t) {
    frmOptions2 &d = t.open();
    d.chkPipLjud->setChecked(false);
    d.cmdOK->click();
}

void settings_apply(WriteFailures &t) {
    frmOptions2 &d = t.open();
    t.select_tab(int(SettingsPage::Sound));
    d.chkPipLjud->setChecked(false);
    d.cmdApply->click();
    EXPECT_TRUE(d.isVisible());
    d.cmdCancel->click();
}

void adaptation_ok(WriteFailures &) {
    frmAvancerat d;
    d.show();
    d.chkVisa->setChecked(true);
    d.OKButton->click();
}

void print_options(WriteFailures &, bool ok) {
    frmOptions1 d;
    d.show();
    d.optTeckensnitt[2]->setChecked(true);
    (ok ? d.cmdOK : d.cmdApply)->click();
}

void lock(WriteFailures &t) {
    frmLogin d(t.f.window.get());
    d.show();
    d.txtUserName->setText("Åsa Berg");
    d.txtPassword->setText("Vyk");
    d.cmdOK->click();
    EXPECT_FALSE(d.isVisible());
}

void record(WriteFailures &t) {
    modSorvinel.record_drill_active = true;
    modSorvinel.current_operation = Operation::Division;
    modSorvinel.drill_elapsed_seconds = 75;
    frmBeloening reward(t.f.window.get());
    EXPECT_TRUE(reward.new_record);
}

const Confirm kConfirms[] = {
    {"settings OK", settings_ok, "Inställning", "Ljud", "Pip", "False",
     [] { return !modSorvinel.beep_on; }},
    {"settings Utför", settings_apply, "Inställning", "Ljud", "Pip", "False",
     [] { return !modSorvinel.beep_on; }},
    {"adaptation OK", adaptation_ok, "Sorvinel - Anpassning", "Txt", "Visa", "True",
     [] { return modSorvinel.screen_reader_text_on; }},
    {"print options OK", [](WriteFailures &t) { print_options(t, true); }, "Inställning - Utskrift",
     "Utskrift", "Storlek", "2", [] { return modSorvinel.print_size == 2; }},
    {"print options Utför", [](WriteFailures &t) { print_options(t, false); },
     "Inställning - Utskrift", "Utskrift", "Storlek", "2",
     [] { return modSorvinel.print_size == 2; }},
    {"lock", lock, "Vyk opp inställning", "Visa", "Inst", "1",
     [] { return modSorvinel.settings_lock_state == 1; }},
    // The reward window has no caption: the program's title stands.
    {"record", record, "Sorvinel", "Special", "Rekord3", "75",
     [] { return modSorvinel.record_times[3] == 75; }},
};

struct Case {
    Confirm confirm;
    Fault fault;
};

void PrintTo(const Case &c, std::ostream *os) {
    static const char *const kFaults[] = {"no fault", "write fails", "unreadable"};
    *os << c.confirm.what << ", " << kFaults[int(c.fault)];
}

std::vector<Case> all_cases() {
    std::vector<Case> cases;
    for (const Confirm &c : kConfirms)
        for (const Fault fault : {Fault::None, Fault::WriteFails, Fault::Unreadable})
            cases.push_back({c, fault});
    return cases;
}

class EveryConfirm : public WriteFailures, public ::testing::WithParamInterface<Case> {};

TEST_P(EveryConfirm, SaysOnceWhenTheFileCannotKeepTheChange) {
    run(GetParam().confirm, GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryConfirm, ::testing::ValuesIn(all_cases()),
                         [](const ::testing::TestParamInfo<Case> &info) {
                             return "case" + std::to_string(info.index);
                         });

TEST_F(WriteFailures, AConfirmThatChangesNothingWritesNothingAndSaysNothing) {
    load();
    platform::script_msg_box({});
    int writes = 0;
    platform::set_file_writer([&writes](QIODevice &, const QByteArray &) {
        ++writes;
        return qint64(-1);
    });
    open().cmdOK->click();
    frmOptions1 print;
    print.cmdOK->click();
    platform::set_file_writer({});
    EXPECT_EQ(writes, 0);
    EXPECT_TRUE(platform::msg_box_calls().empty()) << prompts().join('|').toStdString();
}

} // namespace
