// SPDX-License-Identifier: MIT
#include <QApplication>
#include <csignal>
#include <cstdlib>
#include <memory>

#include "core/platform/escaped_exception.h"
#include "core/platform/prompts.h"
#include "gui/main_window/editor_application.h"
#include "gui/main_window/startup.h"
#include "gui/widgets/font_engine.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/qt_prompts.h"
#include "version.h"

namespace {

int RunEditor(int& argc, char** argv) {
    {
        // Help and version are answered before the window system is asked for.
        QCoreApplication commandLine(argc, argv);
        xal::gui::AnswerHelpOrVersion(commandLine);
    }
#ifdef _WIN32
    xal::gui::UseFreeTypeUnderWine();
#endif
    xal::gui::EditorApplication application(argc, argv);
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    application.setDesktopFileName(XAL_APP_ID);
    QApplication::setWindowIcon(xal::gui::ProgramIcon());
    const std::vector<std::string> files = xal::gui::ReadCommandLine(argc, argv);
    xal::gui::InstallQtPrompts();
    std::unique_ptr<xal::gui::Editor> editor;
    return application.Run([&] {
        editor = xal::gui::Main();
        editor->OpenCommandLineCampaign(files);
    });
}

}  // namespace

int main(int argc, char* argv[]) {
#ifndef _WIN32
    // A file-size limit makes a write fail with "Disk full" instead of killing the editor.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QCoreApplication::setApplicationName("XaL_CampaignEdit");
    QCoreApplication::setApplicationVersion(QString("%1.%2.%3")
                                                .arg(xal::version::Major)
                                                .arg(xal::version::Minor)
                                                .arg(xal::version::Revision));
    try {
        return RunEditor(argc, argv);
    } catch (...) {
        // The message boxes are gone with the application: standard error tells it.
        xal::platform::SetMessageHandler(nullptr);
        xal::platform::ReportEscapedException();
        return EXIT_FAILURE;
    }
}
