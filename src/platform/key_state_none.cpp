// A build without xcb: no key state beyond Qt's own flag.
#include "platform/key_state.h"

namespace platform {

KeyState system_key_state(quint32) {
    return KeyState::Unknown;
}

} // namespace platform
