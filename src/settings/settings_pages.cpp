#include "settings/settings_pages.h"
#include "platform/message_box.h"
#include "platform/speech.h"
#include "platform/vb.h"
#include "shared/main_window_view.h"
#include "shared/modSorvinel.h"

#include <QDir>
#include <algorithm>
#include <array>

namespace {
using P = SettingsPage;
using I = ItemKind;
using S = SettingId;
using A = AfterChange;

constexpr int kFive = 5;
constexpr int kRecordSlots = 5;

constexpr std::array<const char *, 2> kWrongDisplayTexts = {"Det fel som är närmast svaret visas",
                                                            "Senaste fel visas"};
constexpr std::array<const char *, 2> kRewardTypeTexts = {"Pulserande cirklar", "Flytande ord"};

// A box or list changes the field its key is bound to.
PageItem box(P page, S key, Tick PageControls::*control, A after = A::None) {
    PageItem item{page, I::Box, key};
    item.box = control;
    item.flag = setting_field(key)->flag;
    item.after = after;
    item.inverted = setting_field(key)->inverted;
    return item;
}

PageItem list(S key, int PageControls::*control, int step = 1, A after = A::None) {
    PageItem item{P::Special, I::List, key};
    item.index = control;
    item.number = setting_field(key)->number;
    item.step = step;
    item.after = after;
    return item;
}

PageItem with_prefix(PageItem item, const char *prefix) {
    item.prefix = prefix;
    return item;
}

PageItem with_captions(PageItem item, std::span<const char *const> captions) {
    item.captions = captions;
    return item;
}

PageItem step(P page, I kind, std::optional<S> key = std::nullopt) {
    return PageItem{page, kind, key};
}

PageItem standing_on(P tab, PageItem item) {
    item.tab = tab;
    return item;
}

const std::array kItems = {
    step(P::Colours, I::Style, S::ColourStyle),
    step(P::Font, I::Font, S::Font),

    box(P::Sound, S::Beep, &PageControls::beep),
    step(P::Sound, I::SpeechGate),
    step(P::Sound, I::Voice),
    box(P::Sound, S::SpeakExercises, &PageControls::speak_exercises),
    box(P::Sound, S::SpeakMenus, &PageControls::speak_menus),

    box(P::Special, S::CheckRecords, &PageControls::check_records),
    step(P::Special, I::RecordsDeleted, S::Record0),
    box(P::Special, S::NumberLine, &PageControls::number_line, A::SwitchMark),
    box(P::Special, S::Clock, &PageControls::clock, A::ClockNow),
    // On the "Styrning" tab, and stored by "Utför" there; OK stores them with their section.
    standing_on(P::Control, box(P::Special, S::Esc, &PageControls::esc)),
    standing_on(P::Control, box(P::Special, S::Warning, &PageControls::warning)),
    with_prefix(list(S::LineLength, &PageControls::line_length_index, 1, A::ReshapeMark), "0 - "),
    list(S::LineMarking, &PageControls::line_marking_index, 1, A::ReshapeMark),
    step(P::Special, I::NumberLine),
    list(S::RewardMin, &PageControls::reward_min_index, kFive),
    list(S::MinTasks, &PageControls::min_tasks_index, kFive),
    with_captions(list(S::WrongDisplay, &PageControls::wrong_display_index), kWrongDisplayTexts),
    with_captions(list(S::RewardType, &PageControls::reward_type_index), kRewardTypeTexts),

    box(P::Control, S::KeyRepeat, &PageControls::key_repeat),
    box(P::Control, S::EnterInterrupts, &PageControls::enter_interrupts),
    step(P::Control, I::BoardRows, S::BoardRows),
    step(P::Control, I::Method, S::ControlMode),
    step(P::Control, I::Interval, S::Interval),
    box(P::Control, S::MousePointer, &PageControls::mouse_pointer, A::MousePointer),

    // On the "Special" tab, and stored by "Utför" there; OK stores it with its section.
    standing_on(P::Special, box(P::Folder, S::RandomOrder, &PageControls::random_order)),
    step(P::Folder, I::Folder, S::ExerciseFolder),
};

void write(S id, const QString &text) {
    const SettingKey &k = setting_key(id);
    modSorvinel.save_setting(section_of(k), key_of(k), text);
}

SettingId record_key(int slot) {
    return SettingId(int(S::Record0) + slot);
}

void apply_font(const PageControls &c) {
    ModSorvinel &m = modSorvinel;
    // A sample the user did not choose may be a stand-in for a font that is not installed.
    if (!m.main_window || !c.font_chosen || c.font_name == m.font_name)
        return;
    m.main_window->set_number_font(c.font_name, c.font_size);
    m.font_name = c.font_name;
    write(S::Font, c.font_name);
}

void apply_voice(const PageControls &c, const ApplyServices &s) {
    if (c.voice_choice == c.voice_at_load)
        return;
    if (s.speech && s.speech->select_voice(c.voice_choice))
        s.speech->store_voice(kApplicationName);
    else
        platform::msg_box(QStringLiteral("Kunde inte välja röst"), vb::vbOKOnly | vb::vbInformation,
                          kApplicationTitle, s.parent);
}

void apply_number_line(bool switched, bool reshaped, int old_length) {
    ModSorvinel &m = modSorvinel;
    const bool task_shown = m.screen_state == ScreenState::TaskShown;
    int no_marking = 0;
    if (switched && m.number_line_on) {
        m.layout_number_line(m.number_line_length, m.number_line_marking);
        if (task_shown)
            m.show_number_line(m.number_line_length, true);
    } else if (switched) {
        if (task_shown)
            m.show_number_line(old_length, false);
        m.layout_number_line(old_length, no_marking);
    } else if (reshaped && m.number_line_on) {
        if (task_shown)
            m.show_number_line(old_length, false);
        m.layout_number_line(old_length, no_marking);
        m.layout_number_line(m.number_line_length, m.number_line_marking);
        if (task_shown)
            m.show_number_line(m.number_line_length, true);
    }
}

void apply_board_rows(const PageControls &c) {
    ModSorvinel &m = modSorvinel;
    const int most = setting_key(S::BoardRows).max;
    const bool changed = (m.board_rows == most && c.rows_index == 0) ||
                         (m.board_rows != most && c.rows_index == most - 1);
    if (!changed)
        return;
    m.board_rows = m.board_rows + 1 > most ? 1 : m.board_rows + 1;
    if (m.number_board_shown) {
        m.number_board_shown = false;
        m.build_number_board(false, m.number_board_built, m.board_rows);
        m.number_board_shown = true;
        m.build_number_board(true, m.number_board_built, m.board_rows);
    }
    write(S::BoardRows, written_number(m.board_rows));
}

void apply_interval(const PageControls &c) {
    ModSorvinel &m = modSorvinel;
    // No entry chosen is no new interval.
    if (!m.main_window || !vb::has_leading_number(c.interval_text))
        return;
    const double ms = vb::leading_number(c.interval_text) * kMillisecondsPerSecond;
    if (ms == m.one_key_interval * kMillisecondsPerSecond)
        return;
    m.one_key_interval = int(vb::round_even(ms)) / kMillisecondsPerSecond;
    m.set_one_key_scanning(m.one_key_scanning);
    write(S::Interval, written_number(m.one_key_interval));
}

void apply_box(const PageItem &item, const PageControls &c, bool &switched) {
    bool &flag = modSorvinel.*item.flag;
    if (!box_changed(c.*item.box, item.inverted ? !flag : flag))
        return;
    flag = !flag;
    if (item.after == A::MousePointer)
        modSorvinel.apply_mouse_pointer();
    write(*item.key, written_bool(item.inverted ? !flag : flag));
    if (item.after == A::SwitchMark)
        switched = true;
    if (item.after == A::ClockNow && modSorvinel.screen_state == ScreenState::TaskShown)
        modSorvinel.setup_clock();
}

void apply_folder(const PageControls &c) {
    ModSorvinel &m = modSorvinel;
    // Only a folder the user changed is written: the file may hold another copy's choice,
    // and a stored folder missing at start-up stays until the user picks one.
    const bool picked_over_stand_in = c.folder_chosen && m.exercise_folder_stand_in;
    if (same_folder(c.folder_caption, m.exercise_folder) && !picked_over_stand_in)
        return;
    m.exercise_folder = c.folder_caption;
    m.exercise_folder_stand_in = false;
    write(S::ExerciseFolder, m.exercise_folder);
}

bool apply_list(const PageItem &item, const PageControls &c) {
    const int index = c.*item.index;
    int &value = modSorvinel.*item.number;
    // A list with nothing chosen changes nothing.
    if (index < 0 || index >= int(list_entries(item).size()) || index == list_index(item, value))
        return false;
    value = list_value(item, index);
    write(*item.key, written_number(value));
    return true;
}
} // namespace

