// SPDX-License-Identifier: MIT
#include "gui/main_window/drop_down_list.h"

namespace xal::gui {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {}

void DropDownList::showPopup() {
    emit droppedDown();
    QComboBox::showPopup();
}

}  // namespace xal::gui
