// SPDX-License-Identifier: MIT
#include "settings/recent_campaigns.h"

#include <algorithm>

#include "settings/settings_home.h"

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

void RememberRecentCampaign(const std::string& path) {
    std::vector<std::string> paths = RecentCampaigns();
    if (!paths.empty() && paths.front() == path) return;
    std::erase(paths, path);
    paths.insert(paths.begin(), path);
    if (paths.size() > kRecentCampaignCount) paths.resize(kRecentCampaignCount);
    StoreRecentCampaigns(paths);
}

void ForgetRecentCampaign(const std::string& path) {
    std::vector<std::string> paths = RecentCampaigns();
    if (std::erase(paths, path) > 0) StoreRecentCampaigns(paths);
}

}  // namespace xal
