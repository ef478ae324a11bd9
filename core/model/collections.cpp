// SPDX-License-Identifier: MIT
#include "core/model/scenario.h"
#include "core/model/victory.h"

namespace xal {

Victories::Pointer Victories::Add(const std::string& victoryMOV, const std::string& victoryTXT,
                                  Long prestige, Byte onEndGoTo) {
    auto victory = std::make_shared<Victory>();
    victory->SetVictoryMOV(victoryMOV);
    victory->SetVictoryTXT(victoryTXT);
    victory->SetPrestige(prestige);
    victory->SetOnEndGoTo(onEndGoTo);
    return Append(victory);
}

Scenarios::Pointer Scenarios::Add(const std::string& scenarioName, Byte scenarioNr,
                                  const std::string& scenarioMOV, const std::string& scenarioTXT,
                                  Long prestige, Byte nrOfUnits) {
    auto scenario = std::make_shared<Scenario>();
    scenario->SetScenarioName(scenarioName);
    scenario->SetScenarioNr(scenarioNr);
    scenario->SetScenarioMOV(scenarioMOV);
    scenario->SetScenarioTXT(scenarioTXT);
    scenario->SetPrestige(prestige);
    scenario->SetNrOfUnits(nrOfUnits);
    return Append(scenario);
}

}  // namespace xal
