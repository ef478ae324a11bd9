// SPDX-License-Identifier: MIT
// Opening and showing a 50-scenario campaign on the main window, and start-up to the
// first shown main window of the whole program beside a bare Qt program, on the offscreen
// platform.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QMainWindow>

#include <chrono>
#include <filesystem>

#include "bench/offscreen_benchmarks.h"
#include "core/base/read_limits.h"
#include "core/campaign_file/campaign_reader.h"
#include "core/campaign_file/campaign_writer.h"
#include "core/model/outcomes.h"
#include "core/platform/file_system.h"
#include "core/registry/reg_file_format.h"
#include "core/registry/registry.h"
#include "core/registry/registry_file_store.h"
#include "core/settings/settings.h"
#include "gui/main_window/frm_main.h"

namespace {

std::filesystem::path BenchFolder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "xal-window-bench";
        std::filesystem::create_directories(path);
        std::string countries;
        for (int k = 1; k <= 20; ++k) countries += "Country " + std::to_string(k) + "\r\n";
        xal::platform::ReplaceFileContents((path / "GUI97.txt").string(), countries);
        xal::Campaign campaign;
        campaign.SetNrOfScenarios(50);
        campaign.SetCountry(3);
        for (int i = 0; i < 50; ++i) {
            auto scenario = campaign.Scenarios()->Add("camp" + std::to_string(i) + ".scn",
                                                      static_cast<xal::Byte>(i), "s.mov", "si.txt",
                                                      1000 + i, 150);
            for (int j = 0; j < xal::kOutcomeCount; ++j)
                scenario->Victories()->Add(
                    "v.mov", "v.txt", 100 * j,
                    static_cast<xal::Byte>(j == xal::kLossOutcome ? 254 : (i + 1) % 50));
        }
        xal::WriteWholeFile((path / "camp50.cam").string(), xal::BuildCampaignFile(campaign));
        return path;
    }();
    return folder;
}

void OpenAndShow50(benchmark::State& state) {
    xal::SettingsRecord settings;
    settings.GameFolder = BenchFolder().string() + "/";
    settings.PrestigeIncrement = 1000;
    xal::CampaignDocument document;
    xal::gui::frmMain window(document, settings);
    window.show();
    const std::string path = (BenchFolder() / "camp50.cam").string();
    for (auto _ : state) {
        auto campaign = std::make_shared<xal::Campaign>();
        xal::ParseCampaign(xal::ReadWholeFile(path, xal::platform::read_limit::kCampaignFile),
                           *campaign);
        document.Replace(campaign);
    }
}
BENCHMARK(OpenAndShow50)->Unit(benchmark::kMillisecond);

// Starts the program and gives the seconds until it reports its first main window shown,
// which ends its start-up; the program's end after that is not timed.
double StartUpSeconds(const char* program) {
    int shown[2];
    if (pipe(shown) != 0) std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, shown[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, shown[0]);
    pid_t child = 0;
    char* const arguments[] = {const_cast<char*>(program), nullptr};
    const auto start = std::chrono::steady_clock::now();
    if (posix_spawn(&child, program, &actions, nullptr, arguments, environ) != 0) std::abort();
    posix_spawn_file_actions_destroy(&actions);
    close(shown[1]);
    char report = 0;
    const bool reported = read(shown[0], &report, 1) == 1;
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    close(shown[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!reported || !WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
    return took.count();
}

// The editor's programs find their settings in a store of their own that names the
// benchmark's game folder, so that start-up asks nothing, and holds `otherKeys` keys more
// (other programs' keys in folders of a hundred, with a text and a number each).
void UseBenchStore(int otherKeys) {
    const auto home = BenchFolder() / ("config-" + std::to_string(otherKeys));
    setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    xal::platform::SetRegistryStorePath(xal::platform::RegistryFileStore::DefaultPath());
    if (xal::platform::FileExists(xal::platform::RegistryFileStore::DefaultPath())) return;
    xal::platform::ActiveRegistryStore().Change([&](xal::platform::RegFile& file) {
        for (int i = 0; i < otherKeys; ++i) {
            auto& key = file.EnsureKey("Software\\Vendor " + std::to_string(i / 100) + "\\Key " +
                                       std::to_string(i));
            key.values.push_back({"Path", xal::platform::RegType::Sz,
                                  "C:\\Games\\Legion " + std::to_string(i) + '\0'});
            key.values.push_back(
                {"Count", xal::platform::RegType::Dword, std::string("\1\0\0\0", 4)});
        }
    });
    xal::RegistrySetKeyValue(xal::HKEY_LOCAL_MACHINE_ROOT, xal::settings_keys::kGameKey,
                             xal::settings_keys::kGameDirectory, BenchFolder().string(),
                             xal::platform::RegType::Sz);
}

// The editor's start-up beside a bare Qt main window's, the two started in turns so that
// both meet the same load of the machine; "editor_to_bare" is the ratio of their times.
// The argument is the number of other programs' keys in the settings store.
void StartUp(benchmark::State& state) {
    UseBenchStore(static_cast<int>(state.range(0)));
    double bare = 0;
    double editor = 0;
    for (auto _ : state) {
        bare += StartUpSeconds(XAL_PROBE_BARE);
        editor += StartUpSeconds(XAL_PROBE_EDITOR);
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["bare_ms"] = 1000 * bare / runs;
    state.counters["editor_ms"] = 1000 * editor / runs;
    state.counters["editor_to_bare"] = editor / bare;
}
BENCHMARK(StartUp)->Arg(0)->Arg(16000)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks(argc, argv);
}
