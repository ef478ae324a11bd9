#pragma once

#include <string>

namespace xal {

// The name of the read-me file that ships beside the program's executable.
inline constexpr const char* kReadMeFileName = "XaL_CampaignEdit_README.txt";

// "Version " major "." minor in at least two digits, followed by " (revision N)" when the
// revision is not 0: 2.5.0 reads "Version 2.05", 1.12.3 "Version 1.12 (revision 3)".
std::string VersionLine(int major, int minor, int revision);

// The read-me's path in the program's folder, joined with the platform's separator.
std::string ReadMePath(const std::string& programFolder);

// The read-me's whole contents as the About box shows them, in the program's bytes with
// CR LF line ends. A missing read-me gives the empty text, and nothing is created in the
// program's folder; one that cannot be read gives a short explanation instead, so the
// About box always opens.
std::string ReadMeText(const std::string& programFolder);

}  // namespace xal
