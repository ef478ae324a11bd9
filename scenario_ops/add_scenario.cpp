#include "model/conversions.h"
#include "scenario_ops/scenario_ops.h"

namespace xal {
namespace {

constexpr Byte kEndOfCampaign = 254;

}  // namespace

void AddScenario(Campaign& campaign) {
    campaign.SetNrOfScenarios(ToByte(campaign.NrOfScenarios() + 1));
    const Byte count = campaign.NrOfScenarios();
    std::string position = DecimalText(count);
    if (position.size() == 1) position = "0" + position;
    auto scenario = campaign.Scenarios()->Add(campaign.CampaignName() + "_" + position + ".scn",
                                              static_cast<Byte>(count - 1), {}, {}, 0, 150);
    for (int k = 0; k < 4; ++k) scenario->Victories()->Add({}, {}, 0, kEndOfCampaign);
}

}  // namespace xal
