// Test entry point: a headless QApplication in a throw-away home, so that no test ever
// touches the real user's settings or files.
#include "platform/translations.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
    // As the program does: Swedish whatever the system's language.
    platform::use_swedish_locale();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home(QDir::tempPath() + "/sorvinel-test-XXXXXX");
    const QByteArray h = home.path().toUtf8();
    qputenv("HOME", h);
    qputenv("XDG_CONFIG_HOME", h + "/.config");
    qputenv("XDG_DATA_HOME", h + "/.local/share");
    qputenv("XDG_CACHE_HOME", h + "/.cache");
    QDir().mkpath(home.path() + "/.config");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
