// SPDX-License-Identifier: MIT
#include "model/campaign_text.h"
#include "model/conversions.h"
#include "scenario_ops/scenario_ops.h"

namespace xal {

void AddScenario(Campaign& campaign) {
    const Byte count = ToByte(campaign.NrOfScenarios() + 1);
    const std::string name =
        CampaignTextOfName(campaign.CampaignName() + "_" + DecimalText(count, 2) + ".scn");
    campaign.SetNrOfScenarios(count);
    auto scenario = campaign.Scenarios()->Add(name, static_cast<Byte>(count - 1), {}, {}, 0,
                                              Scenario::UnitsByte);
    for (int k = 0; k < 4; ++k) scenario->Victories()->Add({}, {}, 0, Victory::EndOfCampaign);
}

}  // namespace xal
