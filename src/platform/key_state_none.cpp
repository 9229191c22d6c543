// A build without xcb: no key state beyond Qt's own flag.
#include "platform/key_state.h"

namespace platform {

KeyState system_key_state(quint32) {
    return KeyState::Unknown;
}

void keep_system_key_times(KeyTimeLog &) {}

bool use_system_detectable_auto_repeat() {
    return false;
}

} // namespace platform
