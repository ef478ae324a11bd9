// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/campaign_map/map_reading.h"

namespace xal {
namespace {

// Scenario 0 on top leads to 1 (left, below) and 2 (right, below); 1 leads to END below and
// back to 0; 2 to a go-to 77 that names no scenario, at END's rank.
//          s0
//      s1      s2
//      END     x77
CampaignGraph Graph() {
    using Kind = MapNode::Kind;
    CampaignGraph graph;
    graph.nodes = {{Kind::Scenario, 0, "a.scn", "0\na.scn", "s0", {}},
                   {Kind::Scenario, 1, "b\xe9.scn", "1", "s1", Severity::Warning},
                   {Kind::Scenario, 2, "c.scn", "2", "s2", Severity::Error},
                   {Kind::End, 254, {}, "END", "end", {}},
                   {Kind::Dangling, 77, {}, "77", "x77", {}}};
    graph.edges = {{0, 1, {0, 1}, "BV, V", false},
                   {0, 2, {2, 3}, "TV, L", false},
                   {1, 3, {0, 1, 2}, "BV, V, TV", false},
                   {1, 0, {3}, "L", false},
                   {2, 4, {0, 1, 2, 3}, "BV, V, TV, L", true}};
    return graph;
}

MapLayout Layout() {
    MapLayout layout{300, 200, {}, {}};
    for (const MapPoint centre : {MapPoint{150, 20}, {60, 100}, {240, 100}, {60, 180}, {240, 180}})
        layout.nodes.push_back({centre, 80, 30});
    layout.edges.resize(5);
    return layout;
}

TEST(MapReading, ArrowKeysFollowTheArrowsDownAndBackAndGoAcrossARank) {
    const struct {
        std::size_t from;
        MapStep step;
        std::optional<std::size_t> to;
    } cases[] = {
        {0, MapStep::Down, 1},  {1, MapStep::Down, 3},  {2, MapStep::Down, 4},
        {3, MapStep::Down, {}}, {1, MapStep::Up, 0},    {0, MapStep::Up, 1},
        {4, MapStep::Up, 2},    {1, MapStep::Right, 2}, {2, MapStep::Left, 1},
        {3, MapStep::Right, 4}, {1, MapStep::Left, {}}, {0, MapStep::Right, {}},
    };
    const CampaignGraph graph = Graph();
    const MapLayout layout = Layout();
    for (const auto& c : cases)
        EXPECT_EQ(NextBox(graph, layout, c.from, c.step), c.to)
            << c.from << " " << static_cast<int>(c.step);
}

TEST(MapReading, EachBoxSaysWhereItsOutcomesLeadAndItsMarkInWords) {
    const CampaignGraph graph = Graph();
    const std::string said[] = {
        "Scenario 0, a.scn. Brilliant victory and victory lead to scenario 1. Tactical victory "
        "and loss lead to scenario 2.",
        "Scenario 1, b\xe9.scn. Brilliant victory, victory and tactical victory lead to END. "
        "Loss leads to scenario 0. Marked orange: the check found a warning.",
        "Scenario 2, c.scn. Brilliant victory, victory, tactical victory and loss lead to 77, "
        "which names no scenario. Marked red: the check found an error.",
        "END: the end of the campaign",
        "Go-to 77, which names no scenario. Marked red with a dashed border."};
    for (std::size_t node = 0; node < std::size(said); ++node)
        EXPECT_EQ(BoxDescription(graph, node), said[node]);
}

}  // namespace
}  // namespace xal
