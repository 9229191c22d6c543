#include "shared/settings_keys.h"
#include "platform/vb.h"
#include "shared/modSorvinel.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {
using K = KeyKind;
using S = SettingId;
constexpr int kTrue = 1;
constexpr int kFalse = 0;

const std::array kKeys = {
    SettingKey{S::LockState, "Visa", "Inst", K::Number, 0, 0, 0, 1},
    SettingKey{S::ColourStyle, "Utseende", "Stil", K::Number, 3, 0, 0, 5},
    SettingKey{S::Font, "Teckensnitt", "Font", K::Text, 0, 0},
    SettingKey{S::Beep, "Ljud", "Pip", K::BoolDefaultTrue, kTrue, kTrue},
    SettingKey{S::SpeakExercises, "Ljud", "Övning", K::BoolDefaultFalse, kFalse, kFalse},
    SettingKey{S::SpeakMenus, "Ljud", "Meny", K::BoolDefaultFalse, kFalse, kFalse},
    SettingKey{S::ReaderText, "Txt", "Visa", K::BoolDefaultFalse, kFalse, std::nullopt},
    SettingKey{S::ReaderBlanks, "Txt", "blank", K::BoolDefaultTrue, kTrue, std::nullopt},
    SettingKey{S::ReaderClipboard, "Txt", "klipp", K::BoolDefaultFalse, kFalse, std::nullopt},
    SettingKey{S::CheckRecords, "Special", "Kontrollera", K::BoolDefaultTrue, kTrue, kTrue},
    SettingKey{S::Record0, "Special", "Rekord0", K::Record, 0, 0},
    SettingKey{S::Record1, "Special", "Rekord1", K::Record, 0, 0},
    SettingKey{S::Record2, "Special", "Rekord2", K::Record, 0, 0},
    SettingKey{S::Record3, "Special", "Rekord3", K::Record, 0, 0},
    SettingKey{S::Record4, "Special", "Rekord4", K::Record, 0, 0},
    SettingKey{S::NumberLine, "Special", "Tallinje", K::BoolDefaultFalse, kFalse, kFalse},
    SettingKey{S::Clock, "Special", "Klocka", K::BoolDefaultFalse, kFalse, std::nullopt},
    SettingKey{S::Esc, "Special", "Esc", K::BoolDefaultTrue, kTrue, std::nullopt},
    SettingKey{S::Warning, "Special", "Varna", K::BoolDefaultFalse, kFalse, std::nullopt},
    SettingKey{S::LineLength, "Special", "Steg", K::Number, 10, 10, 5, 20},
    SettingKey{S::LineMarking, "Special", "Markering", K::Number, 5, 5, 1, 20},
    SettingKey{S::RewardMin, "Special", "Belöning", K::Number, 50, 50, 5, 55, true},
    SettingKey{S::MinTasks, "Special", "Uppgifter", K::Number, 5, 5, 5, 50, true},
    SettingKey{S::WrongDisplay, "Special", "Felvisning", K::Number, 0, std::nullopt, 0, 1},
    SettingKey{S::RewardType, "Special", "Beltyp", K::Number, 0, std::nullopt, 0, 1},
    SettingKey{S::KeyRepeat, "Styrning", "Tangentrepetition", K::BoolDefaultFalse, kFalse, kFalse},
    SettingKey{S::EnterInterrupts, "Styrning", "Enteravbrott", K::BoolDefaultFalse, kFalse, kFalse},
    SettingKey{S::BoardRows, "Styrning", "Tavlerader", K::Number, 2, std::nullopt, 1, 2},
    SettingKey{S::ControlMode, "Styrning", "Alternativ", K::Number, 0, 0, 0, 3},
    SettingKey{S::Interval, "Styrning", "Intervall", K::Number, 1, 1, 1, 5},
    SettingKey{S::MousePointer, "Styrning", "Muspekare", K::BoolDefaultTrue, kTrue, kTrue},
    SettingKey{S::RandomOrder, "Filkatalog", "Slump", K::BoolDefaultTrue, kTrue, kTrue},
    SettingKey{S::ExerciseFolder, "Filkatalog", "Path", K::Text, 0, 0},
    SettingKey{S::PrintSize, "Utskrift", "Storlek", K::Number, 0, std::nullopt, 0, 2},
    SettingKey{S::PrintOrder, "Utskrift", "Ordning", K::Number, 0, std::nullopt, 0, 1},
};

using M = ModSorvinel;
constexpr SettingField flag(S id, bool M::*field, bool inverted = false) {
    return {id, field, nullptr, nullptr, inverted};
}
constexpr SettingField number(S id, int M::*field) {
    return {id, nullptr, field, nullptr};
}

