// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/model/campaign.h"

namespace xal::test {

// A campaign of `count` scenarios in which every modelled field holds a value of its own.
Campaign DistinctCampaign(int count);

// Checks that two campaigns agree in every field the campaign file holds.
void ExpectSameFileFields(const Campaign& expected, const Campaign& actual);

// The campaign's prestige as the campaign file at `path` stores it.
Long StoredPrestige(const std::string& path);

// The go-to links of every scenario's four outcomes, scenario by scenario.
using CampaignLinks = std::vector<std::array<int, 4>>;
CampaignLinks LinksOf(const Campaign& campaign);
void SetLinks(Campaign& campaign, const CampaignLinks& links);

// A little-endian 16-bit number as it stands in the file.
inline int Word16At(const std::string& bytes, std::size_t position) {
    return static_cast<unsigned char>(bytes[position]) +
           256 * static_cast<unsigned char>(bytes[position + 1]);
}

}  // namespace xal::test
