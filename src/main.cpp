// Sorvinel: mental-arithmetic drills for children.
#include "drill/frmSorvinel.h"
#include "platform/settings_store.h"
#include "platform/speech.h"
#include "platform/translations.h"
#include "shared/assets.h"
#include "shared/modSorvinel.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

int main(int argc, char **argv) {
    platform::use_swedish_locale();
    QApplication app(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);
    // Ties the windows to the installed desktop entry, for the desktop's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("sorvinel"));
    init_assets();
    platform::install_swedish_translations();
    QApplication::setWindowIcon(QIcon(":/icon.svg"));
    // The fonts the windows name, through their metric twins.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Arial", "Liberation Sans");

    SettingsStore store(SettingsStore::default_path());
    modSorvinel.store = &store;
    std::unique_ptr<SpeechEngine> speech = create_espeak_speech(&store);

    frmSorvinel window(speech.get());
    window.Form_Load();
    return app.exec();
}
