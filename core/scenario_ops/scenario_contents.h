// SPDX-License-Identifier: MIT
#pragma once

#include "core/model/outcomes.h"
#include "core/model/scenario.h"

namespace xal {

// Copies what travels with a scenario when scenarios change places: everything but its
// number, the outcomes field by field. Both have their four outcomes.
void CopyScenarioContents(const Scenario& from, Scenario& to);

// A scenario that holds a copy of another's contents and outcomes.
Scenario CopyOfScenario(const Scenario& from);

// The go-to links of a scenario's four outcomes, in their order.
template <typename Change>
void ForEachLink(Scenario& scenario, Change change) {
    for (long k = 1; k <= kOutcomeCount; ++k) {
        Victory& outcome = *scenario.Victories()->Item(k);
        outcome.SetOnEndGoTo(change(outcome.OnEndGoTo()));
    }
}

}  // namespace xal
