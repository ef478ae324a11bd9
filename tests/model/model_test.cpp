#include <gtest/gtest.h>

#include "model/campaign.h"
#include "model/conversions.h"
#include "platform/error.h"
#include "support/error_of.h"

namespace xal {
namespace {

using test::ErrorOf;

TEST(CampaignModel, NewObjectsAreEmpty) {
    Campaign campaign;
    EXPECT_EQ(campaign.Scenarios()->Count(), 0);
    EXPECT_EQ(campaign.NrOfScenarios(), 0);
    EXPECT_EQ(campaign.Country(), 0);
    EXPECT_EQ(campaign.Prestige(), 0);
    EXPECT_EQ(campaign.CampaignName(), "");
    EXPECT_EQ(campaign.CampaignFolder(), "");
    EXPECT_EQ(campaign.CampaignTXT(), "");
    EXPECT_EQ(campaign.DefeatMOV(), "");
    EXPECT_EQ(campaign.VictoryMOV(), "");

    Scenario scenario;
    EXPECT_EQ(scenario.Victories()->Count(), 0);
    EXPECT_EQ(scenario.NrOfUnits(), 0);
}

TEST(CampaignModel, AddSetsEveryArgumentAndItemsArePositional) {
    Scenarios scenarios;
    auto first = scenarios.Add("a.scn", 0, "a.mov", "a.txt", 300, 150);
    scenarios.Add("b.scn", 1, "", "", 0, 150);
    scenarios.Add("c.scn", 2, "", "", 0, 150);
    EXPECT_EQ(first->ScenarioName(), "a.scn");
    EXPECT_EQ(first->ScenarioMOV(), "a.mov");
    EXPECT_EQ(first->ScenarioTXT(), "a.txt");
    EXPECT_EQ(first->Prestige(), 300);
    EXPECT_EQ(first->NrOfUnits(), 150);
    EXPECT_EQ(scenarios.Item(1), first);

    scenarios.Remove(1);
    EXPECT_EQ(scenarios.Count(), 2);
    EXPECT_EQ(scenarios.Item(1)->ScenarioName(), "b.scn");
    EXPECT_EQ(scenarios.Item(1)->ScenarioNr(), 1) << "numbers change only when a command renumbers";

    std::vector<std::string> names;
    for (const auto& scenario : scenarios) names.push_back(scenario->ScenarioName());
    EXPECT_EQ(names, (std::vector<std::string>{"b.scn", "c.scn"}));
}

TEST(CampaignModel, ItemsAreSharedNotCopied) {
    Campaign campaign;
    campaign.Scenarios()->Add("a.scn", 0, "", "", 0, 150);
    auto held = campaign.Scenarios()->Item(1);
    held->SetPrestige(1234);
    EXPECT_EQ(campaign.ScenarioAt(0)->Prestige(), 1234);

    auto victory = held->Victories()->Add("v.mov", "v.txt", 10, 255);
    EXPECT_EQ(victory->OnEndGoTo(), 255) << "the model stores 255 unchanged";
    held->Victories()->Item(1)->SetPrestige(20);
    EXPECT_EQ(victory->Prestige(), 20);
}

TEST(CampaignModel, MissingPositionsAndKeysFail) {
    Victories victories;
    victories.Add("", "", 0, 254, "bv");
    EXPECT_EQ(ErrorOf([&] { victories.Item(0); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { victories.Item(2); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { victories.Remove(2); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { victories.Item("none"); }), ErrorNumber::InvalidArgument);
    EXPECT_EQ(victories.Item("bv")->OnEndGoTo(), 254);
    victories.Remove("bv");
    EXPECT_EQ(victories.Count(), 0);
}

TEST(RunTimeErrorReport, IsNumberLineBreakDescription) {
    RunTimeError error(6, "Overflow");
    EXPECT_EQ(error.Report(), "6\r\nOverflow");
}

}  // namespace
}  // namespace xal
