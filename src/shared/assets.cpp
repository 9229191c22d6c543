#include "shared/assets.h"
#include <QtGlobal>

static void init_assets_resource() {
    Q_INIT_RESOURCE(assets);
}

void init_assets() {
    static const bool done = (init_assets_resource(), true);
    (void)done;
}
