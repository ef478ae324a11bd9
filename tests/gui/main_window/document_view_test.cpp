// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QToolButton>

#include "core/report/campaign_report.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

class DocumentViewTest : public test::MainWindowTest {
  protected:
    // The number of the scenario selected in the list, -1 for none.
    int Selected() {
        const auto selected = Scenarios()->selectedItems();
        return selected.size() == 1 ? Scenarios()->indexOfTopLevelItem(selected.first()) : -1;
    }
    void ExpectHistory(const QString& undo, const QString& redo) {
        EXPECT_EQ(Window().mnuUndo->text(), undo);
        EXPECT_EQ(Window().mnuUndo->isEnabled(), undo != "&Undo");
        EXPECT_EQ(Window().mnuRedo->text(), redo);
        EXPECT_EQ(Window().mnuRedo->isEnabled(), redo != "&Redo");
    }
};

TEST_F(DocumentViewTest, ACampaignIsShownWithItsListsAndScenarioZero) {
    Campaign campaign = test::DistinctCampaign(3);
    campaign.ScenarioAt(0)->Victories()->Item(2)->SetOnEndGoTo(1);
    gui::frmMain& window = Open(campaign);
    ASSERT_EQ(Scenarios()->topLevelItemCount(), 3);
    EXPECT_EQ(Scenarios()->topLevelItem(2)->text(0), "2");
    EXPECT_EQ(Scenarios()->topLevelItem(2)->text(1), "camp12.scn");
    QComboBox* goTo = List("cbxVictoryGoto_1");
    ASSERT_EQ(goTo->count(), 4);
    EXPECT_EQ(goTo->itemText(0), "END/SCORE");
    EXPECT_EQ(goTo->currentText(), "1");
    EXPECT_EQ(ShownScenario(), "Scenario 0");
    EXPECT_EQ(Find("txtVictoryPrestige_2")->text(), "65533");

    ClickScenario(2);
    EXPECT_EQ(Find("txtScenario")->text(), "camp12.scn");
    QTest::keyClick(Scenarios(), Qt::Key_Up);
    EXPECT_EQ(ShownScenario(), "Scenario 1") << "the keyboard moves through the list";
    EXPECT_EQ(Find("txtVictoryMOV_3")->text(), "m1_3.mov");
    EXPECT_FALSE(window.mnuSave->isEnabled()) << "choosing a scenario is no edit";
}

TEST_F(DocumentViewTest, OutOfRangeValuesAreShownAsTheyAreAndTheReportNamesTheCountryHeld) {
    Campaign odd = test::DistinctCampaign(2);
    odd.SetCountry(3);
    Open(odd, "known.cam");
    odd.SetCountry(0);
    odd.ScenarioAt(0)->SetPrestige(65535);
    odd.ScenarioAt(0)->Victories()->Item(1)->SetOnEndGoTo(77);
    gui::frmMain& window = Open(odd, "odd.cam");
    EXPECT_EQ(List("cbxCountry")->currentText(), "") << "not the country shown before";
    EXPECT_EQ(List("cbxVictoryGoto_0")->currentIndex(), -1);
    EXPECT_EQ(Find("txtScenarioPrestige")->text(), "65535");
    EXPECT_FALSE(window.mnuSave->isEnabled());
    document.SetNumber(Field::Country, {}, 7);
    prompts.ExpectMessage(
        {"A summary report for this campaign has been saved to:\r\n" +
             campaigns.File("odd_REPORT.txt"),
         platform::MessageButtons::Ok, platform::MessageIcon::Information, "XaL Campaign Editor"},
        platform::MessageAnswer::Ok);
    ClickToolbar("REPORT");
    EXPECT_EQ(campaigns.Read("odd_REPORT.txt"),
              CampaignReportText(*document.Campaign(), "Country 7"));
}

TEST_F(DocumentViewTest, AFieldWhoseFileTheGameLacksIsMarkedUntilTheFileIsThere) {
    Open(test::DistinctCampaign(2));
    auto* mark = Find("txtVictoryTXT_3")->findChild<QToolButton*>();
    ASSERT_NE(mark, nullptr);
    EXPECT_TRUE(mark->isVisible());
    const QString finding =
        "Scenario 0 (camp10.scn), loss: its text file \"t0_3.txt\" is not in "
        "the campaign's folder.";
    EXPECT_EQ(mark->toolTip(), finding);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(mark)->text(QAccessible::Description), finding);
    campaigns.Write("t0_3.txt", "");
    ClickScenario(1);
    EXPECT_TRUE(mark->toolTip().startsWith("Scenario 1 (camp11.scn), loss")) << "the shown one's";
    ClickScenario(0);
    EXPECT_FALSE(mark->isVisible());
    Find("txtVictoryTXT_3")->end(false);
    QTest::keyClick(Find("txtVictoryTXT_3"), Qt::Key_X);  // a name the folder lacks
    EXPECT_TRUE(mark->isVisible()) << "typed";
}

