// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/campaign_check/campaign_check.h"
#include "core/new_campaign/campaign_generation.h"

namespace xal {
namespace {

// A campaign of `count` scenarios played one after another, the last one ending it.
Campaign StraightThrough(int count) {
    NewCampaignInput input;
    input.CampaignNameText = "camp";
    input.NrOfScenariosText = std::to_string(count);
    input.InfoText = "i";
    input.WinText = "v";
    input.LossText = "l";
    return GenerateCampaign(input, SettingsRecord{});
}

Victory& Outcome(const Campaign& campaign, int scenario, int outcome) {
    return *campaign.ScenarioAt(static_cast<Byte>(scenario))->Victories()->Item(outcome + 1);
}

std::vector<std::string> LinesOf(const std::vector<Finding>& findings) {
    std::vector<std::string> lines;
    for (const Finding& finding : findings) lines.push_back(FindingLine(finding));
    return lines;
}

TEST(CheckCampaign, AStraightThroughCampaignHasNoFindings) {
    EXPECT_EQ(LinesOf(CheckCampaign(StraightThrough(50))), std::vector<std::string>{});
}

TEST(CheckCampaign, BrokenLinksAreErrorsAndUnreachableOrEndlessScenariosWarnings) {
    // 0 -> 2 -> end; 1 is reached by nobody; 3 and 4 lead only to each other.
    Campaign campaign = StraightThrough(5);
    for (int k = 0; k < 4; ++k) {
        Outcome(campaign, 0, k).SetOnEndGoTo(2);
        Outcome(campaign, 2, k).SetOnEndGoTo(254);
        Outcome(campaign, 3, k).SetOnEndGoTo(4);
        Outcome(campaign, 4, k).SetOnEndGoTo(3);
    }
    Outcome(campaign, 2, 3).SetOnEndGoTo(3);  // a loss sends the player into the loop
    Outcome(campaign, 1, 3).SetOnEndGoTo(5);  // as deleting the last scenario leaves it
    const std::vector<Finding> findings = CheckCampaign(campaign);
    ASSERT_EQ(LinesOf(findings),
              (std::vector<std::string>{
                  "warning: Scenario 1 (camp01.scn) cannot be reached from scenario 0.",
                  "error: Scenario 1 (camp01.scn), loss: goes to scenario 5, which does not exist.",
                  "warning: From scenario 3 (camp03.scn) no path leads to the end of the "
                  "campaign.",
                  "warning: From scenario 4 (camp04.scn) no path leads to the end of the "
                  "campaign."}));
    EXPECT_EQ(findings[1].scenario, 1);
    EXPECT_EQ(findings[1].outcome, 3);
}

TEST(CheckCampaign, NamesTheFileWouldCutAreWarnings) {
    Campaign campaign = StraightThrough(2);
    campaign.ScenarioAt(1)->SetScenarioName("exactly_twenty_c.scn");  // 20: fits
    Outcome(campaign, 0, 2).SetVictoryMOV("tactical_victory_movie.avi");
    EXPECT_EQ(LinesOf(CheckCampaign(campaign)),
              (std::vector<std::string>{
                  "warning: Scenario 0 (camp00.scn), tactical victory, its movie "
                  "\"tactical_victory_movie.avi\" is 26 characters long; the campaign file keeps "
                  "only the first 20."}));
}

TEST(CheckCampaign, WhatTheFileCannotHoldIsAnError) {
    EXPECT_TRUE(HasErrors(CheckCampaign(Campaign{})));
    Campaign campaign = StraightThrough(51);
    campaign.ScenarioAt(0)->SetPrestige(65535);  // the most a file holds
    campaign.ScenarioAt(1)->SetPrestige(65536);
    Outcome(campaign, 0, 0).SetPrestige(70000);
    campaign.SetPrestige(-1);
    EXPECT_EQ(LinesOf(CheckCampaign(campaign)),
              (std::vector<std::string>{
                  "error: The campaign has 51 scenarios; a campaign file holds at most 50.",
                  "error: The campaign's start prestige -1 is below 0, which the campaign file "
                  "cannot hold.",
                  "error: Scenario 0 (camp00.scn), brilliant victory, its prestige reward 70000 "
                  "is above 65535, which the campaign file cannot hold.",
                  "error: Scenario 1 (camp01.scn), its maximum prestige 65536 is above 65535, "
                  "which the campaign file cannot hold."}));
}

}  // namespace
}  // namespace xal
