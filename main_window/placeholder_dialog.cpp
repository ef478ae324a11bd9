#include "main_window/placeholder_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "platform/prompts.h"

namespace xal::gui {

void ShowPlaceholderDialog(const char* name, const QString& caption, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(name);
    dialog.setWindowTitle(caption);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    (new QVBoxLayout(&dialog))->addWidget(buttons);
    platform::RunModalDialog(name, &dialog, [&dialog] { dialog.exec(); });
}

}  // namespace xal::gui
