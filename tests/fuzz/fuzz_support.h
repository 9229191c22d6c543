#pragma once
// What the fuzz programs share: a throw-away home for the files they write, a check that
// ends the run as a crash (so libFuzzer keeps the input), and the settings' range rules.
#include "platform/settings_store.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzz {

// Points HOME and XDG_* at a fresh folder (in memory when /dev/shm is there) and returns
// it; made once per process.
const QString &home_folder();

// Aborts with `what` when `holds` is false.
void check(bool holds, const char *what);

QByteArray bytes_of(const uint8_t *data, size_t size);
void write_file(const QString &path, const QByteArray &bytes);

// The settings file kept in memory: a store opened on it reads its bytes, and every save
// writes them anew through the store's own writing code.
struct StoreFile {
    QByteArray bytes;
    int saves = 0;
    SettingsStore open();
};

// Starts as the program does: every setting loaded from `store`, each within its range.
void load_and_check_settings(SettingsStore &store);
// A second start from what `file` holds now loads the same settings again.
void check_next_start_agrees(StoreFile &file);

} // namespace fuzz
