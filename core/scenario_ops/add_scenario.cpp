// SPDX-License-Identifier: MIT
#include "core/base/conversions.h"
#include "core/base/error.h"
#include "core/model/campaign_text.h"
#include "core/model/outcomes.h"
#include "core/scenario_ops/scenario_ops.h"

namespace xal {

void AddScenario(Campaign& campaign) {
    const Byte count = RunConcerning("Field: Number of scenarios",
                                     [&] { return ToByte(campaign.NrOfScenarios() + 1); });
    // The new scenario's file name is made from the campaign's name.
    const std::string name =
        RunConcerning("Field: Scenario " + DecimalText(count - 1) + " > Scenario SCN File", [&] {
            return CampaignTextOfName(campaign.CampaignName() + "_" + DecimalText(count, 2) +
                                      ".scn");
        });
    campaign.SetNrOfScenarios(count);
    auto scenario = campaign.Scenarios()->Add(name, static_cast<Byte>(count - 1), {}, {}, 0,
                                              Scenario::UnitsByte);
    for (int k = 0; k < kOutcomeCount; ++k)
        scenario->Victories()->Add({}, {}, 0, Victory::EndOfCampaign);
}

}  // namespace xal
