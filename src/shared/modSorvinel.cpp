#include "shared/modSorvinel.h"

ModSorvinel modSorvinel;

void ModSorvinel::reset() {
    SettingsStore *keepStore = store;
    MainWindowView *keepWindow = main_window;
    *this = ModSorvinel{};
    store = keepStore;
    main_window = keepWindow;
}
