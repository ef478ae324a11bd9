// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/scenario_ops/scenario_ops.h"
#include "support/campaign_fixtures.h"

namespace xal {
namespace {

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
