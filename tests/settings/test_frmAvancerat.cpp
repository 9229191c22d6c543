// The screen-reader adaptation dialog: its dependent boxes, the "Txt" keys OK writes, and
// the ways of leaving that write nothing.
#include "drill/frmSorvinel.h"
#include "settings/frmAvancerat.h"
#include "support/files.h"
#include "test_frmOptions2_support.h"

#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <vector>

using namespace options_test;

namespace {

class Adaptation : public ::testing::Test {
protected:
    void SetUp() override {
        modSorvinel.reset();
        modSorvinel.store = &home.store();
    }
    void TearDown() override { modSorvinel.store = nullptr; }
    void set_flags(bool text_on, bool blanks, bool clipboard) {
        modSorvinel.screen_reader_text_on = text_on;
        modSorvinel.reader_text_blanks = blanks;
        modSorvinel.reader_text_to_clipboard = clipboard;
    }
    std::unique_ptr<frmAvancerat> open() {
        auto d = std::make_unique<frmAvancerat>();
        d->show_reader_field = [this](bool shown) { field_calls.push_back(shown); };
        d->show();
        return d;
    }
    TempHome home;
    std::vector<bool> field_calls; // not QList: comparing two empty QLists trips UBSan inside Qt
};

TEST_F(Adaptation, SubOptionsAreUsableExactlyWhileTheFieldIsTicked) {
    for (const bool text_on : {false, true}) {
        set_flags(text_on, true, false);
        auto d = open();
        EXPECT_EQ(d->windowTitle(), "Sorvinel - Anpassning");
        EXPECT_EQ(d->chkVisa->isChecked(), text_on);
        EXPECT_TRUE(d->chkBlanksteg->isChecked());
        EXPECT_FALSE(d->chkKlippBord->isChecked());
        EXPECT_EQ(d->chkBlanksteg->isEnabled(), text_on);
        EXPECT_EQ(d->chkKlippBord->isEnabled(), text_on);
        QTest::mouseClick(d->chkVisa, Qt::LeftButton);
        EXPECT_EQ(d->chkBlanksteg->isEnabled(), !text_on);
        EXPECT_TRUE(d->chkBlanksteg->isChecked());
    }
}

TEST_F(Adaptation, OkWritesOnlyTheOptionsThatChanged) {
    struct Case {
        const char *name;
        std::array<bool, 3> flags;
        std::vector<QCheckBox * frmAvancerat::*> clicks;
        QMap<QString, QString> keys;
        std::vector<bool> field_calls;
    };
    const std::vector<Case> cases = {
        {"field on",
         {false, true, false},
         {&frmAvancerat::chkVisa},
         {{"Txt/Visa", "True"}},
         {true}},
        {"field off keeps the others",
         {true, true, true},
         {&frmAvancerat::chkVisa},
         {{"Txt/Visa", "False"}},
         {false}},
        {"both sub-options",
         {true, true, false},
         {&frmAvancerat::chkBlanksteg, &frmAvancerat::chkKlippBord},
         {{"Txt/blank", "False"}, {"Txt/klipp", "True"}},
         {}},
        {"ticked and cleared again",
         {false, true, false},
         {&frmAvancerat::chkVisa, &frmAvancerat::chkVisa},
         {},
         {}},
        {"no change", {true, false, true}, {}, {}, {}},
    };
    for (const Case &c : cases) {
        set_flags(c.flags[0], c.flags[1], c.flags[2]);
        field_calls.clear();
        mark_unwritten(home.store());
        const auto before = snapshot(home.store());
        auto d = open();
        for (QCheckBox *frmAvancerat::*box : c.clicks)
            QTest::mouseClick((*d).*box, Qt::LeftButton);
        d->OKButton->click();
        EXPECT_FALSE(d->isVisible()) << c.name;
        EXPECT_EQ(written(before, snapshot(home.store())), c.keys) << c.name;
        EXPECT_EQ(field_calls, c.field_calls) << c.name;
        EXPECT_EQ(modSorvinel.screen_reader_text_on, d->chkVisa->isChecked()) << c.name;
        EXPECT_EQ(modSorvinel.reader_text_blanks, d->chkBlanksteg->isChecked()) << c.name;
        EXPECT_EQ(modSorvinel.reader_text_to_clipboard, d->chkKlippBord->isChecked()) << c.name;
    }
}

TEST_F(Adaptation, CancelEscAndTheCloseBoxStoreNothing) {
    const std::vector<std::function<void(frmAvancerat &)>> leaves = {
        [](frmAvancerat &d) { d.CancelButton->click(); },
        [](frmAvancerat &d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](frmAvancerat &d) { d.close(); },
    };
    for (const auto &leave : leaves) {
        set_flags(true, true, false);
        mark_unwritten(home.store());
        const auto before = snapshot(home.store());
        auto d = open();
        QTest::mouseClick(d->chkKlippBord, Qt::LeftButton);
        QTest::mouseClick(d->chkVisa, Qt::LeftButton);
        leave(*d);
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(snapshot(home.store()), before);
        EXPECT_TRUE(modSorvinel.screen_reader_text_on);
        EXPECT_FALSE(modSorvinel.reader_text_to_clipboard);
        EXPECT_TRUE(field_calls.empty());
    }
}

class AdaptationFromSettings : public OptionsTest {};

TEST_F(AdaptationFromSettings, TheSoundPageOpensItAndTheFieldShowsAtOnce) {
    load();
    frmOptions2 &d = open();
    select_tab(3);
    ASSERT_TRUE(d.comAnpassning->isEnabled());
    EXPECT_FALSE(f.window->txtJaws->isVisibleTo(f.window.get()));
    QPointer<QWidget> owner = &d;
    f.modal.start(once_settled([&](QWidget *modal) {
        auto *a = qobject_cast<frmAvancerat *>(modal);
        if (!a)
            return false;
        owner = a->parentWidget();
        a->chkVisa->setChecked(true);
        a->OKButton->click();
        return true;
    }));
    d.comAnpassning->click();
    EXPECT_EQ(owner, nullptr);
    EXPECT_TRUE(f.window->txtJaws->isVisibleTo(f.window.get()));
    // Written in its own spelling; the loader's "Visa" reads it all the same.
    EXPECT_TRUE(file_bytes(store().filePath()).contains("[Txt]\nvisa=True\n"));
}

} // namespace
