// SPDX-License-Identifier: MIT
// The check of a generated campaign of 50 scenarios (the most a file holds) against a game
// folder of state.range(0) files in folders of 100, with the campaign in its "scenario"
// folder beside every file it names but one in ten, which is there in capitals or not at
// all; and the check without a game, for comparison.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/campaign_check/campaign_check.h"
#include "core/new_campaign/campaign_generation.h"

namespace {

namespace fs = std::filesystem;

xal::Campaign Generated() {
    xal::NewCampaignInput input;
    input.CampaignNameText = "camp";
    input.NrOfScenariosText = "50";
    input.InfoText = "i";
    input.WinText = "v";
    input.LossText = "l";
    return xal::GenerateCampaign(input, xal::SettingsRecord{});
}

void Touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream{file};
}

// A game folder made for one run and removed after it.
class GameFolder {
  public:
    GameFolder(const xal::Campaign& campaign, long gameFiles)
        : path_(fs::temp_directory_path() /
                ("xal-check-bench-" + std::to_string(std::random_device{}()))) {
        for (long i = 0; i < gameFiles; ++i)
            Touch(path_ / ("folder" + std::to_string(i / 100)) /
                  ("file" + std::to_string(i) + ".mov"));
        int named = 0;
        auto place = [&](const std::string& name) {
            if (name.empty()) return;
            const int kind = named++ % 10;  // 0: missing, 1: in capitals, else as named
            std::string onDisk = name;
            if (kind == 1)
                for (char& c : onDisk)
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (kind != 0) Touch(path_ / "scenario" / onDisk);
        };
        place(campaign.CampaignTXT());
        for (const auto& scenario : *campaign.Scenarios()) {
            place(scenario->ScenarioName());
            place(scenario->ScenarioTXT());
            for (const auto& outcome : *scenario->Victories()) place(outcome->VictoryTXT());
        }
    }
    ~GameFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string Path() const { return path_.string() + "/"; }
    std::string Scenarios() const { return (path_ / "scenario").string() + "/"; }

  private:
    fs::path path_;
};

void CheckAgainstTheGame(benchmark::State& state) {
    xal::Campaign campaign = Generated();
    const GameFolder game(campaign, state.range(0));
    campaign.SetCampaignFolder(game.Scenarios());
    std::size_t findings = 0;
    for (auto _ : state) findings = xal::CheckCampaign(campaign, game.Path()).size();
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(CheckAgainstTheGame)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

void CheckWithoutAGame(benchmark::State& state) {
    const xal::Campaign campaign = Generated();
    for (auto _ : state) benchmark::DoNotOptimize(xal::CheckCampaign(campaign).size());
}
BENCHMARK(CheckWithoutAGame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
