#include <gtest/gtest.h>

#include <filesystem>

#include "new_campaign/campaign_generation.h"
#include "platform/file_system.h"
#include "support/error_of.h"
#include "support/temp_folder.h"

namespace xal {
namespace {

SettingsRecord DefaultSettings() {
    SettingsRecord settings;
    settings.GameFolder = "/games/XaL/";
    settings.ScnInfoFileSeparator = "i";
    settings.ScnVFileSeparator = "v";
    settings.ScnLFileSeparator = "l";
    return settings;
}

NewCampaignInput DefaultInput() {
    NewCampaignInput input;
    input.InfoText = "i";
    input.WinText = "v";
    input.LossText = "l";
    return input;
}

struct Outcome {
    std::string text;
    int goTo;
    Long prestige;
};

void ExpectOutcomes(const Scenario& scenario, const std::vector<Outcome>& expected) {
    ASSERT_EQ(scenario.Victories()->Count(), 4);
    for (long k = 0; k < 4; ++k) {
        const Victory& outcome = *scenario.Victories()->Item(k + 1);
        SCOPED_TRACE(scenario.ScenarioName() + " outcome " + std::to_string(k));
        EXPECT_EQ(outcome.VictoryTXT(), expected[k].text);
        EXPECT_EQ(outcome.OnEndGoTo(), expected[k].goTo);
        EXPECT_EQ(outcome.Prestige(), expected[k].prestige);
        EXPECT_EQ(outcome.VictoryMOV(), "");
    }
}

TEST(GenerateCampaign, TheDefaultsChainTenScenariosWithRisingPrestige) {
    const Campaign campaign = GenerateCampaign(DefaultInput(), DefaultSettings());
    EXPECT_EQ(campaign.CampaignName(), "New");
    EXPECT_EQ(campaign.CampaignFolder(), "/games/XaL/scenario" + platform::PathSeparator());
    EXPECT_EQ(campaign.CampaignTXT(), "New.txt");
    EXPECT_EQ(campaign.Country(), 1);
    EXPECT_EQ(campaign.Prestige(), 0);
    EXPECT_EQ(campaign.VictoryMOV(), "");
    EXPECT_EQ(campaign.DefeatMOV(), "");
    ASSERT_EQ(campaign.NrOfScenarios(), 10);
    ASSERT_EQ(campaign.Scenarios()->Count(), 10);

    for (int i = 0; i < 10; ++i) {
        const Scenario& scenario = *campaign.ScenarioAt(static_cast<Byte>(i));
        const std::string base = "New0" + std::to_string(i);
        EXPECT_EQ(scenario.ScenarioName(), base + ".scn");
        EXPECT_EQ(scenario.ScenarioNr(), i);
        EXPECT_EQ(scenario.ScenarioTXT(), base + "i.txt");
        EXPECT_EQ(scenario.ScenarioMOV(), "");
        EXPECT_EQ(scenario.Prestige(), 1000 * (i + 1));
        EXPECT_EQ(scenario.NrOfUnits(), 150);
    }
    ExpectOutcomes(*campaign.ScenarioAt(0), {{"New00v.txt", 1, 2000},
                                             {"New00v.txt", 1, 1750},
                                             {"New00v.txt", 1, 1500},
                                             {"New00l.txt", 1, 1250}});
    ExpectOutcomes(*campaign.ScenarioAt(8), {{"New08v.txt", 9, 10000},
                                             {"New08v.txt", 9, 9750},
                                             {"New08v.txt", 9, 9500},
                                             {"New08l.txt", 9, 9250}});
    ExpectOutcomes(*campaign.ScenarioAt(9), {{"New09v.txt", 254, 0},
                                             {"New09v.txt", 254, 0},
                                             {"New09v.txt", 254, 0},
                                             {"New09l.txt", 254, 0}});
    EXPECT_EQ(CheckNewCampaign(campaign), "");
}

TEST(GenerateCampaign, DropsOneCampEndingInAnyCase) {
    const std::pair<const char*, const char*> names[] = {
        {"Camp.CAM", "Camp"}, {"Camp.cam.cam", "Camp.cam"}, {"Camp.Cam", "Camp"}, {".cam", ""},
        {"cam", "cam"},       {"Camp.camx", "Camp.camx"}};
    for (const auto& [typed, expected] : names) {
        NewCampaignInput input = DefaultInput();
        input.CampaignNameText = typed;
        const Campaign campaign = GenerateCampaign(input, DefaultSettings());
        EXPECT_EQ(campaign.CampaignName(), expected) << typed;
        EXPECT_EQ(campaign.CampaignTXT(), std::string(expected) + ".txt") << typed;
        EXPECT_EQ(campaign.ScenarioAt(0)->ScenarioName(), std::string(expected) + "00.scn")
            << typed;
    }
}

TEST(GenerateCampaign, ASingleScenarioIsTheLastAndEndsTheCampaign) {
    NewCampaignInput input = DefaultInput();
    input.NrOfScenariosText = "1";
    const Campaign campaign = GenerateCampaign(input, DefaultSettings());
    ASSERT_EQ(campaign.NrOfScenarios(), 1);
    EXPECT_EQ(campaign.ScenarioAt(0)->Prestige(), 1000);
    ExpectOutcomes(*campaign.ScenarioAt(0), {{"New00v.txt", 254, 0},
                                             {"New00v.txt", 254, 0},
                                             {"New00v.txt", 254, 0},
                                             {"New00l.txt", 254, 0}});
}

TEST(GenerateCampaign, LossEndsCampaignChangesOnlyTheLossesBeforeTheLastScenario) {
    NewCampaignInput input = DefaultInput();
    input.NrOfScenariosText = "3";
    input.LossEndsCampaign = true;
    const Campaign campaign = GenerateCampaign(input, DefaultSettings());
    ExpectOutcomes(*campaign.ScenarioAt(0), {{"New00v.txt", 1, 2000},
                                             {"New00v.txt", 1, 1750},
                                             {"New00v.txt", 1, 1500},
                                             {"New00l.txt", 254, 0}});
    ExpectOutcomes(*campaign.ScenarioAt(1), {{"New01v.txt", 2, 3000},
                                             {"New01v.txt", 2, 2750},
                                             {"New01v.txt", 2, 2500},
                                             {"New01l.txt", 254, 0}});
    ExpectOutcomes(*campaign.ScenarioAt(2), {{"New02v.txt", 254, 0},
                                             {"New02v.txt", 254, 0},
                                             {"New02v.txt", 254, 0},
                                             {"New02l.txt", 254, 0}});
}

TEST(GenerateCampaign, TheSeparatorAndTheTextsFormEveryFileName) {
    SettingsRecord settings = DefaultSettings();
    settings.ScnFileSeparator = "_";
    settings.ScnVFileSeparator = "won";  // the wizard's texts count, not the settings'
    NewCampaignInput input = DefaultInput();
    input.CampaignNameText = "camp1";
    input.InfoText = "-info";
    input.WinText = "W";
    input.LossText = "";
    input.NrOfScenariosText = "2";
    const Campaign campaign = GenerateCampaign(input, settings);
    EXPECT_EQ(campaign.ScenarioAt(0)->ScenarioName(), "camp1_00.scn");
    EXPECT_EQ(campaign.ScenarioAt(1)->ScenarioName(), "camp1_01.scn");
    EXPECT_EQ(campaign.ScenarioAt(1)->ScenarioTXT(), "camp1_01-info.txt");
    EXPECT_EQ(campaign.ScenarioAt(0)->Victories()->Item(3)->VictoryTXT(), "camp1_00W.txt");
    EXPECT_EQ(campaign.ScenarioAt(0)->Victories()->Item(4)->VictoryTXT(), "camp1_00.txt");
}

TEST(GenerateCampaign, NumbersPastNinetyNineTakeThreeDigits) {
    NewCampaignInput input = DefaultInput();
    input.NrOfScenariosText = "250";
    input.IncMaxText = "0";
    const Campaign campaign = GenerateCampaign(input, DefaultSettings());
    ASSERT_EQ(campaign.Scenarios()->Count(), 250);
    EXPECT_EQ(campaign.ScenarioAt(99)->ScenarioName(), "New99.scn");
    EXPECT_EQ(campaign.ScenarioAt(100)->ScenarioName(), "New100.scn");
    EXPECT_EQ(campaign.ScenarioAt(248)->Victories()->Item(1)->OnEndGoTo(), 249);
    EXPECT_EQ(campaign.ScenarioAt(249)->Victories()->Item(1)->OnEndGoTo(), 254);
}

TEST(GenerateCampaign, FractionsRoundToTheNearestWholeNumberHalvesToEven) {
    NewCampaignInput input = DefaultInput();
    input.NrOfScenariosText = "2.5";  // two scenarios
    input.InitialMaxText = "100.5";
    input.IncMaxText = "1.5";
    input.IncBVText = "0.5";
    input.IncVText = "0.4";
    input.IncTVText = "0.6";
    input.IncLText = "1e1";
    const Campaign campaign = GenerateCampaign(input, DefaultSettings());
    ASSERT_EQ(campaign.NrOfScenarios(), 2);
    const Scenario& first = *campaign.ScenarioAt(0);
    EXPECT_EQ(first.Prestige(), 100);                        // 100.5
    EXPECT_EQ(campaign.ScenarioAt(1)->Prestige(), 102);      // 102.0
    EXPECT_EQ(first.Victories()->Item(1)->Prestige(), 100);  // 100 + 0.5
    EXPECT_EQ(first.Victories()->Item(2)->Prestige(), 100);  // 100 + 0.4
    EXPECT_EQ(first.Victories()->Item(3)->Prestige(), 101);  // 100 + 0.6
    EXPECT_EQ(first.Victories()->Item(4)->Prestige(), 110);  // 100 + 10

    input.NrOfScenariosText = "3.5";
    input.InitialMaxText = "101.5";
    EXPECT_EQ(GenerateCampaign(input, DefaultSettings()).NrOfScenarios(), 4);
    EXPECT_EQ(GenerateCampaign(input, DefaultSettings()).ScenarioAt(0)->Prestige(), 102);
}

TEST(GenerateCampaign, NamesInTheCodePageAreStoredAndOthersRefused) {
    NewCampaignInput input = DefaultInput();
    input.NrOfScenariosText = "1";
    input.CampaignNameText = "Été.CAM";
    const Campaign campaign = GenerateCampaign(input, DefaultSettings());
    EXPECT_EQ(campaign.CampaignName(), "Été") << "the file's name, as the file system spells it";
    EXPECT_EQ(campaign.CampaignTXT(), "\xc9t\xe9.txt");
    EXPECT_EQ(campaign.ScenarioAt(0)->ScenarioName(),
              "\xc9t\xe9"
              "00.scn");

    for (const char* name : {"Жук", "Łódź", "第一"}) {
        input.CampaignNameText = name;
        EXPECT_EQ(test::ErrorOf([&] { GenerateCampaign(input, DefaultSettings()); }),
                  ErrorNumber::InvalidArgument)
            << name;
    }
    input.CampaignNameText = "camp";
    input.WinText = "победа";
    EXPECT_EQ(test::ErrorOf([&] { GenerateCampaign(input, DefaultSettings()); }),
              ErrorNumber::InvalidArgument);
}

TEST(GenerateCampaign, FindsTheGamesScenarioFolderWhateverItsCase) {
    test::TempFolder game;
    std::filesystem::create_directory(game.Path() / "Scenario");
    SettingsRecord settings = DefaultSettings();
    settings.GameFolder = game.File("");
    game.Write("Scenario/probe.txt", "");
    const std::string folder = GenerateCampaign(DefaultInput(), settings).CampaignFolder();
    EXPECT_TRUE(folder.ends_with(platform::PathSeparator()));
    // The folder the game has: on Windows any spelling names it, elsewhere only its own.
    EXPECT_TRUE(platform::FileExists(folder + "probe.txt")) << folder;
}

TEST(GenerateCampaign, ATextThatIsNoNumberIsATypeMismatch) {
    NewCampaignInput input = DefaultInput();
    input.IncTVText = "";
    EXPECT_EQ(test::ErrorOf([&] { GenerateCampaign(input, DefaultSettings()); }),
              ErrorNumber::TypeMismatch);
}

}  // namespace
}  // namespace xal
