#pragma once
// The pages of the settings dialog without its widgets: what every control shows, which
// key each page writes, and applying a page. The dialog copies its controls into
// `PageControls`; `apply_settings_page` compares them with the shared settings and, only
// where they differ, stores the new value, writes its key and applies it to the running
// main window. Tests call these directly.

#include "shared/colour_schemes.h"
#include "shared/font_fitting.h"
#include "shared/settings_keys.h"

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <span>
#include <vector>

class ModSorvinel;
class SpeechEngine;
class QWidget;

// Pages in the order of the tabs; the number is the tab's index.
enum class SettingsPage : int {
    Colours = 1,
    Font = 2,
    Sound = 3,
    Special = 4,
    Control = 5,
    Folder = 6
};
constexpr int kSettingsPageCount = 6;

// The value of a check box.
enum class Tick : int { Clear = 0, Ticked = 1, Grey = 2 };
Tick tick_of(bool on);
// Whether a box differs from the setting it shows; a grey box never does.
bool box_changed(Tick box, bool setting);

enum class ControlMethod : int { Keyboard = 0, KeyboardMouse = 1, FewKeys = 2, OneKey = 3 };

// What the dialog's controls hold, and the dialog's own choices.
struct PageControls {
    // "Färger"
    int style_choice = 0;
    // "Teckensnitt": the sample's font, applied only when the user chose one
    QString font_name;
    double font_size = 0;
    bool font_chosen = false;
    // "Ljud"
    Tick beep = Tick::Clear;
    Tick speak_exercises = Tick::Clear;
    Tick speak_menus = Tick::Clear;
    int voice_at_load = 0;
    int voice_choice = 0;
    // "Special"
    Tick check_records = Tick::Clear;
    bool records_deleted = false;
    Tick number_line = Tick::Clear;
    Tick clock = Tick::Clear;
    Tick esc = Tick::Clear;
    Tick warning = Tick::Clear;
    int line_length_index = 0;
    int line_marking_index = 0;
    int reward_min_index = 0;
    int min_tasks_index = 0;
    int wrong_display_index = 0;
    int reward_type_index = 0;
    Tick random_order = Tick::Clear;
    // "Styrning"
    Tick key_repeat = Tick::Clear;
    Tick enter_interrupts = Tick::Clear;
    int rows_index = 1; // 0 "En", 1 "Två"
    ControlMethod method = ControlMethod::Keyboard;
    QString interval_text; // "1 sek" .. "5 sek"
    Tick mouse_pointer = Tick::Clear;
    // "Filkatalog"
    QString folder_caption;
    bool folder_chosen = false; // the user picked a folder, even the one shown at opening
};

// One step of applying a page, in the order the page applies them.
enum class ItemKind {
    Style,
    Font,
    Box,
    SpeechGate,
    Voice,
    RecordsDeleted,
    List,
    NumberLine,
    BoardRows,
    Method,
    Interval,
    Folder,
};
// What a changed box or list sets off besides writing its key.
enum class AfterChange { None, SwitchMark, ReshapeMark, ClockNow, MousePointer };

struct PageItem {
    SettingsPage page; // applied with this page, whose section it shares
    ItemKind kind;
    std::optional<SettingId> key;       // the key written; none for the plain steps
    SettingsPage tab = page;            // where its control stands
    Tick PageControls::*box = nullptr;  // Box
    bool ModSorvinel::*flag = nullptr;  // Box
    bool inverted = false;              // Box: the box shows the opposite of the flag
    int PageControls::*index = nullptr; // List
    int ModSorvinel::*number = nullptr; // List
    int step = 1;                       // List: value = key minimum + index x step
    AfterChange after = AfterChange::None;
    const char *prefix = "";                    // List: put before each number
    std::span<const char *const> captions = {}; // List: fixed entries instead of numbers
};

std::span<const PageItem> page_items();
// The keys a page may write, in the order it writes them.
std::vector<SettingId> keys_of_page(SettingsPage page);

// List entries and positions of a list item; the entries cover the key's range.
QStringList list_entries(const PageItem &item);
int list_index(const PageItem &item, int value);
int list_value(const PageItem &item, int index);
const PageItem *list_item(int PageControls::*index);

// The controls as the dialog shows them at opening (the voice fields excepted).
PageControls controls_from_settings();
// The control method the main window runs now.
ControlMethod running_control_method();
QString interval_entry(int seconds); // "3 sek"
constexpr int kIntervalEntries = 5;

struct ApplyServices {
    SpeechEngine *speech = nullptr;
    QWidget *parent = nullptr; // of the message boxes
};
// Applies one page (1..6; any other number does nothing). Clears `records_deleted` when
// the "Special" page wrote the deleted records.
void apply_settings_page(int page, PageControls &controls, const ApplyServices &services);
// Applies every control that tab 1..6 shows, whichever page it belongs to ("Utför").
void apply_settings_tab(int tab, PageControls &controls, const ApplyServices &services);

// Applying the control method on the main window's running state; true when it changed.
bool apply_control_method(ControlMethod method);

// The folder as the folder label shows it: with a trailing separator.
QString with_trailing_separator(const QString &folder);
// Whether two paths name the same folder ("/a/b" and "/a/b/" do); case counts.
bool same_folder(const QString &a, const QString &b);

QString sample_tooltip(int scheme); // "Färgval 1" .. "Färgval 6"
// Where sample `i` stands on a page of `page` size: two rows of three with equal gaps.
QPointF sample_position(int i, QSizeF page, QSizeF sample);
