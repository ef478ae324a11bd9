// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QWidget>
#include <functional>
#include <vector>

#include "core/base/conversions.h"
#include "core/campaign_check/campaign_check.h"
#include "core/campaign_document/campaign_document.h"
#include "core/campaign_map/campaign_graph.h"
#include "core/campaign_map/map_places.h"
#include "gui/campaign_map/box_menu.h"
#include "gui/campaign_map/layout_process.h"
#include "gui/campaign_map/map_scene.h"

namespace xal::gui {

// The campaign map window: the document's campaign's scenarios and outcomes as a graph, with
// the check's findings beside it, following the document's changes while it is shown. A
// click on a scenario's box, or on a finding about one, shows that scenario in the main
// window; an arrow dragged to another box, or a box's menu, sends outcomes elsewhere
// through the document. Esc closes the window; Ctrl+S saves the map as a picture.
//
// The map is laid out by a program of its own, in the background: the findings and the
// marks of problems follow an edit at once, a map of another shape once it is laid out.
// Until then the map drawn before stays usable, with a quiet sign that a new one is coming;
// a layout that an edit has made stale is stopped.
class frmMap : public QWidget {
    Q_OBJECT

  public:
    // `gameFiles` are the findings about the campaign's files in the game, which the main
    // window keeps as it looks for them (CheckGameFiles): the map shows the same, and an
    // edit that names no other file reads no folder.
    frmMap(CampaignDocument& document, const std::vector<Finding>& gameFiles,
           ScenarioActions actions, QWidget* parent = nullptr);

    // Checks the document's campaign and draws its map, when the map or the findings differ
    // from those drawn; a map of another shape is laid out first, in the background.
    void Refresh();
    // Refreshes once the events of the moment are handled: a burst of edits draws the map
    // once, after the campaign holds them all.
    void ScheduleRefresh();
    // Marks the scenario the main window shows.
    void MarkShown(int scenarioNr) { vwMap->MarkShown(scenarioNr); }
    // Asks for a file and saves the map there as SVG or PNG, as the tool draws it.
    void SavePicture();
    // The map drawn, and the findings listed.
    const CampaignGraph& ShownGraph() const { return graph_; }
    const std::vector<Finding>& ShownFindings() const { return findings_; }

    QSplitter* splMap = nullptr;
    MapView* vwMap = nullptr;
    QListWidget* lstFindings = nullptr;
    QLabel* lblLayingOut = nullptr;  // shown while a new layout is made

  signals:
    // A map laid out in the background has been drawn.
    void drawn();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void EdgeDropped(std::size_t edge, std::size_t box);
    void LayOutWanted();
    void ShowLaidOut(const CampaignGraph& graph, const MapLayout& layout);
    void LayoutFailed(const QString& report);
    void ShowFindings();
    void lstFindings_ItemClick(QListWidgetItem* item);

    CampaignDocument& document_;
    const std::vector<Finding>& gameFiles_;
    ScenarioActions actions_;
    bool scheduled_ = false;
    CampaignGraph graph_;  // drawn
    MapLayout layout_;
    CampaignGraph wanted_;  // the campaign's map now, drawn once laid out
    LayoutProcess layingOut_;
    std::vector<Finding> findings_;
    CampaignDocument::Subscription listening_;
};

}  // namespace xal::gui
