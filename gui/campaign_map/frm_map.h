// SPDX-License-Identifier: MIT
#pragma once

#include <QFutureWatcher>
#include <QListWidget>
#include <QSplitter>
#include <QWidget>
#include <functional>
#include <vector>

#include "core/base/conversions.h"
#include "core/campaign_check/campaign_check.h"
#include "core/campaign_document/campaign_document.h"
#include "core/campaign_map/campaign_graph.h"
#include "core/map_drawing/map_layout.h"
#include "gui/campaign_map/map_scene.h"

namespace xal::gui {

// The campaign map window: the document's campaign's scenarios and outcomes as a graph, with
// the check's findings beside it, following the document's changes while it is shown. A
// click on a scenario's box, or on a finding about one, shows that scenario through the
// callback.
//
// Dot lays a large map out in seconds, so it works in the background: the findings and
// the marks of problems follow an edit at once, a map of another shape once it is laid
// out. Until then the map drawn before stays.
class frmMap : public QWidget {
    Q_OBJECT

  public:
    frmMap(const CampaignDocument& document, std::function<void(Byte)> showScenario,
           QWidget* parent = nullptr);

    // Checks the document's campaign and draws its map, when the map or the findings differ
    // from those drawn; a map of another shape is laid out first, in the background.
    void Refresh();
    // Refreshes once the events of the moment are handled: a burst of edits draws the map
    // once, after the campaign holds them all.
    void ScheduleRefresh();
    // The map drawn, and the findings listed.
    const CampaignGraph& ShownGraph() const { return graph_; }
    const std::vector<Finding>& ShownFindings() const { return findings_; }

    QSplitter* splMap = nullptr;
    MapView* vwMap = nullptr;
    QListWidget* lstFindings = nullptr;

  signals:
    // A map laid out in the background has been drawn.
    void drawn();

  private:
    // A graph and the layout dot gave it, or why there is none.
    struct LaidOut {
        CampaignGraph graph;
        MapLayout layout;
        std::string error;
    };
    void LayOutWanted();
    void ShowLaidOut();
    void ShowFindings();
    void lstFindings_ItemClick(QListWidgetItem* item);

    const CampaignDocument& document_;
    std::function<void(Byte)> showScenario_;
    bool scheduled_ = false;
    CampaignGraph graph_;  // drawn
    MapLayout layout_;
    CampaignGraph wanted_;  // the campaign's map now, drawn once laid out
    QFutureWatcher<LaidOut> layingOut_;
    std::vector<Finding> findings_;
    CampaignDocument::Subscription listening_;
};

}  // namespace xal::gui
