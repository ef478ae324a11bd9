// SPDX-License-Identifier: MIT
#include "gui/campaign_map/map_scene.h"

#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "core/campaign_map/map_style.h"
#include "gui/widgets/qt_text.h"

namespace xal::gui {
namespace {

// The key of the scenario number a scenario's box carries.
constexpr int kScenarioKey = 0;
constexpr double kMargin = 8;

const QColor kWarningHue(map_style::kWarningHue);
const QColor kErrorHue(map_style::kErrorHue);

QColor Mix(const QColor& base, const QColor& hue, double share) {
    auto blend = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return QColor(blend(base.red(), hue.red()), blend(base.green(), hue.green()),
                  blend(base.blue(), hue.blue()));
}

struct Look {
    QPen pen;
    QBrush brush;
    QColor text;
};

Look LookOf(const MapNode& node, const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    if (node.kind == MapNode::Kind::Dangling)
        return {QPen(kErrorHue, 1.5, Qt::DashLine), Mix(base, kErrorHue, 0.12), kErrorHue};
    if (node.problem) {
        const QColor hue = *node.problem == Severity::Error ? kErrorHue : kWarningHue;
        return {QPen(hue, 2.5), Mix(base, hue, 0.25), text};
    }
    return {QPen(text, 1), base, text};
}

// A node's box with its lines centred in it, in a font made smaller where they would not
// fit; the end of the campaign has a double border.
class NodeBox : public QGraphicsItem {
  public:
    NodeBox(const QRectF& rect, const QString& text, QFont font, Look look, bool doubleBorder)
        : rect_(rect), text_(text), look_(std::move(look)), doubleBorder_(doubleBorder) {
        const QSizeF needed =
            QFontMetricsF(font).boundingRect(QRectF(), Qt::AlignCenter, text).size();
        const double room =
            std::min((rect.width() - 6) / needed.width(), (rect.height() - 2) / needed.height());
        if (room < 1) font.setPointSizeF(font.pointSizeF() * room);
        font_ = font;
    }

    QRectF boundingRect() const override { return rect_.adjusted(-2, -2, 2, 2); }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(look_.pen);
        painter->setBrush(look_.brush);
        const QRectF frame = rect_.adjusted(1, 1, -1, -1);
        painter->drawRoundedRect(frame, 4, 4);
        if (doubleBorder_) {
            painter->setBrush(Qt::NoBrush);
            painter->drawRoundedRect(frame.adjusted(3, 3, -3, -3), 2, 2);
        }
        painter->setPen(look_.text);
        painter->setFont(font_);
        painter->drawText(rect_, Qt::AlignCenter, text_);
    }

  private:
    QRectF rect_;
    QString text_;
    QFont font_;
    Look look_;
    bool doubleBorder_;
};

// The arrowhead from a curve's end to its tip.
QPolygonF ArrowHead(const QPointF& end, const QPointF& tip) {
    const QPointF along = tip - end;
    const QPointF across(-along.y() * 0.35, along.x() * 0.35);
    return QPolygonF({tip, end + across, end - across});
}

}  // namespace

MapView::MapView(QWidget* parent) : QGraphicsView(parent) {
    setScene(new QGraphicsScene(this));
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void MapView::Draw(const CampaignGraph& graph, const MapLayout& layout) {
    const int left = horizontalScrollBar()->value();
    const int top = verticalScrollBar()->value();
    scene()->clear();
    boxes_.clear();

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
        const QColor hue = edge.dangling ? kErrorHue : colours.color(QPalette::Text);
        QPainterPath path(at(line.curve.front()));
        for (std::size_t p = 1; p + 2 < line.curve.size(); p += 3)
            path.cubicTo(at(line.curve[p]), at(line.curve[p + 1]), at(line.curve[p + 2]));
        scene()->addPath(path, QPen(hue, 1.2, edge.dangling ? Qt::DashLine : Qt::SolidLine));
        if (line.arrowTip)
            scene()->addPolygon(ArrowHead(at(line.curve.back()), at(*line.arrowTip)), QPen(hue, 1),
                                hue);
        if (line.labelCentre) {
            auto* label = scene()->addSimpleText(ToQString(edge.label), labelFont);
            label->setBrush(hue);
            label->setPos(at(*line.labelCentre) - label->boundingRect().center());
        }
    }
    for (std::size_t i = 0; i < graph.nodes.size(); ++i) {
        const MapNode& node = graph.nodes[i];
        const NodePlace& place = layout.nodes[i];
        const QSizeF size(place.width * scale, place.height * scale);
        auto* box =
            new NodeBox(QRectF(at(place.centre) - QPointF(size.width(), size.height()) / 2, size),
                        ToQString(node.label), nodeFont, LookOf(node, colours),
                        node.kind == MapNode::Kind::End);
        box->setZValue(1);
        if (node.kind == MapNode::Kind::Scenario) {
            box->setData(kScenarioKey, node.number);
            box->setCursor(Qt::PointingHandCursor);
            box->setToolTip(QString("Show scenario %1").arg(node.number));
        }
        scene()->addItem(box);
        boxes_.push_back(box);
    }
    horizontalScrollBar()->setValue(left);
    verticalScrollBar()->setValue(top);
}

void MapView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        for (QGraphicsItem* item : items(event->position().toPoint())) {
            const QVariant scenarioNr = item->data(kScenarioKey);
            if (scenarioNr.isValid()) {
                emit scenarioClicked(scenarioNr.toInt());
                event->accept();
                return;
            }
        }
    }
    QGraphicsView::mousePressEvent(event);
}

void MapView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    const double factor = std::pow(1.2, event->angleDelta().y() / 120.0);
    const double zoom = transform().m11() * factor;
    if (zoom > 0.2 && zoom < 5) scale(factor, factor);
    event->accept();
}

}  // namespace xal::gui
