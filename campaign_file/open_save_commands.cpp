#include "campaign_file/open_save_commands.h"

#include <filesystem>

#include "campaign_file/campaign_path.h"
#include "campaign_file/campaign_reader.h"
#include "campaign_file/campaign_writer.h"
#include "campaign_file/select_file.h"
#include "main_window/frm_main.h"
#include "model/mod_main.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/prompts.h"
#include "platform/qt_text.h"
#include "platform/read_limits.h"
#include "settings/recent_campaigns.h"
#include "version.h"

namespace xal::gui {
namespace {

// The one error handler of both commands: silent for a cancelled picker, otherwise the
// number and description in an untitled box.
void Report(const RunTimeError& error) {
    if (error.Number() == ErrorNumber::FileDialogCancelled) return;
    platform::ShowMessage(error.Report());
}

// A campaign that has no file yet is saved under a name it was given, not one the user
// picked: a file of that name belongs to another campaign and is replaced only when the
// user says so.
bool ReplaceOtherFile(const std::string& path) {
    if (!platform::FileExists(path)) return true;
    return platform::ShowMessage(path + " already exists.\r\nDo you want to replace it?",
                                 platform::MessageButtons::YesNo,
                                 platform::MessageIcon::Exclamation,
                                 version::FileDescription) == platform::MessageAnswer::Yes;
}

// Reads the file and shows it. Failures raise.
void ReadAndShow(frmMain& window, const std::string& path) {
    const auto previous = modMain::CurrentCampaign();
    auto campaign = std::make_shared<Campaign>();
    const CampaignPlace place = CampaignPlaceOf(path);
    campaign->SetCampaignName(place.name);
    campaign->SetCampaignFolder(place.folder);
    campaign->SetCampaignFile(path);
    ParseCampaign(ReadWholeFile(path, platform::read_limit::kCampaignFile), *campaign);
    modMain::Document.Replace(campaign);
    try {
        window.RefreshCampaignDisplay();
    } catch (...) {
        modMain::Document.Replace(previous);
        if (previous->NrOfScenarios() > 0) window.RefreshCampaignDisplay();
        throw;
    }
    window.ShowCampaignState(false);
    window.fraScenario->setVisible(true);
    RememberRecentCampaign(path);
}

}  // namespace

void OpenCampaign(frmMain& window) {
    const Campaign& current = *modMain::CurrentCampaign();
    try {
        std::string name = current.CampaignFolder() + current.CampaignName() + ".cam";
        const std::string path = SelectFile(name, FileKind::Campaign, PickerMode::Open);
        ReadAndShow(window, path);
    } catch (const RunTimeError& error) {
        Report(error);
    }
}

void OpenCampaignFile(frmMain& window, const std::string& path) {
    try {
        // A path that names no file is an error here: the reader would create it.
        if (!platform::FileExists(path)) Raise(ErrorNumber::FileNotFound);
        const std::filesystem::path absolute = std::filesystem::absolute(platform::FsPath(path));
        ReadAndShow(window, platform::FromFsPath(absolute));
    } catch (const RunTimeError& error) {
        Report(error);
    }
}

bool SaveCampaign(frmMain& window, bool saveAs) {
    Campaign& campaign = *modMain::CurrentCampaign();
    try {
        std::string name = campaign.CampaignName() + ".cam";
        // The file the campaign came from, as it is spelled: "CAMP1.CAM" gets the edits,
        // not a new "CAMP1.cam" beside it.
        std::string path = campaign.CampaignFile();
        if (saveAs) {
            path = SelectFile(name, FileKind::Campaign, PickerMode::Save);
            const CampaignPlace place = CampaignPlaceOf(path);
            campaign.SetCampaignName(place.name);
            campaign.SetCampaignFolder(place.folder);
            campaign.SetCampaignFile(path);
            window.fraMain->setTitle(Utf8ToQString(campaign.CampaignName()) + ".cam");
        } else if (path.empty()) {
            path = campaign.CampaignFolder() + name;
            if (!ReplaceOtherFile(path)) return false;
        }
        WriteWholeFile(path, BuildCampaignFile(campaign));
        campaign.SetCampaignFile(path);
        window.SetSaved();
        RememberRecentCampaign(path);
        return true;
    } catch (const RunTimeError& error) {
        Report(error);
        return false;
    }
}

}  // namespace xal::gui
