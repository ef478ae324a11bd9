// SPDX-License-Identifier: MIT
#include "campaign_file/campaign_writer.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

class UndoTest : public test::MainWindowTest {
  protected:
    gui::frmMain& Opened(int count) {
        OpenThroughToolbar(WriteCampaign("camp1.cam", test::DistinctCampaign(count)));
        return Window();
    }
    std::string Bytes() { return BuildCampaignFile(*document.Campaign()); }
    void ExpectCommands(const QString& undo, const QString& redo) {
        EXPECT_EQ(Window().mnuUndo->text(), undo);
        EXPECT_EQ(Window().mnuUndo->isEnabled(), undo != "&Undo");
        EXPECT_EQ(Window().mnuRedo->text(), redo);
        EXPECT_EQ(Window().mnuRedo->isEnabled(), redo != "&Redo");
    }
};

TEST_F(UndoTest, StepsAreUndoneAndRedoneWithTheirNamesShown) {
    gui::frmMain& window = Opened(7);
    const std::string original = Bytes();
    ExpectCommands("&Undo", "&Redo");
    QTreeWidget* list = window.lvScenarios;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(window.ScenarioEntry("_2")).center());
    QTest::mouseClick(window.cmdDelete, Qt::LeftButton);
    window.mnuCamp_Up->trigger();
    ExpectCommands("&Undo Raise all prestige", "&Redo");
    window.mnuUndo->trigger();
    ExpectCommands("&Undo Delete scenario 2", "&Redo Raise all prestige");
    window.mnuUndo->trigger();
    EXPECT_EQ(Bytes(), original);
    EXPECT_EQ(window.lvScenarios->topLevelItemCount(), 7) << "the list shows the campaign";
    EXPECT_EQ(window.txtScenarioNr->text(), "2") << "the scenario the step concerns";
    EXPECT_TRUE(window.mnuSave->isEnabled());
    window.mnuRedo->trigger();
    ExpectCommands("&Undo Delete scenario 2", "&Redo Raise all prestige");

    window.SetSaved();
    Opened(3);
    ExpectCommands("&Undo", "&Redo");
}

TEST_F(UndoTest, CtrlZAndCtrlYInAFieldUndoAndRedoTheCampaign) {
    gui::frmMain& window = Opened(2);
    const std::string original = Bytes();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));  // the menu's keys reach it
    window.txtScenarioMOV->setFocus();
    QTest::keyClicks(window.txtScenarioMOV, "abc");
    ExpectCommands("&Undo Edit scenario MOV file", "&Redo");
    QTest::keyClick(window.txtScenarioMOV, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Bytes(), original);
    EXPECT_EQ(window.txtScenarioMOV->text(), "s0.mov");
    ExpectCommands("&Undo", "&Redo Edit scenario MOV file");
    QTest::keyClick(window.txtScenarioMOV, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(window.txtScenarioMOV->text(), "s0.movabc");
}

}  // namespace
}  // namespace xal
