// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

#include "core/base/conversions.h"
#include "core/model/scenario.h"

namespace xal {

// How a finding names a scenario: "Scenario 3 (camp13.scn)".
inline std::string ScenarioWords(std::size_t nr, const Scenario& scenario) {
    return "Scenario " + DecimalText(static_cast<long long>(nr)) + " (" + scenario.ScenarioName() +
           ")";
}

}  // namespace xal
