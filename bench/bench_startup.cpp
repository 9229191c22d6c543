// Start-up figures: process start to the splash shown, the splash's close to the end of the
// start-up sequence, and the peak resident memory. The splash is closed as soon as it shows.
#include "drill/frmSorvinel.h"
#include "platform/settings_store.h"
#include "platform/speech.h"
#include "settings/frmSplash.h"
#include "shared/assets.h"
#include "shared/modSorvinel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

namespace {
// Milliseconds since this process started, from /proc.
double ms_since_process_start() {
    QFile stat("/proc/self/stat");
    QFile uptime("/proc/uptime");
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray s = stat.readAll();
    const QList<QByteArray> fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
    constexpr int kStartTimeField = 19; // field 22 counted after pid and name
    const double startTicks = fields.value(kStartTimeField).toDouble();
    const double up = uptime.readAll().split(' ').value(0).toDouble();
    return (up - startTicks / double(sysconf(_SC_CLK_TCK))) * 1000.0;
}

struct SplashWatch : QObject {
    QElapsedTimer *clock;
    double shown_at_process_ms = -1;
    qint64 closed_at = -1;
    bool eventFilter(QObject *o, QEvent *e) override {
        if (e->type() == QEvent::Show && qobject_cast<frmSplash *>(o) && shown_at_process_ms < 0) {
            shown_at_process_ms = ms_since_process_start();
            auto *splash = static_cast<frmSplash *>(o);
            // Close once its event loop runs, as a key would: show() itself may run
            // timers before exec() waits, so look twice.
            QTimer::singleShot(1, splash, [this, splash] {
                QTimer::singleShot(1, splash, [this, splash] {
                    closed_at = clock->nsecsElapsed();
                    splash->accept();
                });
            });
        }
        return false;
    }
};
} // namespace

int main(int argc, char **argv) {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    QApplication app(argc, argv);
    init_assets();
    QFont::insertSubstitution("Arial", "Liberation Sans");

    QElapsedTimer clock;
    clock.start();
    SplashWatch watch;
    watch.clock = &clock;
    app.installEventFilter(&watch);

    SettingsStore store(SettingsStore::default_path());
    modSorvinel.store = &store;
    std::unique_ptr<SpeechEngine> speech = create_espeak_speech(&store);
    frmSorvinel window(speech.get());
    window.Form_Load();
    const qint64 done = clock.nsecsElapsed();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("process start -> splash shown:   %8.1f ms\n", watch.shown_at_process_ms);
    std::printf("splash closed -> start-up done:  %8.2f ms\n", (done - watch.closed_at) / 1e6);
    std::printf("peak resident memory:            %8.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
