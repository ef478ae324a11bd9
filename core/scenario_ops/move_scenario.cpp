// SPDX-License-Identifier: MIT
#include "core/scenario_ops/scenario_contents.h"
#include "core/scenario_ops/scenario_ops.h"

namespace xal {

void MoveScenario(Campaign& campaign, Byte charFrom, Byte charTo) {
    Scenario& a = *campaign.ScenarioAt(charFrom);
    Scenario& b = *campaign.ScenarioAt(charTo);
    const Scenario held = CopyOfScenario(a);
    CopyScenarioContents(b, a);
    CopyScenarioContents(held, b);
    // After the contents, so that links held by the two moved scenarios follow too.
    for (int n = 0; n < campaign.NrOfScenarios(); ++n) {
        ForEachLink(*campaign.ScenarioAt(static_cast<Byte>(n)), [&](Byte link) {
            return link == charFrom ? charTo : link == charTo ? charFrom : link;
        });
    }
}

}  // namespace xal
