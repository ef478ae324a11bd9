// SPDX-License-Identifier: MIT
#include "core/scenario_ops/scenario_contents.h"

namespace xal {

void CopyScenarioContents(const Scenario& from, Scenario& to) {
    to.SetScenarioName(from.ScenarioName());
    to.SetNrOfUnits(from.NrOfUnits());
    to.SetPrestige(from.Prestige());
    to.SetScenarioMOV(from.ScenarioMOV());
    to.SetScenarioTXT(from.ScenarioTXT());
    for (long k = 1; k <= kOutcomeCount; ++k) {
        const Victory& source = *from.Victories()->Item(k);
        Victory& target = *to.Victories()->Item(k);
        target.SetOnEndGoTo(source.OnEndGoTo());
        target.SetPrestige(source.Prestige());
        target.SetVictoryMOV(source.VictoryMOV());
        target.SetVictoryTXT(source.VictoryTXT());
    }
}

Scenario CopyOfScenario(const Scenario& from) {
    Scenario copy;
    for (long k = 1; k <= kOutcomeCount; ++k) copy.Victories()->Add({}, {}, 0, 0);
    CopyScenarioContents(from, copy);
    return copy;
}

}  // namespace xal
