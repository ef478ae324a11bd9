// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/campaign_map/campaign_graph.h"
#include "support/campaign_fixtures.h"

namespace xal {
namespace {

// 0 branches three ways, 1's loss goes to a scenario 77 not there, 2 always ends.
Campaign Branching() {
    Campaign campaign = test::DistinctCampaign(3);
    test::SetLinks(campaign, {{1, 1, 2, 254}, {2, 2, 2, 77}, {254, 254, 254, 254}});
    return campaign;
}

std::vector<std::string> Ids(const CampaignGraph& graph) {
    std::vector<std::string> ids;
    for (const MapNode& node : graph.nodes) ids.push_back(node.id);
    return ids;
}

TEST(CampaignGraph, NodesAreTheScenariosTheEndsOfThoseThatEndAndTheGoTosThatNameNoScenario) {
    const std::vector<Finding> findings = {
        {Severity::Warning, {}, {}, "campaign-wide"}, {Severity::Warning, 0, {}, "a warning"},
        {Severity::Error, 0, 1, "an error"},          {Severity::Warning, 0, {}, "a warning"},
        {Severity::Warning, 2, {}, "a warning"},      {Severity::Error, 9, {}, "out of range"}};
    const CampaignGraph graph = MapOfCampaign(Branching(), findings);
    EXPECT_EQ(Ids(graph), (std::vector<std::string>{"s0", "s1", "s2", "end0", "end2", "x77"}));
    EXPECT_EQ(graph.nodes[1].label, "1\ncamp11.scn");
    EXPECT_EQ(graph.nodes[4], (MapNode{MapNode::Kind::End, 254, {}, "END/SCORE", "end2", {}}));
    EXPECT_EQ(graph.nodes[5].label, "77\n(no scenario)");
    // A scenario shows the worst finding that names it.
    EXPECT_EQ(graph.nodes[0].problem, Severity::Error);
    EXPECT_EQ(graph.nodes[1].problem, std::nullopt);
    EXPECT_EQ(graph.nodes[2].problem, Severity::Warning);
    EXPECT_EQ(graph.nodes[3].problem, std::nullopt) << "the end after scenario 0";
}

TEST(CampaignGraph, OutcomesWithTheSameTargetShareOneEdgeLabelledInOutcomeOrder) {
    const CampaignGraph graph = MapOfCampaign(Branching(), {});
    const std::vector<MapEdge> expected = {
        {0, 1, {0, 1}, "BV, V", false}, {0, 2, {2}, "TV", false},
        {0, 3, {3}, "L", false},        {1, 2, {0, 1, 2}, "BV, V, TV", false},
        {1, 5, {3}, "L", true},         {2, 4, {0, 1, 2, 3}, "BV, V, TV, L", false}};
    EXPECT_EQ(graph.edges, expected);
}

TEST(CampaignGraph, LinksBackToItselfAndToOneMissingScenarioAreEdgesLikeAnyOther) {
    Campaign campaign = test::DistinctCampaign(2);
    test::SetLinks(campaign, {{1, 0, 3, 0}, {9, 1, 3, 254}});
    const CampaignGraph graph = MapOfCampaign(campaign, {});
    EXPECT_EQ(Ids(graph), (std::vector<std::string>{"s0", "s1", "end1", "x3", "x9"}));
    const std::vector<MapEdge> expected = {{0, 1, {0}, "BV", false}, {0, 0, {1, 3}, "V, L", false},
                                           {0, 3, {2}, "TV", true},  {1, 4, {0}, "BV", true},
                                           {1, 1, {1}, "V", false},  {1, 3, {2}, "TV", true},
                                           {1, 2, {3}, "L", false}};
    EXPECT_EQ(graph.edges, expected);
}

}  // namespace
}  // namespace xal
