#pragma once
// Internals of the espeak-ng backend, shared with its tests: the voice rules, the voice list
// of the process-wide instance, and a way for a test program to count the synthesised
// samples instead of sending them to a sound server nobody listens to.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace espeak_detail {

struct Voice {
    QString name;          // shown to the user, e.g. "Svenska"
    QByteArray identifier; // file under espeak-ng-data/voices, e.g. "gmq/sv"; what is stored
    QStringList languages; // e.g. "sv"
};

// False for the mbrola voices: they need an outside program and fail without it.
bool is_usable_voice(const QByteArray &identifier);

// Swedish when it is among `voices`, else the first voice; -1 for an empty list.
int default_voice_index(const std::vector<Voice> &voices);

// The voices of the process-wide espeak-ng instance, starting it if need be; empty when
// espeak-ng is not usable.
const std::vector<Voice> &voices();

// Sends what espeak-ng synthesises in this process to a sample counter instead of the sound
// server, from now on (before the first use, the server is never reached). False when
// espeak-ng is not usable here.
bool count_samples_instead_of_playing();

// Sends it to the sound server again, as the program does. False when espeak-ng is not
// usable here.
bool play_through_sound_server();

// Returns once every text spoken so far is synthesised (and so handed to the output) or
// given up.
void wait_until_synthesised();

// The samples of `text` in voice `voice_index` (an index into voices()), synthesised on the
// calling thread and played nowhere: what a listener should hear of it.
std::vector<short> synthesise(const QString &text, int voice_index);

// Samples synthesised since the previous call (counted only in the mode above).
long long take_sample_count();

// When the first sample since the previous call was synthesised (steady clock, ns since its
// epoch; 0 for none), counted only in the mode above.
long long take_first_sample_nanos();

// Samples per second of the started instance; <= 0 when espeak-ng is not usable.
int sample_rate();

} // namespace espeak_detail
