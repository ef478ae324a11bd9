#include <gtest/gtest.h>

#include "campaign_map/campaign_graph.h"
#include "support/campaign_fixtures.h"

namespace xal {
namespace {

using Kind = MapNode::Kind;

// Three scenarios: 0 branches three ways, 1 has a loss that goes to a scenario 77 that
// is not there, 2 ends the campaign whatever happens.
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

TEST(CampaignGraph, NodesAreTheScenariosTheEndAndTheGoTosThatNameNoScenario) {
    const Campaign campaign = Branching();
    const CampaignGraph graph = MapOfCampaign(campaign, CheckCampaign(campaign));
    EXPECT_EQ(Ids(graph), (std::vector<std::string>{"s0", "s1", "s2", "end", "x77"}));
    EXPECT_EQ(graph.nodes[1].kind, Kind::Scenario);
    EXPECT_EQ(graph.nodes[1].label, "1\ncamp11.scn");
    EXPECT_EQ(graph.nodes[3].kind, Kind::End);
    EXPECT_EQ(graph.nodes[3].label, "END/SCORE");
    EXPECT_EQ(graph.nodes[4].kind, Kind::Dangling);
    EXPECT_EQ(graph.nodes[4].number, 77);
    EXPECT_EQ(graph.nodes[4].label, "77\n(no scenario)");

    // The go-to that names no scenario is an error of scenario 1, and only of it.
    EXPECT_EQ(graph.nodes[0].problem, std::nullopt);
    EXPECT_EQ(graph.nodes[1].problem, Severity::Error);
    EXPECT_EQ(graph.nodes[2].problem, std::nullopt);
}

TEST(CampaignGraph, OutcomesWithTheSameTargetShareOneEdgeLabelledInOutcomeOrder) {
    const Campaign campaign = Branching();
    const CampaignGraph graph = MapOfCampaign(campaign, {});
    const std::vector<MapEdge> expected = {
        {0, 1, {0, 1}, "BV, V", false}, {0, 2, {2}, "TV", false},
        {0, 3, {3}, "L", false},        {1, 2, {0, 1, 2}, "BV, V, TV", false},
        {1, 4, {3}, "L", true},         {2, 3, {0, 1, 2, 3}, "BV, V, TV, L", false}};
    EXPECT_EQ(graph.edges, expected);
}

TEST(CampaignGraph, LinksBackAndToItselfAreEdgesLikeAnyOther) {
    Campaign campaign = test::DistinctCampaign(2);
    test::SetLinks(campaign, {{1, 0, 1, 0}, {0, 1, 254, 0}});
    const CampaignGraph graph = MapOfCampaign(campaign, {});
    const std::vector<MapEdge> expected = {{0, 1, {0, 2}, "BV, TV", false},
                                           {0, 0, {1, 3}, "V, L", false},
                                           {1, 0, {0, 3}, "BV, L", false},
                                           {1, 1, {1}, "V", false},
                                           {1, 2, {2}, "TV", false}};
    EXPECT_EQ(graph.edges, expected);
    EXPECT_EQ(Ids(graph), (std::vector<std::string>{"s0", "s1", "end"}));
}

TEST(CampaignGraph, OneNodeStandsForAMissingScenarioHoweverManyGoToIt) {
    Campaign campaign = test::DistinctCampaign(2);
    test::SetLinks(campaign, {{9, 9, 3, 1}, {3, 254, 254, 254}});
    const CampaignGraph graph = MapOfCampaign(campaign, {});
    EXPECT_EQ(Ids(graph), (std::vector<std::string>{"s0", "s1", "end", "x3", "x9"}));
    const std::vector<MapEdge> expected = {{0, 4, {0, 1}, "BV, V", true},
                                           {0, 3, {2}, "TV", true},
                                           {0, 1, {3}, "L", false},
                                           {1, 3, {0}, "BV", true},
                                           {1, 2, {1, 2, 3}, "V, TV, L", false}};
    EXPECT_EQ(graph.edges, expected);
}

TEST(CampaignGraph, AScenarioShowsTheWorstFindingThatNamesIt) {
    const Campaign campaign = test::DistinctCampaign(3);
    const std::vector<Finding> findings = {
        {Severity::Warning, {}, {}, "campaign-wide"}, {Severity::Warning, 0, {}, "a warning"},
        {Severity::Error, 0, 1, "an error"},          {Severity::Warning, 0, {}, "a warning"},
        {Severity::Warning, 2, {}, "a warning"},      {Severity::Error, 9, {}, "out of range"}};
    const CampaignGraph graph = MapOfCampaign(campaign, findings);
    EXPECT_EQ(graph.nodes[0].problem, Severity::Error);
    EXPECT_EQ(graph.nodes[1].problem, std::nullopt);
    EXPECT_EQ(graph.nodes[2].problem, Severity::Warning);
    EXPECT_EQ(graph.nodes[3].problem, std::nullopt) << "the end of the campaign";
}

}  // namespace
}  // namespace xal
