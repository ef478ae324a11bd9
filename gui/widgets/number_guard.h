// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>
#include <optional>

#include "core/base/number_text.h"

namespace xal::gui {

// How the user's locale (Qt's default locale) writes numbers.
NumberFormat LocaleNumberFormat();

// A box's text read as a number the way the user's locale writes it.
std::optional<double> ReadBoxNumber(const QString& text);

// Keeps a box numeric: whenever its text is no number, or one that rounds (halves to
// even) to outside 0 to `high`, `reset` replaces it at once. Connect it before the box
// is first filled, so that a stored value out of range shows as the reset value.
void GuardNumberBox(QLineEdit* box, double high, const QString& reset);

}  // namespace xal::gui
