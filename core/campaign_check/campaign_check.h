// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/campaign.h"
#include "core/model/campaign_fields.h"

namespace xal {

// What a look over a campaign finds: an error keeps the campaign from being saved or
// played as meant, a warning is worth a look.
enum class Severity { Error, Warning };

struct Finding {
    Severity severity = Severity::Warning;
    std::optional<int> scenario;   // the scenario number, when it concerns one
    std::optional<int> outcome;    // 0 brilliant victory to 3 loss, when it concerns one
    std::string text;              // a plain sentence, in the campaign's code page
    std::optional<Field> field{};  // the field it concerns, when one

    bool operator==(const Finding&) const = default;
};

// Every finding, in scenario order and within a scenario in outcome order; campaign-wide
// findings come first. Nothing for a sound campaign.
std::vector<Finding> CheckCampaign(const Campaign& campaign);

// The same, and the findings of CheckGameFiles with a game in `gameFolder`; an empty
// folder names no game, and the campaign alone is checked.
std::vector<Finding> CheckCampaign(const Campaign& campaign, const std::string& gameFolder);

// The same, with the findings CheckGameFiles made of this campaign before.
std::vector<Finding> CheckCampaign(const Campaign& campaign, const std::vector<Finding>& gameFiles);

// The files the campaign names, looked for as the game does: the scenario and text files
// in the campaign's folder, the movies there or anywhere under the game's folder. A file
// that is not there, or is there only with other capitals (a Windows game finds it, Wine
// on a case-sensitive file system may not), is a warning on its field; an empty name
// names no file. A campaign that has no folder yet (neither folder nor file) has only its
// movies looked for. A folder that cannot be read is a warning, and what it should hold is
// not looked for. Each folder is read once; an empty game folder names no game, and
// nothing is looked for.
std::vector<Finding> CheckGameFiles(const Campaign& campaign, const std::string& gameFolder);

// A finding as one line: "error: " or "warning: " and its sentence.
std::string FindingLine(const Finding& finding);

// Whether any finding is an error.
bool HasErrors(const std::vector<Finding>& findings);

}  // namespace xal
