// SPDX-License-Identifier: MIT
// Opening and showing a 50-scenario campaign on the main window, on the offscreen
// platform, and start-up to the first painted main window of the whole program beside a
// bare Qt program's, offscreen and on X11.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QMainWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

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

// One start of a program to its first window painted: the wall time from the spawn, and
// the processor time and peak memory the program reports then (bench/startup_report.cpp).
// Its end after that is not timed.
struct StartUpRun {
    double wallMs = 0;
    double cpuMs = 0;
    double peakMb = 0;
};

StartUpRun StartUpOnce(const char* program) {
    int shown[2];
    if (pipe(shown) != 0) std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, shown[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, shown[0]);
    // The platforms' notes, such as the offscreen one's on size hints, would fill the table.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    char* const arguments[] = {const_cast<char*>(program), nullptr};
    const auto start = std::chrono::steady_clock::now();
    if (posix_spawn(&child, program, &actions, nullptr, arguments, environ) != 0) std::abort();
    posix_spawn_file_actions_destroy(&actions);
    close(shown[1]);
    FILE* report = fdopen(shown[0], "r");
    long long cpuMicroseconds = 0;
    long peakKilobytes = 0;
    const bool reported = std::fscanf(report, "%lld %ld", &cpuMicroseconds, &peakKilobytes) == 2;
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::fclose(report);
    int status = 0;
    waitpid(child, &status, 0);
    if (!reported || !WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
    return {took.count(), cpuMicroseconds / 1000.0, peakKilobytes / 1024.0};
}

double Median(std::vector<double> values) {
    std::ranges::sort(values);
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The spread of values, as the distance between their quartiles.
double Spread(std::vector<double> values) {
    std::ranges::sort(values);
    return values[values.size() * 3 / 4] - values[values.size() / 4];
}

// The editor's programs find their settings in a store of their own that names the
// benchmark's game folder, so that start-up asks nothing, and holds `otherKeys` keys more
// (other programs' keys in folders of a hundred, with a text and a number each). Their
// recovery copies have a state folder of their own too.
void UseBenchStore(int otherKeys) {
    const auto home = BenchFolder() / ("config-" + std::to_string(otherKeys));
    setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    setenv("XDG_STATE_HOME", (BenchFolder() / "state").c_str(), 1);
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

// The editor's start-up beside a bare Qt main window's, on the platform the first argument
// names: offscreen (0) or X11 (1) on the display $DISPLAY names, such as Xvfb's. The two
// programs start in turns, each first every other time, so that both meet the same load of
// the machine. The ratios (editor to bare) of wall time, processor time and peak memory
// are the medians of each pair's ratios, with the spread of the wall time's ratio between
// its quartiles; the times are medians. The second argument is the number of other
// programs' keys in the settings store.
void StartUp(benchmark::State& state) {
    const bool x11 = state.range(0) == 1;
    if (x11 && !std::getenv("DISPLAY")) {
        state.SkipWithError("no X display: run it under xvfb-run");
        return;
    }
    UseBenchStore(static_cast<int>(state.range(1)));
    const std::string offscreen = qEnvironmentVariable("QT_QPA_PLATFORM").toStdString();
    setenv("QT_QPA_PLATFORM", x11 ? "xcb" : "offscreen", 1);
    std::vector<StartUpRun> bare;
    std::vector<StartUpRun> editor;
    for (auto _ : state) {
        const bool bareFirst = bare.size() % 2 == 0;
        if (bareFirst) bare.push_back(StartUpOnce(XAL_PROBE_BARE));
        editor.push_back(StartUpOnce(XAL_PROBE_EDITOR));
        if (!bareFirst) bare.push_back(StartUpOnce(XAL_PROBE_BARE));
    }
    setenv("QT_QPA_PLATFORM", offscreen.c_str(), 1);
    auto ratios = [&](double StartUpRun::*measure) {
        std::vector<double> ratio;
        for (size_t i = 0; i < bare.size(); ++i)
            ratio.push_back(editor[i].*measure / (bare[i].*measure));
        return ratio;
    };
    auto median = [](const std::vector<StartUpRun>& runs, double StartUpRun::*measure) {
        std::vector<double> values;
        for (const StartUpRun& run : runs) values.push_back(run.*measure);
        return Median(values);
    };
    state.counters["bare_ms"] = median(bare, &StartUpRun::wallMs);
    state.counters["editor_ms"] = median(editor, &StartUpRun::wallMs);
    state.counters["wall_ratio"] = Median(ratios(&StartUpRun::wallMs));
    state.counters["wall_spread"] = Spread(ratios(&StartUpRun::wallMs));
    state.counters["bare_cpu_ms"] = median(bare, &StartUpRun::cpuMs);
    state.counters["editor_cpu_ms"] = median(editor, &StartUpRun::cpuMs);
    state.counters["cpu_ratio"] = Median(ratios(&StartUpRun::cpuMs));
    state.counters["bare_mb"] = median(bare, &StartUpRun::peakMb);
    state.counters["editor_mb"] = median(editor, &StartUpRun::peakMb);
    state.counters["rss_ratio"] = Median(ratios(&StartUpRun::peakMb));
}
BENCHMARK(StartUp)
    ->ArgsProduct({{0, 1}, {0, 16000}})
    ->ArgNames({"x11", "keys"})
    ->Iterations(21)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks(argc, argv);
}
