// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace xal {

// Where a campaign file lies, as a campaign keeps it: its name without the ".cam" ending
// and its folder with the trailing separator.
struct CampaignPlace {
    std::string name;
    std::string folder;
};

// The place of a campaign file's path (UTF-8): the folder in the platform's own
// separators, as the file picker gives it; the name is the file's bare name without its
// last four characters, or empty when it has no more than four.
CampaignPlace CampaignPlaceOf(const std::string& path);

// The folder the game keeps its campaigns in, with its trailing separator: the game
// folder's "scenario" folder, in whatever case the game spells it.
std::string CampaignsFolder(const std::string& gameFolder);

}  // namespace xal
