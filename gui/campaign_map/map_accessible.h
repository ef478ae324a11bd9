// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

namespace xal::gui {

class MapView;

// The map as a screen reader finds it: a list whose items are the boxes, each named with
// what it shows in words (core/campaign_map/map_reading.h), the box the keys are on
// focused, the scenario shown selected.
void UseAccessibleMap();
// Tells that the map has been drawn anew, with boxes of its own.
void MapRedrawn(MapView* view);
// Tells that the keys have moved to another box.
void CurrentBoxChanged(MapView* view, std::size_t box);

}  // namespace xal::gui
