// SPDX-License-Identifier: MIT
// A bare Qt main window for the start-up benchmark to measure the editor's start beside:
// one menu, since the first text of any window loads the fonts, and the size of the
// editor's window (its client area of 11895 by 7335 twips), since the memory of a window's
// picture and the time to paint it grow with its size. Linked with startup_report.cpp,
// which ends it once the window has painted.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("&File");
    auto* client = new QWidget(&window);
    client->setFixedSize(793, 489);
    window.setCentralWidget(client);
    window.show();
    return application.exec();
}
