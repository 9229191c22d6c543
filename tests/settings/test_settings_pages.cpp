// The settings pages without the dialog: the box rule, the list positions, which keys a
// page writes, the font fitting, and applying pages to a started main window.
#include "drill/frmSorvinel.h"
#include "settings/settings_pages.h"
#include "test_frmOptions2_support.h"

#include <QFontDatabase>
#include <algorithm>

using namespace options_test;

namespace {

TEST(BoxRule, OnlyATickThatDisagreesIsAChange) {
    struct Case {
        Tick box;
        bool setting, changed;
    };
    for (const Case c : {Case{Tick::Ticked, false, true}, Case{Tick::Ticked, true, false},
                         Case{Tick::Clear, true, true}, Case{Tick::Clear, false, false},
                         Case{Tick::Grey, true, false}, Case{Tick::Grey, false, false}})
        EXPECT_EQ(box_changed(c.box, c.setting), c.changed) << int(c.box) << c.setting;
}

TEST(Lists, EntriesCoverTheRangesAndPositionsMapBothWays) {
    struct Case {
        int PageControls::*index;
        int count;
        QString first, last;
        int value, position;
    };
    const Case cases[] = {
        {&PageControls::line_length_index, 16, "0 - 5", "0 - 20", 20, 15},
        {&PageControls::line_length_index, 16, "0 - 5", "0 - 20", 5, 0},
        {&PageControls::line_marking_index, 20, "1", "20", 1, 0},
        {&PageControls::reward_min_index, 11, "5", "55", 55, 10},
        {&PageControls::reward_min_index, 11, "5", "55", 30, 5},
        {&PageControls::min_tasks_index, 10, "5", "50", 5, 0},
        {&PageControls::wrong_display_index, 2, "Det fel som är närmast svaret visas",
         "Senaste fel visas", 1, 1},
        {&PageControls::reward_type_index, 2, "Pulserande cirklar", "Flytande ord", 0, 0},
    };
    for (const Case &c : cases) {
        const PageItem *item = list_item(c.index);
        ASSERT_NE(item, nullptr);
        const QStringList entries = list_entries(*item);
        EXPECT_EQ(entries.size(), c.count) << c.first;
        EXPECT_EQ(entries.front(), c.first);
        EXPECT_EQ(entries.back(), c.last);
        EXPECT_EQ(list_index(*item, c.value), c.position) << c.first << " " << c.value;
        EXPECT_EQ(list_value(*item, c.position), c.value) << c.first;
    }
}

TEST(PageKeys, BoxesOnAnotherTabAreWrittenWithTheirSection) {
    auto has = [](SettingsPage p, SettingId id) {
        const auto keys = keys_of_page(p);
        return std::find(keys.begin(), keys.end(), id) != keys.end();
    };
    EXPECT_TRUE(has(SettingsPage::Special, SettingId::Esc));
    EXPECT_TRUE(has(SettingsPage::Special, SettingId::Warning));
    EXPECT_FALSE(has(SettingsPage::Control, SettingId::Esc));
    EXPECT_TRUE(has(SettingsPage::Folder, SettingId::RandomOrder));
    EXPECT_FALSE(has(SettingsPage::Special, SettingId::RandomOrder));
    EXPECT_TRUE(has(SettingsPage::Special, SettingId::Record4));
    // Every key that the pages write belongs to exactly one page.
    std::vector<SettingId> all;
    for (int p = 1; p <= kSettingsPageCount; ++p)
        for (SettingId id : keys_of_page(SettingsPage(p)))
            all.push_back(id);
    std::sort(all.begin(), all.end());
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());
    // The lock, the screen-reader keys and the print keys belong to other windows.
    for (SettingId other : {SettingId::LockState, SettingId::ReaderText, SettingId::PrintSize})
        EXPECT_FALSE(std::binary_search(all.begin(), all.end(), other));
}

