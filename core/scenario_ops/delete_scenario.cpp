// SPDX-License-Identifier: MIT
#include "core/scenario_ops/scenario_contents.h"
#include "core/scenario_ops/scenario_ops.h"

namespace xal {

void DeleteScenario(Campaign& campaign, Byte scenarioNr) {
    const int count = campaign.NrOfScenarios();
    for (int k = scenarioNr + 1; k < count; ++k) {
        Scenario& target = *campaign.ScenarioAt(static_cast<Byte>(k - 1));
        CopyScenarioContents(*campaign.ScenarioAt(static_cast<Byte>(k)), target);
        // 0 and the values that end the campaign stay; every other link moves down.
        ForEachLink(target, [](Byte link) {
            return link > 0 && link < Victory::EndOfCampaign ? static_cast<Byte>(link - 1) : link;
        });
    }
    campaign.Scenarios()->Remove(count);
    campaign.SetNrOfScenarios(static_cast<Byte>(count - 1));
}

}  // namespace xal
