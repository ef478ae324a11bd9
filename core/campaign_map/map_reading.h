// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/campaign_map/campaign_graph.h"
#include "core/campaign_map/map_places.h"

namespace xal {

// How the map is read without a mouse: arrow keys move from box to box, and each box says
// in words what the picture shows.
enum class MapStep { Up, Down, Left, Right };

// The box a step leads to from box `from`, if any. Down follows the box's arrows and Up
// goes back along the arrows into it, each to the nearest such box in that direction, else
// to the nearest such box at all; Left and Right go to the nearest box of the same rank
// (its centre as high as this box reaches) on that side.
std::optional<std::size_t> NextBox(const CampaignGraph& graph, const MapLayout& layout,
                                   std::size_t from, MapStep step);

// What a box says to a screen reader: "Scenario 3, camp13.scn. Brilliant victory and
// victory lead to scenario 4. Tactical victory and loss lead to END. Marked red: the check
// found an error." In Windows-1252, as the names it holds.
std::string BoxDescription(const CampaignGraph& graph, std::size_t node);

}  // namespace xal
