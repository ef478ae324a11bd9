// SPDX-License-Identifier: MIT
#include "main_window/drop_down_list.h"

#include "main_window/accessible_controls.h"

namespace xal::gui {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
    UseAccessibleControls();
}

void DropDownList::showPopup() {
    emit droppedDown();
    QComboBox::showPopup();
}

}  // namespace xal::gui
