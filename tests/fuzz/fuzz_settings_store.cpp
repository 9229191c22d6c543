// Any file as the settings store, then every setting loaded from it. What the reader keeps
// must survive a save (a second save of the re-read file writes the same bytes), and every
// setting loaded is within its range. The file lives in memory; the store reads and writes
// it with the same code as on disk.
#include "fuzz_support.h"
#include "platform/settings_store.h"
#include "shared/modSorvinel.h"
#include "shared/settings_keys.h"

namespace {

using fuzz::check;

const QString kProbeSection = QStringLiteral("Fuzz");
const QString kProbeKey = QStringLiteral("probe");
const QString kProbeValue = QStringLiteral("1");
const QString kMissing = QStringLiteral("<missing>");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::StoreFile file{fuzz::bytes_of(data, size)};

    SettingsStore read = file.open();
    // One input in eight is also read from the disk, as the program reads its store: the
    // file road must read what the bytes road reads.
    constexpr size_t kFromDiskEvery = 8;
    if (size % kFromDiskEvery == 0) {
        const QString path = SettingsStore::default_path();
        fuzz::write_file(path, file.bytes);
        check(SettingsStore(path).file_bytes() == read.file_bytes(),
              "the store reads its file otherwise than its bytes");
    }
    // A save reads the file again and writes it whole, so one probe key saves what the
    // reader keeps of it.
    const QByteArray before = file.bytes;
    const bool saved = read.SaveSetting(kProbeSection, kProbeKey, kProbeValue);
    // A file too long to be read whole is never written over.
    if (!read.file_usable()) {
        check(!saved && file.bytes == before, "a file not read whole was written over");
        return 0;
    }
    check(saved, "the store did not save");
    const QByteArray first = file.bytes;
    // Read back, it would save the same bytes again.
    SettingsStore again = file.open();
    check(again.file_bytes() == first, "a saved store reads back otherwise");
    for (const SettingKey &k : setting_keys()) {
        const QString section = section_of(k), key = key_of(k);
        check(read.GetSetting(section, key, kMissing) == again.GetSetting(section, key, kMissing),
              "a setting changed through a save");
    }

    fuzz::load_and_check_settings(again);
    // Loading saved what it changed: the same settings come from the file once more.
    fuzz::check_next_start_agrees(file);
    return 0;
}
