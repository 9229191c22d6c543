#include "shared/assets.h"

#include <QLabel>
#include <QPixmap>
#include <QtGlobal>

static void init_assets_resource() {
    Q_INIT_RESOURCE(assets);
}

void init_assets() {
    static const bool done = (init_assets_resource(), true);
    (void)done;
}

void show_background(QLabel *picture, const QSize &size) {
    picture->setPixmap(QPixmap(QStringLiteral(":/background.svg")));
    picture->setGeometry(QRect(QPoint(0, 0), size));
    picture->lower();
}
