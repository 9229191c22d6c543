#pragma once
// What every benchmark program of the main window shares: an offscreen application whose
// user files stay in a throw-away home.
#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

// Closes the next modal window (the splash at start-up) once it is up: looked for every
// 10 ms, up to 5 s.
inline void close_modal_when_shown(int tries_left = 500) {
    constexpr int kModalPollMs = 10;
    QTimer::singleShot(kModalPollMs, [tries_left] {
        // Seen while exec() may still be showing it: close once its own loop runs.
        if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            QTimer::singleShot(kModalPollMs, d, [d] {
                QTimer::singleShot(kModalPollMs, d, [d] { d->done(QDialog::Rejected); });
            });
        else if (tries_left > 0)
            close_modal_when_shown(tries_left - 1);
    });
}

inline int run_benchmarks_offscreen(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    const QByteArray h = home.path().toUtf8();
    qputenv("HOME", h);
    qputenv("XDG_CONFIG_HOME", h + "/.config");
    qputenv("XDG_DATA_HOME", h + "/.local/share");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
