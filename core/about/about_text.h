// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace xal {

// The name of the read-me file: beside the program's executable in the build tree and on
// Windows, in the program's data folder when installed elsewhere.
inline constexpr const char* kReadMeFileName = "XaL_CampaignEdit_README.txt";

// "Version " major "." minor in at least two digits, followed by " (revision N)" when the
// revision is not 0: 2.5.0 reads "Version 2.05", 1.12.3 "Version 1.12 (revision 3)".
std::string VersionLine(int major, int minor, int revision);

// The read-me's path in the program's folder, joined with the platform's separator.
std::string ReadMePath(const std::string& programFolder);

// The installed read-me's path: an installation puts it in the program's data folder,
// found from the program's folder as ../share/xal-campaign-edit is from bin.
std::string InstalledReadMePath(const std::string& programFolder);

// The read-me's whole contents as the About box shows them: UTF-8 with CR LF line ends
// as the build makes it (an older read-me may be in Windows-1252). The read-me beside the program
// (as in the build tree) comes first, else the installed one. A missing read-me gives the empty
// text, and nothing is created in either folder; one that cannot be read gives a short explanation
// instead, so the About box always opens.
std::string ReadMeText(const std::string& programFolder);

}  // namespace xal
