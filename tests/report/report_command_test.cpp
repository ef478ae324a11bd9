#include "model/mod_main.h"
#include "report/campaign_report.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

using platform::MessageAnswer;
using test::MainWindowTest;

TEST_F(MainWindowTest, ReportWritesTheSummaryBesideTheCampaignAndNamesItsPath) {
    Campaign campaign = test::DistinctCampaign(2);
    campaign.SetCountry(4);
    OpenThroughToolbar(WriteCampaign("camp1.cam", campaign));
    QTest::keyClick(Window().cbxCountry, Qt::Key_Down);  // shows Country 5, stores 5
    modMain::CurrentCampaign()->SetCountry(7);           // the box and the number disagree

    const std::string path = campaigns.File("camp1_REPORT.txt");
    prompts.ExpectMessage(
        {"A summary report for this campaign has been saved to:\r\n" + path,
         platform::MessageButtons::Ok, platform::MessageIcon::Information, "XaL Campaign Editor"},
        MessageAnswer::Ok);
    ClickToolbar("REPORT");
    prompts.VerifyDone();
    const std::string report = campaigns.Read("camp1_REPORT.txt");
    EXPECT_EQ(report, CampaignReportText(*modMain::CurrentCampaign(), "Country 5"));
    EXPECT_NE(report.find("        Country:\tCountry 5 (7)\r\n"), std::string::npos);
}

TEST_F(MainWindowTest, AReportThatCannotBeMadeIsReportedAndKeepsTheOldFile) {
    Campaign campaign = test::DistinctCampaign(2);
    campaign.ScenarioAt(0)->Victories()->Item(1)->SetOnEndGoTo(2);  // names no scenario
    OpenThroughToolbar(WriteCampaign("camp1.cam", campaign));
    campaigns.Write("camp1_REPORT.txt", "earlier report");

    prompts.ExpectMessage({"9\r\nSubscript out of range", platform::MessageButtons::Ok,
                           platform::MessageIcon::None, "XaL_CampaignEdit"},
                          MessageAnswer::Ok);
    Window().mnuReport->trigger();
    prompts.VerifyDone();
    EXPECT_EQ(campaigns.Read("camp1_REPORT.txt"), "earlier report");
}

}  // namespace
}  // namespace xal
