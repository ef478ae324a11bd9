// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/model/campaign.h"

namespace xal {

// The values of a campaign that are shown and edited one by one.
enum class Field {
    ScenarioCount,  // NrOfScenarios: shown, changed only by adding and deleting scenarios
    CampaignPrestige,
    CampaignVictoryMOV,
    CampaignDefeatMOV,
    CampaignTXT,
    Country,
    ScenarioFile,
    ScenarioTXT,
    ScenarioMOV,
    ScenarioPrestige,
    OutcomeTXT,
    OutcomeMOV,
    OutcomePrestige,
    OutcomeGoTo,
};

// Whose value a field is: the campaign's, a scenario's or an outcome's.
enum class FieldLevel { Campaign, Scenario, Outcome };
FieldLevel LevelOf(Field field);

// Where a field is, 0-based: a scenario field is in its scenario, an outcome field in its
// scenario's outcome (0 brilliant victory to 3 loss); a campaign field ignores both.
struct FieldPlace {
    Byte scenario = 0;
    Byte outcome = 0;

    bool operator==(const FieldPlace&) const = default;
};

// The place with what its field's level ignores set to 0.
FieldPlace PlaceOf(Field field, FieldPlace place);

// A file-name field's text, and any other field's number. A place the campaign does not
// have raises "Subscript out of range" (9), a field of the other kind "Invalid procedure
// call or argument" (5), and so does setting the number of scenarios; a country or go-to
// outside 0 to 255 raises "Overflow" (6).
std::string TextOf(const Campaign& campaign, Field field, FieldPlace place);
Long NumberOf(const Campaign& campaign, Field field, FieldPlace place);
void SetTextOf(Campaign& campaign, Field field, FieldPlace place, const std::string& text);
void SetNumberOf(Campaign& campaign, Field field, FieldPlace place, Long number);

}  // namespace xal
