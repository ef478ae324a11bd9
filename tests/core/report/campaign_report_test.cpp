// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/report/campaign_report.h"
#include "support/error_of.h"
#include "support/temp_folder.h"

namespace xal {
namespace {

const std::string kRule(80, '=');

// The lines of a text whose every line ends with CR LF; a text that does not end so
// fails the test.
std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return lines;
}

// camp1: scenario 0 leads on to scenario 1 or back to itself, scenario 1 ends it.
Campaign TwoScenarios(const std::string& folder) {
    Campaign campaign;
    campaign.SetCampaignName("camp1");
    campaign.SetCampaignFolder(folder);
    campaign.SetCountry(3);
    campaign.SetPrestige(500);
    campaign.SetNrOfScenarios(2);
    auto first = campaign.Scenarios()->Add("camp1_01.scn", 0, {}, {}, 1000, 150);
    const std::pair<Long, Byte> outcomes[] = {{2000, 1}, {1750, 1}, {1500, 0}, {0, 254}};
    for (const auto& [prestige, goTo] : outcomes) first->Victories()->Add({}, {}, prestige, goTo);
    auto second = campaign.Scenarios()->Add("A_rather_long_name_here.scn", 1, {}, {}, 65000, 150);
    for (int k = 0; k < 4; ++k) second->Victories()->Add({}, {}, 0, 254);
    return campaign;
}

TEST(CampaignReport, ListsTheCampaignThenEveryScenarioLineByLine) {
    const std::vector<std::string> lines =
        CrLfLines(CampaignReportText(TwoScenarios("/camps/"), "Country Three"));
    const std::string head = std::string(40, ' ') + "Goto scenario:       Prestige reward:";
    const std::string dashes = std::string(40, ' ') + std::string(40, '-');
    const std::vector<std::string> expected = {
        "CAMPAIGN SUMMARY REPORT", kRule, "  Campaign name:\tcamp1.cam", "Nr of scenarios:\t2",
        "        Country:\tCountry Three (3)", " Start prestige:\t500", "", "SCENARIOS:", kRule,
        "Scenario name:\tcamp1_01.scn", "Max. prestige:\t1000", head, dashes,
        // A 12-character name, 9 blanks, then the prestige from column 62.
        "                     Brilliant victory: A_rather_long_name_here.scn2000",
        "                               Victory: A_rather_long_name_here.scn1750",
        "                      Tactical victory: camp1_01.scn         1500",
        "                                  Loss: END/SCORE", kRule,
        "Scenario name:\tA_rather_long_name_here.scn", "Max. prestige:\t65000", head, dashes,
        "                     Brilliant victory: END/SCORE",
        "                               Victory: END/SCORE",
        "                      Tactical victory: END/SCORE",
        "                                  Loss: END/SCORE", kRule};
    EXPECT_EQ(lines, expected);
}

TEST(CampaignReport, IsWrittenBesideTheCampaignAndSaysAGoToThatNamesNoScenario) {
    test::TempFolder folder;
    Campaign campaign = TwoScenarios(folder.File(""));
    folder.Write("camp1_REPORT.txt", "earlier report");
    EXPECT_EQ(WriteCampaignReport(campaign, "One"), folder.File("camp1_REPORT.txt"));
    EXPECT_EQ(folder.Read("camp1_REPORT.txt"), CampaignReportText(campaign, "One"));
    campaign.ScenarioAt(0)->Victories()->Item(2)->SetOnEndGoTo(2);  // as deleting leaves it
    EXPECT_EQ(CrLfLines(CampaignReportText(campaign, "x"))[14],
              "                               Victory: 2 (no scenario)      1750");
    const std::string unwritable = folder.File("missing/camp1_REPORT.txt");
    campaign.SetCampaignFolder(folder.File("missing/"));
    EXPECT_NE(
        test::ReportOf([&] { WriteCampaignReport(campaign, "x"); }).find("File: " + unwritable),
        std::string::npos);
}

}  // namespace
}  // namespace xal
