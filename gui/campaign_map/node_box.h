// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QGraphicsItem>
#include <QBrush>
#include <QPalette>
#include <QPen>

#include "core/campaign_map/campaign_graph.h"

namespace xal::gui {

// A node's box with its lines centred in it, in a font made smaller where they would not
// fit: in the palette's colours, a problem scenario in the warning or error hue, a go-to
// that names no scenario dashed, the end of the campaign with a double border. The
// scenario shown in the main window has a wide border in the highlight colour, the box the
// keys are on a focus frame.
class NodeBox : public QGraphicsItem {
  public:
    NodeBox(const QRectF& rect, const MapNode& node, QFont font, const QPalette& palette);

    void SetShown(bool shown);
    bool IsShown() const { return shown_; }
    void SetCurrent(bool current);

    QRectF boundingRect() const override { return rect_.adjusted(-4, -4, 4, 4); }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

  private:
    QRectF rect_;
    QString text_;
    QFont font_;
    QPen pen_;
    QBrush brush_;
    QColor textColour_;
    QColor highlight_;
    bool doubleBorder_;
    bool shown_ = false;
    bool current_ = false;
};

}  // namespace xal::gui
