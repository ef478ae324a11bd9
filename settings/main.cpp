#include "settings/main.h"

#include <QPointer>

#include "main_window/frm_main.h"
#include "model/mod_main.h"

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

frmMain* MainWindow() {
    return MainWindowSlot().data();
}

}  // namespace xal::gui
