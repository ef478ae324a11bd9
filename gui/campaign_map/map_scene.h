// SPDX-License-Identifier: MIT
#pragma once

#include <QGraphicsView>
#include <optional>
#include <vector>

#include "core/campaign_map/campaign_graph.h"
#include "core/campaign_map/map_places.h"
#include "core/campaign_map/map_reading.h"

class QGraphicsLineItem;

namespace xal::gui {

class NodeBox;

// The drawn campaign map: a box for every node and an arrow for every edge, at the places
// the layout gives them. A click on a scenario's box shows it; an arrow's head or label
// dragged onto a box sends its outcomes there; a box's menu comes with the right button or
// the Menu key. The keys: arrows move between boxes (along the arrows and across a rank),
// Enter shows the scenario, + and - zoom, 0 fits the map in the window; Ctrl and the
// mouse wheel zoom too.
class MapView : public QGraphicsView {
    Q_OBJECT

  public:
    explicit MapView(QWidget* parent = nullptr);

    // Draws the map anew, keeping the part of it that was in view where it can.
    void Draw(const CampaignGraph& graph, const MapLayout& layout);
    // Marks the box of the scenario shown in the main window.
    void MarkShown(int scenarioNr);
    const CampaignGraph& Graph() const { return graph_; }
    // The nodes' boxes in the graph's order.
    const std::vector<NodeBox*>& Boxes() const { return boxes_; }
    // The box the keys are on, if any.
    std::optional<std::size_t> CurrentBox() const { return current_; }
    void SetCurrentBox(std::size_t box);
    void Fit();

  signals:
    void scenarioClicked(int scenarioNr);
    void boxMenuRequested(std::size_t box, const QPoint& globalPosition);
    void edgeDropped(std::size_t edge, std::size_t box);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    std::optional<std::size_t> BoxAt(const QPoint& position) const;
    void Zoom(double factor);

    CampaignGraph graph_;
    MapLayout layout_;
    std::vector<NodeBox*> boxes_;
    std::optional<std::size_t> current_;
    int shown_ = -1;
    std::optional<std::size_t> dragged_;  // the edge whose head is being dragged
    QGraphicsLineItem* dragLine_ = nullptr;
};

}  // namespace xal::gui
