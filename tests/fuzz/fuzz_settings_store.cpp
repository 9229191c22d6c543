// Any file as the settings store, then every setting loaded from it. A save changes no byte
// but those of the line it sets (or puts in), what it wrote reads back the same, and every
// setting loaded is within its range. The file lives in memory; the store reads and writes
// it with the same code as on disk.
#include "fuzz_support.h"
#include "platform/settings_store.h"
#include "shared/modSorvinel.h"
#include "shared/settings_keys.h"

#include <algorithm>

namespace {

using fuzz::check;

const QString kProbeSection = QStringLiteral("Fuzz");
const QString kProbeKey = QStringLiteral("probe");
const QString kProbeValue = QStringLiteral("1");
const QString kMissing = QStringLiteral("<missing>");

// The bytes of `before` that `after` no longer has, where the two stop agreeing from the
// front and from the back.
QByteArrayView taken_away(const QByteArray &before, const QByteArray &after) {
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return QByteArrayView(before).sliced(head, before.size() - head - tail);
}

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
    // A save reads the file again and writes it whole: one probe key shows what it keeps
    // of the rest.
    const QByteArray before = file.bytes;
    const bool probeThere = read.GetSetting(kProbeSection, kProbeKey, kMissing) != kMissing;
    const bool saved = read.SaveSetting(kProbeSection, kProbeKey, kProbeValue);
    // A file too long to be read whole is never written over.
    if (!read.file_usable()) {
        check(!saved && file.bytes == before, "a file not read whole was written over");
        return 0;
    }
    check(saved, "the store did not save");
    const QByteArray first = file.bytes;
    // A new key only puts bytes in; a key that was there changes within its line.
    const QByteArrayView gone = taken_away(before, first);
    check(probeThere ? !gone.contains('\n') : gone.isEmpty(),
          "a save changed a line it did not set");
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
