// SPDX-License-Identifier: MIT
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

using test::MainWindowTest;

void ClickEntry(gui::frmMain& window, const QString& key) {
    QTreeWidgetItem* entry = window.ScenarioEntry(key);
    ASSERT_NE(entry, nullptr) << key.toStdString();
    QRect place = window.lvScenarios->visualItemRect(entry);
    QTest::mouseClick(window.lvScenarios->viewport(), Qt::LeftButton, {}, place.center());
}

TEST_F(MainWindowTest, ACampaignIsShownWithItsListsAndScenarioZero) {
    Campaign campaign = test::DistinctCampaign(3);
    campaign.ScenarioAt(0)->Victories()->Item(2)->SetOnEndGoTo(1);
    OpenThroughToolbar(WriteCampaign("camp1.cam", campaign));
    gui::frmMain& window = Window();
    EXPECT_EQ(window.cbxCountry->currentText(), "Country 7");
    ASSERT_EQ(window.lvScenarios->topLevelItemCount(), 3);
    EXPECT_EQ(window.lvScenarios->topLevelItem(2)->text(1), "camp12.scn");
    gui::DropDownList* goTo = window.cbxVictoryGoto[1];
    ASSERT_EQ(goTo->count(), 4);
    EXPECT_EQ(goTo->itemText(0), "END/SCORE");
    EXPECT_EQ(goTo->itemData(0).toInt(), 254);
    EXPECT_EQ(goTo->currentText(), "1");
    EXPECT_EQ(window.fraScenario->title(), "Scenario 0");
    EXPECT_EQ(window.txtVictoryPrestige[2]->text(), "65533");

    ClickEntry(window, "_2");
    EXPECT_EQ(window.txtScenario->text(), "camp12.scn");
    QTest::keyClick(window.lvScenarios, Qt::Key_Up);
    EXPECT_EQ(window.fraScenario->title(), "Scenario 1") << "the keyboard moves through the list";
    EXPECT_FALSE(window.mnuSave->isEnabled()) << "choosing a scenario is no edit";
}

TEST_F(MainWindowTest, ACountryTheListDoesNotHoldIsShownAndReportedAsNone) {
    Campaign campaign = test::DistinctCampaign(2);
    campaign.SetCountry(3);
    OpenThroughToolbar(WriteCampaign("known.cam", campaign));
    campaign.SetCountry(0);
    OpenThroughToolbar(WriteCampaign("odd.cam", campaign));
    EXPECT_EQ(Window().cbxCountry->currentText(), "") << "not the country shown before";
    const std::string report = campaigns.File("odd_REPORT.txt");
    prompts.ExpectMessage("A summary report for this campaign has been saved to:\r\n" + report);
    ClickToolbar("REPORT");
    EXPECT_NE(campaigns.Read("odd_REPORT.txt").find("Country:\t (0)\r\n"), std::string::npos);
}

TEST_F(MainWindowTest, OutOfRangeValuesAreShownWithoutChangingTheCampaign) {
    Campaign odd = test::DistinctCampaign(2);
    odd.SetCountry(0);
    odd.ScenarioAt(0)->SetPrestige(65535);
    odd.ScenarioAt(0)->Victories()->Item(1)->SetOnEndGoTo(77);
    OpenThroughToolbar(WriteCampaign("odd.cam", odd));
    gui::frmMain& window = Window();
    EXPECT_EQ(window.cbxVictoryGoto[0]->currentIndex(), -1);
    EXPECT_EQ(window.txtScenarioPrestige->text(), "65535");
    EXPECT_FALSE(window.mnuSave->isEnabled());
}

TEST_F(MainWindowTest, PickingFromTheListsStoresTheChoiceForTheShownScenario) {
    OpenThroughToolbar(WriteCampaign("camp1.cam", test::DistinctCampaign(3)));
    gui::frmMain& window = Window();
    ClickEntry(window, "_2");
    QTest::keyClick(window.cbxVictoryGoto[1], Qt::Key_End);
    EXPECT_EQ(document.Campaign()->ScenarioAt(2)->Victories()->Item(2)->OnEndGoTo(), 2);
    EXPECT_EQ(document.Campaign()->ScenarioAt(0)->Victories()->Item(2)->OnEndGoTo(), 1);
    QTest::keyClick(window.cbxCountry, Qt::Key_Down);
    EXPECT_EQ(document.Campaign()->Country(), 8);
}

}  // namespace
}  // namespace xal
