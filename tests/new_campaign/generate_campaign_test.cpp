#include <gtest/gtest.h>

#include <filesystem>

#include "new_campaign/campaign_generation.h"
#include "platform/file_system.h"
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

const Strings kEnds9 = {"New09v.txt>254:0", "New09v.txt>254:0", "New09v.txt>254:0",
                        "New09l.txt>254:0"};

TEST(GenerateCampaign, TheDefaultsChainTenScenariosWithRisingPrestige) {
    const Campaign campaign = GenerateCampaign(Input(), DefaultSettings());
    EXPECT_EQ(campaign.CampaignName(), "New");
    EXPECT_EQ(campaign.CampaignFolder(), "/games/XaL/scenario" + platform::PathSeparator());
    EXPECT_EQ(campaign.CampaignTXT(), "New.txt");
    EXPECT_EQ(campaign.Country(), 1);
    EXPECT_EQ(campaign.Prestige(), 0);
    ASSERT_EQ(campaign.NrOfScenarios(), 10);
    ASSERT_EQ(campaign.Scenarios()->Count(), 10);
    for (int i = 0; i < 10; ++i) {
        const Scenario& scenario = *campaign.ScenarioAt(static_cast<Byte>(i));
        EXPECT_EQ(scenario.ScenarioName(), "New0" + std::to_string(i) + ".scn");
        EXPECT_EQ(scenario.ScenarioNr(), i);
        EXPECT_EQ(scenario.ScenarioTXT(), "New0" + std::to_string(i) + "i.txt");
        EXPECT_EQ(scenario.Prestige(), 1000 * (i + 1));
        EXPECT_EQ(scenario.NrOfUnits(), 150);
    }
    EXPECT_EQ(OutcomesOf(*campaign.ScenarioAt(8)),
              (Strings{"New08v.txt>9:10000", "New08v.txt>9:9750", "New08v.txt>9:9500",
                       "New08l.txt>9:9250"}));
    EXPECT_EQ(OutcomesOf(*campaign.ScenarioAt(9)), kEnds9);
    EXPECT_EQ(CheckNewCampaign(campaign), "");
}

TEST(GenerateCampaign, LossEndsCampaignChangesOnlyTheLossesBeforeTheLastScenario) {
    NewCampaignInput input = Input();
    input.LossEndsCampaign = true;
    const Campaign campaign = GenerateCampaign(input, DefaultSettings());
    EXPECT_EQ(OutcomesOf(*campaign.ScenarioAt(0)),
              (Strings{"New00v.txt>1:2000", "New00v.txt>1:1750", "New00v.txt>1:1500",
                       "New00l.txt>254:0"}));
    EXPECT_EQ(OutcomesOf(*campaign.ScenarioAt(9)), kEnds9);
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
        EXPECT_EQ(campaign.CampaignTXT(), std::string(expected) + ".txt") << typed;
        EXPECT_EQ(campaign.ScenarioAt(0)->ScenarioName(), std::string(expected) + "00.scn");
    }
}

TEST(GenerateCampaign, ASingleScenarioIsTheLastAndEndsTheCampaign) {
    const Campaign campaign = GenerateCampaign(Input("1"), DefaultSettings());
    ASSERT_EQ(campaign.NrOfScenarios(), 1);
    EXPECT_EQ(
        OutcomesOf(*campaign.ScenarioAt(0)),
        (Strings{"New00v.txt>254:0", "New00v.txt>254:0", "New00v.txt>254:0", "New00l.txt>254:0"}));
}

TEST(GenerateCampaign, TheSeparatorAndTheTextsFormEveryFileName) {
    SettingsRecord settings = DefaultSettings();
    settings.ScnFileSeparator = "_";
    NewCampaignInput input = Input("2");
    input.CampaignNameText = "camp1";
    input.InfoText = "-info";
    input.WinText = "W";
    input.LossText = "";
    const Campaign campaign = GenerateCampaign(input, settings);
    EXPECT_EQ(campaign.ScenarioAt(1)->ScenarioName(), "camp1_01.scn");
    EXPECT_EQ(campaign.ScenarioAt(1)->ScenarioTXT(), "camp1_01-info.txt");
    EXPECT_EQ(campaign.ScenarioAt(0)->Victories()->Item(3)->VictoryTXT(), "camp1_00W.txt");
    EXPECT_EQ(campaign.ScenarioAt(0)->Victories()->Item(4)->VictoryTXT(), "camp1_00.txt");
}

