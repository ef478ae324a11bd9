#include "model/conversions.h"
#include "scenario_ops/scenario_ops.h"

namespace xal {

void AddScenario(Campaign& campaign) {
    campaign.SetNrOfScenarios(ToByte(campaign.NrOfScenarios() + 1));
    const Byte count = campaign.NrOfScenarios();
    auto scenario =
        campaign.Scenarios()->Add(campaign.CampaignName() + "_" + DecimalText(count, 2) + ".scn",
                                  static_cast<Byte>(count - 1), {}, {}, 0, Scenario::UnitsByte);
    for (int k = 0; k < 4; ++k) scenario->Victories()->Add({}, {}, 0, Victory::EndOfCampaign);
}

}  // namespace xal
