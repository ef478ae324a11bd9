#include "model/mod_main.h"
#include "scenario_ops/scenario_ops.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

using test::MainWindowTest;

class ScenarioCommandsTest : public MainWindowTest {
  protected:
    gui::frmMain& Opened(int count) {
        OpenThroughToolbar(WriteCampaign("camp1.cam", test::DistinctCampaign(count)));
        EXPECT_FALSE(Window().mnuSave->isEnabled());
        return Window();
    }
    void Select(const QString& key) {
        QTreeWidget* list = Window().lvScenarios;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(Window().ScenarioEntry(key)).center());
        ASSERT_EQ(Window().txtScenarioNr->text(), key.mid(1));
    }
    QString Selected() {
        const auto selected = Window().lvScenarios->selectedItems();
        return selected.size() == 1 ? selected.first()->data(0, Qt::UserRole).toString() : "";
    }
};

TEST_F(ScenarioCommandsTest, AddSelectsAndShowsTheNewScenario) {
    gui::frmMain& window = Opened(3);
    QTest::mouseClick(window.cmdAdd, Qt::LeftButton);
    EXPECT_EQ(window.lvScenarios->topLevelItemCount(), 4);
    EXPECT_EQ(Selected(), "_3");
    EXPECT_EQ(window.txtScenarioNr->text(), "3");
    EXPECT_EQ(window.txtScenario->text(), "camp1_04.scn");
    EXPECT_EQ(window.cbxVictoryGoto[0]->currentText(), "END/SCORE");
    EXPECT_EQ(window.txtCampaignNrOfScenarios->text(), "4");
    EXPECT_TRUE(window.mnuSave->isEnabled());
}

TEST_F(ScenarioCommandsTest, AddToAFullCampaignReportsTheOverflowAndShowsTheLastScenario) {
    gui::frmMain& window = Opened(1);
    while (modMain::CurrentCampaign()->NrOfScenarios() < 255)
        AddScenario(*modMain::CurrentCampaign());
    prompts.ExpectMessage({"6\r\nOverflow", platform::MessageButtons::Ok,
                           platform::MessageIcon::None, "XaL_CampaignEdit"},
                          platform::MessageAnswer::Ok);
    QTest::mouseClick(window.cmdAdd, Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(window.lvScenarios->topLevelItemCount(), 255);
    EXPECT_EQ(Selected(), "_254");
}

TEST_F(ScenarioCommandsTest, TheSelectionFollowsTheMovedScenarioAndMovesPastTheEndsDoNothing) {
    gui::frmMain& window = Opened(3);
    QTest::mouseClick(window.cmdDown, Qt::LeftButton);  // nothing selected yet
    Select("_0");
    QTest::mouseClick(window.cmdUp, Qt::LeftButton);
    EXPECT_FALSE(window.mnuSave->isEnabled());
    Select("_1");
    QTest::mouseClick(window.cmdUp, Qt::LeftButton);
    EXPECT_EQ(Selected(), "_0");
    EXPECT_EQ(window.txtScenario->text(), "camp11.scn");
    EXPECT_EQ(window.ScenarioEntry("_1")->text(1), "camp10.scn");
    EXPECT_TRUE(window.mnuSave->isEnabled());
    QTest::mouseClick(window.cmdDown, Qt::LeftButton);
    QTest::mouseClick(window.cmdDown, Qt::LeftButton);
    QTest::mouseClick(window.cmdDown, Qt::LeftButton);
    EXPECT_EQ(Selected(), "_2");
    EXPECT_EQ(window.ScenarioEntry("_2")->text(1), "camp11.scn");
}

TEST_F(ScenarioCommandsTest, DeleteRemovesTheSelectedScenarioAndShowsScenarioZero) {
    gui::frmMain& window = Opened(3);
    Select("_1");
    QTest::mouseClick(window.cmdDelete, Qt::LeftButton);
    EXPECT_EQ(window.lvScenarios->topLevelItemCount(), 2);
    EXPECT_EQ(window.ScenarioEntry("_1")->text(1), "camp12.scn");
    EXPECT_EQ(window.txtScenarioNr->text(), "0");
    EXPECT_TRUE(window.mnuSave->isEnabled());
}

TEST_F(ScenarioCommandsTest, TheLastScenarioIsNeverDeleted) {
    gui::frmMain& window = Opened(1);
    Select("_0");
    prompts.ExpectMessage(
        {"A campaign must have at least one scenario", platform::MessageButtons::Ok,
         platform::MessageIcon::Exclamation, "XaL Campaign Editor"},
        platform::MessageAnswer::Ok);
    QTest::mouseClick(window.cmdDelete, Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(modMain::CurrentCampaign()->NrOfScenarios(), 1);
    EXPECT_FALSE(window.mnuSave->isEnabled());
}

TEST_F(ScenarioCommandsTest, ThePrestigeCommandsShowTheNewValuesOfTheShownScenario) {
    gui::frmMain& window = Opened(2);
    Select("_1");
    const Long before = modMain::CurrentCampaign()->ScenarioAt(1)->Prestige();
    ClickToolbar("SCN_UP");
    EXPECT_EQ(window.txtScenarioPrestige->text(), QString::number(before + 1000));
    EXPECT_EQ(modMain::CurrentCampaign()->ScenarioAt(0)->Prestige(), 1000) << "only the shown one";
    EXPECT_EQ(Selected(), "_1");
    EXPECT_TRUE(window.mnuSave->isEnabled());
    window.mnuCamp_Down->trigger();
    EXPECT_EQ(window.txtScenarioPrestige->text(), QString::number(before));
    EXPECT_EQ(modMain::CurrentCampaign()->ScenarioAt(0)->Prestige(), 0);
}

}  // namespace
}  // namespace xal
