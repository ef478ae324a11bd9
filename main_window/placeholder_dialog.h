#pragma once

#include <QString>

class QWidget;

namespace xal::gui {

// Shows a bare modal dialog named `name` with a close button; it stands in for a dialog
// whose own contents are not there yet.
void ShowPlaceholderDialog(const char* name, const QString& caption, QWidget* parent);

}  // namespace xal::gui
