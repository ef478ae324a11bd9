// SPDX-License-Identifier: MIT
// Opening and saving: the Open and Save commands, the recent-campaigns menu and files
// dropped on the window.
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "campaign_file/campaign_path.h"
#include "campaign_file/open_save_commands.h"
#include "main_window/frm_main.h"
#include "platform/file_system.h"
#include "platform/prompts.h"
#include "platform/qt_text.h"
#include "settings/recent_campaigns.h"
#include "version.h"

namespace xal::gui {
namespace {

// The one local campaign file among dropped data, or nothing.
std::optional<std::string> DroppedCampaign(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return std::nullopt;
    const QUrl url = data->urls().front();
    if (!url.isLocalFile() || !url.fileName().endsWith(".cam", Qt::CaseInsensitive))
        return std::nullopt;
    return FileSystemPath(QDir::toNativeSeparators(url.toLocalFile()));
}

}  // namespace

void frmMain::mnuOpen_Click() {
    if (AskSaveChanges() == SaveQuestion::Abort) return;
    const Campaign* shown = document_.IsOpen() ? document_.Campaign().get() : nullptr;
    ShowOpenedCampaign(OpenCampaign(shown, CampaignsFolder(settings_.GameFolder)));
}

void frmMain::ShowOpenedCampaign(const std::shared_ptr<Campaign>& campaign) {
    if (!campaign) return;
    document_.Replace(campaign);
    RefreshCampaignDisplay();
    ShowCampaignState(false);
    RememberRecentCampaign(campaign->CampaignFile());
}

void frmMain::StartRecovery(const std::string& folder, std::chrono::milliseconds delay) {
    delete recovery_;
    recovery_ = new CampaignRecovery(document_, folder, delay, this);
    recovery_->OfferLeftovers([this](const std::shared_ptr<Campaign>& restored) {
        document_.Replace(restored);
        ShowCampaignState(true);
        RefreshCampaignDisplay();
    });
}

bool frmMain::SaveCurrentCampaign(bool saveAs) {
    Campaign& campaign = *document_.Campaign();
    if (!SaveCampaign(campaign, saveAs)) return false;
    SetSaved();
    // Save As may have given the campaign another name, for the captions.
    UpdateCommandStates();
    RefreshCampaignMap();
    RememberRecentCampaign(campaign.CampaignFile());
    return true;
}

void frmMain::RefreshRecentCampaigns() {
    mnuRecent->clear();
    int place = 0;
    for (const std::string& path : RecentCampaigns()) {
        QString caption = Utf8ToQString(path);
        caption.replace("&", "&&");
        QAction* entry = mnuRecent->addAction(QString("&%1 %2").arg(++place).arg(caption));
        connect(entry, &QAction::triggered, this, [this, path] { mnuRecent_Click(path); });
    }
    mnuRecent->setEnabled(place > 0);
}

void frmMain::mnuRecent_Click(std::string path) {
    if (AskSaveChanges() == SaveQuestion::Abort) return;
    if (!platform::FileExists(path)) {
        const bool forgotten = ForgetRecentCampaign(path);
        platform::ShowMessage(path + "\r\nThis campaign file is no longer there" +
                                  (forgotten ? "; it has been taken off the list of recent "
                                               "campaigns."
                                             : "."),
                              platform::MessageButtons::Ok, platform::MessageIcon::Exclamation,
                              version::FileDescription);
        return;
    }
    ShowOpenedCampaign(OpenCampaignFile(path));
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedCampaign(event->mimeData())) event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    const std::optional<std::string> path = DroppedCampaign(event->mimeData());
    if (!path) return;
    event->acceptProposedAction();
    if (AskSaveChanges() == SaveQuestion::Abort) return;
    ShowOpenedCampaign(OpenCampaignFile(*path));
}

}  // namespace xal::gui
