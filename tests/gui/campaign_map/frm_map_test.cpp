// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include <QGraphicsItem>
#include <QListWidget>
#include <QSignalSpy>

#include "gui/campaign_map/frm_map.h"
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
        Open(campaign);
        ClickToolbar("MAP");
        gui::frmMap& map = *Window().findChild<gui::frmMap*>("frmMap");
        WaitForDrawing(map);
        return map;
    }
    // Lets the layout the last step started end, and its map be drawn.
    static void WaitForDrawing(gui::frmMap& map) {
        QSignalSpy drawn(&map, &gui::frmMap::drawn);
        EXPECT_TRUE(drawn.wait(10000));
    }
};

TEST_F(MapWindowTest, ShowsTheCampaignAndAClickedBoxOrFindingShowsItsScenario) {
    gui::frmMap& map = OpenedMap();
    EXPECT_EQ(map.vwMap->scene()->items().size(), 4u + 3 * 3)
        << "three scenarios and the end, each arrow a line, a head, a label";
    for (const auto& [box, shown] : {std::pair{2, "Scenario 2"}, std::pair{3, "Scenario 2"}}) {
        // 3: the end
        const QPointF centre = map.vwMap->Boxes()[box]->sceneBoundingRect().center();
        map.vwMap->centerOn(centre);
        QTest::mouseClick(map.vwMap->viewport(), Qt::LeftButton, {},
                          map.vwMap->mapFromScene(centre));
        EXPECT_EQ(ShownScenario(), shown);
    }
    document.SetNumber(Field::OutcomeGoTo, {1, 0}, 9);
    QCoreApplication::sendPostedEvents();  // as the event loop does
    QListWidgetItem* finding = map.lstFindings->item(0);
    ASSERT_NE(finding, nullptr);
    QTest::mouseClick(map.lstFindings->viewport(), Qt::LeftButton, {},
                      map.lstFindings->visualItemRect(finding).center());
    EXPECT_EQ(ShownScenario(), "Scenario 1");
}

TEST_F(MapWindowTest, AnOpenMapFollowsTheEditsAndAClosedOneCatchesUpWhenOpened) {
    gui::frmMap& map = OpenedMap();
    Find("txtScenario")->setFocus();
    Find("txtScenario")->end(false);
    QTest::keyClick(Find("txtScenario"), Qt::Key_X);
    QCoreApplication::sendPostedEvents();
    WaitForDrawing(map);
    EXPECT_EQ(map.ShownGraph().nodes[0].label, "0\ncamp10.scnx");

    map.close();
    QTest::keyClick(List("cbxVictoryGoto_3"), Qt::Key_Home);  // scenario 0's loss ends it
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(map.ShownGraph().edges.size(), 3u);
    ClickToolbar("MAP");
    EXPECT_TRUE(map.isVisible()) << "the one map window, shown again";
    WaitForDrawing(map);
    EXPECT_EQ(map.ShownGraph().edges.size(), 4u);
}

}  // namespace
}  // namespace xal
