#pragma once

namespace xal::gui {

class frmMain;

// Lets the user choose a campaign file, reads it and shows it. The chosen campaign
// becomes current only once it has been read completely; a failed read keeps the
// previous campaign and the window as they were.
void OpenCampaign(frmMain& window);

// Writes the current campaign to its own file, or with `saveAs` to one the user chooses.
void SaveCampaign(frmMain& window, bool saveAs);

}  // namespace xal::gui
