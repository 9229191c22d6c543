// Any file as an old sorvinel.ini: the Windows-1252 reader, then the one-time import into an
// empty store. Every setting imported is within its range, the store is written once, the
// old file is gone, and the next start loads the same settings from the store alone. The
// store's file lives in memory; the old file is on disk, where the import looks for it.
#include "fuzz_support.h"
#include "platform/profile_file.h"
#include "platform/settings_store.h"
#include "shared/modSorvinel.h"
#include "shared/settings_keys.h"

#include <QFileInfo>

namespace {

using fuzz::check;

// The buffer that the import reads texts with, and a tiny one.
constexpr int kImportBuffer = 255;
constexpr int kTinyBuffer = 2;

QString ini_path() {
    return fuzz::home_folder() + QStringLiteral("/config/sorvinel.ini");
}

// The texts that the import asks for, and a tiny buffer besides.
void check_reader(const ProfileFile &ini) {
    check(ini.exists(), "a readable file does not exist");
    for (const SettingKey &k : setting_keys()) {
        if (!k.ini_default)
            continue;
        const QString section = section_of(k), key = key_of(k);
        for (int buffer : {kImportBuffer, kTinyBuffer}) {
            const QString text = ini.GetPrivateProfileString(section, key, QString(), buffer);
            check(text.size() < buffer, "a text is longer than its buffer");
            check(text.isEmpty() || !text.back().isHighSurrogate(), "a text ends in half a pair");
        }
        ini.GetPrivateProfileInt(section, key, 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes = fuzz::bytes_of(data, size);
    check_reader(ProfileFile::from_bytes(bytes));
    fuzz::write_file(ini_path(), bytes);

    fuzz::StoreFile file;
    SettingsStore store = file.open();
    fuzz::load_and_check_settings(store);
    check(file.saves == 1, "the import did not write the store exactly once");
    check(!QFileInfo::exists(ini_path()), "the imported file was kept");
    // The next start reads only the store and must find what was imported.
    fuzz::check_next_start_agrees(file);
    return 0;
}
