#include <gtest/gtest.h>

#include "scenario_ops/scenario_ops.h"
#include "support/campaign_fixtures.h"

namespace xal {
namespace {

using Links = test::CampaignLinks;
using test::LinksOf;

// Four scenarios that run straight through: each leads to the next, the last ends.
Campaign StraightThrough() {
    Campaign campaign = test::DistinctCampaign(4);
    for (int n = 0; n < 4; ++n)
        for (const auto& outcome : *campaign.ScenarioAt(static_cast<Byte>(n))->Victories())
            outcome->SetOnEndGoTo(static_cast<Byte>(n < 3 ? n + 1 : 254));
    return campaign;
}

std::vector<std::string> Names(const Campaign& campaign) {
    std::vector<std::string> names;
    for (const auto& scenario : *campaign.Scenarios()) names.push_back(scenario->ScenarioName());
    return names;
}

TEST(DeleteScenario, AStraightThroughCampaignStaysStraightThroughAtEveryPosition) {
    const Links straight3 = {{1, 1, 1, 1}, {2, 2, 2, 2}, {254, 254, 254, 254}};
    const std::vector<std::string> all = Names(StraightThrough());
    for (int deleted = 0; deleted < 3; ++deleted) {
        Campaign campaign = StraightThrough();
        DeleteScenario(campaign, static_cast<Byte>(deleted));
        EXPECT_EQ(campaign.NrOfScenarios(), 3);
        EXPECT_EQ(campaign.Scenarios()->Count(), 3);
        std::vector<std::string> expected = all;
        expected.erase(expected.begin() + deleted);
        EXPECT_EQ(Names(campaign), expected) << "names travel unchanged";
        for (int n = 0; n < 3; ++n)
            EXPECT_EQ(campaign.ScenarioAt(static_cast<Byte>(n))->ScenarioNr(), n);
        if (deleted == 0)
            EXPECT_EQ(LinksOf(campaign), (Links{{1, 1, 1, 1}, {2, 2, 2, 2}, {254, 254, 254, 254}}));
        else
            EXPECT_EQ(LinksOf(campaign), straight3) << "deleting " << deleted;
    }
    Campaign campaign = StraightThrough();
    DeleteScenario(campaign, 3);
    EXPECT_EQ(LinksOf(campaign), (Links{{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}}))
        << "the last one's predecessor keeps the removed number";
}

TEST(DeleteScenario, LowersTheLinksOfMovedScenariosOnlyAndNeverZero254Or255) {
    Campaign campaign = test::DistinctCampaign(5);
    const Links before = {
        {4, 3, 2, 254}, {0, 1, 2, 3}, {2, 254, 255, 0}, {2, 4, 0, 1}, {3, 3, 3, 3}};
    for (std::size_t n = 0; n < before.size(); ++n)
        for (int k = 0; k < 4; ++k)
            campaign.ScenarioAt(static_cast<Byte>(n))
                ->Victories()
                ->Item(k + 1)
                ->SetOnEndGoTo(static_cast<Byte>(before[n][k]));
    const Long movedPrestige = campaign.ScenarioAt(4)->Victories()->Item(2)->Prestige();
    DeleteScenario(campaign, 1);
    EXPECT_EQ(LinksOf(campaign),
              (Links{{4, 3, 2, 254}, {1, 254, 255, 0}, {1, 3, 0, 0}, {2, 2, 2, 2}}));
    EXPECT_EQ(campaign.ScenarioAt(3)->Victories()->Item(2)->Prestige(), movedPrestige);
}

}  // namespace
}  // namespace xal
