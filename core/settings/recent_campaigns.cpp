// SPDX-License-Identifier: MIT
#include "core/settings/recent_campaigns.h"

#include <algorithm>
#include <functional>

#include "core/base/error.h"
#include "core/platform/prompts.h"
#include "core/settings/settings_home.h"

namespace xal {
namespace {

std::string PlaceName(std::size_t index) {
    return std::to_string(index + 1);
}

// Writes every place, so that a shortened list leaves no stale path behind.
void StoreRecentCampaigns(const std::vector<std::string>& paths) {
    for (std::size_t i = 0; i < kRecentCampaignCount; ++i)
        WriteSetting(kRecentCampaignsKey, PlaceName(i), i < paths.size() ? paths[i] : std::string(),
                     RegType::Sz);
}

// Reads the list, changes it and writes it back in one update, so that another editor's
// change at the same moment is not lost; a failure is told.
bool ChangeRecentCampaigns(const std::function<bool(std::vector<std::string>&)>& change) {
    try {
        UpdateSettings([&] {
            std::vector<std::string> paths = RecentCampaigns();
            if (change(paths)) StoreRecentCampaigns(paths);
        });
        return true;
    } catch (const RunTimeError& error) {
        platform::ShowMessage(
            error.Because("The list of recent campaigns could not be changed.").Report());
        return false;
    }
}

}  // namespace

std::vector<std::string> RecentCampaigns() {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < kRecentCampaignCount; ++i) {
        const RegistryValue value = ReadSetting(kRecentCampaignsKey, PlaceName(i));
        if (value.IsText() && !value.Text().empty() &&
            std::find(paths.begin(), paths.end(), value.Text()) == paths.end())
            paths.push_back(value.Text());
    }
    return paths;
}

bool RememberRecentCampaign(const std::string& path) {
    return ChangeRecentCampaigns([&](std::vector<std::string>& paths) {
        if (!paths.empty() && paths.front() == path) return false;
        std::erase(paths, path);
        paths.insert(paths.begin(), path);
        if (paths.size() > kRecentCampaignCount) paths.resize(kRecentCampaignCount);
        return true;
    });
}

bool ForgetRecentCampaign(const std::string& path) {
    return ChangeRecentCampaigns(
        [&](std::vector<std::string>& paths) { return std::erase(paths, path) > 0; });
}

}  // namespace xal
