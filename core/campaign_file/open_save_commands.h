// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "core/base/error.h"
#include "core/model/campaign.h"

namespace xal::gui {

// Lets the user choose a campaign file, starting at the shown campaign's, or with none
// shown in `campaignsFolder` with no name proposed, and reads it. Returns the campaign
// read, or null when the user cancelled or the read failed (which has been said): only a
// campaign read completely is handed back.
std::shared_ptr<Campaign> OpenCampaign(const Campaign* shown, const std::string& campaignsFolder);

// Reads a named campaign file the same way, without the picker: from the command line,
// a drop or the recent campaigns. A path that names no file fails as "File not found".
std::shared_ptr<Campaign> OpenCampaignFile(const std::string& path);

// Writes the campaign to its own file, or with `saveAs` to one the user chooses, which
// then becomes its file. Returns whether the campaign was written: false when the user
// cancelled or it failed (which has been said).
bool SaveCampaign(Campaign& campaign, bool saveAs);

// The one error handler of the open and save commands: silent for a cancelled picker,
// otherwise the number and description in an untitled box.
void ReportFileCommandError(const RunTimeError& error);

}  // namespace xal::gui
