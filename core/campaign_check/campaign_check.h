// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/campaign.h"

namespace xal {

// What a look over a campaign finds: an error keeps the campaign from being saved or
// played as meant, a warning is worth a look.
enum class Severity { Error, Warning };

struct Finding {
    Severity severity = Severity::Warning;
    std::optional<int> scenario;  // the scenario number, when it concerns one
    std::optional<int> outcome;   // 0 brilliant victory to 3 loss, when it concerns one
    std::string text;             // a plain sentence

    bool operator==(const Finding&) const = default;
};

// Every finding, in scenario order and within a scenario in outcome order; campaign-wide
// findings come first. Nothing for a sound campaign.
std::vector<Finding> CheckCampaign(const Campaign& campaign);

// A finding as one line: "error: " or "warning: " and its sentence.
std::string FindingLine(const Finding& finding);

// Whether any finding is an error.
bool HasErrors(const std::vector<Finding>& findings);

}  // namespace xal
