#pragma once

#include <QStringList>

namespace xal::gui {

class frmMain;

// The program's entry routine: creates the empty current campaign, loads the settings
// and shows the main window, not modally. The caller then runs the event loop.
void Main();

// The program's one argument, a campaign file, opened as Open would open it. More
// arguments than one are a usage error, told on standard error; nothing is opened then.
void OpenCommandLineCampaign(const QStringList& arguments);

// The main window Main showed, or null before it.
frmMain* MainWindow();

}  // namespace xal::gui
