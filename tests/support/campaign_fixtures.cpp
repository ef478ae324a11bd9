// SPDX-License-Identifier: MIT
#include "support/campaign_fixtures.h"

#include <gtest/gtest.h>

#include "core/base/read_limits.h"
#include "core/campaign_file/campaign_reader.h"

namespace xal::test {

Campaign DistinctCampaign(int count) {
    Campaign campaign;
    campaign.SetNrOfScenarios(static_cast<Byte>(count));
    campaign.SetCountry(7);
    campaign.SetPrestige(300);
    campaign.SetVictoryMOV("won.mov");
    campaign.SetDefeatMOV("lost.mov");
    campaign.SetCampaignTXT("camp1.txt");
    for (int i = 0; i < count; ++i) {
        std::string n = std::to_string(i);
        auto scenario =
            campaign.Scenarios()->Add("camp1" + n + ".scn", static_cast<Byte>(i), "s" + n + ".mov",
                                      "s" + n + "i.txt", 1000 + i, 150);
        for (int j = 0; j < 4; ++j) {
            std::string o = n + "_" + std::to_string(j);
            scenario->Victories()->Add("m" + o + ".mov", "t" + o + ".txt", 65535 - 100 * i - j,
                                       static_cast<Byte>(j == 3 ? 254 : (i + j) % count));
        }
    }
    return campaign;
}

void ExpectSameFileFields(const Campaign& expected, const Campaign& actual) {
    EXPECT_EQ(actual.NrOfScenarios(), expected.NrOfScenarios());
    EXPECT_EQ(actual.Country(), expected.Country());
    EXPECT_EQ(actual.Prestige(), expected.Prestige());
    EXPECT_EQ(actual.VictoryMOV(), expected.VictoryMOV());
    EXPECT_EQ(actual.DefeatMOV(), expected.DefeatMOV());
    EXPECT_EQ(actual.CampaignTXT(), expected.CampaignTXT());
    ASSERT_EQ(actual.Scenarios()->Count(), expected.Scenarios()->Count());
    for (long i = 1; i <= expected.Scenarios()->Count(); ++i) {
        auto want = expected.Scenarios()->Item(i);
        auto got = actual.Scenarios()->Item(i);
        EXPECT_EQ(got->ScenarioName(), want->ScenarioName());
        EXPECT_EQ(got->ScenarioMOV(), want->ScenarioMOV());
        EXPECT_EQ(got->ScenarioTXT(), want->ScenarioTXT());
        EXPECT_EQ(got->Prestige(), want->Prestige());
        EXPECT_EQ(got->ScenarioNr(), i - 1);
        EXPECT_EQ(got->NrOfUnits(), 150);
        ASSERT_EQ(got->Victories()->Count(), 4);
        for (long j = 1; j <= 4; ++j) {
            auto v = want->Victories()->Item(j);
            auto w = got->Victories()->Item(j);
            EXPECT_EQ(w->OnEndGoTo(), v->OnEndGoTo());
            EXPECT_EQ(w->Prestige(), v->Prestige());
            EXPECT_EQ(w->VictoryTXT(), v->VictoryTXT());
            EXPECT_EQ(w->VictoryMOV(), v->VictoryMOV());
        }
    }
}

Long StoredPrestige(const std::string& path) {
    Campaign read;
    ParseCampaign(ReadWholeFile(path, platform::read_limit::kCampaignFile), read);
    return read.Prestige();
}

CampaignLinks LinksOf(const Campaign& campaign) {
    CampaignLinks links;
    for (const auto& scenario : *campaign.Scenarios()) {
        std::array<int, 4> four{};
        for (int k = 0; k < 4; ++k) four[k] = scenario->Victories()->Item(k + 1)->OnEndGoTo();
        links.push_back(four);
    }
    return links;
}

void SetLinks(Campaign& campaign, const CampaignLinks& links) {
    for (std::size_t n = 0; n < links.size(); ++n)
        for (int k = 0; k < 4; ++k)
            campaign.ScenarioAt(static_cast<Byte>(n))
                ->Victories()
                ->Item(k + 1)
                ->SetOnEndGoTo(static_cast<Byte>(links[n][k]));
}

}  // namespace xal::test
