#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <optional>

namespace platform {
namespace {

const QString kQtCatalogue = QStringLiteral("qt_sv");
const QString kOwnCatalogue = QStringLiteral(":/i18n/sorvinel_sv.qm");

// What Qt reads for the system locale, in the form it reads it.
constexpr const char *kLocaleVariables[][2] = {{"LC_ALL", "sv_SE.UTF-8"}, {"LANGUAGE", "sv"}};

} // namespace

void use_swedish_locale() {
    // Qt reads the system locale from the environment once, when it is first asked for it
    // (setting the default asks too): it is asked with Swedish in place, and the
    // environment is then put back.
    std::optional<QByteArray> saved[std::size(kLocaleVariables)];
    for (std::size_t i = 0; i < std::size(kLocaleVariables); ++i) {
        if (qEnvironmentVariableIsSet(kLocaleVariables[i][0]))
            saved[i] = qgetenv(kLocaleVariables[i][0]);
        qputenv(kLocaleVariables[i][0], kLocaleVariables[i][1]);
    }
    (void)QLocale::system();
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    for (std::size_t i = 0; i < std::size(kLocaleVariables); ++i) {
        if (saved[i])
            qputenv(kLocaleVariables[i][0], *saved[i]);
        else
            qunsetenv(kLocaleVariables[i][0]);
    }
}

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
