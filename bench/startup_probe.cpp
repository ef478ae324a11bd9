// SPDX-License-Identifier: MIT
// Starts, shows its first main window, lets the event loop show it, reports that on its
// standard output, and ends: either the editor's own start-up or a bare Qt main window,
// for the start-up benchmark. The
// bare window has one menu, since the first text of any window loads the fonts.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <cstdio>

#ifdef XAL_PROBE_EDITOR
#include "gui/main_window/startup.h"
#endif

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
#ifdef XAL_PROBE_EDITOR
    const auto editor = xal::gui::Main();
#else
    QMainWindow window;
    window.menuBar()->addMenu("&File");
    window.show();
#endif
    QTimer::singleShot(0, &application, [] {
        std::fputc('!', stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return application.exec();
}
