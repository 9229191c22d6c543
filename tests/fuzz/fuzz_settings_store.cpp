// Any file as the settings store, then every setting loaded from it. What the reader keeps
// must survive a save (a second save of the re-read file writes the same bytes), and every
// setting loaded is within its range.
#include "fuzz_support.h"
#include "platform/settings_store.h"
#include "shared/modSorvinel.h"
#include "shared/settings_keys.h"

#include <QFile>

namespace {

using fuzz::check;

const QString kProbeSection = QStringLiteral("Fuzz");
const QString kProbeKey = QStringLiteral("probe");
const QString kProbeValue = QStringLiteral("1");
const QString kMissing = QStringLiteral("<missing>");

QString store_path() {
    return fuzz::home_folder() + QStringLiteral("/config/PLOXA Sorvinel.ini");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString path = store_path();
    fuzz::write_file(path, fuzz::bytes_of(data, size));

    // Every save writes the whole store, so one probe key saves what the reader kept.
    SettingsStore read(path);
    check(read.SaveSetting(kProbeSection, kProbeKey, kProbeValue), "the store did not save");
    const QByteArray first = fuzz::read_file(path);
    SettingsStore again(path);
    check(again.SaveSetting(kProbeSection, kProbeKey, kProbeValue), "the store did not save");
    check(fuzz::read_file(path) == first, "a saved store reads back otherwise");
    for (const SettingKey &k : setting_keys())
        check(read.GetSetting(section_of(k), key_of(k), kMissing) ==
                  again.GetSetting(section_of(k), key_of(k), kMissing),
              "a setting changed through a save");

    fuzz::load_and_check_settings(again);
    // Loading saved what it changed: the same settings come from the file once more.
    fuzz::check_next_start_agrees(path);
    return 0;
}
