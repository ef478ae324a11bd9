// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

// Runs the program's benchmarks in a Qt application, on the offscreen platform unless
// QT_QPA_PLATFORM names another, with the map's layout program of the build tree.
inline int RunOffscreenBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
#ifdef XAL_MAP_LAYOUT_PROGRAM
    if (qEnvironmentVariableIsEmpty("XAL_MAP_LAYOUT"))
        qputenv("XAL_MAP_LAYOUT", XAL_MAP_LAYOUT_PROGRAM);
#endif
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
