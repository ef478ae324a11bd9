// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/campaign_map/campaign_graph.h"

namespace xal {

// The map as a picture drawn by Graphviz in a format of MapPictureFormat.
std::string DrawCampaignMap(const CampaignGraph& graph, const std::string& format);

// Writes the map as a picture drawn by Graphviz: SVG or PNG as the file name ends in
// ".svg" or ".png", in any case. Any other name raises "Bad file name or number" (52); a
// file that cannot be written raises its file error and leaves an old file as it was.
void RenderCampaignMap(const CampaignGraph& graph, const std::string& path);

}  // namespace xal
