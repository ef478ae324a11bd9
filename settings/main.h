#pragma once

namespace xal::gui {

class frmMain;

// The program's entry routine: creates the empty current campaign, loads the settings
// and shows the main window, not modally. The caller then runs the event loop.
void Main();

// The main window Main showed, or null before it.
frmMain* MainWindow();

}  // namespace xal::gui
