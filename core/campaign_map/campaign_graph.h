// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/campaign_check/campaign_check.h"
#include "core/model/campaign.h"

namespace xal {

// A box of the campaign map: a scenario, the end of the campaign after one scenario, or a
// go-to value that names no scenario.
struct MapNode {
    enum class Kind { Scenario, End, Dangling };

    Kind kind = Kind::Scenario;
    int number = 0;     // the scenario number, or the go-to value for End and Dangling
    std::string name;   // the scenario file name (Windows-1252); empty for the others
    std::string label;  // the box's lines, "\n" between them
    std::string id;     // unique among the map's nodes: "s3", "end3" (scenario 3's), "x77"
    std::optional<Severity> problem;  // the worst finding that names this scenario

    bool operator==(const MapNode&) const = default;
};

// The arrow of every outcome that leads from one scenario to the same box.
struct MapEdge {
    std::size_t from = 0;  // node positions in CampaignGraph::nodes
    std::size_t to = 0;
    std::vector<int> outcomes;  // 0 brilliant victory to 3 loss, in that order
    std::string label;          // the outcomes' short names: "BV, V, TV"
    bool dangling = false;      // leads to a go-to value that names no scenario

    bool operator==(const MapEdge&) const = default;
};

// The campaign as a graph: the scenarios in order, then an end of the campaign for each
// scenario with an outcome that ends it, in the scenarios' order, then the go-to values
// that name no scenario in ascending order; the edges by source scenario and, within one,
// in the order of their first outcome.
struct CampaignGraph {
    std::vector<MapNode> nodes;
    std::vector<MapEdge> edges;

    bool operator==(const CampaignGraph&) const = default;
};

// The campaign's map, its problem scenarios marked by the findings given.
CampaignGraph MapOfCampaign(const Campaign& campaign, const std::vector<Finding>& findings);

}  // namespace xal
