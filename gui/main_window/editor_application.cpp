// SPDX-License-Identifier: MIT
#include "gui/main_window/editor_application.h"

#include <cstdlib>

#include "core/platform/escaped_exception.h"
#include "gui/widgets/deferred_icon_style.h"

namespace xal::gui {

EditorApplication::EditorApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setStyle(new DeferredIconStyle(style()->name()));
}

bool EditorApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        platform::ReportEscapedException();
        return false;
    }
}

int EditorApplication::Run(const std::function<void()>& start) {
    try {
        start();
    } catch (...) {
        platform::ReportEscapedException();
        return EXIT_FAILURE;
    }
    return exec();
}

}  // namespace xal::gui
