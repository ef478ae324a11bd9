#include "settings/main.h"

#include <QDir>
#include <QPointer>
#include <iostream>

#include "campaign_file/open_save_commands.h"

#include "main_window/frm_main.h"
#include "model/mod_main.h"
#include "platform/qt_text.h"

namespace xal::gui {
namespace {

QPointer<frmMain>& MainWindowSlot() {
    static QPointer<frmMain> window;
    return window;
}

}  // namespace

void Main() {
    modMain::CurrentCampaign = std::make_shared<Campaign>();
    LoadSettings();
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
        OpenCampaignFile(*MainWindow(), FromQString(QDir::toNativeSeparators(arguments[1])));
}

frmMain* MainWindow() {
    return MainWindowSlot().data();
}

}  // namespace xal::gui
