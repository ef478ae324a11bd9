// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <functional>

namespace xal::gui {

// The editor's application. An exception that an event handler lets escape is reported
// with a number (platform::ReportEscapedException) and the editor goes on: Qt lets no
// exception pass through it, and would end the program without a word. Its style is the
// one Qt chose (or -style named), with pictures the first window does not show read when
// first drawn.
class EditorApplication : public QApplication {
  public:
    EditorApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs `start`, then the event loop until the program ends, and returns the exit
    // status. An exception that escapes `start` is reported and ends the program with 1.
    int Run(const std::function<void()>& start);
};

}  // namespace xal::gui
