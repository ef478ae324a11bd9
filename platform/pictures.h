// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QStyle>

namespace xal::gui {

// The picture of this name in the desktop's icon theme, or the style's own when the
// theme has none. The picture is looked up and decoded when it is first drawn, so the
// pictures of hidden controls cost nothing at start-up; each is made once and shared.
QIcon Picture(const char* themeName, QStyle::StandardPixmap fallback);

}  // namespace xal::gui
