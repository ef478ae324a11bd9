// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

// Runs the program's benchmarks in a Qt application, on the offscreen platform unless
// QT_QPA_PLATFORM names another.
inline int RunOffscreenBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
