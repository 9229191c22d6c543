#pragma once
// The voices of the speech control are shown by their language's Swedish name
// ("Svenska", "Engelska (Storbritannien)"); the voice is still kept by its identifier.

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// The Swedish name of an espeak-ng voice ("gmq/sv" -> "Svenska"); nothing for a voice the
// table does not know (a later espeak-ng may bring more).
std::optional<QString> swedish_voice_name(const QByteArray &identifier);

} // namespace platform
