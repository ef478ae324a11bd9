// SPDX-License-Identifier: MIT
// The campaign map of a generated campaign of 50 scenarios (the most a file holds) or 250
// (the wizard's most): the check, the graph and the dot layout together, as the map
// window does them after an edit, and each on its own. Second argument 0: every outcome
// leads to the next scenario; 1: every loss ends the campaign, so that a line from every
// scenario runs to the end box.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "core/campaign_check/campaign_check.h"
#include "core/campaign_map/campaign_graph.h"
#include "core/map_drawing/map_layout.h"
#include "core/new_campaign/campaign_generation.h"

namespace {

// A generated campaign of `scenarios` scenarios, made once.
const xal::Campaign& Generated(int scenarios, bool lossEndsCampaign) {
    static std::map<std::pair<int, bool>, xal::Campaign> made;
    const auto key = std::make_pair(scenarios, lossEndsCampaign);
    if (!made.contains(key)) {
        xal::NewCampaignInput input;
        input.NrOfScenariosText = std::to_string(scenarios);
        input.LossEndsCampaign = lossEndsCampaign;
        xal::SettingsRecord settings;
        settings.ScnFileSeparator = "_";
        made.emplace(key, xal::GenerateCampaign(input, settings));
    }
    return made.at(key);
}

const xal::Campaign& Generated(const benchmark::State& state) {
    return Generated(static_cast<int>(state.range(0)), state.range(1) != 0);
}

void CheckGraphAndLayout(benchmark::State& state) {
    const xal::Campaign& campaign = Generated(state);
    for (auto _ : state) {
        const auto findings = xal::CheckCampaign(campaign);
        const xal::MapLayout layout = xal::LayOutCampaign(xal::MapOfCampaign(campaign, findings));
        benchmark::DoNotOptimize(layout.width);
    }
}
BENCHMARK(CheckGraphAndLayout)->ArgsProduct({{50, 250}, {0, 1}})->Unit(benchmark::kMillisecond);

void CheckAndGraph(benchmark::State& state) {
    const xal::Campaign& campaign = Generated(state);
    for (auto _ : state) {
        const xal::CampaignGraph graph = xal::MapOfCampaign(campaign, xal::CheckCampaign(campaign));
        benchmark::DoNotOptimize(graph.edges.size());
    }
}
BENCHMARK(CheckAndGraph)->ArgsProduct({{50, 250}, {0, 1}})->Unit(benchmark::kMicrosecond);

void Layout(benchmark::State& state) {
    const xal::Campaign& campaign = Generated(state);
    const xal::CampaignGraph graph = xal::MapOfCampaign(campaign, xal::CheckCampaign(campaign));
    for (auto _ : state) benchmark::DoNotOptimize(xal::LayOutCampaign(graph).width);
}
BENCHMARK(Layout)->ArgsProduct({{50, 250}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
