// SPDX-License-Identifier: MIT
#include "core/scenario_ops/scenario_ops.h"

#include <gtest/gtest.h>

#include "core/model/campaign_snapshot.h"
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

// Every field of a scenario but its number and its outcomes' links, as texts.
std::vector<std::string> ContentsOf(const Scenario& scenario) {
    std::vector<std::string> contents = {
        scenario.ScenarioName(), scenario.ScenarioTXT(), scenario.ScenarioMOV(),
        std::to_string(scenario.Prestige()), std::to_string(scenario.NrOfUnits())};
    for (const auto& outcome : *scenario.Victories())
        contents.insert(contents.end(), {outcome->VictoryTXT(), outcome->VictoryMOV(),
                                         std::to_string(outcome->Prestige())});
    return contents;
}

// The go-to links of every scenario's four outcomes, scenario by scenario.
test::CampaignLinks LinksOf(const Campaign& campaign) {
    test::CampaignLinks links;
    for (const auto& scenario : *campaign.Scenarios()) {
        std::array<int, 4> four{};
        for (int k = 0; k < 4; ++k) four[k] = scenario->Victories()->Item(k + 1)->OnEndGoTo();
        links.push_back(four);
    }
    return links;
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
    const CampaignSnapshot before(campaign);
    const auto p = ContentsOf(*campaign.ScenarioAt(0));
    MoveScenario(campaign, 1, 0);
    EXPECT_EQ(ContentsOf(*campaign.ScenarioAt(1)), p);
    EXPECT_EQ(campaign.ScenarioAt(0)->ScenarioNr(), 0);
    EXPECT_EQ(
        LinksOf(campaign),
        (test::CampaignLinks{{2, 0, 2, 1}, {1, 0, 254, 3}, {1, 0, 3, 255}, {254, 254, 254, 254}}));
    MoveScenario(campaign, 0, 1);
    EXPECT_TRUE(before.Holds(campaign)) << "moved back, as it was";
}

TEST(DeleteScenario, LowersTheLinksOfMovedScenariosOnlyAndNeverZero254Or255) {
    using Links = test::CampaignLinks;
    Campaign campaign = test::DistinctCampaign(5);
    test::SetLinks(campaign,
                   {{4, 3, 2, 254}, {0, 1, 2, 3}, {2, 254, 255, 0}, {2, 4, 0, 1}, {3, 3, 3, 3}});
    const auto moved = ContentsOf(*campaign.ScenarioAt(4));
    DeleteScenario(campaign, 1);
    EXPECT_EQ(LinksOf(campaign),
              (Links{{4, 3, 2, 254}, {1, 254, 255, 0}, {1, 3, 0, 0}, {2, 2, 2, 2}}));
    EXPECT_EQ(campaign.NrOfScenarios(), 4);
    ASSERT_EQ(campaign.Scenarios()->Count(), 4);
    EXPECT_EQ(ContentsOf(*campaign.ScenarioAt(3)), moved);
    EXPECT_EQ(campaign.ScenarioAt(3)->ScenarioNr(), 3);
}

// Two scenarios; outcome values chosen to meet every clamp and the campaign's end.
Campaign Prestiged() {
    Campaign campaign = test::DistinctCampaign(2);
    campaign.SetPrestige(777);
    test::SetLinks(campaign, {{1, 1, 254, 254}, {254, 0, 1, 1}});
    const Long values[2][5] = {{64500, 400, 65500, 30000, 65000}, {1000, 2000, 3000, -5, 0}};
    for (Byte n = 0; n < 2; ++n) {
        campaign.ScenarioAt(n)->SetPrestige(values[n][0]);
        for (int k = 1; k <= 4; ++k)
            campaign.ScenarioAt(n)->Victories()->Item(k)->SetPrestige(values[n][k]);
    }
    return campaign;
}

std::vector<Long> Values(const Campaign& campaign, Byte n) {
    std::vector<Long> values{campaign.ScenarioAt(n)->Prestige()};
    for (const auto& outcome : *campaign.ScenarioAt(n)->Victories())
        values.push_back(outcome->Prestige());
    return values;
}

TEST(AdjustPrestige, ChangesWithinTheClampsAndKeepsEndingOutcomes) {
    using V = std::vector<Long>;
    const V first = Values(Prestiged(), 0);
    const struct {
        PrestigeMode mode;
        Long step;
        V scenario0, scenario1;
    } cases[] = {
        {CampaignUp, 1000, {65000, 1400, 65000, 30000, 65000}, {2000, 2000, 4000, 995, 1000}},
        {CampaignDown, 1000, {63500, 0, 64500, 30000, 65000}, {0, 2000, 2000, 0, 0}},
        {CampaignUp, 0, {64500, 400, 65000, 30000, 65000}, {1000, 2000, 3000, -5, 0}},
        {CampaignDown, 2147483647, {0, 0, 0, 30000, 65000}, {0, 2000, 0, 0, 0}},
        {ScenarioUp, 250, first, {1250, 2000, 3250, 245, 250}},
        {ScenarioDown, 250, first, {750, 2000, 2750, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int{c.mode} << " by " << c.step);
        Campaign campaign = Prestiged();
        AdjustPrestige(campaign, c.mode, c.step, 1);
        EXPECT_EQ(Values(campaign, 0), c.scenario0);
        EXPECT_EQ(Values(campaign, 1), c.scenario1);
        EXPECT_EQ(campaign.Prestige(), 777) << "the start prestige never changes";
    }
}

}  // namespace
}  // namespace xal
