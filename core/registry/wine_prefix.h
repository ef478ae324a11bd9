// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

// The Wine prefix in which Linux players run the game: a folder holding the registry of
// the Windows programs installed in it and the links of its drives.
namespace xal::platform {

// The prefix Wine itself uses: $WINEPREFIX, else ".wine" in the home folder. Nothing when
// WINEPREFIX is not an absolute path (Wine refuses such a prefix) or there is no home.
std::optional<std::string> DefaultWinePrefix();

// The Linux path of a Windows path such as "C:\Games\Legion" in the prefix, both UTF-8. The drive
// letter, in either case, leads through its link in the prefix's "dosdevices" folder
// (a relative link from that folder); C: without a link is the prefix's "drive_c". Each
// folder below it is named as on disk when the disk's name differs only in the case of
// its letters, as Windows paths do not tell case apart; folders that do not exist are
// kept as they stand. Nothing for a path without a drive letter (such as a network path)
// or on a drive the prefix does not have.
std::optional<std::string> WinePathToUnix(const std::string& prefix,
                                          const std::string& windowsPath);

}  // namespace xal::platform
