#pragma once
// Swedish in Qt's own dialogs (file and print dialogs): Qt's Swedish catalogue, and our
// own small one for the labels that catalogue leaves in English.

namespace platform {

// Installs both catalogues in the running application; safe to call more than once.
// False when our own catalogue could not be loaded (Qt's may be absent on a system).
bool install_swedish_translations();

} // namespace platform
