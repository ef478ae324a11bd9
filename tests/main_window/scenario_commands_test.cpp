// SPDX-License-Identifier: MIT
#include "scenario_ops/scenario_ops.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

class ScenarioCommandsTest : public test::MainWindowTest {
  protected:
    gui::frmMain& Opened(int count, const QString& selected) {
        OpenThroughToolbar(WriteCampaign("camp1.cam", test::DistinctCampaign(count)));
        QTreeWidget* list = Window().lvScenarios;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(Window().ScenarioEntry(selected)).center());
        return Window();
    }
    QString Selected() {
        const auto selected = Window().lvScenarios->selectedItems();
        return selected.size() == 1 ? selected.first()->data(0, Qt::UserRole).toString() : "";
    }
};

TEST_F(ScenarioCommandsTest, TheSelectionAndDisplayFollowAddMoveAndDelete) {
    gui::frmMain& window = Opened(3, "_1");
    QTest::mouseClick(window.cmdUp, Qt::LeftButton);
    EXPECT_EQ(Selected(), "_0");
    EXPECT_EQ(window.txtScenario->text(), "camp11.scn");
    EXPECT_TRUE(window.mnuSave->isEnabled());
    ClickToolbar("SCN_UP");
    EXPECT_EQ(window.txtScenarioPrestige->text(), "2001") << "the shown scenario's new value";
    QTest::mouseClick(window.cmdAdd, Qt::LeftButton);
    EXPECT_EQ(Selected(), "_3");
    EXPECT_EQ(window.txtScenario->text(), "camp1_04.scn");
    EXPECT_EQ(window.txtCampaignNrOfScenarios->text(), "4");
    QTest::mouseClick(window.cmdDelete, Qt::LeftButton);
    EXPECT_EQ(window.lvScenarios->topLevelItemCount(), 3);
    EXPECT_EQ(window.txtScenarioNr->text(), "0");
}

TEST_F(ScenarioCommandsTest, TheLastScenarioIsNeverDeletedNorThe256thAdded) {
    gui::frmMain& window = Opened(1, "_0");
    prompts.ExpectMessage(
        {"A campaign must have at least one scenario", platform::MessageButtons::Ok,
         platform::MessageIcon::Exclamation, "XaL Campaign Editor"},
        platform::MessageAnswer::Ok);
    QTest::mouseClick(window.cmdDelete, Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(document.Campaign()->NrOfScenarios(), 1);
    EXPECT_FALSE(window.mnuSave->isEnabled());

    while (document.Campaign()->NrOfScenarios() < 255) AddScenario(*document.Campaign());
    prompts.ExpectMessage("6\r\nOverflow\r\nField: Number of scenarios");
    QTest::mouseClick(window.cmdAdd, Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(window.lvScenarios->topLevelItemCount(), 255);
    EXPECT_EQ(Selected(), "_254");
}

}  // namespace
}  // namespace xal
