// SPDX-License-Identifier: MIT
#include "gui/campaign_map/node_box.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/campaign_map/map_style.h"
#include "gui/widgets/qt_text.h"

namespace xal::gui {
namespace {

QColor Mix(const QColor& base, const QColor& hue, double share) {
    auto blend = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return QColor(blend(base.red(), hue.red()), blend(base.green(), hue.green()),
                  blend(base.blue(), hue.blue()));
}

}  // namespace

NodeBox::NodeBox(const QRectF& rect, const MapNode& node, QFont font, const QPalette& palette)
    : rect_(rect),
      text_(ToQString(node.label)),
      highlight_(palette.color(QPalette::Highlight)),
      doubleBorder_(node.kind == MapNode::Kind::End) {
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const QColor warning(map_style::kWarningHue), error(map_style::kErrorHue);
    pen_ = QPen(text, 1);
    brush_ = base;
    textColour_ = text;
    if (node.kind == MapNode::Kind::Dangling) {
        pen_ = QPen(error, 1.5, Qt::DashLine);
        brush_ = Mix(base, error, 0.12);
        textColour_ = error;
    } else if (node.problem) {
        const QColor hue = *node.problem == Severity::Error ? error : warning;
        pen_ = QPen(hue, 2.5);
        brush_ = Mix(base, hue, 0.25);
    }
    const QSizeF needed = QFontMetricsF(font).boundingRect(QRectF(), Qt::AlignCenter, text_).size();
    const double room =
        std::min((rect.width() - 6) / needed.width(), (rect.height() - 2) / needed.height());
    if (room < 1) font.setPointSizeF(font.pointSizeF() * room);
    font_ = font;
}

void NodeBox::SetShown(bool shown) {
    if (std::exchange(shown_, shown) != shown) update();
}

void NodeBox::SetCurrent(bool current) {
    if (std::exchange(current_, current) != current) update();
}

void NodeBox::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF frame = rect_.adjusted(1, 1, -1, -1);
    if (shown_) {
        painter->setPen(QPen(highlight_, 3));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(frame.adjusted(-2, -2, 2, 2), 5, 5);
    }
    painter->setPen(pen_);
    painter->setBrush(brush_);
    painter->drawRoundedRect(frame, 4, 4);
    if (doubleBorder_) {
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(frame.adjusted(3, 3, -3, -3), 2, 2);
    }
    painter->setPen(textColour_);
    painter->setFont(font_);
    painter->drawText(rect_, Qt::AlignCenter, text_);
    if (current_) {
        painter->setPen(QPen(textColour_, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect_.adjusted(-3, -3, 3, 3));
    }
}

}  // namespace xal::gui
