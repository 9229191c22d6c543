#include "support/temp_home.h"
#include "platform/settings_store.h"

TempHome::TempHome() : dir(QDir::tempPath() + "/sorvinel-case-XXXXXX") {}
TempHome::~TempHome() = default;

SettingsStore &TempHome::store() {
    if (!store_)
        store_ = std::make_unique<SettingsStore>(path("PLOXA Sorvinel.ini"));
    return *store_;
}
