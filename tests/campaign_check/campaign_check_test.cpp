#include <gtest/gtest.h>

#include "campaign_check/campaign_check.h"
#include "new_campaign/campaign_generation.h"

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
    for (int count : {1, 5, 50}) {
        const std::vector<Finding> findings = CheckCampaign(StraightThrough(count));
        EXPECT_TRUE(findings.empty()) << count << ": " << LinesOf(findings).front();
    }
}

TEST(CheckCampaign, AGoToThatNamesNoScenarioIsAnError) {
    Campaign campaign = StraightThrough(3);
    Outcome(campaign, 1, 3).SetOnEndGoTo(3);  // as deleting the last scenario leaves it
    const std::vector<Finding> findings = CheckCampaign(campaign);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0], (Finding{Severity::Error, 1, 3,
                                    "Scenario 1 (camp01.scn), loss: goes to scenario 3, which "
                                    "does not exist."}));
    EXPECT_TRUE(HasErrors(findings));
}

TEST(CheckCampaign, MoreScenariosThanAFileHoldsAndNoneAtAllAreErrors) {
    const std::vector<Finding> many = CheckCampaign(StraightThrough(51));
    ASSERT_EQ(many.size(), 1u);
    EXPECT_EQ(FindingLine(many[0]),
              "error: The campaign has 51 scenarios; a campaign file holds at most 50.");
    EXPECT_FALSE(many[0].scenario.has_value());

    const std::vector<Finding> none = CheckCampaign(Campaign{});
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].severity, Severity::Error);
}

TEST(CheckCampaign, UnreachableScenariosAndOnesThatNeverEndAreWarnings) {
    // 0 -> 2 -> end; 1 is reached by nobody; 3 and 4 lead only to each other.
    Campaign campaign = StraightThrough(5);
    for (int k = 0; k < 4; ++k) {
        Outcome(campaign, 0, k).SetOnEndGoTo(2);
        Outcome(campaign, 2, k).SetOnEndGoTo(254);
        Outcome(campaign, 3, k).SetOnEndGoTo(4);
        Outcome(campaign, 4, k).SetOnEndGoTo(3);
    }
    Outcome(campaign, 2, 3).SetOnEndGoTo(3);  // a loss sends the player into the loop
    EXPECT_EQ(LinesOf(CheckCampaign(campaign)),
              (std::vector<std::string>{
                  "warning: Scenario 1 (camp01.scn) cannot be reached from scenario 0.",
                  "warning: From scenario 3 (camp03.scn) no path leads to the end of the "
                  "campaign.",
                  "warning: From scenario 4 (camp04.scn) no path leads to the end of the "
                  "campaign."}));
    EXPECT_FALSE(HasErrors(CheckCampaign(campaign)));
}

TEST(CheckCampaign, NamesTheFileWouldCutAreWarnings) {
    Campaign campaign = StraightThrough(2);
    campaign.SetCampaignTXT("a_campaign_text_file.txt");
    campaign.ScenarioAt(1)->SetScenarioName("exactly_twenty_c.scn");  // 20: fits
    Outcome(campaign, 0, 2).SetVictoryMOV("tactical_victory_movie.avi");
    const std::vector<Finding> findings = CheckCampaign(campaign);
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(FindingLine(findings[0]),
              "warning: The campaign's text file \"a_campaign_text_file.txt\" is 24 characters "
              "long; the campaign file keeps only the first 20.");
    EXPECT_EQ(findings[1], (Finding{Severity::Warning, 0, 2,
                                    "Scenario 0 (camp00.scn), tactical victory, its movie "
                                    "\"tactical_victory_movie.avi\" is 26 characters long; the "
                                    "campaign file keeps only the first 20."}));
}

TEST(CheckCampaign, PrestigeTheFileCannotHoldIsAnError) {
    Campaign campaign = StraightThrough(2);
    campaign.ScenarioAt(0)->SetPrestige(65535);  // the most a file holds
    campaign.ScenarioAt(1)->SetPrestige(65536);
    Outcome(campaign, 0, 0).SetPrestige(70000);
    campaign.SetPrestige(-1);
    EXPECT_EQ(LinesOf(CheckCampaign(campaign)),
              (std::vector<std::string>{
                  "error: The campaign's start prestige -1 is below 0, which the campaign file "
                  "cannot hold.",
                  "error: Scenario 0 (camp00.scn), brilliant victory, its prestige reward 70000 "
                  "is above 65535, which the campaign file cannot hold.",
                  "error: Scenario 1 (camp01.scn), its maximum prestige 65536 is above 65535, "
                  "which the campaign file cannot hold."}));
}

}  // namespace
}  // namespace xal
