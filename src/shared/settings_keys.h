#pragma once
// The table of every key of the settings store: section, key, kind, defaults, range and
// whether the one-time import of sorvinel.ini carries it. Everything that reads or writes
// the store goes through this table, in this order.

#include <QString>
#include <optional>
#include <span>

class SettingsStore;
class ProfileFile;
class ModSorvinel;

enum class SettingId {
    LockState,
    ColourStyle,
    Font,
    Beep,
    SpeakExercises,
    SpeakMenus,
    ReaderText,
    ReaderBlanks,
    ReaderClipboard,
    CheckRecords,
    Record0,
    Record1,
    Record2,
    Record3,
    Record4,
    NumberLine,
    Clock,
    Esc,
    Warning,
    LineLength,
    LineMarking,
    RewardMin,
    MinTasks,
    WrongDisplay,
    RewardType,
    KeyRepeat,
    EnterInterrupts,
    BoardRows,
    ControlMode,
    Interval,
    MousePointer,
    RandomOrder,
    ExerciseFolder,
    PrintSize,
    PrintOrder,
};

enum class KeyKind {
    BoolDefaultTrue,  // anything but "False" is True
    BoolDefaultFalse, // only "True" is True
    Number,           // leading number, rounded, range-tested
    Record,           // a positive leading number, else 0
    Text,             // stored unchanged
};

struct SettingKey {
    SettingId id;
    const char *section;
    const char *key; // UTF-8
    KeyKind kind;
    int store_default;
    std::optional<int> ini_default; // empty: never imported
    int min = 0;
    int max = 0;
    bool round_down_to_five = false;
};

// The field of the shared module that holds a setting. A setting with more to it than its
// field (the font, the records, the control method, the folder) has none here.
struct SettingField {
    SettingId id;
    bool ModSorvinel::*flag = nullptr;
    int ModSorvinel::*number = nullptr;
    QString ModSorvinel::*text = nullptr;
    bool inverted = false; // flag: the stored value is the opposite of the field
};
// Null when the setting has no field of its own.
const SettingField *setting_field(SettingId id);

// In the order in which the settings are loaded.
std::span<const SettingKey> setting_keys();
const SettingKey &setting_key(SettingId id);
QString section_of(const SettingKey &k);
QString key_of(const SettingKey &k);

// Written forms.
QString written_bool(bool value);   // "True" / "False"
QString written_number(long value); // "0", "3", "50"

// Reading rules of the store branch.
bool read_bool(const SettingKey &k, const QString &text);
int read_number(const SettingKey &k, const QString &text);
long read_record(const QString &text);

// Reading rules of the import branch (values as GetPrivateProfileInt gives them).
bool read_ini_bool(const SettingKey &k, int value);
int read_ini_number(const SettingKey &k, int value);