TEST(GenerateCampaign, NumbersPastNinetyNineTakeThreeDigits) {
    NewCampaignInput input = Input("250");
    input.IncMaxText = "0";
    const Campaign campaign = GenerateCampaign(input, DefaultSettings());
    ASSERT_EQ(campaign.Scenarios()->Count(), 250);
    EXPECT_EQ(campaign.ScenarioAt(99)->ScenarioName(), "New99.scn");
    EXPECT_EQ(campaign.ScenarioAt(100)->ScenarioName(), "New100.scn");
    EXPECT_EQ(campaign.ScenarioAt(248)->Victories()->Item(1)->OnEndGoTo(), 249);
}

TEST(GenerateCampaign, FractionsRoundToTheNearestWholeNumberHalvesToEven) {
    NewCampaignInput input = Input("2.5");  // two scenarios
    input.InitialMaxText = "100.5";
    input.IncMaxText = "1.5";
    input.IncBVText = "0.5";
    input.IncVText = "0.4";
    input.IncTVText = "0.6";
    input.IncLText = "1e1";
    const Campaign campaign = GenerateCampaign(input, DefaultSettings());
    ASSERT_EQ(campaign.NrOfScenarios(), 2);
    EXPECT_EQ(campaign.ScenarioAt(0)->Prestige(), 100);  // 100.5
    EXPECT_EQ(campaign.ScenarioAt(1)->Prestige(), 102);  // 102.0
    EXPECT_EQ(
        OutcomesOf(*campaign.ScenarioAt(0)),
        (Strings{"New00v.txt>1:100", "New00v.txt>1:100", "New00v.txt>1:101", "New00l.txt>1:110"}));
    input.NrOfScenariosText = "3.5";
    input.InitialMaxText = "101.5";
    EXPECT_EQ(GenerateCampaign(input, DefaultSettings()).NrOfScenarios(), 4);
    EXPECT_EQ(GenerateCampaign(input, DefaultSettings()).ScenarioAt(0)->Prestige(), 102);
}

TEST(GenerateCampaign, NamesInTheCodePageAreStoredAndOthersRefused) {
    NewCampaignInput input = Input("1");
    input.CampaignNameText = "Été.CAM";
    const Campaign campaign = GenerateCampaign(input, DefaultSettings());
    EXPECT_EQ(campaign.CampaignName(), "Été") << "the file's name, as the file system spells it";
    EXPECT_EQ(campaign.CampaignTXT(), "\xc9t\xe9.txt");
    for (const char* name : {"Жук", "第一"}) {
        input.CampaignNameText = name;
        EXPECT_EQ(test::ErrorOf([&] { GenerateCampaign(input, DefaultSettings()); }),
                  ErrorNumber::InvalidArgument)
            << name;
    }
    input.CampaignNameText = "camp";
    input.WinText = "победа";
    EXPECT_EQ(test::ErrorOf([&] { GenerateCampaign(input, DefaultSettings()); }),
              ErrorNumber::InvalidArgument);
    input.WinText = "v";
    input.IncTVText = "";
    EXPECT_EQ(test::ErrorOf([&] { GenerateCampaign(input, DefaultSettings()); }),
              ErrorNumber::TypeMismatch)
        << "a text that is no number";
}

TEST(GenerateCampaign, FindsTheGamesScenarioFolderWhateverItsCase) {
    test::TempFolder game;
    std::filesystem::create_directory(game.Path() / "Scenario");
    SettingsRecord settings = DefaultSettings();
    settings.GameFolder = game.File("");
    game.Write("Scenario/probe.txt", "");
    const std::string folder = GenerateCampaign(Input(), settings).CampaignFolder();
    EXPECT_TRUE(folder.ends_with(platform::PathSeparator()));
    // The folder the game has: on Windows any spelling names it, elsewhere only its own.
    EXPECT_TRUE(platform::FileExists(folder + "probe.txt")) << folder;
}

}  // namespace
}  // namespace xal
