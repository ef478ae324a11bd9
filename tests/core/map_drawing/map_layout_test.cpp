// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>

#include "core/campaign_map/campaign_graph.h"
#include "core/map_drawing/map_layout.h"
#include "support/campaign_fixtures.h"

namespace xal {
namespace {

// The campaign's map laid out, every box, point, arrow and label within its bounds.
MapLayout WellFormedLayout(const Campaign& campaign) {
    const CampaignGraph graph = MapOfCampaign(campaign, {});
    const MapLayout layout = LayOutCampaign(graph);
    EXPECT_EQ(layout.nodes.size(), graph.nodes.size());
    EXPECT_EQ(layout.edges.size(), graph.edges.size());
    auto inside = [&](const MapPoint& p) {
        return p.x >= -0.5 && p.y >= -0.5 && p.x <= layout.width + 0.5 &&
               p.y <= layout.height + 0.5;
    };
    for (const NodePlace& node : layout.nodes) {
        EXPECT_TRUE(inside({node.centre.x - node.width / 2, node.centre.y - node.height / 2}));
        EXPECT_TRUE(inside({node.centre.x + node.width / 2, node.centre.y + node.height / 2}));
    }
    for (const EdgePlace& edge : layout.edges) {
        EXPECT_TRUE(edge.curve.size() >= 4 && edge.curve.size() % 3 == 1);
        for (std::size_t p = 0; p < edge.curve.size(); p += 3) EXPECT_TRUE(inside(edge.curve[p]));
        EXPECT_TRUE(edge.arrowTip && inside(*edge.arrowTip));
        EXPECT_TRUE(edge.labelCentre && inside(*edge.labelCentre));
    }
    return layout;
}

TEST(MapLayout, ABoxStandsBelowTheScenarioThatLeadsToItAndAChainRunsStraightDown) {
    Campaign campaign = test::DistinctCampaign(4);
    test::SetLinks(campaign, {{1, 1, 2, 254}, {2, 2, 2, 77}, {3, 3, 3, 254}, {254, 254, 254, 254}});
    const MapLayout layout = WellFormedLayout(campaign);
    for (const MapEdge& edge : MapOfCampaign(campaign, {}).edges)
        EXPECT_LT(layout.nodes[edge.from].centre.y, layout.nodes[edge.to].centre.y);
    EXPECT_EQ(layout.nodes[2].centre.x, layout.nodes[3].centre.x) << "its END box beside";
}

TEST(MapLayout, TwoWaysBetweenTwoScenariosAreTwoArrowsLabelledApart) {
    Campaign campaign = test::DistinctCampaign(2);
    test::SetLinks(campaign, {{1, 1, 1, 0}, {0, 0, 254, 254}});  // and a loop
    const MapLayout layout = WellFormedLayout(campaign);
    ASSERT_EQ(layout.edges.size(), 4u);
    EXPECT_NE(layout.edges[0].labelCentre, layout.edges[2].labelCentre);
    const EdgePlace& loop = layout.edges[1];
    EXPECT_LT(loop.labelCentre->y, std::ranges::min(loop.curve, {}, &MapPoint::y).y)
        << "above the loop, not on it";
}

TEST(MapLayout, LinesBendAroundBoxesButRunStraightBeyondAFilesScenariosOrTwoArrowsEach) {
    struct Case {
        int scenarios;
        int arrowsEach;  // from each scenario
        bool straight;
    };
    for (const Case c :
         {Case{50, 1, false}, Case{51, 1, true}, Case{50, 2, false}, Case{50, 3, true}}) {
        Campaign campaign = test::DistinctCampaign(c.scenarios);
        test::CampaignLinks links;
        for (int n = 1; n < c.scenarios; ++n)
            links.push_back(c.arrowsEach == 1   ? std::array{n, n, n, n}
                            : c.arrowsEach == 2 ? std::array{n, n, n, 254}
                                                : std::array{n, n, (n + 1) % c.scenarios, 254});
        links[0][3] = c.scenarios - 1;  // down past all the others
        // Two arrows from the last too: exactly two per scenario.
        links.push_back(c.arrowsEach == 2 ? std::array{0, 0, 0, 254}
                                          : std::array{254, 254, 254, 254});
        test::SetLinks(campaign, links);
        const MapLayout layout = LayOutCampaign(MapOfCampaign(campaign, {}));
        EXPECT_EQ(layout.edges[1].curve.size() == 4, c.straight) << c.scenarios << c.arrowsEach;
    }
}

}  // namespace
}  // namespace xal