constexpr std::array kFields = {
    number(S::LockState, &M::settings_lock_state),
    number(S::ColourStyle, &M::colour_style),
    flag(S::Beep, &M::beep_on),
    flag(S::SpeakExercises, &M::speak_in_exercises),
    flag(S::SpeakMenus, &M::speak_menus),
    flag(S::ReaderText, &M::screen_reader_text_on),
    flag(S::ReaderBlanks, &M::reader_text_blanks),
    flag(S::ReaderClipboard, &M::reader_text_to_clipboard),
    flag(S::CheckRecords, &M::check_records),
    flag(S::NumberLine, &M::number_line_on),
    flag(S::Clock, &M::show_clock),
    flag(S::Esc, &M::esc_allowed),
    flag(S::Warning, &M::show_warning_message),
    number(S::LineLength, &M::number_line_length),
    number(S::LineMarking, &M::number_line_marking),
    number(S::RewardMin, &M::reward_min_tasks),
    number(S::MinTasks, &M::min_task_count),
    number(S::WrongDisplay, &M::wrong_answer_display),
    number(S::RewardType, &M::reward_type),
    // Stored as "repetition allowed".
    flag(S::KeyRepeat, &M::key_repeat_blocked, true),
    flag(S::EnterInterrupts, &M::enter_interrupts),
    number(S::BoardRows, &M::board_rows),
    number(S::Interval, &M::one_key_interval),
    flag(S::MousePointer, &M::custom_mouse_pointer),
    flag(S::RandomOrder, &M::random_order),
    number(S::PrintSize, &M::print_size),
    number(S::PrintOrder, &M::print_order),
};

constexpr int kStep = 5;

int finish_number(const SettingKey &k, double value, int fallback) {
    if (!std::isfinite(value) || value < k.min || value > k.max)
        return fallback;
    int v = int(value);
    if (k.round_down_to_five)
        v = v / kStep * kStep;
    return v;
}
} // namespace

std::span<const SettingKey> setting_keys() {
    return kKeys;
}

const SettingField *setting_field(SettingId id) {
    for (const SettingField &f : kFields)
        if (f.id == id)
            return &f;
    return nullptr;
}

const SettingKey &setting_key(SettingId id) {
    for (const SettingKey &k : kKeys)
        if (k.id == id)
            return k;
    return kKeys.front();
}

namespace {
struct KeyNames {
    QString section;
    QString key;
};

// The table's names as strings, made once: every start asks the store for each of them.
const std::array<KeyNames, kKeys.size()> &key_names() {
    static const auto names = [] {
        std::array<KeyNames, kKeys.size()> n;
        for (size_t i = 0; i < kKeys.size(); ++i)
            n[i] = {QString::fromUtf8(kKeys[i].section), QString::fromUtf8(kKeys[i].key)};
        return n;
    }();
    return names;
}

// The table's row of `k`, or null for a key from elsewhere.
const KeyNames *names_in_table(const SettingKey &k) {
    const auto i = static_cast<size_t>(k.id);
    if (i >= kKeys.size() || kKeys[i].section != k.section || kKeys[i].key != k.key)
        return nullptr;
    return &key_names()[i];
}
} // namespace

QString section_of(const SettingKey &k) {
    const KeyNames *names = names_in_table(k);
    return names ? names->section : QString::fromUtf8(k.section);
}
QString key_of(const SettingKey &k) {
    const KeyNames *names = names_in_table(k);
    return names ? names->key : QString::fromUtf8(k.key);
}

QString written_bool(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}
QString written_number(long value) {
    return QString::number(value);
}

bool read_bool(const SettingKey &k, const QString &text) {
    if (k.kind == KeyKind::BoolDefaultTrue)
        return text != QLatin1String("False");
    return text == QLatin1String("True");
}

int read_number(const SettingKey &k, const QString &text) {
    // Rounded first, then range-tested, so "4.6" reads as 5; a huge number is out of range.
    const double raw = vb::leading_number(text);
    if (!std::isfinite(raw) || std::fabs(raw) > std::numeric_limits<int>::max())
        return k.store_default;
    return finish_number(k, double(vb::round_even(raw)), k.store_default);
}

long read_record(const QString &text) {
    const double v = vb::leading_number(text);
    // A record beyond 32 bits is no record, not an overflow.
    if (!(v > 0) || v > std::numeric_limits<int32_t>::max())
        return 0;
    return vb::round_even(v);
}

bool read_ini_bool(const SettingKey &k, int value) {
    if (value == kTrue)
        return true;
    if (value == kFalse)
        return false;
    return k.ini_default.value_or(k.store_default) == kTrue;
}

int read_ini_number(const SettingKey &k, int value) {
    return finish_number(k, value, k.ini_default.value_or(k.store_default));
}
