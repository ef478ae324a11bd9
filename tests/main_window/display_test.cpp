#include "model/mod_main.h"
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

TEST_F(MainWindowTest, AThreeScenarioCampaignIsShownWithItsListsAndScenarioZero) {
    Campaign campaign = test::DistinctCampaign(3);
    campaign.ScenarioAt(0)->Victories()->Item(2)->SetOnEndGoTo(1);
    OpenThroughToolbar(WriteCampaign("camp1.cam", campaign));
    gui::frmMain& window = Window();
    EXPECT_EQ(window.txtCampaignNrOfScenarios->text(), "3");
    EXPECT_EQ(window.txtCampaignDefeatMOV->text(), "lost.mov");
    EXPECT_EQ(window.cbxCountry->currentText(), "Country 7");
    ASSERT_EQ(window.lvScenarios->topLevelItemCount(), 3);
    for (int i = 0; i < 3; ++i) {
        QTreeWidgetItem* entry = window.lvScenarios->topLevelItem(i);
        EXPECT_EQ(entry->data(0, Qt::UserRole).toString(), "_" + QString::number(i));
        EXPECT_EQ(entry->text(0), QString::number(i));
        EXPECT_EQ(entry->text(1), QString("camp1%1.scn").arg(i));
    }
    for (gui::DropDownList* list : window.cbxVictoryGoto) {
        QStringList texts;
        QList<int> values;
        for (int i = 0; i < list->count(); ++i) {
            texts << list->itemText(i);
            values << list->itemData(i).toInt();
        }
        EXPECT_EQ(texts, (QStringList{"END/SCORE", "0", "1", "2"}));
        EXPECT_EQ(values, (QList<int>{254, 0, 1, 2}));
    }
    EXPECT_EQ(window.fraScenario->title(), "Scenario 0");
    EXPECT_EQ(window.txtScenarioTXT->text(), "s0i.txt");
    EXPECT_EQ(window.txtScenarioPrestige->text(), "1000");
    EXPECT_EQ(window.txtVictoryMOV[2]->text(), "m0_2.mov");
    EXPECT_EQ(window.txtVictoryPrestige[2]->text(), "65533");
    EXPECT_EQ(window.cbxVictoryGoto[1]->currentText(), "1");
    EXPECT_EQ(window.cbxVictoryGoto[3]->currentText(), "END/SCORE");

    ClickEntry(window, "_2");
    EXPECT_EQ(window.txtScenarioNr->text(), "2");
    EXPECT_EQ(window.txtScenario->text(), "camp12.scn");
    QTest::keyClick(window.lvScenarios, Qt::Key_Up);
    EXPECT_EQ(window.fraScenario->title(), "Scenario 1") << "the keyboard moves through the list";
    EXPECT_FALSE(window.mnuSave->isEnabled()) << "choosing a scenario is no edit";
}

TEST_F(MainWindowTest, ShowingOutOfRangeValuesNeitherFailsNorChangesTheCampaign) {
    Campaign first = test::DistinctCampaign(1);
    first.SetCountry(4);
    OpenThroughToolbar(WriteCampaign("first.cam", first));
    Campaign odd = test::DistinctCampaign(2);
    odd.SetCountry(0);
    odd.ScenarioAt(0)->SetPrestige(65535);
    odd.ScenarioAt(0)->Victories()->Item(1)->SetOnEndGoTo(77);
    OpenThroughToolbar(WriteCampaign("odd.cam", odd));
    gui::frmMain& window = Window();
    EXPECT_EQ(window.cbxCountry->currentText(), "Country 4") << "the previous country stays picked";
    EXPECT_EQ(modMain::CurrentCampaign()->Country(), 0);
    EXPECT_EQ(window.cbxVictoryGoto[0]->currentIndex(), -1)
        << "a go-to to no scenario picks nothing";
    EXPECT_EQ(modMain::CurrentCampaign()->ScenarioAt(0)->Victories()->Item(1)->OnEndGoTo(), 77);
    EXPECT_EQ(window.txtScenarioPrestige->text(), "65535");
    EXPECT_FALSE(window.mnuSave->isEnabled());
}

TEST_F(MainWindowTest, PickingFromTheListsStoresTheChoiceAndOpeningThemMarksAChange) {
    OpenThroughToolbar(WriteCampaign("camp1.cam", test::DistinctCampaign(3)));
    gui::frmMain& window = Window();
    ClickEntry(window, "_2");
    gui::DropDownList* loss = window.cbxVictoryGoto[3];
    QTest::keyClick(loss, Qt::Key_Home);  // "END/SCORE"
    EXPECT_EQ(modMain::CurrentCampaign()->ScenarioAt(2)->Victories()->Item(4)->OnEndGoTo(), 254);
    QTest::keyClick(window.cbxVictoryGoto[1], Qt::Key_End);
    EXPECT_EQ(modMain::CurrentCampaign()->ScenarioAt(2)->Victories()->Item(2)->OnEndGoTo(), 2);
    EXPECT_EQ(modMain::CurrentCampaign()->ScenarioAt(0)->Victories()->Item(2)->OnEndGoTo(), 1)
        << "only the shown scenario changes";
    QTest::keyClick(window.cbxCountry, Qt::Key_Down);
    EXPECT_EQ(modMain::CurrentCampaign()->Country(), 8);

    window.SetSaved();
    QTest::mouseClick(loss, Qt::LeftButton);  // opens the list; closing it picks nothing
    loss->hidePopup();
    EXPECT_TRUE(window.mnuSave->isEnabled());
    EXPECT_EQ(modMain::CurrentCampaign()->ScenarioAt(2)->Victories()->Item(4)->OnEndGoTo(), 254);
}

}  // namespace
}  // namespace xal
