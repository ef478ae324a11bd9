// SPDX-License-Identifier: MIT
#include "gui/main_window/drop_down_list.h"

#include "gui/main_window/accessible_controls.h"

namespace xal::gui {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
    UseAccessibleControls();
}

void DropDownList::showPopup() {
    emit droppedDown();
    QComboBox::showPopup();
}

}  // namespace xal::gui
