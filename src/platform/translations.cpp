#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {
namespace {

const QString kQtCatalogue = QStringLiteral("qt_sv");
const QString kOwnCatalogue = QStringLiteral(":/i18n/sorvinel_sv.qm");

} // namespace

bool install_swedish_translations() {
    static QTranslator *qt = nullptr;
    static QTranslator *own = nullptr;
    if (own)
        return true;
    qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(kQtCatalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    // Installed last, so it is asked first.
    own = new QTranslator(QCoreApplication::instance());
    if (!own->load(kOwnCatalogue)) {
        delete own;
        own = nullptr;
        return false;
    }
    QCoreApplication::installTranslator(own);
    return true;
}

} // namespace platform
