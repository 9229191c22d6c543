#pragma once
// The main() of a benchmark of windows: offscreen, user files in a throw-away home.
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

inline int run_window_benchmarks(int argc, char **argv) {
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