TEST(FontFitting, LargestWholePointThatFitsWithinBounds) {
    const auto linear = [](double w, double h) {
        return [w, h](int pt) { return QSizeF(w * pt, h * pt); };
    };
    struct Case {
        const char *name;
        int start;
        QSizeF target;
        std::function<QSizeF(int)> extent;
        int expected;
    };
    const Case cases[] = {
        {"grows to an exact fit", 20, {500, 1000}, linear(10, 12), 50},
        {"grows past and steps back", 20, {505, 1000}, linear(10, 12), 50},
        {"shrinks to the width", 80, {500, 1000}, linear(10, 12), 50},
        {"an exact fit stays", 50, {500, 1000}, linear(10, 12), 50},
        {"the height shrinks it", 20, {500, 300}, linear(10, 12), 25},
        {"a font that does not scale stays",
         20,
         {500, 500},
         [](int) { return QSizeF(100, 100); },
         20},
        {"never fits: the smallest size", 20, {500, 500}, [](int) { return QSizeF(1e9, 1e9); }, 1},
        {"never reaches: the largest size", 20, {1e9, 1e9}, linear(1, 1), 1000},
        {"steps that round alike go on",
         4,
         {100, 1000},
         [](int pt) { return QSizeF(10.0 * (pt / 3), 1); },
         30},
    };
    for (const Case &c : cases) {
        int calls = 0;
        const int size = fit_font_size(c.start, c.target, [&](int pt) {
            ++calls;
            return c.extent(pt);
        });
        EXPECT_EQ(size, c.expected) << c.name;
        EXPECT_LT(calls, 2100) << c.name;
    }
}

TEST(FontFitting, MeasuresAsALabelSizedToItsTextDoes) {
    VbLabel label;
    label.setCaption("9999");
    label.setAutoSize(true);
    for (const QString family : {"Liberation Sans", "DejaVu Serif"}) {
        for (const int pt : {8, 40, 77, 150}) {
            label.setFontName(family);
            label.setFontSize(pt);
            const QSizeF e = text_extent_twips(family, pt, "9999");
            EXPECT_EQ(e.width(), label.Width()) << family << " " << pt;
            EXPECT_EQ(e.height(), label.Height()) << family << " " << pt;
        }
    }
}

TEST(FolderCaption, GetsOneTrailingSeparator) {
    EXPECT_EQ(with_trailing_separator(""), "/");
    EXPECT_EQ(with_trailing_separator("/home/Elev/Övningar"), "/home/Elev/Övningar/");
    EXPECT_EQ(with_trailing_separator("/home/Elev/Övningar/"), "/home/Elev/Övningar/");
}

TEST(SampleLayout, LaidOutWithEqualGaps) {
    const QSizeF page(5685, 3780), sample(1575, 1455);
    const QPointF expected[] = {{240, 290},  {2055, 290},  {3870, 290},
                                {240, 2035}, {2055, 2035}, {3870, 2035}};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(sample_position(i, page, sample), expected[i]) << i;
    ASSERT_EQ(colour_schemes().size(), 6u);
    EXPECT_EQ(sample_tooltip(0), "Färgval 1");
    EXPECT_EQ(sample_tooltip(5), "Färgval 6");
}

// Applying pages on a started main window.
class Applying : public OptionsTest {
protected:
    // The keys the page wrote, whatever they held before.
    QMap<QString, QString> apply(int page, PageControls &c, ApplyServices s = {}) {
        if (page >= 1 && page <= kSettingsPageCount)
            for (SettingId id : keys_of_page(SettingsPage(page)))
                store().SaveSetting(section_of(setting_key(id)), key_of(setting_key(id)),
                                    "<unwritten>");
        const auto before = snapshot(store());
        apply_settings_page(page, c, s);
        return written(before, snapshot(store()));
    }
    QTimer *scanner() { return f.window->timEnTangent; }
};

TEST_F(Applying, WhatTheControlsShowAtOpeningWritesNothing) {
    load_non_default();
    PageControls c = controls_from_settings();
    for (int page = 0; page <= kSettingsPageCount + 1; ++page)
        EXPECT_TRUE(apply(page, c).isEmpty()) << page;
}

TEST_F(Applying, PagesOutsideOneToSixDoNothing) {
    load();
    PageControls c = controls_from_settings();
    c.style_choice = 0;
    c.beep = Tick::Clear;
    for (const int page : {0, -1, 7})
        EXPECT_TRUE(apply(page, c).isEmpty()) << page;
    EXPECT_EQ(modSorvinel.colour_style, 3);
}

