// SPDX-License-Identifier: MIT
#pragma once

namespace xal::gui {

// What a screen reader is told of the main window's own controls: a drop-down list is named
// by its label, as a text box is, and its entry is its value; a read-only box is read-only
// and not editable. Called by those controls; the first call installs it.
void UseAccessibleControls();

}  // namespace xal::gui
