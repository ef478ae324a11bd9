// SPDX-License-Identifier: MIT
#include <QApplication>

#include "main_window/startup.h"
#include "platform/font_engine.h"
#include "platform/pictures.h"
#include "platform/qt_prompts.h"
#include "version.h"

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName("XaL_CampaignEdit");
    QCoreApplication::setApplicationVersion(QString("%1.%2.%3")
                                                .arg(xal::version::Major)
                                                .arg(xal::version::Minor)
                                                .arg(xal::version::Revision));
    {
        // Help and version are answered before the window system is asked for.
        QCoreApplication commandLine(argc, argv);
        xal::gui::AnswerHelpOrVersion(commandLine);
    }
#ifdef _WIN32
    xal::gui::UseFreeTypeUnderWine();
#endif
    QApplication application(argc, argv);
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    application.setDesktopFileName(XAL_APP_ID);
    QApplication::setWindowIcon(xal::gui::ProgramIcon());
    const QStringList files = xal::gui::ReadCommandLine(application);
    xal::gui::InstallQtPrompts();
    xal::gui::Main();
    xal::gui::OpenCommandLineCampaign(files);
    return application.exec();
}
