#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>

#include "model/mod_main.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

using test::MainWindowTest;

// Twips to pixels, 15 to the pixel.
QRect Twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

TEST_F(MainWindowTest, ControlsStandAtTheirPlacesWithTheirTexts) {
    gui::frmMain& window = Window();
    EXPECT_EQ(window.windowTitle(), "XaL Campaign Editor - 1.00");
    EXPECT_EQ(window.centralWidget()->size(), QSize(793, 489));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "a fixed-size window";
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);

    EXPECT_EQ(window.fraMain->geometry(), Twips(120, 480, 11685, 6735));
    EXPECT_EQ(window.fraMain->title(), "Campaign");
    EXPECT_TRUE(window.fraVictory[0]->CaptionFont().bold());
    EXPECT_FALSE(window.fraMain->isVisible());
    EXPECT_EQ(window.fraScenario->geometry(), Twips(3240, 1320, 8295, 4815));
    EXPECT_EQ(window.lvScenarios->geometry(), Twips(120, 1440, 2535, 4695));
    EXPECT_EQ(window.cbxVictoryGoto[3]->geometry(), Twips(2400, 960, 1410, 315));
    EXPECT_EQ(window.fraVictory[1]->geometry(), Twips(4200, 1680, 3975, 1455));
    EXPECT_EQ(window.fraVictory[3]->title(), "Loss");
    EXPECT_EQ(window.txtVictoryPrestige[2]->parentWidget(), window.fraVictory[2]);
    EXPECT_FALSE(window.txtVictoryPrestige[2]->font().bold());

    EXPECT_TRUE(window.txtCampaignNrOfScenarios->isReadOnly());
    EXPECT_EQ(window.txtCampaignNrOfScenarios->toolTip(), "Number of scenarios in this campaign");
    EXPECT_EQ(window.cmdSelectVictoryMOV[3]->toolTip(), "Select defeat MOV file");
    EXPECT_EQ(window.cmdEditVictoryTXT[0]->toolTip(), "Edit brilliant victory TXT file");
    EXPECT_EQ(window.cbxVictoryGoto[3]->toolTip(), "After suffering a defeat, go to...");
    EXPECT_FALSE(window.txtScenarioNr->isVisibleTo(window.fraScenario));
    EXPECT_FALSE(window.cmdSelectScenario->icon().pixmap(16).isNull());
    EXPECT_EQ(window.cmdAdd->text(), "&Add");
    EXPECT_EQ(window.lvScenarios->headerItem()->text(0), "Nr.");
    EXPECT_EQ(window.lvScenarios->columnWidth(0), 28);

    // Every control is found by its name, the outcome controls with their index.
    for (const char* name : {"txtCampaignPrestige", "cmdSelectCampaignDefeatMOV", "cbxCountry",
                             "cmdEditScenario", "txtVictoryTXT_0", "cmdSelectVictoryTXT_3",
                             "cbxVictoryGoto_2", "fraVictory_1", "mnuSaveAs", "mnuScn_Down"})
        EXPECT_NE(window.findChild<QObject*>(name), nullptr) << name;

    QStringList labels;
    for (QLabel* label : window.fraVictory[0]->findChildren<QLabel*>()) {
        labels << label->text();
        EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    }
    EXPECT_EQ(labels, (QStringList{"TXT File:", "MOV File:", "Prestige:", "Go to:"}));
}

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

TEST_F(MainWindowTest, MenusAndToolbarStartAsLaidOut) {
    modMain::Settings.PrestigeIncrement = -250;
    gui::frmMain& window = Window();
    QStringList menus;
    for (QAction* menu : window.menuBar()->actions()) menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Tools", "&Help"}));
    EXPECT_TRUE(window.mnuNew->isEnabled());
    EXPECT_TRUE(window.mnuOpen->isEnabled());
    EXPECT_FALSE(window.mnuSave->isEnabled());
    EXPECT_FALSE(window.mnuSaveAs->isEnabled());
    EXPECT_FALSE(window.mnuReport->isEnabled());
    EXPECT_FALSE(window.mnuMap->isEnabled());
    EXPECT_EQ(window.mnuMap->text(), "Campaign &map");
    const auto* tools = window.findChild<QMenu*>("mnuTools");
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(tools->actions().indexOf(window.mnuMap),
              tools->actions().indexOf(window.mnuReport) + 1);
    EXPECT_TRUE(window.mnuOptions->isEnabled());
    EXPECT_EQ(window.mnuCamp_Up->text(), "Increase prestige of all scenarios by -250");
    EXPECT_EQ(window.mnuScn_Down->text(), "Decrease prestige of selected scenario by -250");
    EXPECT_EQ(window.mnuCamp_Down->shortcut(), QKeySequence("Ctrl+F6"));
    EXPECT_EQ(window.mnuScn_Up->shortcut(), QKeySequence("Ctrl+F7"));
    EXPECT_EQ(window.ToolbarButton("SCN_DOWN")->toolTip(), window.mnuScn_Down->text());

    QStringList keys;
    for (QAction* button : window.tbMain->actions())
        keys << (button->isSeparator() ? "|" : button->data().toString());
    EXPECT_EQ(keys, (QStringList{"NEW", "OPEN", "SAVE", "|", "CAMP_UP", "CAMP_DOWN", "SCN_UP",
                                 "SCN_DOWN", "|", "REPORT", "MAP", "|", "OPTIONS", "|", "HELP"}));
    EXPECT_EQ(window.ToolbarButton("HELP")->toolTip(), "Help/About");
    EXPECT_FALSE(window.ToolbarButton("SAVE")->isEnabled());
    EXPECT_FALSE(window.ToolbarButton("CAMP_UP")->isEnabled());
    EXPECT_TRUE(window.ToolbarButton("OPTIONS")->isEnabled());
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
