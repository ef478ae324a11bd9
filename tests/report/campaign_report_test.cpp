#include <gtest/gtest.h>

#include <filesystem>

#include "report/campaign_report.h"
#include "support/error_of.h"
#include "support/temp_folder.h"
#include "support/text_lines.h"

namespace xal {
namespace {

const std::string kRule(80, '=');

// camp1: scenario 0 leads on to scenario 1 or back to itself, scenario 1 ends it.
Campaign TwoScenarios(const std::string& folder) {
    Campaign campaign;
    campaign.SetCampaignName("camp1");
    campaign.SetCampaignFolder(folder);
    campaign.SetCountry(3);
    campaign.SetPrestige(500);
    campaign.SetNrOfScenarios(2);
    auto first = campaign.Scenarios()->Add("camp1_01.scn", 0, {}, {}, 1000, 150);
    first->Victories()->Add({}, {}, 2000, 1);
    first->Victories()->Add({}, {}, 1750, 1);
    first->Victories()->Add({}, {}, 1500, 0);
    first->Victories()->Add({}, {}, 0, 254);
    auto second = campaign.Scenarios()->Add("A_rather_long_name_here.scn", 1, {}, {}, 65000, 150);
    for (int k = 0; k < 4; ++k) second->Victories()->Add({}, {}, 0, 254);
    return campaign;
}

TEST(CampaignReport, ListsTheCampaignThenEveryScenarioLineByLine) {
    const std::vector<std::string> lines =
        test::CrLfLines(CampaignReportText(TwoScenarios("/camps/"), "Country Three"));
    const std::vector<std::string> expected = {
        "CAMPAIGN SUMMARY REPORT", kRule, "  Campaign name:\tcamp1.cam", "Nr of scenarios:\t2",
        "        Country:\tCountry Three (3)", " Start prestige:\t500", "", "SCENARIOS:", kRule,
        "Scenario name:\tcamp1_01.scn", "Max. prestige:\t1000",
        std::string(40, ' ') + "Goto scenario:       Prestige reward:",
        std::string(40, ' ') + std::string(40, '-'),
        // A 12-character name, 9 blanks, then the prestige from column 62.
        "                     Brilliant victory: A_rather_long_name_here.scn2000",
        "                               Victory: A_rather_long_name_here.scn1750",
        "                      Tactical victory: camp1_01.scn         1500",
        "                                  Loss: END/SCORE", kRule,
        "Scenario name:\tA_rather_long_name_here.scn", "Max. prestige:\t65000",
        std::string(40, ' ') + "Goto scenario:       Prestige reward:",
        std::string(40, ' ') + std::string(40, '-'),
        "                     Brilliant victory: END/SCORE",
        "                               Victory: END/SCORE",
        "                      Tactical victory: END/SCORE",
        "                                  Loss: END/SCORE", kRule};
    EXPECT_EQ(lines, expected);
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[15].find("1500"), 61u) << "the prestige starts at column 62";
}

TEST(CampaignReport, AnEmptyCampaignHasTheHeadOnly) {
    Campaign campaign;
    campaign.SetCampaignName("empty");
    const std::vector<std::string> lines = test::CrLfLines(CampaignReportText(campaign, ""));
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[3], "Nr of scenarios:\t0");
    EXPECT_EQ(lines[4], "        Country:\t (0)");
}

TEST(CampaignReport, AGoToThatNamesNoScenarioIsAnErrorAndWritesNothing) {
    test::TempFolder folder;
    Campaign campaign = TwoScenarios(folder.File(""));
    folder.Write("camp1_REPORT.txt", "earlier report");
    campaign.ScenarioAt(0)->Victories()->Item(2)->SetOnEndGoTo(2);  // left by deleting
    EXPECT_EQ(test::ErrorOf([&] { WriteCampaignReport(campaign, "x"); }),
              ErrorNumber::SubscriptOutOfRange);
    campaign.ScenarioAt(0)->Victories()->Item(2)->SetOnEndGoTo(255);
    EXPECT_EQ(test::ErrorOf([&] { WriteCampaignReport(campaign, "x"); }),
              ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(folder.Read("camp1_REPORT.txt"), "earlier report");
}

TEST(CampaignReport, IsWrittenBesideTheCampaignAndReplacesTheEarlierOne) {
    test::TempFolder folder;
    Campaign campaign = TwoScenarios(folder.File(""));
    EXPECT_EQ(CampaignReportPath(campaign), folder.File("camp1_REPORT.txt"));
    EXPECT_EQ(WriteCampaignReport(campaign, "One"), folder.File("camp1_REPORT.txt"));
    campaign.SetPrestige(42);
    WriteCampaignReport(campaign, "One");
    EXPECT_EQ(folder.Read("camp1_REPORT.txt"), CampaignReportText(campaign, "One"));
    EXPECT_EQ(test::CrLfLines(folder.Read("camp1_REPORT.txt"))[5], " Start prestige:\t42");
}

TEST(CampaignReport, AFileThatCannotBeWrittenIsAnErrorAndKeepsTheOldOne) {
    test::TempFolder folder;
    Campaign campaign = TwoScenarios(folder.File("missing/"));
    EXPECT_NE(test::ErrorOf([&] { WriteCampaignReport(campaign, "x"); }), 0);
    std::filesystem::create_directory(folder.Path() / "camp1_REPORT.txt");
    campaign.SetCampaignFolder(folder.File(""));
    EXPECT_NE(test::ErrorOf([&] { WriteCampaignReport(campaign, "x"); }), 0);
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "camp1_REPORT.txt"));
}

}  // namespace
}  // namespace xal
