// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/scenario_ops/scenario_ops.h"
#include "support/campaign_fixtures.h"

namespace xal {
namespace {

TEST(DeleteScenario, LowersTheLinksOfMovedScenariosOnlyAndNeverZero254Or255) {
    using Links = test::CampaignLinks;
    Campaign campaign = test::DistinctCampaign(5);
    test::SetLinks(campaign,
                   {{4, 3, 2, 254}, {0, 1, 2, 3}, {2, 254, 255, 0}, {2, 4, 0, 1}, {3, 3, 3, 3}});
    const std::string movedName = campaign.ScenarioAt(4)->ScenarioName();
    const Long movedPrestige = campaign.ScenarioAt(4)->Victories()->Item(2)->Prestige();
    DeleteScenario(campaign, 1);
    EXPECT_EQ(test::LinksOf(campaign),
              (Links{{4, 3, 2, 254}, {1, 254, 255, 0}, {1, 3, 0, 0}, {2, 2, 2, 2}}));
    EXPECT_EQ(campaign.NrOfScenarios(), 4);
    ASSERT_EQ(campaign.Scenarios()->Count(), 4);
    EXPECT_EQ(campaign.ScenarioAt(3)->ScenarioName(), movedName);
    EXPECT_EQ(campaign.ScenarioAt(3)->ScenarioNr(), 3);
    EXPECT_EQ(campaign.ScenarioAt(3)->Victories()->Item(2)->Prestige(), movedPrestige);
}

}  // namespace
}  // namespace xal
