// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

namespace xal::gui {

// A drop-down list that tells when the user opens it.
class DropDownList : public QComboBox {
    Q_OBJECT

  public:
    explicit DropDownList(QWidget* parent);
    void showPopup() override;

  signals:
    void droppedDown();
};

}  // namespace xal::gui
