#include "main_window/startup.h"

#include <QDir>
#include <QPointer>
#include <iostream>

#include "campaign_file/open_save_commands.h"
#include "main_window/frm_main.h"
#include "main_window/mod_main.h"
#include "platform/prompts.h"
#include "platform/qt_text.h"
#include "platform/registry_file_store.h"
#include "version.h"

namespace xal::gui {
namespace {

QPointer<frmMain>& MainWindowSlot() {
    static QPointer<frmMain> window;
    return window;
}

// A damaged or unreadable settings file was kept aside or left alone: the user hears of
// it once, at start-up.
void ShowSettingsNotice() {
    if (const std::optional<std::string> notice = platform::TakeSettingsNotice())
        platform::ShowMessage(*notice, platform::MessageButtons::Ok,
                              platform::MessageIcon::Exclamation, version::FileDescription);
}

}  // namespace

void Main() {
    modMain::Document = CampaignDocument();
    modMain::Settings = LoadSettings();
    ShowSettingsNotice();
    auto& window = MainWindowSlot();
    if (!window) {
        window = new frmMain;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
}

void OpenCommandLineCampaign(const QStringList& arguments) {
    if (arguments.size() > 2) {
        std::cerr << "Usage: XaL_CampaignEdit [FILE.cam]\n";
        return;
    }
    if (arguments.size() == 2 && MainWindow())
        MainWindow()->ShowOpenedCampaign(
            OpenCampaignFile(QStringToUtf8(QDir::toNativeSeparators(arguments[1]))));
}

frmMain* MainWindow() {
    return MainWindowSlot().data();
}

}  // namespace xal::gui
