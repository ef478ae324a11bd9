// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "core/campaign_map/campaign_graph.h"
#include "core/campaign_map/map_places.h"

namespace xal {

// The map's graph and its layout as texts (JSON, names in UTF-8), as the editor and its
// layout program hand them to each other. Reading a text that is not one raises "Type
// mismatch" (13) saying what is wrong.
std::string GraphText(const CampaignGraph& graph);
CampaignGraph ReadGraphText(std::string_view text);
std::string LayoutText(const MapLayout& layout);
MapLayout ReadLayoutText(std::string_view text);

}  // namespace xal
