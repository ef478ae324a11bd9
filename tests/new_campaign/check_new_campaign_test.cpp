#include <gtest/gtest.h>

#include <algorithm>

#include "new_campaign/campaign_generation.h"
#include "support/text_lines.h"

namespace xal {
namespace {

Campaign Generated(const std::string& name, const std::string& count,
                   const std::string& initialMax = "1000", const std::string& winText = "v") {
    NewCampaignInput input;
    input.CampaignNameText = name;
    input.NrOfScenariosText = count;
    input.InitialMaxText = initialMax;
    input.InfoText = "i";
    input.WinText = winText;
    input.LossText = "l";
    SettingsRecord settings;
    settings.GameFolder = "/games/XaL/";
    return GenerateCampaign(input, settings);
}

TEST(CheckNewCampaign, NamesOfExactlyTheLimitsPass) {
    // 16 characters; its files are 19 and, with a one-letter text, 20 characters long.
    const Campaign campaign = Generated("Campaign12345678", "1");
    ASSERT_EQ(campaign.CampaignName().size(), 16u);
    const std::string errors = CheckNewCampaign(campaign);
    EXPECT_EQ(errors.find("Campaign name"), std::string::npos);
    EXPECT_EQ(errors.rfind("Scenario name (Campaign1234567800.scn) is too long.\r\n", 0), 0u)
        << "the scenario names are 22 characters";

    const Campaign fits = Generated("Campaign12345", "2");
    ASSERT_EQ(fits.ScenarioAt(0)->ScenarioTXT().size(), 20u);
    EXPECT_EQ(CheckNewCampaign(fits), "");
}

TEST(CheckNewCampaign, ATooLongNameListsEveryFileNameItBreaks) {
    const std::string name = "ABCDEFGHIJKLMNOPQ";  // 17 characters
    const std::string scn = name + "00.scn";
    EXPECT_EQ(CheckNewCampaign(Generated(name, "1")),
              "Campaign name (" + name +
                  ") is too long.\r\n\r\n"
                  "Scenario name (" +
                  scn +
                  ") is too long.\r\n"
                  "Scenario information file name (" +
                  name + "00i.txt) for scenario " + scn +
                  " is too long.\r\n"
                  "Scenario brilliant victory text file name (" +
                  name + "00v.txt) for scenario " + scn +
                  " is too long.\r\n"
                  "Scenario victory text file name (" +
                  name + "00v.txt) for scenario " + scn +
                  " is too long.\r\n"
                  "Scenario tactical victory text file name (" +
                  name + "00v.txt) for scenario " + scn +
                  " is too long.\r\n"
                  "Scenario loss text file name (" +
                  name + "00l.txt) for scenario " + scn +
                  " is too long.\r\n"
                  "\r\n");
}

TEST(CheckNewCampaign, PrestigeAboveTheLimitFailsAndExactlyTheLimitPasses) {
    // Scenario 0 has 64000 and a best reward of exactly 65000; scenario 1 has exactly
    // 65000 and rewards above it; scenario 2, the last, has 66000.
    EXPECT_EQ(CheckNewCampaign(Generated("Hi", "3", "64000")),
              "Rewarded prestige (66000) for a brilliant victory in scenario Hi01.scn is too "
              "high.\r\n"
              "Rewarded prestige (65750) for a victory in scenario Hi01.scn is too high.\r\n"
              "Rewarded prestige (65500) for a tactical victory in scenario Hi01.scn is too "
              "high.\r\n"
              "Rewarded prestige (65250) for a loss in scenario Hi01.scn is too high.\r\n"
              "\r\n"
              "Max. prestige (66000) for scenario Hi02.scn is too high.\r\n"
              "\r\n");
}

TEST(CheckNewCampaign, EveryScenarioAfterTheFirstFailingOneAddsAnEmptyLine) {
    Campaign campaign = Generated("Hi", "3");
    campaign.ScenarioAt(0)->SetPrestige(70000);
    EXPECT_EQ(CheckNewCampaign(campaign),
              "Max. prestige (70000) for scenario Hi00.scn is too high.\r\n\r\n\r\n\r\n");

    Campaign laterFailure = Generated("Hi", "3");
    laterFailure.ScenarioAt(1)->SetPrestige(70000);
    EXPECT_EQ(CheckNewCampaign(laterFailure),
              "Max. prestige (70000) for scenario Hi01.scn is too high.\r\n\r\n\r\n");
}

TEST(CheckNewCampaign, SeventyDefaultScenariosPassTheMaximumUpToScenarioSixtyFour) {
    const std::vector<std::string> lines =
        test::CrLfLines(CheckNewCampaign(Generated("New", "70")));
    auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_FALSE(has("Max. prestige (65000) for scenario New64.scn is too high."));
    EXPECT_TRUE(
        has("Rewarded prestige (66000) for a brilliant victory in scenario New64.scn is "
            "too high."));
    EXPECT_TRUE(has("Rewarded prestige (65250) for a loss in scenario New64.scn is too high."));
    EXPECT_TRUE(has("Max. prestige (66000) for scenario New65.scn is too high."));
    EXPECT_TRUE(has("Max. prestige (70000) for scenario New69.scn is too high."));
    // Scenario 63 (64000, best reward exactly 65000) passes, so scenario 64 comes first.
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(),
              "Rewarded prestige (66000) for a brilliant victory in scenario New64.scn is too "
              "high.");
}

}  // namespace
}  // namespace xal
