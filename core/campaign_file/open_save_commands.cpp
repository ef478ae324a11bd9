// SPDX-License-Identifier: MIT
#include "core/campaign_file/open_save_commands.h"

#include <filesystem>

#include "core/base/error.h"
#include "core/base/read_limits.h"
#include "core/campaign_file/campaign_path.h"
#include "core/campaign_file/campaign_reader.h"
#include "core/campaign_file/campaign_writer.h"
#include "core/campaign_file/select_file.h"
#include "core/platform/file_system.h"
#include "core/platform/prompts.h"
#include "version.h"

namespace xal::gui {
namespace {

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

// Reads the file into a new campaign that takes its name, folder and file from the path.
// Failures raise.
std::shared_ptr<Campaign> ReadCampaignAt(const std::string& path) {
    auto campaign = std::make_shared<Campaign>();
    const CampaignPlace place = CampaignPlaceOf(path);
    campaign->SetCampaignName(place.name);
    campaign->SetCampaignFolder(place.folder);
    campaign->SetCampaignFile(path);
    RunConcerning(platform::FileConcerns(path), [&] {
        ParseCampaign(ReadWholeFile(path, platform::read_limit::kCampaignFile), *campaign);
    });
    return campaign;
}

}  // namespace

void ReportFileCommandError(const RunTimeError& error) {
    if (error.Number() == ErrorNumber::FileDialogCancelled) return;
    platform::ShowMessage(error.Report());
}

std::shared_ptr<Campaign> OpenCampaign(const Campaign* shown, const std::string& campaignsFolder) {
    try {
        std::string name = shown ? shown->CampaignFolder() + shown->CampaignName() + ".cam" : "";
        return ReadCampaignAt(SelectFile(name, FileKind::Campaign, PickerMode::Open,
                                         shown ? shown->CampaignFolder() : campaignsFolder));
    } catch (const RunTimeError& error) {
        ReportFileCommandError(error);
        return nullptr;
    }
}

std::shared_ptr<Campaign> OpenCampaignFile(const std::string& path) {
    try {
        std::error_code ec;
        const std::filesystem::path absolute =
            std::filesystem::absolute(platform::FsPath(path), ec);
        const std::string file = ec ? path : platform::FromFsPath(absolute);
        // A path that names no file is an error here: the reader would create it.
        if (!platform::FileExists(file))
            throw RunTimeError(ErrorNumber::FileNotFound,
                               StandardDescription(ErrorNumber::FileNotFound),
                               platform::FileConcerns(file));
        return ReadCampaignAt(file);
    } catch (const RunTimeError& error) {
        ReportFileCommandError(error);
        return nullptr;
    }
}

bool SaveCampaign(Campaign& campaign, bool saveAs) {
    try {
        std::string name = campaign.CampaignName() + ".cam";
        // The file the campaign came from, as it is spelled: "CAMP1.CAM" gets the edits,
        // not a new "CAMP1.cam" beside it.
        std::string path = campaign.CampaignFile();
        if (saveAs) {
            path =
                SelectFile(name, FileKind::Campaign, PickerMode::Save, campaign.CampaignFolder());
        } else if (path.empty()) {
            path = campaign.CampaignFolder() + name;
            if (!ReplaceOtherFile(path)) return false;
        }
        RunConcerning(platform::UnsavedFileConcerns(path),
                      [&] { WriteWholeFile(path, BuildCampaignFile(campaign)); });
        // Only a file written becomes the campaign's: a failed Save As keeps the old name.
        if (saveAs) {
            const CampaignPlace place = CampaignPlaceOf(path);
            campaign.SetCampaignName(place.name);
            campaign.SetCampaignFolder(place.folder);
        }
        campaign.SetCampaignFile(path);
        return true;
    } catch (const RunTimeError& error) {
        ReportFileCommandError(error);
        return false;
    }
}

}  // namespace xal::gui
