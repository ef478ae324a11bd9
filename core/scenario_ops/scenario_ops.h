// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/campaign.h"

namespace xal {

// The scenario list operations on a campaign. Scenario numbers are positions in the
// campaign's order, so every operation keeps the go-to links leading where its rule says.

// Appends a scenario named CampaignName + "_" + its one-based position in at least two
// digits + ".scn", with no files and no prestige, whose four outcomes end the campaign.
// A campaign of 255 scenarios raises the overflow error (6), and a campaign name (UTF-8,
// as the campaign's file name) that a campaign file cannot store raises the
// invalid-argument error (5); either way the campaign is left as it was.
void AddScenario(Campaign& campaign);

// Exchanges the contents of two scenarios, then the two numbers in every go-to link, so
// that each link leads to the same contents as before.
void MoveScenario(Campaign& campaign, Byte charFrom, Byte charTo);

// Removes a scenario: the later ones move down a place and the links they hold from 1
// to 253 are lowered by one; the links of earlier scenarios stay as they were.
void DeleteScenario(Campaign& campaign, Byte scenarioNr);

enum PrestigeMode : Byte { CampaignUp = 0, CampaignDown = 1, ScenarioUp = 2, ScenarioDown = 3 };

// Raises (modes 0 and 2) or lowers (modes 1 and 3) prestige by `increment`, for every
// scenario (modes 0 and 1) or only `displayed` (modes 2 and 3). Outcomes that end the
// campaign keep their value; every value changed or not is then held to 0 to 65000 in
// the direction of the change.
void AdjustPrestige(Campaign& campaign, Byte charMode, Long increment, Byte displayed);

}  // namespace xal