Tick tick_of(bool on) {
    return on ? Tick::Ticked : Tick::Clear;
}

bool box_changed(Tick box, bool setting) {
    return (box == Tick::Ticked && !setting) || (box == Tick::Clear && setting);
}

std::span<const PageItem> page_items() {
    return kItems;
}

std::vector<SettingId> keys_of_page(SettingsPage page) {
    std::vector<SettingId> keys;
    for (const PageItem &item : kItems) {
        if (item.page != page || !item.key)
            continue;
        if (item.kind == I::RecordsDeleted) {
            for (int slot = 0; slot < kRecordSlots; ++slot)
                keys.push_back(record_key(slot));
        } else {
            keys.push_back(*item.key);
        }
    }
    return keys;
}

QStringList list_entries(const PageItem &item) {
    QStringList entries;
    if (!item.captions.empty()) {
        for (const char *caption : item.captions)
            entries << QString::fromUtf8(caption);
        return entries;
    }
    const SettingKey &k = setting_key(*item.key);
    for (int v = k.min; v <= k.max; v += item.step)
        entries << QString::fromUtf8(item.prefix) + QString::number(v);
    return entries;
}

int list_index(const PageItem &item, int value) {
    return (value - setting_key(*item.key).min) / item.step;
}

int list_value(const PageItem &item, int index) {
    return setting_key(*item.key).min + index * item.step;
}

