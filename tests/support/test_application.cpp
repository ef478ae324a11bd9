// SPDX-License-Identifier: MIT
#include "support/test_application.h"

#include "gui/main_window/editor_application.h"

namespace xal::test {

void EnsureApplication() {
    if (QApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "xal-widget-test";
    static char* argv[] = {name, nullptr};
    new gui::EditorApplication(argc, argv);  // lives until the test program ends
}

}  // namespace xal::test
