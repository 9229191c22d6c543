#pragma once
// The program is Swedish whatever the system's language: Qt's own dialogs (file and print
// dialogs) take Qt's Swedish catalogue and our own one for the texts that catalogue leaves
// in English, and Swedish sizes, dates, numbers and file types.

namespace platform {

// Installs both catalogues in the running application; safe to call more than once.
// False when our own catalogue could not be loaded (Qt's may be absent on a system).
bool install_swedish_translations();

// Makes Swedish (Sweden) the locale of Qt: the default one and the one Qt takes for the
// system's, which formats the file dialog's sizes and dates. Must come before anything
// asks Qt for the system locale, so first in main(). The environment and the C library's
// locale stay the user's.
void use_swedish_locale();

} // namespace platform