const PageItem *list_item(int PageControls::*index) {
    for (const PageItem &item : kItems)
        if (item.kind == I::List && item.index == index)
            return &item;
    return nullptr;
}

ControlMethod running_control_method() {
    const ModSorvinel &m = modSorvinel;
    if (!m.number_board_shown)
        return ControlMethod::Keyboard;
    if (m.one_key_scanning)
        return ControlMethod::OneKey;
    return m.board_clickable ? ControlMethod::KeyboardMouse : ControlMethod::FewKeys;
}

QString interval_entry(int seconds) {
    return QString::number(seconds) + QStringLiteral(" sek");
}

PageControls controls_from_settings() {
    const ModSorvinel &m = modSorvinel;
    PageControls c;
    c.style_choice = m.colour_style;
    c.font_name = m.font_name;
    if (m.main_window)
        c.font_size = m.main_window->number_font().points;
    for (const PageItem &item : kItems) {
        if (item.kind == I::Box)
            c.*item.box = tick_of(item.inverted ? !(m.*item.flag) : m.*item.flag);
        else if (item.kind == I::List)
            c.*item.index = list_index(item, m.*item.number);
    }
    c.rows_index = m.board_rows - 1;
    c.method = running_control_method();
    if (m.one_key_interval >= 1 && m.one_key_interval <= kIntervalEntries)
        c.interval_text = interval_entry(m.one_key_interval);
    c.folder_caption = with_trailing_separator(m.exercise_folder);
    return c;
}

