// SPDX-License-Identifier: MIT
#pragma once

namespace xal::gui {

#ifdef _WIN32
// Under Wine, Qt's GDI font engine leaves the text of edit boxes undrawn, so the Windows
// build run there asks Qt for its FreeType engine instead, unless the user chose a
// platform (QT_QPA_PLATFORM). Call before the application object is made.
void UseFreeTypeUnderWine();
#endif

}  // namespace xal::gui
