// SPDX-License-Identifier: MIT
// How long the campaign map takes to lay out, at 10 to 250 scenarios: through
// LayOutCampaign, as the map window and xal-cam map do, and, for comparison, the same
// graph through a dot program (Debian's own, bench/map_layout_bench.sh). The campaigns are
// the wizard's: a chain, a chain whose every loss ends the campaign, and the same scenarios
// with every outcome linked at random (a fixed seed). Each case runs in a process of its
// own, so that what Graphviz keeps from one layout does not slow the next, and is given up
// after a time limit. Prints the median of a few runs in milliseconds, of the wall-clock
// time and of the processor time.
//   map_layout_bench [DOT_PROGRAM [SECONDS_PER_CASE]]
#include <graphviz/cgraph.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/campaign_check/campaign_check.h"
#include "core/campaign_map/campaign_graph.h"
#include "core/map_drawing/graphviz_graph.h"
#include "core/map_drawing/map_layout.h"
#include "core/new_campaign/campaign_generation.h"

namespace {

constexpr int kRuns = 5;

enum class Links { Chain, LossEnds, Random };

xal::Campaign MadeCampaign(Links links, int scenarios) {
    xal::NewCampaignInput input;
    input.NrOfScenariosText = std::to_string(scenarios);
    input.LossEndsCampaign = links == Links::LossEnds;
    xal::Campaign campaign = xal::GenerateCampaign(input, xal::SettingsRecord{});
    if (links == Links::Random) {
        std::mt19937 random(2026);
        // Any scenario, or the end of the campaign as often as one scenario.
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

// Wall-clock and processor time in milliseconds, the processor time with that of the
// programs it runs.
struct Time {
    double wall = 0;
    double processor = 0;
};

double ProcessorMilliseconds() {
    rusage self{}, children{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &children);
    double total = 0;
    for (const rusage& usage : {self, children})
        for (const timeval& time : {usage.ru_utime, usage.ru_stime})
            total += time.tv_sec * 1e3 + time.tv_usec / 1e3;
    return total;
}

Time Timed(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    const double processorStart = ProcessorMilliseconds();
    run();
    return {
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(),
        ProcessorMilliseconds() - processorStart};
}

// The medians of kRuns runs in a child process of its own process group, or nothing when
// the runs did not end within `seconds`.
std::optional<Time> MediansInChild(const std::function<void()>& run, int seconds) {
    int pipe[2];
    if (::pipe(pipe) != 0) std::exit(1);
    const pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);  // a dot program it starts is killed with it
        std::vector<Time> times;
        for (int r = 0; r < kRuns; ++r) times.push_back(Timed(run));
        Time median;
        for (double Time::*part : {&Time::wall, &Time::processor}) {
            std::ranges::sort(times, {}, part);
            median.*part = times[kRuns / 2].*part;
        }
        _exit(write(pipe[1], &median, sizeof median) == sizeof median ? 0 : 1);
    }
    close(pipe[1]);
    pollfd ready{pipe[0], POLLIN, 0};
    Time median;
    const bool ended = poll(&ready, 1, seconds * 1000) == 1 &&
                       read(pipe[0], &median, sizeof median) == sizeof median;
    if (!ended) kill(-child, SIGKILL);
    close(pipe[0]);
    waitpid(child, nullptr, 0);
    return ended ? std::optional(median) : std::nullopt;
}

std::string Shown(const std::optional<Time>& time, int seconds) {
    char text[40];
    if (time)
        std::snprintf(text, sizeof text, "%.1f / %.1f", time->wall, time->processor);
    else
        std::snprintf(text, sizeof text, "> %d s", seconds);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string dot = argc > 1 ? argv[1] : "";
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
    const std::filesystem::path dotFile = std::filesystem::temp_directory_path() /
                                          ("map_layout_bench_" + std::to_string(getpid()) + ".gv");

    std::printf("%-10s %9s %22s %22s\n", "links", "scenarios", "LayOutCampaign ms",
                dot.empty() ? "" : "dot program ms");
    std::printf("%-10s %9s %22s %22s\n", "", "", "wall / processor",
                dot.empty() ? "" : "wall / processor");
    for (const auto& [links, name] :
         {std::pair{Links::Chain, "chain"}, std::pair{Links::LossEnds, "loss ends"},
          std::pair{Links::Random, "random"}}) {
        for (int scenarios : {10, 50, 100, 250}) {
            const xal::Campaign campaign = MadeCampaign(links, scenarios);
            const xal::CampaignGraph graph =
                xal::MapOfCampaign(campaign, xal::CheckCampaign(campaign));
            const auto inProcess = MediansInChild([&] { xal::LayOutCampaign(graph); }, seconds);
            std::string byDot;
            if (!dot.empty()) {
                {
                    const xal::map_graphviz::MapGraph mapGraph(graph);
                    FILE* file = std::fopen(dotFile.c_str(), "w");
                    if (!file || agwrite(mapGraph.Graph(), file) != 0 || std::fclose(file) != 0)
                        return 1;
                }
                const std::string command =
                    "'" + dot + "' -Tdot -o /dev/null '" + dotFile.string() + "'";
                byDot = Shown(MediansInChild(
                                  [&] {
                                      if (std::system(command.c_str()) != 0) std::exit(1);
                                  },
                                  seconds),
                              seconds);
            }
            std::printf("%-10s %9d %22s %22s\n", name, scenarios, Shown(inProcess, seconds).c_str(),
                        byDot.c_str());
            std::fflush(stdout);
        }
    }
    std::filesystem::remove(dotFile);
}
