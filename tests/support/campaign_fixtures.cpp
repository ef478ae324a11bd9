// SPDX-License-Identifier: MIT
#include "support/campaign_fixtures.h"

#include "core/base/read_limits.h"
#include "core/campaign_file/campaign_reader.h"

namespace xal::test {

Campaign DistinctCampaign(int count) {
    Campaign campaign;
    campaign.SetNrOfScenarios(static_cast<Byte>(count));
    campaign.SetCountry(7);
    campaign.SetPrestige(300);
    campaign.SetVictoryMOV("won.mov");
    campaign.SetDefeatMOV("lost.mov");
    campaign.SetCampaignTXT("camp1.txt");
    for (int i = 0; i < count; ++i) {
        std::string n = std::to_string(i);
        auto scenario =
            campaign.Scenarios()->Add("camp1" + n + ".scn", static_cast<Byte>(i), "s" + n + ".mov",
                                      "s" + n + "i.txt", 1000 + i, 150);
        for (int j = 0; j < 4; ++j) {
            std::string o = n + "_" + std::to_string(j);
            scenario->Victories()->Add("m" + o + ".mov", "t" + o + ".txt", 65535 - 100 * i - j,
                                       static_cast<Byte>(j == 3 ? 254 : (i + j) % count));
        }
    }
    return campaign;
}

Long StoredPrestige(const std::string& path) {
    Campaign read;
    ParseCampaign(ReadWholeFile(path, platform::read_limit::kCampaignFile), read);
    return read.Prestige();
}

void SetLinks(Campaign& campaign, const CampaignLinks& links) {
    for (std::size_t n = 0; n < links.size(); ++n)
        for (int k = 0; k < 4; ++k)
            campaign.ScenarioAt(static_cast<Byte>(n))
                ->Victories()
                ->Item(k + 1)
                ->SetOnEndGoTo(static_cast<Byte>(links[n][k]));
}

}  // namespace xal::test
