// SPDX-License-Identifier: MIT
#include "gui/widgets/fitted_label.h"

#include <algorithm>

namespace xal::gui {

FittedLabel::FittedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void FittedLabel::showEvent(QShowEvent* event) {
    if (!fitted_) {
        fitted_ = true;
        FitText();
    }
    QLabel::showEvent(event);
}

void FittedLabel::FitText() {
    QRect place = geometry();
    const int needed = fontMetrics().horizontalAdvance(text()) + 2;
    if (needed <= place.width()) return;
    place.setLeft(std::max(4, place.right() + 1 - needed));
    setGeometry(place);
    QFont smaller = font();
    while (QFontMetrics(smaller).horizontalAdvance(text()) + 2 > place.width() &&
           smaller.pointSizeF() > 6.5)
        smaller.setPointSizeF(smaller.pointSizeF() - 0.25);
    setFont(smaller);
}

}  // namespace xal::gui
