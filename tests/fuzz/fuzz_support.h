#pragma once
// What the fuzz programs share: a throw-away home for the files they write, a check that
// ends the run as a crash (so libFuzzer keeps the input), and the settings' range rules.
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
QByteArray read_file(const QString &path);

// Every setting that load_settings left in modSorvinel is within its range.
void check_loaded_settings();
// The loaded settings as one text, to compare two loads.
QString loaded_settings();

} // namespace fuzz
