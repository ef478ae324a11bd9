#include <gtest/gtest.h>

#include "campaign_map/campaign_graph.h"
#include "campaign_map/map_layout.h"
#include "new_campaign/campaign_generation.h"
#include "support/campaign_fixtures.h"

namespace xal {
namespace {

bool Inside(const MapPoint& p, const MapLayout& layout) {
    constexpr double kSlack = 0.5;
    return p.x >= -kSlack && p.y >= -kSlack && p.x <= layout.width + kSlack &&
           p.y <= layout.height + kSlack;
}

// Every box and every line within the layout's bounds; every edge a whole curve with its
// label placed.
void ExpectWellFormed(const CampaignGraph& graph, const MapLayout& layout) {
    ASSERT_EQ(layout.nodes.size(), graph.nodes.size());
    ASSERT_EQ(layout.edges.size(), graph.edges.size());
    EXPECT_GT(layout.width, 0);
    EXPECT_GT(layout.height, 0);
    for (std::size_t i = 0; i < layout.nodes.size(); ++i) {
        const NodePlace& node = layout.nodes[i];
        EXPECT_GT(node.width, 0) << graph.nodes[i].id;
        EXPECT_GT(node.height, 0) << graph.nodes[i].id;
        EXPECT_TRUE(
            Inside({node.centre.x - node.width / 2, node.centre.y - node.height / 2}, layout))
            << graph.nodes[i].id;
        EXPECT_TRUE(
            Inside({node.centre.x + node.width / 2, node.centre.y + node.height / 2}, layout))
            << graph.nodes[i].id;
    }
    for (std::size_t i = 0; i < layout.edges.size(); ++i) {
        const EdgePlace& edge = layout.edges[i];
        const std::string name =
            graph.nodes[graph.edges[i].from].id + " -> " + graph.nodes[graph.edges[i].to].id;
        EXPECT_GE(edge.curve.size(), 4u) << name;
        EXPECT_EQ(edge.curve.size() % 3, 1u) << name;
        // The points on the curve, not its control points, lie within the bounds.
        for (std::size_t p = 0; p < edge.curve.size(); p += 3)
            EXPECT_TRUE(Inside(edge.curve[p], layout)) << name;
        if (edge.arrowTip) {
            EXPECT_TRUE(Inside(*edge.arrowTip, layout)) << name;
        }
        ASSERT_TRUE(edge.labelCentre.has_value()) << name;
        EXPECT_TRUE(Inside(*edge.labelCentre, layout)) << name;
    }
}

TEST(MapLayout, ASmallCampaignHasEveryBoxAndLineInPlace) {
    Campaign campaign = test::DistinctCampaign(3);
    test::SetLinks(campaign, {{1, 1, 2, 254}, {2, 2, 2, 77}, {254, 254, 254, 0}});
    const CampaignGraph graph = MapOfCampaign(campaign, CheckCampaign(campaign));
    const MapLayout layout = LayOutCampaign(graph);
    ExpectWellFormed(graph, layout);
    for (const EdgePlace& edge : layout.edges) EXPECT_TRUE(edge.arrowTip.has_value());
    // Top to bottom: a scenario stands above the scenarios it leads to.
    EXPECT_LT(layout.nodes[0].centre.y, layout.nodes[1].centre.y);
    EXPECT_LT(layout.nodes[1].centre.y, layout.nodes[2].centre.y);
    EXPECT_LT(layout.nodes[2].centre.y, layout.nodes[3].centre.y);
}

TEST(MapLayout, TwoWaysBetweenTwoScenariosAreTwoArrows) {
    Campaign campaign = test::DistinctCampaign(2);
    test::SetLinks(campaign, {{1, 1, 1, 1}, {0, 0, 254, 254}});
    const CampaignGraph graph = MapOfCampaign(campaign, {});
    const MapLayout layout = LayOutCampaign(graph);
    ExpectWellFormed(graph, layout);
    ASSERT_EQ(graph.edges.size(), 3u);
    EXPECT_TRUE(layout.edges[0].arrowTip.has_value());
    EXPECT_TRUE(layout.edges[1].arrowTip.has_value());
    EXPECT_NE(layout.edges[0].labelCentre, layout.edges[1].labelCentre);
}

TEST(MapLayout, AGeneratedFiftyScenarioCampaignKeepsEveryOutcome) {
    NewCampaignInput input;
    input.NrOfScenariosText = "50";
    input.LossEndsCampaign = true;
    const Campaign campaign = GenerateCampaign(input, SettingsRecord{});
    const CampaignGraph graph = MapOfCampaign(campaign, CheckCampaign(campaign));
    ASSERT_EQ(graph.edges.size(), 99u);
    ExpectWellFormed(graph, LayOutCampaign(graph));
}

}  // namespace
}  // namespace xal
