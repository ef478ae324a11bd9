#pragma once

#include <QLineEdit>

namespace xal::gui {

// Keeps a box numeric: whenever its text is no number, or one that rounds (halves to
// even) to outside 0 to `high`, `reset` replaces it at once. Connect it before the box
// is first filled, so that a stored value out of range shows as the reset value.
void GuardNumberBox(QLineEdit* box, double high, const QString& reset);

}  // namespace xal::gui
