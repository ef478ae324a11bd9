// SPDX-License-Identifier: MIT
#include "core/report/campaign_report.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

using test::MainWindowTest;

TEST_F(MainWindowTest, ReportWritesTheSummaryBesideTheCampaignAndNamesItsPath) {
    Campaign campaign = test::DistinctCampaign(2);
    campaign.SetCountry(4);
    OpenThroughToolbar(WriteCampaign("camp1.cam", campaign));
    // The country the campaign holds is reported.
    document.SetNumber(Field::Country, {}, 7);
    prompts.ExpectMessage(
        {"A summary report for this campaign has been saved to:\r\n" +
             campaigns.File("camp1_REPORT.txt"),
         platform::MessageButtons::Ok, platform::MessageIcon::Information, "XaL Campaign Editor"},
        platform::MessageAnswer::Ok);
    ClickToolbar("REPORT");
    prompts.VerifyDone();
    EXPECT_EQ(campaigns.Read("camp1_REPORT.txt"),
              CampaignReportText(*document.Campaign(), "Country 7"));
}

}  // namespace
}  // namespace xal
