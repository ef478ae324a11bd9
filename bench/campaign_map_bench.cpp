// The campaign map of a generated 50-scenario campaign: the check, the graph and the
// dot layout together, as the map window does them after an edit, and each on its own.
// Argument 0: every outcome leads to the next scenario; 1: every loss ends the campaign,
// so that 49 lines run to the end box.
#include <benchmark/benchmark.h>

#include "campaign_check/campaign_check.h"
#include "campaign_map/campaign_graph.h"
#include "campaign_map/map_layout.h"
#include "new_campaign/campaign_generation.h"

namespace {

const xal::Campaign& FiftyScenarios(bool lossEndsCampaign) {
    auto generate = [](bool lossEnds) {
        xal::NewCampaignInput input;
        input.NrOfScenariosText = "50";
        input.LossEndsCampaign = lossEnds;
        xal::SettingsRecord settings;
        settings.ScnFileSeparator = "_";
        return xal::GenerateCampaign(input, settings);
    };
    static const xal::Campaign chain = generate(false);
    static const xal::Campaign lossEnds = generate(true);
    return lossEndsCampaign ? lossEnds : chain;
}

void CheckGraphAndLayout(benchmark::State& state) {
    const xal::Campaign& campaign = FiftyScenarios(state.range(0) != 0);
    for (auto _ : state) {
        const auto findings = xal::CheckCampaign(campaign);
        const xal::MapLayout layout = xal::LayOutCampaign(xal::MapOfCampaign(campaign, findings));
        benchmark::DoNotOptimize(layout.width);
    }
}
BENCHMARK(CheckGraphAndLayout)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void CheckAndGraph(benchmark::State& state) {
    const xal::Campaign& campaign = FiftyScenarios(state.range(0) != 0);
    for (auto _ : state) {
        const xal::CampaignGraph graph = xal::MapOfCampaign(campaign, xal::CheckCampaign(campaign));
        benchmark::DoNotOptimize(graph.edges.size());
    }
}
BENCHMARK(CheckAndGraph)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void Layout(benchmark::State& state) {
    const xal::Campaign& campaign = FiftyScenarios(state.range(0) != 0);
    const xal::CampaignGraph graph = xal::MapOfCampaign(campaign, xal::CheckCampaign(campaign));
    for (auto _ : state) benchmark::DoNotOptimize(xal::LayOutCampaign(graph).width);
}
BENCHMARK(Layout)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
