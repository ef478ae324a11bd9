// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/model/campaign_limits.h"
#include "core/model/outcomes.h"
#include "core/scenario_ops/scenario_ops.h"

namespace xal {
namespace {

// One step up or down, held to 0 to 65000 on the side of the step. A step outside the
// options dialog's range could leave 32 bits; the sum is then held to the 32-bit range.
Long Stepped(Long value, std::int64_t step, bool raise, bool moves) {
    std::int64_t result = value + (moves ? (raise ? step : -step) : 0);
    result = std::clamp<std::int64_t>(result, std::numeric_limits<Long>::min(),
                                      std::numeric_limits<Long>::max());
    if (raise) return static_cast<Long>(std::min<std::int64_t>(result, limits::kEditorPrestige));
    return static_cast<Long>(std::max<std::int64_t>(result, 0));
}

void Adjust(Scenario& scenario, Long increment, bool raise) {
    scenario.SetPrestige(Stepped(scenario.Prestige(), increment, raise, true));
    for (long k = 1; k <= kOutcomeCount; ++k) {
        Victory& outcome = *scenario.Victories()->Item(k);
        // An outcome that ends the campaign awards nothing more, but is held all the same.
        const bool moves = outcome.OnEndGoTo() != Victory::EndOfCampaign;
        outcome.SetPrestige(Stepped(outcome.Prestige(), increment, raise, moves));
    }
}

}  // namespace

void AdjustPrestige(Campaign& campaign, Byte charMode, Long increment, Byte displayed) {
    const bool raise = charMode == CampaignUp || charMode == ScenarioUp;
    if (charMode == CampaignUp || charMode == CampaignDown) {
        for (int n = 0; n < campaign.NrOfScenarios(); ++n)
            Adjust(*campaign.ScenarioAt(static_cast<Byte>(n)), increment, raise);
    } else {
        Adjust(*campaign.ScenarioAt(displayed), increment, raise);
    }
}

}  // namespace xal
