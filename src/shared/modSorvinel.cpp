#include "shared/modSorvinel.h"

ModSorvinel modSorvinel;

void ModSorvinel::reset() {
    SettingsStore *keepStore = store;
    frmSorvinel *keepWindow = main_window;
    *this = ModSorvinel{};
    store = keepStore;
    main_window = keepWindow;
}
