// SPDX-License-Identifier: MIT
#include "gui/campaign_map/map_scene.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

#include "core/campaign_map/map_style.h"
#include "gui/campaign_map/map_accessible.h"
#include "gui/campaign_map/node_box.h"
#include "gui/widgets/qt_text.h"

namespace xal::gui {
namespace {

// The keys the scene's items carry: a box its node's position, an arrow's head and label
// its edge's.
constexpr int kNodeKey = 0;
constexpr int kEdgeKey = 1;
constexpr double kMargin = 8;
// How far from an arrow's tip a press still takes hold of it, in pixels.
constexpr double kGrip = 9;

// The arrowhead from a curve's end to its tip.
QPolygonF ArrowHead(const QPointF& end, const QPointF& tip) {
    const QPointF along = tip - end;
    const QPointF across(-along.y() * 0.35, along.x() * 0.35);
    return QPolygonF({tip, end + across, end - across});
}

}  // namespace

MapView::MapView(QWidget* parent) : QGraphicsView(parent) {
    UseAccessibleMap();
    setScene(new QGraphicsScene(this));
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
}

void MapView::Draw(const CampaignGraph& graph, const MapLayout& layout) {
    const int left = horizontalScrollBar()->value();
    const int top = verticalScrollBar()->value();
    scene()->clear();
    dragLine_ = nullptr;
    boxes_.clear();
    graph_ = graph;
    layout_ = layout;
    if (current_ && *current_ >= graph.nodes.size()) current_.reset();

    // The layout counts in points, the scene in the screen's pixels.
    const double scale = logicalDpiY() / 72.0;
    auto at = [scale](MapPoint p) { return QPointF(p.x * scale, p.y * scale); };
    scene()->setSceneRect(-kMargin, -kMargin, layout.width * scale + 2 * kMargin,
                          layout.height * scale + 2 * kMargin);
    const QPalette colours = palette();
    QFont nodeFont = font();
    nodeFont.setPointSizeF(map_style::kNodeFontPoints);
    QFont labelFont = font();
    labelFont.setPointSizeF(map_style::kLabelFontPoints);

    for (std::size_t i = 0; i < graph.edges.size(); ++i) {
        const MapEdge& edge = graph.edges[i];
        const EdgePlace& line = layout.edges[i];
        if (line.curve.empty()) continue;
        const QColor hue =
            edge.dangling ? QColor(map_style::kErrorHue) : colours.color(QPalette::Text);
        QPainterPath path(at(line.curve.front()));
        for (std::size_t p = 1; p + 2 < line.curve.size(); p += 3)
            path.cubicTo(at(line.curve[p]), at(line.curve[p + 1]), at(line.curve[p + 2]));
        // A line one pixel wide at every zoom: Qt draws it smooth many times faster than a
        // wider one, which took most of the time of showing a map of many long arrows.
        QPen pen(hue, 1, edge.dangling ? Qt::DashLine : Qt::SolidLine);
        pen.setCosmetic(true);
        scene()->addPath(path, pen);
        if (line.arrowTip) {
            const QPointF tip = at(*line.arrowTip);
            scene()->addPolygon(ArrowHead(at(line.curve.back()), tip), QPen(hue, 1), hue);
            auto* grip = scene()->addEllipse(
                QRectF(tip - QPointF(kGrip, kGrip), QSizeF(2, 2) * kGrip), Qt::NoPen, Qt::NoBrush);
            grip->setData(kEdgeKey, static_cast<qulonglong>(i));
            grip->setCursor(Qt::OpenHandCursor);
            grip->setZValue(2);
        }
        if (line.labelCentre) {
            auto* label = scene()->addSimpleText(ToQString(edge.label), labelFont);
            label->setBrush(hue);
            label->setPos(at(*line.labelCentre) - label->boundingRect().center());
            label->setData(kEdgeKey, static_cast<qulonglong>(i));
            label->setCursor(Qt::OpenHandCursor);
        }
    }
    for (std::size_t i = 0; i < graph.nodes.size(); ++i) {
        const MapNode& node = graph.nodes[i];
        const NodePlace& place = layout.nodes[i];
        const QSizeF size(place.width * scale, place.height * scale);
        auto* box =
            new NodeBox(QRectF(at(place.centre) - QPointF(size.width(), size.height()) / 2, size),
                        node, nodeFont, colours);
        box->setZValue(1);
        box->setData(kNodeKey, static_cast<qulonglong>(i));
        if (node.kind == MapNode::Kind::Scenario) {
            box->setCursor(Qt::PointingHandCursor);
            box->setToolTip(QString("Show scenario %1").arg(node.number));
            box->SetShown(node.number == shown_);
        }
        box->SetCurrent(current_ == i);
        scene()->addItem(box);
        boxes_.push_back(box);
    }
    horizontalScrollBar()->setValue(left);
    verticalScrollBar()->setValue(top);
    MapRedrawn(this);
}

void MapView::MarkShown(int scenarioNr) {
    shown_ = scenarioNr;
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->SetShown(graph_.nodes[i].kind == MapNode::Kind::Scenario &&
                            graph_.nodes[i].number == scenarioNr);
}

void MapView::SetCurrentBox(std::size_t box) {
    if (box >= boxes_.size()) return;
    if (current_ && *current_ < boxes_.size()) boxes_[*current_]->SetCurrent(false);
    current_ = box;
    boxes_[box]->SetCurrent(true);
    ensureVisible(boxes_[box], 24, 24);
    if (hasFocus()) CurrentBoxChanged(this, box);
}

void MapView::Fit() {
    fitInView(sceneRect(), Qt::KeepAspectRatio);
    if (transform().m11() > 1) resetTransform();  // a small map at its own size
}

void MapView::Zoom(double factor) {
    const double zoom = transform().m11() * factor;
    if (zoom > 0.1 && zoom < 5) scale(factor, factor);
}

std::optional<std::size_t> MapView::BoxAt(const QPoint& position) const {
    for (QGraphicsItem* item : items(position)) {
        const QVariant node = item->data(kNodeKey);
        if (node.isValid()) return node.toULongLong();
    }
    return std::nullopt;
}

void MapView::keyPressEvent(QKeyEvent* event) {
    const std::optional<MapStep> step = event->key() == Qt::Key_Up      ? MapStep::Up
                                        : event->key() == Qt::Key_Down  ? MapStep::Down
                                        : event->key() == Qt::Key_Left  ? MapStep::Left
                                        : event->key() == Qt::Key_Right ? MapStep::Right
                                                                        : std::optional<MapStep>();
    if (step && !boxes_.empty()) {
        // The first key goes to the shown scenario's box, or else the first box.
        std::size_t to = current_.value_or(0);
        if (!current_ && shown_ >= 0 && static_cast<std::size_t>(shown_) < boxes_.size())
            to = static_cast<std::size_t>(shown_);
        else if (current_)
            to = NextBox(graph_, layout_, *current_, *step).value_or(*current_);
        SetCurrentBox(to);
    } else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && current_ &&
               graph_.nodes[*current_].kind == MapNode::Kind::Scenario) {
        emit scenarioClicked(graph_.nodes[*current_].number);
    } else if (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal) {
        Zoom(1.2);
    } else if (event->key() == Qt::Key_Minus) {
        Zoom(1 / 1.2);
    } else if (event->key() == Qt::Key_0) {
        Fit();
    } else if (event->key() == Qt::Key_Menu ||
               (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, {}, {}, event->modifiers());
        contextMenuEvent(&menu);
    } else {
        QGraphicsView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void MapView::contextMenuEvent(QContextMenuEvent* event) {
    std::optional<std::size_t> box =
        event->reason() == QContextMenuEvent::Keyboard ? current_ : BoxAt(event->pos());
    if (!box || graph_.nodes[*box].kind != MapNode::Kind::Scenario) return;
    SetCurrentBox(*box);
    const QPoint at =
        event->reason() == QContextMenuEvent::Keyboard
            ? viewport()->mapToGlobal(mapFromScene(boxes_[*box]->sceneBoundingRect().center()))
            : event->globalPos();
    emit boxMenuRequested(*box, at);
    event->accept();
}

void MapView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        for (QGraphicsItem* item : items(event->position().toPoint())) {
            if (const QVariant edge = item->data(kEdgeKey); edge.isValid()) {
                dragged_ = edge.toULongLong();
                const EdgePlace& line = layout_.edges[*dragged_];
                const double scale = logicalDpiY() / 72.0;
                const QPointF from(line.curve.front().x * scale, line.curve.front().y * scale);
                dragLine_ =
                    scene()->addLine(QLineF(from, mapToScene(event->position().toPoint())),
                                     QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
                dragLine_->setZValue(3);
                viewport()->setCursor(Qt::ClosedHandCursor);
                event->accept();
                return;
            }
            if (const QVariant node = item->data(kNodeKey); node.isValid()) {
                const std::size_t box = node.toULongLong();
                SetCurrentBox(box);
                if (graph_.nodes[box].kind == MapNode::Kind::Scenario)
                    emit scenarioClicked(graph_.nodes[box].number);
                event->accept();
                return;
            }
        }
    }
    QGraphicsView::mousePressEvent(event);
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
    if (dragged_ && dragLine_) {
        QLineF line = dragLine_->line();
        line.setP2(mapToScene(event->position().toPoint()));
        dragLine_->setLine(line);
        event->accept();
        return;
    }
    QGraphicsView::mouseMoveEvent(event);
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragged_) {
        QGraphicsView::mouseReleaseEvent(event);
        return;
    }
    const std::size_t edge = *std::exchange(dragged_, std::nullopt);
    delete std::exchange(dragLine_, nullptr);
    viewport()->unsetCursor();
    event->accept();
    const std::optional<std::size_t> box = BoxAt(event->position().toPoint());
    if (box && *box != graph_.edges[edge].to && graph_.nodes[*box].kind != MapNode::Kind::Dangling)
        emit edgeDropped(edge, *box);
}

void MapView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    Zoom(std::pow(1.2, event->angleDelta().y() / 120.0));
    event->accept();
}

}  // namespace xal::gui
