// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace xal::gui {

// The program's own picture of this name, built into the program from pictures/NAME.svg,
// so every platform and desktop shows the same. Each of its rendered sizes becomes a pixmap
// when it is first drawn, so the pictures of hidden controls cost nothing at start-up; each
// picture is made once and shared.
QIcon Picture(const char* name);

// The program's icon: the window's, the About box's and the desktop's.
QIcon ProgramIcon();

}  // namespace xal::gui
