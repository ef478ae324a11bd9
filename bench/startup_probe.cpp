// SPDX-License-Identifier: MIT
// A bare Qt main window, shown as the editor shows its own, for the start-up benchmark to
// measure the editor's start beside: it has one menu, since the first text of any window
// loads the fonts. Linked with startup_report.cpp, which ends it once the window has painted.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("&File");
    window.show();
    return application.exec();
}
