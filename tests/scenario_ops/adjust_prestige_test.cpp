#include <gtest/gtest.h>

#include "scenario_ops/scenario_ops.h"
#include "support/campaign_fixtures.h"

namespace xal {
namespace {

// Two scenarios; outcome values chosen to meet every clamp and the campaign's end.
Campaign Prestiged() {
    Campaign campaign = test::DistinctCampaign(2);
    campaign.SetPrestige(777);
    const Long values[2][5] = {{64500, 400, 65500, 30000, 65000}, {1000, 2000, 3000, -5, 0}};
    const Byte links[2][4] = {{1, 1, 254, 254}, {254, 0, 1, 1}};
    for (int n = 0; n < 2; ++n) {
        Scenario& scenario = *campaign.ScenarioAt(static_cast<Byte>(n));
        scenario.SetPrestige(values[n][0]);
        for (int k = 0; k < 4; ++k) {
            scenario.Victories()->Item(k + 1)->SetPrestige(values[n][k + 1]);
            scenario.Victories()->Item(k + 1)->SetOnEndGoTo(links[n][k]);
        }
    }
    return campaign;
}

std::vector<Long> Values(const Campaign& campaign, int n) {
    const Scenario& scenario = *campaign.ScenarioAt(static_cast<Byte>(n));
    std::vector<Long> values{scenario.Prestige()};
    for (const auto& outcome : *scenario.Victories()) values.push_back(outcome->Prestige());
    return values;
}

TEST(AdjustPrestige, RaisesAndLowersWithinTheClampsAndKeepsEndingOutcomes) {
    Campaign campaign = Prestiged();
    AdjustPrestige(campaign, CampaignUp, 1000, 0);
    EXPECT_EQ(Values(campaign, 0), (std::vector<Long>{65000, 1400, 65000, 30000, 65000}));
    EXPECT_EQ(Values(campaign, 1), (std::vector<Long>{2000, 2000, 4000, 995, 1000}));
    EXPECT_EQ(campaign.Prestige(), 777) << "the start prestige never changes";

    campaign = Prestiged();
    AdjustPrestige(campaign, CampaignDown, 1000, 0);
    EXPECT_EQ(Values(campaign, 0), (std::vector<Long>{63500, 0, 64500, 30000, 65000}));
    EXPECT_EQ(Values(campaign, 1), (std::vector<Long>{0, 2000, 2000, 0, 0}));
}

TEST(AdjustPrestige, AStepOfZeroStillClampsOnItsSide) {
    Campaign campaign = Prestiged();
    AdjustPrestige(campaign, CampaignUp, 0, 0);
    EXPECT_EQ(Values(campaign, 0), (std::vector<Long>{64500, 400, 65000, 30000, 65000}));
    EXPECT_EQ(Values(campaign, 1), (std::vector<Long>{1000, 2000, 3000, -5, 0}));
    AdjustPrestige(campaign, CampaignDown, 0, 0);
    EXPECT_EQ(Values(campaign, 1), (std::vector<Long>{1000, 2000, 3000, 0, 0}));
}

TEST(AdjustPrestige, TheScenarioCommandsChangeOnlyTheDisplayedScenario) {
    Campaign campaign = Prestiged();
    AdjustPrestige(campaign, ScenarioUp, 250, 1);
    EXPECT_EQ(Values(campaign, 0), Values(Prestiged(), 0));
    EXPECT_EQ(Values(campaign, 1), (std::vector<Long>{1250, 2000, 3250, 245, 250}));
    AdjustPrestige(campaign, ScenarioDown, 250, 1);
    EXPECT_EQ(Values(campaign, 1), (std::vector<Long>{1000, 2000, 3000, 0, 0}))
        << "a raise then a lowering restores every value but the -5 the lowering held at 0";
}

TEST(AdjustPrestige, AStepBeyondTheOptionsRangeStaysWithin32Bits) {
    Campaign campaign = Prestiged();
    AdjustPrestige(campaign, CampaignDown, 2147483647, 0);
    EXPECT_EQ(Values(campaign, 1), (std::vector<Long>{0, 2000, 0, 0, 0}));
}

}  // namespace
}  // namespace xal