TEST_F(Applying, ControlMethodFollowsTheRunningState) {
    load();
    struct Case {
        bool shown, clickable, scanning;
        ControlMethod method;
        bool shown_after, clickable_after, scanning_after, built_after;
        QString written; // empty: no change
    };
    using M = ControlMethod;
    const Case cases[] = {
        {true, false, true, M::Keyboard, false, false, false, false, "0"},
        {false, false, false, M::Keyboard, false, false, false, false, ""},
        {false, false, false, M::KeyboardMouse, true, true, false, true, "1"},
        {true, false, true, M::KeyboardMouse, true, true, false, true, "1"},
        {true, true, false, M::KeyboardMouse, true, true, false, true, ""},
        {false, false, false, M::FewKeys, true, false, false, true, "2"},
        {true, true, false, M::FewKeys, true, false, false, true, "2"},
        {true, false, true, M::FewKeys, true, false, false, true, "2"},
        {true, false, false, M::FewKeys, true, false, false, true, ""},
        {false, false, false, M::OneKey, true, false, true, true, "3"},
        {true, true, false, M::OneKey, true, false, true, true, "3"},
        {true, false, false, M::OneKey, true, false, true, true, "3"},
        {true, false, true, M::OneKey, true, false, true, true, ""},
    };
    for (const Case &k : cases) {
        modSorvinel.number_board_shown = k.shown;
        modSorvinel.board_clickable = k.clickable;
        modSorvinel.number_board_built = k.shown;
        modSorvinel.set_one_key_scanning(k.scanning);
        PageControls c = controls_from_settings();
        c.method = k.method;
        const auto keys = apply(int(SettingsPage::Control), c);
        const QString note = QString("from %1%2%3 to %4")
                                 .arg(k.shown)
                                 .arg(k.clickable)
                                 .arg(k.scanning)
                                 .arg(int(k.method));
        EXPECT_EQ(modSorvinel.number_board_shown, k.shown_after) << note;
        EXPECT_EQ(modSorvinel.board_clickable, k.clickable_after) << note;
        EXPECT_EQ(scanner()->isActive(), k.scanning_after) << note;
        EXPECT_EQ(modSorvinel.number_board_built, k.built_after) << note;
        QMap<QString, QString> expected;
        if (!k.written.isEmpty())
            expected["Styrning/Alternativ"] = k.written;
        EXPECT_EQ(keys, expected) << note;
    }
}

TEST_F(Applying, NumberLineIsBuiltRemovedAndReshapedAsItChanges) {
    load();
    struct Case {
        const char *name;
        bool on_before;
        Tick box;
        int length_index; // -5 from the length; the stored length is 10
        ScreenState screen;
        bool built_after;
        bool shown_after;
        QMap<QString, QString> keys;
    };
    const int unchanged = 5;
    const Case cases[] = {
        {"switched on during a task",
         false,
         Tick::Ticked,
         unchanged,
         ScreenState::TaskShown,
         true,
         true,
         {{"Special/Tallinje", "True"}}},
        {"switched off during a task",
         true,
         Tick::Clear,
         unchanged,
         ScreenState::TaskShown,
         false,
         false,
         {{"Special/Tallinje", "False"}}},
        {"switched off on the menu only removes",
         true,
         Tick::Clear,
         unchanged,
         ScreenState::MainMenu,
         false,
         true,
         {{"Special/Tallinje", "False"}}},
        {"reshaped during a task",
         true,
         Tick::Ticked,
         0,
         ScreenState::TaskShown,
         true,
         true,
         {{"Special/Steg", "5"}}},
        {"reshaped while off is only stored",
         false,
         Tick::Clear,
         0,
         ScreenState::TaskShown,
         false,
         true,
         {{"Special/Steg", "5"}}},
    };
    for (const Case &k : cases) {
        modSorvinel.number_line_on = k.on_before;
        modSorvinel.number_line_built = k.on_before;
        modSorvinel.number_line_length = 10;
        modSorvinel.screen_state = k.screen;
        // Left visible, so a step that should not touch it shows.
        f.window->linTallinje->show();
        PageControls c = controls_from_settings();
        c.number_line = k.box;
        c.line_length_index = k.length_index;
        EXPECT_EQ(apply(int(SettingsPage::Special), c), k.keys) << k.name;
        EXPECT_EQ(modSorvinel.number_line_built, k.built_after) << k.name;
        EXPECT_EQ(!f.window->linTallinje->isHidden(), k.shown_after) << k.name;
    }
}

