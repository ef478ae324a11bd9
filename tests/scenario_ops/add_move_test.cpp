#include <gtest/gtest.h>

#include "scenario_ops/scenario_ops.h"
#include "support/campaign_fixtures.h"
#include "support/error_of.h"

namespace xal {
namespace {

Campaign Named(const std::string& name, int count) {
    Campaign campaign;
    campaign.SetCampaignName(name);
    for (int i = 0; i < count; ++i) AddScenario(campaign);
    return campaign;
}

TEST(AddScenario, NamesByOneBasedPositionInAtLeastTwoDigits) {
    Campaign campaign = Named("Alpha", 0);
    AddScenario(campaign);
    ASSERT_EQ(campaign.NrOfScenarios(), 1);
    const Scenario& first = *campaign.ScenarioAt(0);
    EXPECT_EQ(first.ScenarioName(), "Alpha_01.scn");
    EXPECT_EQ(first.NrOfUnits(), 150);
    ASSERT_EQ(first.Victories()->Count(), 4);
    for (const auto& outcome : *first.Victories()) EXPECT_EQ(outcome->OnEndGoTo(), 254);

    Campaign nine = Named("Alpha", 9);
    AddScenario(nine);
    EXPECT_EQ(nine.ScenarioAt(9)->ScenarioName(), "Alpha_10.scn");
    EXPECT_EQ(nine.ScenarioAt(9)->ScenarioNr(), 9);
    Campaign ninetyNine = Named("A_long_campaign", 99);
    AddScenario(ninetyNine);
    EXPECT_EQ(ninetyNine.ScenarioAt(99)->ScenarioName(), "A_long_campaign_100.scn")
        << "longer than 20 characters, kept";
    EXPECT_EQ(Named("", 1).ScenarioAt(0)->ScenarioName(), "_01.scn");
}

TEST(AddScenario, LeavesTheOtherScenariosAsTheyWere) {
    Campaign campaign = test::DistinctCampaign(3);
    AddScenario(campaign);
    campaign.Scenarios()->Remove(4);
    campaign.SetNrOfScenarios(3);
    test::ExpectSameFileFields(test::DistinctCampaign(3), campaign);
}

TEST(AddScenario, StopsAt255WithTheOverflowErrorAndAddsNothing) {
    Campaign campaign = Named("Full", 255);
    EXPECT_EQ(campaign.ScenarioAt(254)->ScenarioName(), "Full_255.scn");
    EXPECT_EQ(test::ErrorOf([&] { AddScenario(campaign); }), 6);
    EXPECT_EQ(campaign.NrOfScenarios(), 255);
    EXPECT_EQ(campaign.Scenarios()->Count(), 255);
}

TEST(AddScenario, NamesFromACampaignNameInAnyScriptOrRefusesWhatTheFileCannotHold) {
    EXPECT_EQ(Named("Übung", 1).ScenarioAt(0)->ScenarioName(),
              "\xdc"
              "bung_01.scn");
    Campaign campaign = Named("Кампания", 0);
    EXPECT_EQ(test::ErrorOf([&] { AddScenario(campaign); }), ErrorNumber::InvalidArgument);
    EXPECT_EQ(campaign.NrOfScenarios(), 0) << "nothing added";
    EXPECT_EQ(campaign.Scenarios()->Count(), 0);
}

using test::LinksOf;
using test::SetLinks;

TEST(MoveScenario, ExchangesContentsAndTheTwoNumbersInEveryLink) {
    Campaign campaign = test::DistinctCampaign(4);
    // P (0): victory to 1, self link; Q (1): loss to 0; 2 links to both; 3 ends.
    const test::CampaignLinks links = {
        {0, 1, 254, 3}, {2, 1, 2, 0}, {0, 1, 3, 255}, {254, 254, 254, 254}};
    SetLinks(campaign, links);
    const std::string p = campaign.ScenarioAt(0)->ScenarioName();
    const std::string q = campaign.ScenarioAt(1)->ScenarioName();
    const Long pOutcomePrestige = campaign.ScenarioAt(0)->Victories()->Item(3)->Prestige();
    MoveScenario(campaign, 1, 0);
    EXPECT_EQ(campaign.ScenarioAt(0)->ScenarioName(), q);
    EXPECT_EQ(campaign.ScenarioAt(1)->ScenarioName(), p);
    EXPECT_EQ(campaign.ScenarioAt(0)->ScenarioNr(), 0);
    EXPECT_EQ(campaign.ScenarioAt(1)->Victories()->Item(3)->Prestige(), pOutcomePrestige);
    EXPECT_EQ(
        LinksOf(campaign),
        (test::CampaignLinks{{2, 0, 2, 1}, {1, 0, 254, 3}, {1, 0, 3, 255}, {254, 254, 254, 254}}));
    // Moving back restores everything.
    MoveScenario(campaign, 0, 1);
    Campaign before = test::DistinctCampaign(4);
    SetLinks(before, links);
    test::ExpectSameFileFields(before, campaign);
}

TEST(MoveScenario, ToItselfChangesNothing) {
    Campaign campaign = test::DistinctCampaign(2);
    const test::CampaignLinks links = {{0, 1, 254, 1}, {0, 0, 1, 254}};
    SetLinks(campaign, links);
    MoveScenario(campaign, 1, 1);
    Campaign before = test::DistinctCampaign(2);
    SetLinks(before, links);
    test::ExpectSameFileFields(before, campaign);
}

}  // namespace
}  // namespace xal
