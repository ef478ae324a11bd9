// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/scenario_ops/scenario_ops.h"
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
    const Campaign one = Named("Alpha", 1);
    const Scenario& first = *one.ScenarioAt(0);
    EXPECT_EQ(first.ScenarioName(), "Alpha_01.scn");
    EXPECT_EQ(first.NrOfUnits(), 150);
    ASSERT_EQ(first.Victories()->Count(), 4);
    for (const auto& outcome : *first.Victories()) EXPECT_EQ(outcome->OnEndGoTo(), 254);
    const Campaign ten = Named("Alpha", 10);
    EXPECT_EQ(ten.ScenarioAt(9)->ScenarioName(), "Alpha_10.scn");
    EXPECT_EQ(ten.ScenarioAt(9)->ScenarioNr(), 9);
    EXPECT_EQ(Named("Übung", 1).ScenarioAt(0)->ScenarioName(),
              "\xdc"
              "bung_01.scn");
}

TEST(AddScenario, RefusesWhatTheFileCannotHoldAndAddsNothing) {
    Campaign full = Named("Full", 255);
    EXPECT_EQ(full.ScenarioAt(254)->ScenarioName(), "Full_255.scn");
    EXPECT_EQ(test::ReportOf([&] { AddScenario(full); }),
              "6\r\nOverflow\r\nField: Number of scenarios");
    EXPECT_EQ(full.Scenarios()->Count(), 255);
    Campaign russian = Named("Кампания", 0);
    const std::string report = test::ReportOf([&] { AddScenario(russian); });
    EXPECT_TRUE(report.starts_with("5\r\n") &&
                report.ends_with("\r\nField: Scenario 0 > Scenario SCN File"))
        << report;
    EXPECT_EQ(russian.NrOfScenarios(), 0);
    EXPECT_EQ(russian.Scenarios()->Count(), 0);
}

TEST(MoveScenario, ExchangesContentsAndTheTwoNumbersInEveryLink) {
    Campaign campaign = test::DistinctCampaign(4);
    // P (0): victory to 1, self link; Q (1): loss to 0; 2 links to both; 3 ends.
    const test::CampaignLinks links = {
        {0, 1, 254, 3}, {2, 1, 2, 0}, {0, 1, 3, 255}, {254, 254, 254, 254}};
    test::SetLinks(campaign, links);
    const std::string p = campaign.ScenarioAt(0)->ScenarioName();
    const Long pOutcomePrestige = campaign.ScenarioAt(0)->Victories()->Item(3)->Prestige();
    MoveScenario(campaign, 1, 0);
    EXPECT_EQ(campaign.ScenarioAt(1)->ScenarioName(), p);
    EXPECT_EQ(campaign.ScenarioAt(0)->ScenarioNr(), 0);
    EXPECT_EQ(campaign.ScenarioAt(1)->Victories()->Item(3)->Prestige(), pOutcomePrestige);
    EXPECT_EQ(
        test::LinksOf(campaign),
        (test::CampaignLinks{{2, 0, 2, 1}, {1, 0, 254, 3}, {1, 0, 3, 255}, {254, 254, 254, 254}}));
    MoveScenario(campaign, 0, 1);
    Campaign before = test::DistinctCampaign(4);
    test::SetLinks(before, links);
    test::ExpectSameFileFields(before, campaign);
}

}  // namespace
}  // namespace xal
