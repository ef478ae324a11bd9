// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "core/model/collection.h"
#include "core/model/victory.h"

namespace xal {

// One scenario of a campaign with its four outcomes.
class Scenario {
  public:
    static constexpr Byte UnitsByte = 150;

    const std::shared_ptr<xal::Victories>& Victories() const { return victories_; }
    void SetVictories(std::shared_ptr<xal::Victories> value) { victories_ = std::move(value); }
    Byte NrOfUnits() const { return nrOfUnits_; }
    void SetNrOfUnits(Byte value) { nrOfUnits_ = value; }
    Long Prestige() const { return prestige_; }
    void SetPrestige(Long value) { prestige_ = value; }
    const std::string& ScenarioTXT() const { return scenarioTXT_; }
    void SetScenarioTXT(const std::string& value) { scenarioTXT_ = value; }
    const std::string& ScenarioMOV() const { return scenarioMOV_; }
    void SetScenarioMOV(const std::string& value) { scenarioMOV_ = value; }
    Byte ScenarioNr() const { return scenarioNr_; }
    void SetScenarioNr(Byte value) { scenarioNr_ = value; }
    const std::string& ScenarioName() const { return scenarioName_; }
    void SetScenarioName(const std::string& value) { scenarioName_ = value; }

  private:
    std::shared_ptr<xal::Victories> victories_ = std::make_shared<xal::Victories>();
    Byte nrOfUnits_ = 0;
    Long prestige_ = 0;
    std::string scenarioTXT_;
    std::string scenarioMOV_;
    Byte scenarioNr_ = 0;
    std::string scenarioName_;
};

// The scenarios of a campaign in playing order.
class Scenarios : public Collection<Scenario> {
  public:
    Pointer Add(const std::string& scenarioName, Byte scenarioNr, const std::string& scenarioMOV,
                const std::string& scenarioTXT, Long prestige, Byte nrOfUnits);
};

}  // namespace xal
