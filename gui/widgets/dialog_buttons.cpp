// SPDX-License-Identifier: MIT
#include "gui/widgets/dialog_buttons.h"

#include <QHBoxLayout>

namespace xal::gui {

DialogButtons AddDialogButtons(QVBoxLayout* column, const QString& cancelCaption) {
    auto* ok = new QPushButton("OK");
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton(cancelCaption);
    cancel->setObjectName("cmdCancel");
    cancel->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    column->addLayout(row);
    column->setSizeConstraint(QLayout::SetFixedSize);
    return {ok, cancel};
}

}  // namespace xal::gui
