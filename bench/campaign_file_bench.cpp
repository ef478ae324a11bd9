// SPDX-License-Identifier: MIT
// Reading plus parsing, and building, of a full 50-scenario campaign, beside a plain
// copy of a campaign file's bytes as the yardstick.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>

#include "core/base/read_limits.h"
#include "core/campaign_file/campaign_reader.h"
#include "core/campaign_file/campaign_writer.h"
#include "core/model/outcomes.h"

namespace {

xal::Campaign FullCampaign() {
    xal::Campaign campaign;
    campaign.SetNrOfScenarios(50);
    campaign.SetPrestige(1000);
    for (int i = 0; i < 50; ++i) {
        auto scenario =
            campaign.Scenarios()->Add("camp" + std::to_string(i) + ".scn",
                                      static_cast<xal::Byte>(i), "s.mov", "si.txt", 1000 + i, 150);
        for (int j = 0; j < xal::kOutcomeCount; ++j)
            scenario->Victories()->Add(
                "v.mov", "v.txt", 100 * j,
                static_cast<xal::Byte>(j == xal::kLossOutcome ? 254 : i + 1));
    }
    return campaign;
}

const std::string& CampaignPath() {
    static const std::string path = [] {
        auto file = std::filesystem::temp_directory_path() / "xal-bench-50.cam";
        xal::WriteWholeFile(file.string(), xal::BuildCampaignFile(FullCampaign()));
        return file.string();
    }();
    return path;
}

void PlainCopy(benchmark::State& state) {
    const std::string source(xal::kCampaignFileSize, 'x');
    std::string target(xal::kCampaignFileSize, '\0');
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PlainCopy);

void ReadAndParse(benchmark::State& state) {
    const std::string& path = CampaignPath();
    for (auto _ : state) {
        xal::Campaign campaign;
        xal::ParseCampaign(xal::ReadWholeFile(path, xal::platform::read_limit::kCampaignFile),
                           campaign);
        benchmark::DoNotOptimize(campaign.NrOfScenarios());
    }
}
BENCHMARK(ReadAndParse);

void Parse(benchmark::State& state) {
    const std::string contents =
        xal::ReadWholeFile(CampaignPath(), xal::platform::read_limit::kCampaignFile);
    for (auto _ : state) {
        xal::Campaign campaign;
        xal::ParseCampaign(contents, campaign);
        benchmark::DoNotOptimize(campaign.NrOfScenarios());
    }
}
BENCHMARK(Parse);

void Build(benchmark::State& state) {
    const xal::Campaign campaign = FullCampaign();
    for (auto _ : state) benchmark::DoNotOptimize(xal::BuildCampaignFile(campaign));
}
BENCHMARK(Build);

}  // namespace

BENCHMARK_MAIN();
