// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>
#include <QVBoxLayout>

namespace xal::gui {

// A dialog's closing row at the foot of its column: the default button "OK" and a cancel
// button, right-aligned. The column then keeps the dialog at the size its contents need.
struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
};
DialogButtons AddDialogButtons(QVBoxLayout* column, const QString& cancelCaption);

}  // namespace xal::gui