TEST_F(DocumentViewTest, PickingFromTheListsStoresTheChoiceForTheShownScenario) {
    Open(test::DistinctCampaign(3));
    ClickScenario(2);
    QTest::keyClick(List("cbxVictoryGoto_1"), Qt::Key_End);
    EXPECT_EQ(document.Campaign()->ScenarioAt(2)->Victories()->Item(2)->OnEndGoTo(), 2);
    EXPECT_EQ(document.Campaign()->ScenarioAt(0)->Victories()->Item(2)->OnEndGoTo(), 1);
    EXPECT_TRUE(Window().mnuSave->isEnabled()) << "a choice made with the keys is an edit";
    QTest::keyClick(List("cbxCountry"), Qt::Key_Down);
    EXPECT_EQ(document.Campaign()->Country(), 8);
    Window().mnuUndo->trigger();
    EXPECT_EQ(List("cbxCountry")->currentText(), "Country 7") << "the campaign's field drawn back";
}

TEST_F(DocumentViewTest, TheListAndTheShownScenarioFollowEveryCommandAndItsUndo) {
    gui::frmMain& window = Open(test::DistinctCampaign(3));
    ClickScenario(1);
    QTest::mouseClick(Button("cmdUp"), Qt::LeftButton);
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(Find("txtScenario")->text(), "camp11.scn");
    ClickToolbar("SCN_UP");
    EXPECT_EQ(Find("txtScenarioPrestige")->text(), "2001") << "the shown scenario's new value";
    QTest::mouseClick(Button("cmdAdd"), Qt::LeftButton);
    EXPECT_EQ(Selected(), 3);
    EXPECT_EQ(Find("txtCampaignNrOfScenarios")->text(), "4");
    EXPECT_EQ(List("cbxVictoryGoto_0")->count(), 5);
    ClickScenario(2);
    QTest::mouseClick(Button("cmdDelete"), Qt::LeftButton);
    EXPECT_EQ(Scenarios()->topLevelItemCount(), 3);
    EXPECT_EQ(Selected(), -1);
    ExpectHistory("&Undo Delete scenario 2", "&Redo");

    window.mnuUndo->trigger();
    EXPECT_EQ(Scenarios()->topLevelItemCount(), 4);
    EXPECT_EQ(Selected(), 2) << "the scenario the step concerns";
    EXPECT_EQ(ShownScenario(), "Scenario 2");
}

// The rule is the document's; the window asks it first and says why.
TEST_F(DocumentViewTest, DeletingTheLastScenarioIsRefusedWithAMessage) {
    Open(test::DistinctCampaign(1));
    ClickScenario(0);
    prompts.ExpectMessage(
        {"A campaign must have at least one scenario", platform::MessageButtons::Ok,
         platform::MessageIcon::Exclamation, "XaL Campaign Editor"},
        platform::MessageAnswer::Ok);
    QTest::mouseClick(Button("cmdDelete"), Qt::LeftButton);
}

TEST_F(DocumentViewTest, CtrlZAndCtrlYInAFieldUndoAndRedoTheCampaign) {
    gui::frmMain& window = Open(test::DistinctCampaign(2));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));  // the menu's keys reach it
    QLineEdit* box = Find("txtScenarioMOV");
    box->setFocus();
    QTest::keyClicks(box, "abc");
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "s0.mov");
    EXPECT_EQ(document.Campaign()->ScenarioAt(0)->ScenarioMOV(), "s0.mov");
    ExpectHistory("&Undo", "&Redo Edit scenario MOV file");
    QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "s0.movabc");
    // Undone from another scenario, the step shows its own scenario, every field of it.
    ClickScenario(1);
    window.mnuUndo->trigger();
    EXPECT_EQ(ShownScenario(), "Scenario 0");
    EXPECT_EQ(Find("txtScenario")->text(), "camp10.scn");
    EXPECT_EQ(box->text(), "s0.mov");
}

}  // namespace
}  // namespace xal
