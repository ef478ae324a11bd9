// SPDX-License-Identifier: MIT
#pragma once

#include <QGraphicsView>
#include <vector>

#include "core/campaign_map/campaign_graph.h"
#include "core/map_drawing/map_layout.h"

namespace xal::gui {

// The drawn campaign map: a box for every node and an arrow for every edge, at the places
// the layout gives them, in the window's palette; problem scenarios and arrows that lead
// nowhere in the desktop's warning and error hues. Ctrl and the mouse wheel zoom.
class MapView : public QGraphicsView {
    Q_OBJECT

  public:
    explicit MapView(QWidget* parent = nullptr);

    // Draws the map anew, keeping the part of it that was in view where it can.
    void Draw(const CampaignGraph& graph, const MapLayout& layout);
    // The nodes' boxes in the graph's order.
    const std::vector<QGraphicsItem*>& Boxes() const { return boxes_; }

  signals:
    void scenarioClicked(int scenarioNr);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    std::vector<QGraphicsItem*> boxes_;
};

}  // namespace xal::gui
