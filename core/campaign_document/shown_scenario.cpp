// SPDX-License-Identifier: MIT
#include "core/campaign_document/shown_scenario.h"

#include <algorithm>
#include <utility>

namespace xal {

bool ShownScenario::Follow(const DocumentChange& change, int count) {
    int shown = number_;
    if (change.Has(DocumentChange::kReplaced))
        shown = 0;
    else if (change.Has(DocumentChange::kScenarioList) || change.Has(DocumentChange::kRestored))
        shown = change.scenario.value_or(0);
    shown = std::clamp(shown, 0, std::max(count - 1, 0));
    return std::exchange(number_, static_cast<Byte>(shown)) != shown;
}

bool ShownScenario::Choose(int number, int count) {
    if (number < 0 || number >= count || number == number_) return false;
    number_ = static_cast<Byte>(number);
    return true;
}

}  // namespace xal
