// SPDX-License-Identifier: MIT
#pragma once

#include "core/base/conversions.h"

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

// Whether a field names a movie file.
constexpr bool IsMovieField(Field field) {
    return field == Field::CampaignVictoryMOV || field == Field::CampaignDefeatMOV ||
           field == Field::ScenarioMOV || field == Field::OutcomeMOV;
}
// Whether a field names a file: a movie, a text file or the scenario file.
constexpr bool IsFileNameField(Field field) {
    return IsMovieField(field) || field == Field::CampaignTXT || field == Field::ScenarioFile ||
           field == Field::ScenarioTXT || field == Field::OutcomeTXT;
}

// Whose value a field is: the campaign's, a scenario's or an outcome's.
enum class FieldLevel { Campaign, Scenario, Outcome };

// Where a field is, 0-based: a scenario field is in its scenario, an outcome field in its
// scenario's outcome (0 brilliant victory to 3 loss); a campaign field ignores both.
struct FieldPlace {
    Byte scenario = 0;
    Byte outcome = 0;

    bool operator==(const FieldPlace&) const = default;
};

}  // namespace xal
