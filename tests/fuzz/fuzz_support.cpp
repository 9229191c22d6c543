#include "fuzz_support.h"

#include "platform/settings_store.h"
#include "shared/modSorvinel.h"
#include "shared/settings_keys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fuzz {

namespace {

const QString kMemoryFolder = QStringLiteral("/dev/shm");

struct NumberSetting {
    SettingId id;
    int ModSorvinel::*field;
};

// The number settings that load_settings keeps in the shared module.
constexpr NumberSetting kNumberSettings[] = {
    {SettingId::LockState, &ModSorvinel::settings_lock_state},
    {SettingId::ColourStyle, &ModSorvinel::colour_style},
    {SettingId::LineLength, &ModSorvinel::number_line_length},
    {SettingId::LineMarking, &ModSorvinel::number_line_marking},
    {SettingId::RewardMin, &ModSorvinel::reward_min_tasks},
    {SettingId::MinTasks, &ModSorvinel::min_task_count},
    {SettingId::WrongDisplay, &ModSorvinel::wrong_answer_display},
    {SettingId::RewardType, &ModSorvinel::reward_type},
    {SettingId::BoardRows, &ModSorvinel::board_rows},
    {SettingId::PrintSize, &ModSorvinel::print_size},
    {SettingId::PrintOrder, &ModSorvinel::print_order},
};

constexpr int kStep = 5;

} // namespace

const QString &home_folder() {
    static const std::unique_ptr<QTemporaryDir> dir = [] {
        const QString base =
            QFileInfo(kMemoryFolder).isWritable() ? kMemoryFolder : QDir::tempPath();
        auto made = std::make_unique<QTemporaryDir>(base + QStringLiteral("/sorvinel-fuzz-XXXXXX"));
        check(made->isValid(), "no temporary folder");
        const QString root = made->path();
        QDir().mkpath(root + QStringLiteral("/config"));
        QDir().mkpath(root + QStringLiteral("/data"));
        qputenv("HOME", root.toUtf8());
        qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/config")).toUtf8());
        qputenv("XDG_DATA_HOME", (root + QStringLiteral("/data")).toUtf8());
        // A file's time is read as local time: with a zone named, the C library need not
        // look at /etc/localtime each time.
        qputenv("TZ", "UTC");
        return made;
    }();
    static const QString path = dir->path();
    return path;
}

void check(bool holds, const char *what) {
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

QByteArray bytes_of(const uint8_t *data, size_t size) {
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

void write_file(const QString &path, const QByteArray &bytes) {
    // Three system calls, where QFile makes more: this runs once for every input.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC,
                          S_IRUSR | S_IWUSR);
    check(fd >= 0, "cannot write a fuzz file");
    const ssize_t written = ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size()));
    ::close(fd);
    check(written == bytes.size(), "short write of a fuzz file");
}

SettingsStore StoreFile::open() {
    const QString path = home_folder() + QStringLiteral("/config/PLOXA Sorvinel.ini");
    return SettingsStore(
        path,
        [this](const QString &) {
            platform::FileRead now;
            now.state = platform::FileState::Read;
            now.bytes = bytes;
            return now;
        },
        [this](const QString &, const QByteArray &written) {
            bytes = written;
            ++saves;
            return true;
        });
}

namespace {

void check_loaded_settings() {
    const ModSorvinel &m = modSorvinel;
    for (const NumberSetting &s : kNumberSettings) {
        const SettingKey &k = setting_key(s.id);
        const int value = m.*s.field;
        check(value >= k.min && value <= k.max, "a number setting is out of its range");
        check(!k.round_down_to_five || value % kStep == 0, "a setting is not a multiple of 5");
    }
    for (long record : m.record_times)
        check(record >= 0 && record <= std::numeric_limits<int32_t>::max(),
              "a record is out of range");
    check(!m.board_clickable || m.number_board_shown, "a clickable board that is not shown");
    check(QFileInfo(m.exercise_folder).isDir(), "the exercise folder is no folder");
}

// Every setting that load_settings keeps, as numbers, and the exercise folder.
struct LoadedSettings {
    std::vector<long> numbers;
    QString folder;
    bool operator==(const LoadedSettings &) const = default;
};

LoadedSettings loaded_settings() {
    const ModSorvinel &m = modSorvinel;
    const std::array flags{m.beep_on,
                           m.speak_in_exercises,
                           m.speak_menus,
                           m.screen_reader_text_on,
                           m.reader_text_blanks,
                           m.reader_text_to_clipboard,
                           m.check_records,
                           m.number_line_on,
                           m.show_clock,
                           m.esc_allowed,
                           m.show_warning_message,
                           m.key_repeat_blocked,
                           m.enter_interrupts,
                           m.number_board_shown,
                           m.board_clickable,
                           m.custom_mouse_pointer,
                           m.random_order};
    LoadedSettings loaded;
    loaded.numbers.reserve(std::size(kNumberSettings) + m.record_times.size() + flags.size());
    for (const NumberSetting &s : kNumberSettings)
        loaded.numbers.push_back(m.*s.field);
    for (long record : m.record_times)
        loaded.numbers.push_back(record);
    for (bool b : flags)
        loaded.numbers.push_back(b);
    loaded.folder = m.exercise_folder;
    return loaded;
}

} // namespace

void load_and_check_settings(SettingsStore &store) {
    modSorvinel.main_window = nullptr;
    modSorvinel.reset();
    modSorvinel.store = &store;
    modSorvinel.load_settings();
    check_loaded_settings();
}

void check_next_start_agrees(StoreFile &file) {
    const LoadedSettings first = loaded_settings();
    SettingsStore next = file.open();
    load_and_check_settings(next);
    check(loaded_settings() == first, "the next start loads other settings");
    modSorvinel.store = nullptr;
}

} // namespace fuzz

// Allocation stacks cost much of the run time with the many small strings of a read; a
// crash still shows where it happened, and ASAN_OPTIONS=malloc_context_size=30 gives them
// back when reproducing. A run frees far less than 2 MB, so a smaller quarantine still
// catches a use after free within it, and new allocations stop touching fresh pages.
extern "C" const char *__asan_default_options() {
    return "malloc_context_size=0:quarantine_size_mb=2";
}
