// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "core/settings/settings.h"

namespace xal {

// The campaign files last opened or saved, kept in the settings under a key of their own
// as the texts "1" (the newest) to "8"; an empty text is a free place.
inline const std::string kRecentCampaignsKey =
    std::string(settings_keys::kSettingsKey) + "\\Recent Campaigns";
inline constexpr std::size_t kRecentCampaignCount = 8;

// The paths, newest first.
std::vector<std::string> RecentCampaigns();

// Puts the path first; an earlier place of the same path is given up and the ninth
// path drops off. The list is read, changed and written in one update of the settings, so
// two editors changing it at once both have their way. False, once the failure is told,
// when the list cannot be stored.
bool RememberRecentCampaign(const std::string& path);

// Takes the path off the list, in the same way.
bool ForgetRecentCampaign(const std::string& path);

}  // namespace xal
