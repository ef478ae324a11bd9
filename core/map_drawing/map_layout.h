// SPDX-License-Identifier: MIT
#pragma once

#include "core/campaign_map/campaign_graph.h"
#include "core/campaign_map/map_places.h"

namespace xal {

// Where dot puts the map's nodes and edges.
MapLayout LayOutCampaign(const CampaignGraph& graph);

}  // namespace xal
