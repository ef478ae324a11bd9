// SPDX-License-Identifier: MIT
#include "gui/widgets/caption_frame.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace xal::gui {

CaptionFrame::CaptionFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {
    setAccessibleName(caption);
}

void CaptionFrame::SetCaption(const QString& caption) {
    setTitle(caption);
    setAccessibleName(caption);
}

QFont CaptionFrame::CaptionFont() const {
    QFont caption = font();
    caption.setBold(true);
    return caption;
}

void CaptionFrame::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // The style sizes the caption's place by these metrics and writes it in the painter's font.
    const QFont caption = CaptionFont();
    option.fontMetrics = QFontMetrics(caption);
    painter.setFont(caption);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

}  // namespace xal::gui
