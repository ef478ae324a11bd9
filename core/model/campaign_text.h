// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace xal {

// Names cross between two encodings: the file system's (UTF-8, as every path of the
// program is) and a campaign file's texts (Windows-1252 bytes).

// A name the user chose, such as a campaign's or a picked file's, as the text a campaign
// file stores. A name with characters Windows-1252 cannot hold raises the
// invalid-argument error (5) with a description that names it: it is never stored with
// its characters replaced.
std::string CampaignTextOfName(const std::string& name);

// A text of a campaign file as a name of the file system.
std::string NameOfCampaignText(const std::string& text);

}  // namespace xal
