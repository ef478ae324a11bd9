// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QGraphicsEllipseItem>
#include <QGraphicsItem>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <algorithm>
#include <functional>

#include "core/map_drawing/map_render.h"
#include "gui/campaign_map/frm_map.h"
#include "gui/campaign_map/node_box.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

class MapWindowTest : public test::MainWindowTest {
  protected:
    // Opens a campaign of three scenarios, 0 to 1 to 2 to the end, and its map, which
    // looks at the links alone: no game folder to look for files in, once the main window
    // has looked again.
    gui::frmMap& OpenedMap() {
        Campaign campaign = test::DistinctCampaign(3);
        test::SetLinks(campaign, {{1, 1, 1, 1}, {2, 2, 2, 2}, {254, 254, 254, 254}});
        Open(campaign);
        settings.GameFolder.clear();
        ComeBackFromElsewhere([] {});
        return ShownMap();
    }
    // Does `what` as in another program, and comes back to the main window.
    void ComeBackFromElsewhere(const std::function<void()>& what) {
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
        what();
        Window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    }
    gui::frmMap& ShownMap() {
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
    EXPECT_EQ(map.vwMap->scene()->items().size(), 4u + 3 * 4)
        << "three scenarios and the end, each arrow a line, a head, its grip, a label";
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
    EXPECT_TRUE(map.lblLayingOut->isVisibleTo(&map)) << "a sign while the new map is laid out";
    QTest::keyClick(Find("txtScenario"), Qt::Key_Y);  // the layout under way is stale now
    QCoreApplication::sendPostedEvents();
    WaitForDrawing(map);
    EXPECT_EQ(map.ShownGraph().nodes[0].label, "0\ncamp10.scnxy");
    EXPECT_FALSE(map.lblLayingOut->isVisibleTo(&map));

    map.close();
    QTest::keyClick(List("cbxVictoryGoto_3"), Qt::Key_Home);  // scenario 0's loss ends it
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(map.ShownGraph().edges.size(), 3u);
    ClickToolbar("MAP");
    EXPECT_TRUE(map.isVisible()) << "the one map window, shown again";
    WaitForDrawing(map);
    EXPECT_EQ(map.ShownGraph().edges.size(), 4u);
}

// The map lists the files the game lacks as the main window last looked for them, so both
// tell the same: here when the designer comes back to the main window.
TEST_F(MapWindowTest, ListsTheFilesTheGameLacksAsTheMainWindowFoundThem) {
    Open(test::DistinctCampaign(1));  // its folder holds none of the files it names
    gui::frmMap& map = ShownMap();
    auto lacking = [&map] {
        return std::ranges::count_if(map.ShownFindings(), [](const Finding& finding) {
            return finding.text.find("is not in") != std::string::npos;
        });
    };
    const auto before = lacking();
    EXPECT_GT(before, 0);
    ComeBackFromElsewhere([this] { campaigns.Write("camp10.scn", ""); });
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(lacking(), before - 1);
}

// The grip of an arrow's head: the item that carries the edge's position, and no text.
QPointF HeadOf(const gui::MapView& view, std::size_t edge) {
    for (QGraphicsItem* item : view.scene()->items())
        if (item->data(1).isValid() && item->data(1).toULongLong() == edge &&
            item->type() == QGraphicsEllipseItem::Type)
            return item->sceneBoundingRect().center();
    ADD_FAILURE() << "no head of edge " << edge;
    return {};
}

TEST_F(MapWindowTest, AnArrowDraggedToAnotherBoxOrAChoiceInABoxsMenuRelinksAsOneStep) {
    gui::frmMap& map = OpenedMap();
    gui::MapView& view = *map.vwMap;
    // Scenario 1's arrow, all four outcomes to scenario 2, dragged onto the end.
    const QPointF end = view.Boxes()[3]->sceneBoundingRect().center();
    view.centerOn(HeadOf(view, 1));
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, view.mapFromScene(HeadOf(view, 1)));
    QTest::mouseMove(view.viewport(), view.mapFromScene(end));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, view.mapFromScene(end));
    EXPECT_EQ(
        Window().mnuUndo->text(),
        "&Undo Send scenario 1's brilliant victory, victory, tactical victory and loss to END");
    EXPECT_EQ(document.Campaign()->ScenarioAt(1)->Victories()->Item(3)->OnEndGoTo(), 254);
    WaitForDrawing(map);

    // From the keys: to scenario 0's box (the one shown), its menu, its loss to scenario 2.
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Down);
    ASSERT_EQ(view.CurrentBox(), 0u);
    QTest::keyClick(&view, Qt::Key_Menu);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QMenu* loss = nullptr;
    for (QAction* action : menu->actions())
        if (action->text() == "Loss leads to") loss = action->menu();
    ASSERT_NE(loss, nullptr);
    EXPECT_TRUE(loss->actions()[2]->isChecked()) << "Scenario 1, where it goes";
    loss->actions()[3]->trigger();  // Scenario 2
    menu->close();
    EXPECT_EQ(Window().mnuUndo->text(), "&Undo Send scenario 0's loss to scenario 2");
    Window().mnuUndo->trigger();
    EXPECT_EQ(document.Campaign()->ScenarioAt(0)->Victories()->Item(4)->OnEndGoTo(), 1);
    EXPECT_EQ(ShownScenario(), "Scenario 0");
}