bool apply_control_method(ControlMethod method) {
    ModSorvinel &m = modSorvinel;
    const bool shown = m.number_board_shown, clickable = m.board_clickable;
    const bool scanning = m.one_key_scanning;
    auto scan = [&m](bool on) { m.set_one_key_scanning(on); };
    auto build = [&m](bool mode) {
        m.build_number_board(mode, m.number_board_built, m.board_rows);
    };
    auto show_board = [&](bool can_click) {
        m.number_board_shown = true;
        m.board_clickable = can_click;
        build(true);
    };

    switch (method) {
    case ControlMethod::Keyboard:
        if (!shown)
            return false;
        m.number_board_shown = false;
        if (scanning)
            scan(false);
        build(false);
        break;
    case ControlMethod::KeyboardMouse:
        if (!shown) {
            show_board(true);
        } else if (!clickable) {
            if (scanning)
                scan(false);
            m.board_clickable = true;
        } else {
            return false;
        }
        break;
    case ControlMethod::FewKeys:
        if (!shown)
            show_board(false);
        else if (clickable)
            m.board_clickable = false;
        else if (scanning)
            scan(false);
        else
            return false;
        break;
    case ControlMethod::OneKey:
        if (!shown) {
            show_board(false);
            scan(true);
        } else if (clickable) {
            m.board_clickable = false;
            if (!scanning)
                scan(true);
        } else if (!scanning) {
            scan(true);
        } else {
            return false;
        }
        break;
    }
    write(S::ControlMode, written_number(int(method)));
    return true;
}

namespace {
// Applies the items whose page or tab (`where`) is `which`, in the order of the page table.
void apply_items(SettingsPage PageItem::*where, int which, PageControls &c,
                 const ApplyServices &services) {
    if (which < int(P::Colours) || which > kSettingsPageCount)
        return;
    ModSorvinel &m = modSorvinel;
    const int old_length = m.number_line_length;
    bool switched = false, reshaped = false;

    for (const PageItem &item : kItems) {
        if (int(item.*where) != which)
            continue;
        switch (item.kind) {
        case I::Style:
            if (c.style_choice != m.colour_style) {
                m.colour_style = c.style_choice;
                m.apply_colour_style(c.style_choice);
                write(S::ColourStyle, written_number(c.style_choice));
            }
            break;
        case I::Font:
            apply_font(c);
            break;
        case I::Box:
            apply_box(item, c, switched);
            break;
        case I::SpeechGate:
            // Without speech the voice and the two reading boxes are hidden: not applied.
            if (!m.speech_available)
                return;
            break;
        case I::Voice:
            apply_voice(c, services);
            break;
        case I::RecordsDeleted:
            if (c.records_deleted) {
                for (int slot = 0; slot < kRecordSlots; ++slot)
                    write(record_key(slot), written_number(0));
                c.records_deleted = false;
            }
            break;
        case I::List:
            if (apply_list(item, c) && item.after == A::ReshapeMark)
                reshaped = true;
            break;
        case I::NumberLine:
            apply_number_line(switched, reshaped, old_length);
            break;
        case I::BoardRows:
            apply_board_rows(c);
            break;
        case I::Method:
            apply_control_method(c.method);
            break;
        case I::Interval:
            apply_interval(c);
            break;
        case I::Folder:
            apply_folder(c);
            break;
        }
    }
}
} // namespace

void apply_settings_page(int page, PageControls &c, const ApplyServices &services) {
    apply_items(&PageItem::page, page, c, services);
}

void apply_settings_tab(int tab, PageControls &c, const ApplyServices &services) {
    apply_items(&PageItem::tab, tab, c, services);
}

QString with_trailing_separator(const QString &folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

bool same_folder(const QString &a, const QString &b) {
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

QString sample_tooltip(int scheme) {
    return QStringLiteral("Färgval ") + QString::number(scheme + 1);
}

QPointF sample_position(int i, QSizeF page, QSizeF sample) {
    constexpr int kColumns = 3, kRows = 2;
    const double g = (page.width() - kColumns * sample.width()) / (kColumns + 1);
    const double v = (page.height() - kRows * sample.height()) / (kRows + 1);
    const int c = i % kColumns, r = i / kColumns;
    return {(c + 1) * g + c * sample.width(), (r + 1) * v + r * sample.height()};
}
