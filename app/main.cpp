#include <QApplication>

#include "main_window/startup.h"
#include "platform/qt_prompts.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName("XaL_CampaignEdit");
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    application.setDesktopFileName(XAL_APP_ID);
    xal::gui::InstallQtPrompts();
    xal::gui::Main();
    xal::gui::OpenCommandLineCampaign(application.arguments());
    return application.exec();
}
