#include <QCoreApplication>
#include <QGraphicsItem>
#include <QListWidget>

#include "campaign_map/frm_map.h"
#include "model/mod_main.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

class MapWindowTest : public test::MainWindowTest {
  protected:
    // Opens a campaign of three scenarios, 0 to 1 to 2 to the end, and its map.
    gui::frmMap& OpenedMap() {
        Campaign campaign = test::DistinctCampaign(3);
        test::SetLinks(campaign, {{1, 1, 1, 1}, {2, 2, 2, 2}, {254, 254, 254, 254}});
        OpenThroughToolbar(WriteCampaign("camp1.cam", campaign));
        Window().mnuMap->trigger();
        auto* map = Window().findChild<gui::frmMap*>("frmMap");
        EXPECT_NE(map, nullptr);
        return *map;
    }
    // Lets the map catch up with the edits just made, as the event loop does.
    static void Settle() { QCoreApplication::sendPostedEvents(); }
    static std::vector<std::string> Labels(const gui::frmMap& map) {
        std::vector<std::string> labels;
        for (const MapEdge& edge : map.ShownGraph().edges) labels.push_back(edge.label);
        return labels;
    }
    void ClickBox(gui::frmMap& map, std::size_t node) {
        QGraphicsView* view = map.vwMap;
        const QPointF centre = map.vwMap->Boxes()[node]->sceneBoundingRect().center();
        view->centerOn(centre);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(centre));
    }
};

TEST_F(MapWindowTest, TheToolsItemAndTheToolbarButtonOpenTheMapOfTheCampaign) {
    gui::frmMap& map = OpenedMap();
    EXPECT_TRUE(map.isVisible());
    EXPECT_TRUE(map.isWindow());
    EXPECT_EQ(map.windowTitle(), "Campaign map - camp1.cam");
    EXPECT_EQ(map.vwMap->Boxes().size(), 4u) << "three scenarios and the end";
    EXPECT_EQ(map.vwMap->scene()->items().size(), 4u + 3 * 3)
        << "each arrow a line, a head, a label";
    EXPECT_EQ(Labels(map),
              (std::vector<std::string>{"BV, V, TV, L", "BV, V, TV, L", "BV, V, TV, L"}));
    ASSERT_EQ(map.lstFindings->count(), 1);
    EXPECT_EQ(map.lstFindings->item(0)->text(), "No problems found.");

    map.close();
    ClickToolbar("MAP");
    EXPECT_TRUE(map.isVisible());
    EXPECT_EQ(Window().findChildren<gui::frmMap*>().size(), 1) << "one map window";
}

TEST_F(MapWindowTest, ClickingAScenarioOrAFindingShowsThatScenario) {
    gui::frmMap& map = OpenedMap();
    ClickBox(map, 2);
    EXPECT_EQ(Window().txtScenarioNr->text(), "2");
    EXPECT_EQ(Window().fraScenario->title(), "Scenario 2");
    EXPECT_EQ(Window().lvScenarios->currentItem(), Window().ScenarioEntry("_2"));
    ClickBox(map, 3);
    EXPECT_EQ(Window().txtScenarioNr->text(), "2") << "the end of the campaign is no scenario";

    // A link to a scenario that is not there, found and listed.
    modMain::CurrentCampaign()->ScenarioAt(1)->Victories()->Item(1)->SetOnEndGoTo(9);
    Window().RefreshCampaignMap();
    Settle();
    ASSERT_GE(map.lstFindings->count(), 1);
    QListWidgetItem* finding = map.lstFindings->item(0);
    EXPECT_EQ(finding->text().left(7), "error: ");
    QTest::mouseClick(map.lstFindings->viewport(), Qt::LeftButton, {},
                      map.lstFindings->visualItemRect(finding).center());
    EXPECT_EQ(Window().txtScenarioNr->text(), "1");
}

TEST_F(MapWindowTest, TheMapFollowsTheEditsOfLinksNamesAndScenarios) {
    gui::frmMap& map = OpenedMap();
    // Scenario 0's loss now ends the campaign.
    Window().cbxVictoryGoto[3]->setCurrentIndex(0);
    Settle();
    EXPECT_EQ(Labels(map),
              (std::vector<std::string>{"BV, V, TV", "L", "BV, V, TV, L", "BV, V, TV, L"}));

    // A key typed into the scenario's file name is in its box once the field holds it.
    Window().txtScenario->setFocus();
    Window().txtScenario->end(false);
    QTest::keyClick(Window().txtScenario, Qt::Key_X);
    Settle();
    EXPECT_EQ(map.ShownGraph().nodes[0].label, "0\ncamp10.scnx");

    // Deleting the last scenario leaves scenario 1's links to it, which lead nowhere now.
    QTreeWidget* list = Window().lvScenarios;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(Window().ScenarioEntry("_2")).center());
    QTest::mouseClick(Window().cmdDelete, Qt::LeftButton);
    Settle();
    ASSERT_EQ(map.vwMap->Boxes().size(), 4u);
    EXPECT_EQ(map.ShownGraph().nodes[3].kind, MapNode::Kind::Dangling);
    EXPECT_TRUE(map.ShownGraph().edges.back().dangling);
    EXPECT_EQ(map.ShownGraph().nodes[1].problem, Severity::Error);
}

TEST_F(MapWindowTest, AClosedMapIsNotRedrawnAndOpensWithTheCampaignAsItIsThen) {
    gui::frmMap& map = OpenedMap();
    map.close();
    Window().cbxVictoryGoto[3]->setCurrentIndex(0);
    Settle();
    EXPECT_EQ(map.ShownGraph().edges.size(), 3u);
    Window().mnuMap->trigger();
    EXPECT_EQ(map.ShownGraph().edges.size(), 4u);
}

}  // namespace
}  // namespace xal
