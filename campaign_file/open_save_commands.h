#pragma once

#include <string>

namespace xal::gui {

class frmMain;

// Lets the user choose a campaign file, reads it and shows it. The chosen campaign
// becomes current only once it has been read completely; a failed read keeps the
// previous campaign and the window as they were.
void OpenCampaign(frmMain& window);

// Opens a named campaign file the same way, without the picker: from the command line,
// a drop or the recent campaigns. A path that names no file fails as "File not found".
void OpenCampaignFile(frmMain& window, const std::string& path);

// Writes the current campaign to its own file, or with `saveAs` to one the user chooses.
// Returns whether the campaign was written: false when the user cancelled or it failed.
bool SaveCampaign(frmMain& window, bool saveAs);

}  // namespace xal::gui
