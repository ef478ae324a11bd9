// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace xal::gui {

// The program's own picture of this name, built into the program from pictures/NAME.svg,
// so every platform and desktop shows the same. It is read when it is first shown, so
// the pictures of hidden controls cost nothing at start-up; each is made once and shared.
QIcon Picture(const char* name);

// The program's icon: the window's, the About box's and the desktop's.
QIcon ProgramIcon();

}  // namespace xal::gui