TEST_F(Applying, BoardRowsSwitchAndRebuildAShownBoard) {
    load();
    struct Case {
        int rows;
        bool shown;
        int index;
        int rows_after;
        QString written;
    };
    for (const Case &k : {Case{2, true, 0, 1, "1"}, Case{1, false, 1, 2, "2"},
                          Case{2, false, 1, 2, ""}, Case{1, true, -1, 1, ""}}) {
        modSorvinel.board_rows = k.rows;
        modSorvinel.number_board_shown = k.shown;
        modSorvinel.number_board_built = k.shown;
        PageControls c = controls_from_settings();
        c.rows_index = k.index;
        const auto keys = apply(int(SettingsPage::Control), c);
        EXPECT_EQ(modSorvinel.board_rows, k.rows_after) << k.rows << k.index;
        EXPECT_EQ(modSorvinel.number_board_shown, k.shown);
        EXPECT_EQ(modSorvinel.number_board_built, k.shown);
        EXPECT_EQ(keys.value("Styrning/Tavlerader"), k.written) << k.rows << k.index;
    }
}

TEST_F(Applying, IntervalTakesTheLeadingSecondsAndIgnoresNoChoice) {
    load();
    scanner()->setInterval(1000);
    PageControls c = controls_from_settings();
    c.interval_text = "";
    EXPECT_TRUE(apply(int(SettingsPage::Control), c).isEmpty());
    EXPECT_EQ(scanner()->interval(), 1000);
    c.interval_text = "4 sek";
    EXPECT_EQ(apply(int(SettingsPage::Control), c),
              (QMap<QString, QString>{{"Styrning/Intervall", "4"}}));
    EXPECT_EQ(scanner()->interval(), 4000);
    EXPECT_TRUE(apply(int(SettingsPage::Control), c).isEmpty());
}

TEST_F(Applying, WithoutSpeechTheSoundPageStopsAfterTheBeep) {
    load();
    for (const bool speech : {false, true}) {
        modSorvinel.speech_available = speech;
        modSorvinel.beep_on = true;
        modSorvinel.speak_menus = false;
        PageControls c = controls_from_settings();
        c.beep = Tick::Clear;
        c.speak_menus = Tick::Ticked;
        c.voice_choice = c.voice_at_load + 1;
        f.speech.log.clear();
        const auto keys = apply(int(SettingsPage::Sound), c, {&f.speech, nullptr});
        QMap<QString, QString> expected{{"Ljud/Pip", "False"}};
        if (speech)
            expected["Ljud/Meny"] = "True";
        EXPECT_EQ(keys, expected) << speech;
        EXPECT_EQ(f.speech.log.contains("select:1"), speech);
    }
}

TEST_F(Applying, DeletedRecordsAreWrittenOnceAsZero) {
    store().SaveSetting("Special", "Rekord2", "40");
    load();
    PageControls c = controls_from_settings();
    c.records_deleted = true;
    const auto keys = apply(int(SettingsPage::Special), c);
    EXPECT_EQ(keys.size(), 5);
    EXPECT_EQ(keys.value("Special/Rekord2"), "0");
    EXPECT_FALSE(c.records_deleted);
}

TEST_F(Applying, MousePointerIsAppliedBeforeItsKeyIsWritten) {
    load();
    PageControls c = controls_from_settings();
    c.mouse_pointer = Tick::Clear;
    EXPECT_EQ(apply(int(SettingsPage::Control), c),
              (QMap<QString, QString>{{"Styrning/Muspekare", "False"}}));
    EXPECT_EQ(f.window->labMenyVal[0]->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
