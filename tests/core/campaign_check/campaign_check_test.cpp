// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/campaign_check/campaign_check.h"
#include "core/campaign_document/campaign_field.h"
#include "core/new_campaign/campaign_generation.h"
#include "support/temp_folder.h"

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

// A file name of the campaign and the file the game holds of it (none: "").
struct GameFileRow {
    Field field;
    FieldPlace place;
    std::string name;
    std::string onDisk;
};

const GameFileRow kGameFiles[] = {
    {Field::CampaignTXT, {}, "intro.txt", "Game/scenario/intro.txt"},
    {Field::CampaignVictoryMOV, {}, "win.mov", "Game/Movies/Deep/win.mov"},
    {Field::CampaignDefeatMOV, {}, "lose.mov", ""},
    {Field::ScenarioFile, {0, 0}, "camp00.scn", "Game/scenario/CAMP00.SCN"},
    {Field::ScenarioTXT, {0, 0}, "\xe9t\xe9.txt", "Game/scenario/\u00c9t\u00e9.txt"},
    {Field::OutcomeTXT, {0, 1}, "dir.txt", "Game/scenario/dir.txt/not_a_text.txt"},
    {Field::ScenarioFile, {1, 0}, "camp01.scn", "Game/scenario/camp01.scn"},
    {Field::ScenarioTXT, {1, 0}, "game.txt", "Game/game.txt"},
    {Field::ScenarioMOV, {1, 0}, "m.mov", "Game/scenario/m.mov"},
    {Field::OutcomeMOV, {1, 0}, "bv.mov", "Game/Movies/BV.MOV"},
    {Field::OutcomeTXT, {1, 3}, "l1.txt", ""},
};

// The campaign of the rows, in Game/scenario/ of `root`; its other file names are empty,
// which name no file.
Campaign GameFilesCampaign(const test::TempFolder& root) {
    Campaign campaign = StraightThrough(2);
    campaign.SetCampaignFolder(root.File("Game/scenario/"));
    for (Byte s = 0; s < 2; ++s)
        for (Byte k = 0; k < 4; ++k) SetTextOf(campaign, Field::OutcomeTXT, {s, k}, "");
    for (const GameFileRow& row : kGameFiles) {
        SetTextOf(campaign, row.field, row.place, row.name);
        if (!row.onDisk.empty()) root.Write(row.onDisk, "");
    }
    return campaign;
}

TEST(CheckGameFiles, NamesEachFileThatIsNotWhereTheGameLooksOrOnlyInOtherCapitals) {
    test::TempFolder root;
    Campaign campaign = GameFilesCampaign(root);
    const std::vector<Finding> found = CheckGameFiles(campaign, root.File("Game/"));
    EXPECT_EQ(LinesOf(found),
              (std::vector<std::string>{
                  "warning: The campaign's defeat movie \"lose.mov\" is neither in the campaign's "
                  "folder nor under the game's folder.",
                  "warning: Scenario 0 (camp00.scn): its scenario file \"camp00.scn\" is there "
                  "only as \"CAMP00.SCN\".",
                  "warning: Scenario 0 (camp00.scn): its text file \"\xe9t\xe9.txt\" is there only "
                  "as \"\xc9t\xe9.txt\".",
                  "warning: Scenario 0 (camp00.scn), victory: its text file \"dir.txt\" is not in "
                  "the campaign's folder.",
                  "warning: Scenario 1 (camp01.scn): its text file \"game.txt\" is not in the "
                  "campaign's folder.",
                  "warning: Scenario 1 (camp01.scn), brilliant victory: its movie \"bv.mov\" is "
                  "there only as \"BV.MOV\".",
                  "warning: Scenario 1 (camp01.scn), loss: its text file \"l1.txt\" is not in the "
                  "campaign's folder."}));
    for (const Finding& finding : found) {  // each on the field that names its file
        const FieldPlace place{static_cast<Byte>(finding.scenario.value_or(0)),
                               static_cast<Byte>(finding.outcome.value_or(0))};
        EXPECT_NE(finding.text.find('"' + TextOf(campaign, finding.field.value(), place) + '"'),
                  std::string::npos);
    }

    // Among the campaign's own findings, in scenario order; without a game, none.
    campaign.ScenarioAt(1)->SetPrestige(70000);
    const std::vector<Finding> checked = CheckCampaign(campaign, root.File("Game/"));
    ASSERT_EQ(checked.size(), found.size() + 1);
    EXPECT_EQ(checked[4].field, Field::ScenarioPrestige) << "first of scenario 1's findings";
    EXPECT_EQ(CheckCampaign(campaign, ""), CheckCampaign(campaign));
}

TEST(CheckGameFiles, LooksOnlyWhereItCanRead) {
    test::TempFolder root;
    Campaign campaign = GameFilesCampaign(root);
    campaign.SetCampaignFolder("");  // never saved: only movies can be looked for
    const std::vector<Finding> movies = CheckGameFiles(campaign, root.File("Game/"));
    ASSERT_EQ(movies.size(), 2u);
    EXPECT_EQ(movies[0].text,
              "The campaign's defeat movie \"lose.mov\" is not under the game's folder.");
    campaign.SetCampaignFolder(root.File("Gone/"));
    EXPECT_EQ(CheckGameFiles(campaign, root.File("Game/")).size(), 1u) << "that it is unread";
    campaign.SetCampaignFolder(root.File("Game/scenario/"));
    EXPECT_EQ(CheckGameFiles(campaign, root.File("Gone/")).size(), 6u)
        << "that the game's folder is unread, and the five files that are not movies";
}

}  // namespace
}  // namespace xal
