// SPDX-License-Identifier: MIT
#pragma once

#include <random>
#include <string>

#include "core/new_campaign/campaign_generation.h"

// The campaigns the map's benchmarks lay out: the wizard's chain, the chain whose every loss
// ends the campaign, and the same scenarios with every outcome linked at random (a fixed
// seed) to any scenario, or to the end as often as to one scenario.
enum class Links { Chain, LossEnds, Random };

inline const char* NameOf(Links links) {
    return links == Links::Chain ? "chain" : links == Links::LossEnds ? "loss ends" : "random";
}

inline xal::Campaign MadeCampaign(Links links, int scenarios) {
    xal::NewCampaignInput input;
    input.NrOfScenariosText = std::to_string(scenarios);
    input.LossEndsCampaign = links == Links::LossEnds;
    xal::Campaign campaign = xal::GenerateCampaign(input, xal::SettingsRecord{});
    if (links == Links::Random) {
        std::mt19937 random(2026);
        std::uniform_int_distribution<int> goTo(0, scenarios);
        for (int n = 0; n < scenarios; ++n)
            for (int k = 1; k <= 4; ++k) {
                const int to = goTo(random);
                campaign.ScenarioAt(static_cast<xal::Byte>(n))
                    ->Victories()
                    ->Item(k)
                    ->SetOnEndGoTo(static_cast<xal::Byte>(to == scenarios ? 254 : to));
            }
    }
    return campaign;
}