TEST_F(MapWindowTest, KeysMoveBetweenBoxesShowTheScenarioAndCloseTheWindow) {
    gui::frmMap& map = OpenedMap();
    gui::MapView& view = *map.vwMap;
    map.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&map));
    view.setFocus();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}) QTest::keyClick(&view, key);
    EXPECT_EQ(view.CurrentBox(), 2u) << "the shown scenario's box, then along the arrows";
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(ShownScenario(), "Scenario 2");
    EXPECT_TRUE(view.Boxes()[2]->IsShown());
    EXPECT_FALSE(view.Boxes()[0]->IsShown());
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(&view)->child(2);
    EXPECT_EQ(box->text(QAccessible::Name).toStdString(),
              "Scenario 2, camp12.scn. Brilliant victory, victory, tactical victory and loss lead "
              "to END.");
    EXPECT_TRUE(box->state().focused);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(&view)->child(1)->state().focused);
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(map.isVisible());
}

TEST_F(MapWindowTest, SavesThePictureTheToolDrawsAndTellsANameOfNoPicture) {
    gui::frmMap& map = OpenedMap();
    prompts.ExpectFilePick("Save map picture", campaigns.File("camp1 map.svg"));
    QTest::keyClick(&map, Qt::Key_S, Qt::ControlModifier);
    RenderCampaignMap(map.ShownGraph(), campaigns.File("tool.svg"));
    EXPECT_EQ(campaigns.Read("camp1 map.svg"), campaigns.Read("tool.svg"));
    prompts.ExpectFilePick("Save map picture", campaigns.File("camp1.gif"))
        .ExpectMessage("52\r\nA campaign map is written as .svg or .png, not as \"" +
                       campaigns.File("camp1.gif") + "\"");
    map.SavePicture();
    prompts.VerifyDone();
}

TEST(LayoutProcess, ADrawingThatFailsTellsTheProgramsOwnErrorOrThatTheProgramDidNotRun) {
    CampaignGraph graph;
    graph.nodes.push_back({MapNode::Kind::Scenario, 0, "a.scn", "0\na.scn", "s0", std::nullopt});
    auto failure = [&graph] {
        try {
            gui::LayoutProcess::Draw(graph, "nonsense");
        } catch (const RunTimeError& error) {
            return error;
        }
        return RunTimeError(0, "drawn");
    };
    EXPECT_EQ(failure().Report(),
              "5\r\nGraphviz cannot draw nonsense pictures: its renderer is not installed.");
    const QByteArray program = qgetenv("XAL_MAP_LAYOUT");
    qputenv("XAL_MAP_LAYOUT", program + "-missing");
    const RunTimeError missing = failure();
    qputenv("XAL_MAP_LAYOUT", program);
    EXPECT_EQ(missing.Number(), ErrorNumber::FileNotFound);
    EXPECT_EQ(missing.Concerns(), "File: " + program.toStdString() + "-missing");
}

}  // namespace
}  // namespace xal
