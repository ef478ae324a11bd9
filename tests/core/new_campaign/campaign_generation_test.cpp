// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/new_campaign/campaign_generation.h"
#include "core/platform/file_system.h"
#include "support/error_of.h"
#include "support/temp_folder.h"

namespace xal {
namespace {

using Strings = std::vector<std::string>;

SettingsRecord DefaultSettings() {
    SettingsRecord settings;
    settings.GameFolder = "/games/XaL/";
    settings.ScnVFileSeparator = "won";  // the wizard's texts count, not the settings'
    return settings;
}

NewCampaignInput Input(const std::string& count = "10") {
    NewCampaignInput input;
    input.NrOfScenariosText = count;
    input.InfoText = "i";
    input.WinText = "v";
    input.LossText = "l";
    return input;
}

// Each outcome as "text>go-to:prestige", its movie name after it.
Strings OutcomesOf(const Scenario& scenario) {
    Strings outcomes;
    for (const auto& outcome : *scenario.Victories())
        outcomes.push_back(outcome->VictoryTXT() + ">" + std::to_string(outcome->OnEndGoTo()) +
                           ":" + std::to_string(outcome->Prestige()) + outcome->VictoryMOV());
    return outcomes;
}

// A campaign generated as the wizard makes it, of the name and number of scenarios given.
Campaign Generated(const std::string& name, const std::string& count,
                   const std::string& initialMax = "1000") {
    NewCampaignInput input = Input(count);
    input.CampaignNameText = name;
    input.InitialMaxText = initialMax;
    return GenerateCampaign(input, DefaultSettings());
}

TEST(GenerateCampaign, TheDefaultsChainTenScenariosWithRisingPrestige) {
    NewCampaignInput input = Input();
    const Campaign campaign = GenerateCampaign(input, DefaultSettings());
    EXPECT_EQ(campaign.CampaignName(), "New");
    EXPECT_EQ(campaign.Country(), 1);
    ASSERT_EQ(campaign.NrOfScenarios(), 10);
    ASSERT_EQ(campaign.Scenarios()->Count(), 10);
    const Scenario& scenario = *campaign.ScenarioAt(9);
    EXPECT_EQ(scenario.ScenarioName(), "New09.scn");
    EXPECT_EQ(scenario.ScenarioNr(), 9);
    EXPECT_EQ(scenario.ScenarioTXT(), "New09i.txt");
    EXPECT_EQ(scenario.Prestige(), 10000);
    EXPECT_EQ(scenario.NrOfUnits(), 150);
    const Strings ends9 = {"New09v.txt>254:0", "New09v.txt>254:0", "New09v.txt>254:0",
                           "New09l.txt>254:0"};
    Strings outcomes8 = {"New08v.txt>9:10000", "New08v.txt>9:9750", "New08v.txt>9:9500",
                         "New08l.txt>9:9250"};
    EXPECT_EQ(OutcomesOf(*campaign.ScenarioAt(8)), outcomes8);
    EXPECT_EQ(OutcomesOf(scenario), ends9);

    input.LossEndsCampaign = true;  // only the losses before the last scenario change
    const Campaign lossEnds = GenerateCampaign(input, DefaultSettings());
    outcomes8.back() = "New08l.txt>254:0";
    EXPECT_EQ(OutcomesOf(*lossEnds.ScenarioAt(8)), outcomes8);
    EXPECT_EQ(OutcomesOf(*lossEnds.ScenarioAt(9)), ends9);
}

TEST(GenerateCampaign, DropsOneCampEndingInAnyCase) {
    const std::pair<const char*, const char*> names[] = {
        {"Camp.CAM", "Camp"}, {"Camp.cam.cam", "Camp.cam"}, {"Camp.Cam", "Camp"}, {".cam", ""},
        {"cam", "cam"},       {"Camp.camx", "Camp.camx"}};
    for (const auto& [typed, expected] : names) {
        NewCampaignInput input = Input("1");
        input.CampaignNameText = typed;
        const Campaign campaign = GenerateCampaign(input, DefaultSettings());
        EXPECT_EQ(campaign.CampaignName(), expected) << typed;
    }
}

TEST(GenerateCampaign, TheSeparatorAndTheTextsFormEveryFileName) {
    SettingsRecord settings = DefaultSettings();
    settings.ScnFileSeparator = "_";
    NewCampaignInput input = Input("101");
    input.IncMaxText = "0";
    input.CampaignNameText = "Été";
    input.InfoText = "-info";
    input.WinText = "W";
    input.LossText = "";
    const Campaign campaign = GenerateCampaign(input, settings);
    // Stored as the code page spells it.
    EXPECT_EQ(campaign.CampaignTXT(), "\xc9t\xe9.txt");
    EXPECT_EQ(campaign.ScenarioAt(1)->ScenarioName(), "\xc9t\xe9_01.scn");
    EXPECT_EQ(campaign.ScenarioAt(1)->ScenarioTXT(), "\xc9t\xe9_01-info.txt");
    EXPECT_EQ(campaign.ScenarioAt(0)->Victories()->Item(3)->VictoryTXT(), "\xc9t\xe9_00W.txt");
    EXPECT_EQ(campaign.ScenarioAt(0)->Victories()->Item(4)->VictoryTXT(), "\xc9t\xe9_00.txt");
    EXPECT_EQ(campaign.ScenarioAt(100)->ScenarioName(), "\xc9t\xe9_100.scn");
}

TEST(GenerateCampaign, FractionsRoundToTheNearestWholeNumberHalvesToEven) {
    NewCampaignInput input = Input("2.5");  // two scenarios
    input.InitialMaxText = "100.5";
    input.IncBVText = "0.5";
    input.IncLText = "1e1";
    const Campaign campaign = GenerateCampaign(input, DefaultSettings());
    ASSERT_EQ(campaign.NrOfScenarios(), 2);
    EXPECT_EQ(
        OutcomesOf(*campaign.ScenarioAt(0)),
        (Strings{"New00v.txt>1:100", "New00v.txt>1:850", "New00v.txt>1:600", "New00l.txt>1:110"}));
    input.NrOfScenariosText = "3.5";
    EXPECT_EQ(GenerateCampaign(input, DefaultSettings()).NrOfScenarios(), 4);
}

TEST(GenerateCampaign, RefusesTextsOutsideTheCodePageAndNumbersThatAreNot) {
    NewCampaignInput input = Input("1");
    input.WinText = "победа";
    EXPECT_EQ(test::ErrorOf([&] { GenerateCampaign(input, DefaultSettings()); }),
              ErrorNumber::InvalidArgument);
    input.WinText = "v";
    input.IncTVText = "";
    EXPECT_EQ(test::ReportOf([&] { GenerateCampaign(input, DefaultSettings()); }),
              "13\r\nType mismatch\r\nField: Incremental prestige settings > TV");
    input.IncTVText = "1";
    input.NrOfScenariosText = "256";
    EXPECT_EQ(test::ReportOf([&] { GenerateCampaign(input, DefaultSettings()); }),
              "6\r\nOverflow\r\nField: Nr of scenarios");
}

TEST(GenerateCampaign, FindsTheGamesScenarioFolderWhateverItsCase) {
    test::TempFolder game;
    SettingsRecord settings = DefaultSettings();
    settings.GameFolder = game.File("");
    game.Write("Scenario/probe.txt", "");
    const std::string folder = GenerateCampaign(Input(), settings).CampaignFolder();
    EXPECT_TRUE(platform::FileExists(folder + "probe.txt")) << folder;
}

TEST(CheckNewCampaign, NamesOfExactlyTheLimitsPass) {
    EXPECT_EQ(CheckNewCampaign(Generated("Campaign12345", "2")), "") << "20-character text names";
    // A 16-character campaign name passes; its 22-character scenario names do not.
    EXPECT_EQ(CheckNewCampaign(Generated("Campaign12345678", "1"))
                  .rfind("A file name has at most 20 characters.\r\n\r\n"
                         "Scenario name (Campaign1234567800.scn) is too long.\r\n",
                         0),
              0u);
}

TEST(CheckNewCampaign, PrestigeAboveTheLimitFailsAndExactlyTheLimitPasses) {
    // Scenario 0 has 64000 and a best reward of exactly 65000; scenario 1 has exactly
    // 65000 and rewards above it; scenario 2, the last, has 66000.
    EXPECT_EQ(CheckNewCampaign(Generated("Hi", "3", "64000")),
              "Prestige is at most 65000.\r\n\r\n"
              "Rewarded prestige (66000) for a brilliant victory in scenario Hi01.scn is too "
              "high.\r\n"
              "Rewarded prestige (65750) for a victory in scenario Hi01.scn is too high.\r\n"
              "Rewarded prestige (65500) for a tactical victory in scenario Hi01.scn is too "
              "high.\r\n"
              "Rewarded prestige (65250) for a loss in scenario Hi01.scn is too high.\r\n"
              "\r\n"
              "Max. prestige (66000) for scenario Hi02.scn is too high.\r\n"
              "\r\n");
    // Every scenario after the first failing one adds an empty line.
    Campaign first = Generated("Hi", "3");
    first.ScenarioAt(0)->SetPrestige(70000);
    EXPECT_EQ(CheckNewCampaign(first),
              "Prestige is at most 65000.\r\n\r\n"
              "Max. prestige (70000) for scenario Hi00.scn is too high.\r\n\r\n\r\n\r\n");
}

}  // namespace
}  // namespace xal
