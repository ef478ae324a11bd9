#include <QHeaderView>
#include <QLabel>

#include "model/mod_main.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

using test::MainWindowTest;

// The captions are fitted and the list's header appears only once the campaign's controls
// are shown, which start-up leaves for later.
TEST_F(MainWindowTest, AShownCampaignHasItsListHeaderAndEveryCaptionFits) {
    gui::frmMain& window = Window();
    OpenThroughToolbar(WriteCampaign("camp1.cam", test::DistinctCampaign(3)));
    ASSERT_TRUE(window.fraMain->isVisible());
    EXPECT_TRUE(window.lvScenarios->header()->isVisible());
    EXPECT_GT(window.lvScenarios->header()->height(), 0);
    const QList<QLabel*> labels = window.fraMain->findChildren<QLabel*>();
    ASSERT_GE(labels.size(), 20);
    for (QLabel* label : labels) {
        if (!label->isVisible()) continue;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()) + 2, label->width())
            << label->text().toStdString();
        EXPECT_GE(label->x(), 4) << label->text().toStdString();
    }
}

TEST_F(MainWindowTest, ThePrestigeCommandsNameTheIncrementAndTheEditorButtonFollowsTheSetting) {
    modMain::Settings.PrestigeIncrement = -250;
    gui::frmMain& window = Window();
    EXPECT_EQ(window.mnuCamp_Up->text(), "Increase prestige of all scenarios by -250");
    EXPECT_EQ(window.ToolbarButton("SCN_DOWN")->toolTip(),
              "Decrease prestige of selected scenario by -250");
    EXPECT_FALSE(window.cmdEditScenario->isEnabled()) << "no scenario editor is set";
}

TEST_F(MainWindowTest, TheScenarioEditorButtonFollowsTheSetting) {
    modMain::Settings.ScenarioEditorPath = "/opt/scned";
    EXPECT_TRUE(Window().cmdEditScenario->isEnabled());
}

TEST_F(MainWindowTest, HelpAndOptionsOpenTheirDialogsAndUnknownKeysDoNothing) {
    gui::frmMain& window = Window();
    prompts.ExpectDialog("frmAbout", [](void*) {});
    ClickToolbar("HELP");
    prompts.ExpectDialog("frmOptions", [](void*) {});
    ClickToolbar("OPTIONS");
    prompts.VerifyDone();
    window.tbMain_ButtonClick("help");
    window.tbMain_ButtonClick("UP");
}

}  // namespace
}  // namespace xal
