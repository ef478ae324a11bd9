// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/model/campaign.h"

namespace xal::test {

// A campaign of `count` scenarios in which every modelled field holds a value of its own.
Campaign DistinctCampaign(int count);

// The campaign's prestige as the campaign file at `path` stores it.
Long StoredPrestige(const std::string& path);

// Sets the go-to links of every scenario's four outcomes, scenario by scenario.
using CampaignLinks = std::vector<std::array<int, 4>>;
void SetLinks(Campaign& campaign, const CampaignLinks& links);

}  // namespace xal::test
