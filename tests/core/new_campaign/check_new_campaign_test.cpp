// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/new_campaign/campaign_generation.h"

namespace xal {
namespace {

Campaign Generated(const std::string& name, const std::string& count,
                   const std::string& initialMax = "1000") {
    NewCampaignInput input;
    input.CampaignNameText = name;
    input.NrOfScenariosText = count;
    input.InitialMaxText = initialMax;
    input.InfoText = "i";
    input.WinText = "v";
    input.LossText = "l";
    return GenerateCampaign(input, SettingsRecord{});
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

TEST(CheckNewCampaign, ATooLongNameListsEveryFileNameItBreaks) {
    const std::string name = "ABCDEFGHIJKLMNOPQ";  // 17 characters
    const std::string scn = " for scenario " + name + "00.scn is too long.\r\n";
    EXPECT_EQ(CheckNewCampaign(Generated(name, "1")),
              "A campaign name has at most 16 characters.\r\nA file name has at most 20 "
              "characters.\r\n\r\nCampaign name (" +
                  name + ") is too long.\r\n\r\nScenario name (" + name +
                  "00.scn) is too long.\r\nScenario information file name (" + name + "00i.txt)" +
                  scn + "Scenario brilliant victory text file name (" + name + "00v.txt)" + scn +
                  "Scenario victory text file name (" + name + "00v.txt)" + scn +
                  "Scenario tactical victory text file name (" + name + "00v.txt)" + scn +
                  "Scenario loss text file name (" + name + "00l.txt)" + scn + "\r\n");
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
