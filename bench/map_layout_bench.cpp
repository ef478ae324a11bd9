// SPDX-License-Identifier: MIT
// How long the campaign map takes to lay out, at 10 to 250 scenarios: through
// LayOutCampaign, as the map window and xal-cam map do, and, for comparison, the same
// graph through a dot program (Debian's own, bench/map_layout_bench.sh). The campaigns are
// the wizard's: a chain, a chain whose every loss ends the campaign, and the same scenarios
// with every outcome linked at random (a fixed seed). Prints the medians of a few runs in
// milliseconds, of the wall-clock and of the processor time; then the memory the process
// holds after one layout and after a hundred, which what Graphviz fails to free makes grow.
// Each case runs in a process of its own, so that what one leaves does not slow the next,
// and is given up after a time limit.
//   map_layout_bench [DOT_PROGRAM [SECONDS_PER_CASE]]
#include <graphviz/cgraph.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bench/bench_campaigns.h"
#include "core/campaign_check/campaign_check.h"
#include "core/campaign_map/campaign_graph.h"
#include "core/map_drawing/graphviz_graph.h"
#include "core/map_drawing/map_layout.h"

namespace {

constexpr int kRuns = 5;
constexpr int kLayoutsForMemory = 100;

xal::CampaignGraph MadeMap(Links links, int scenarios) {
    const xal::Campaign campaign = MadeCampaign(links, scenarios);
    return xal::MapOfCampaign(campaign, xal::CheckCampaign(campaign));
}

// Two figures that a child process of its own process group works out, or nothing when it
// does not end within `seconds`.
using Figures = std::array<double, 2>;
std::optional<Figures> InChild(const std::function<Figures()>& work, int seconds) {
    int pipe[2];
    if (::pipe(pipe) != 0) std::exit(1);
    const pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);  // a dot program it starts is killed with it
        const Figures figures = work();
        _exit(write(pipe[1], &figures, sizeof figures) == sizeof figures ? 0 : 1);
    }
    close(pipe[1]);
    pollfd ready{pipe[0], POLLIN, 0};
    Figures figures;
    const bool ended = poll(&ready, 1, seconds * 1000) == 1 &&
                       read(pipe[0], &figures, sizeof figures) == sizeof figures;
    if (!ended) kill(-child, SIGKILL);
    close(pipe[0]);
    waitpid(child, nullptr, 0);
    return ended ? std::optional(figures) : std::nullopt;
}

// The processor time in milliseconds, with that of the programs the process has run.
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

// The medians of kRuns runs' wall-clock and processor time.
Figures MedianTimes(const std::function<void()>& run) {
    std::array<std::vector<double>, 2> times;
    for (int r = 0; r < kRuns; ++r) {
        const auto start = std::chrono::steady_clock::now();
        const double processorStart = ProcessorMilliseconds();
        run();
        times[0].push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        times[1].push_back(ProcessorMilliseconds() - processorStart);
    }
    for (auto& each : times) std::ranges::sort(each);
    return {times[0][kRuns / 2], times[1][kRuns / 2]};
}

double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    double pages = 0;
    statm >> pages >> pages;
    return pages * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024 * 1024);
}

// The memory the process holds after the first layout and after the last.
Figures MemoryOfLayouts(const xal::CampaignGraph& graph) {
    xal::LayOutCampaign(graph);
    const double first = ResidentMegabytes();
    for (int n = 1; n < kLayoutsForMemory; ++n) xal::LayOutCampaign(graph);
    return {first, ResidentMegabytes()};
}

std::string Shown(const std::optional<Figures>& figures, int seconds) {
    char text[40];
    if (figures)
        std::snprintf(text, sizeof text, "%.1f / %.1f", (*figures)[0], (*figures)[1]);
    else
        std::snprintf(text, sizeof text, "> %d s", seconds);
    return text;
}

// The median times of a dot program laying out the graph, written to `file`.
std::optional<Figures> DotProgramTimes(const std::string& dot, const xal::CampaignGraph& graph,
                                       const std::filesystem::path& file, int seconds) {
    {
        const xal::map_graphviz::MapGraph mapGraph(graph);
        FILE* out = std::fopen(file.c_str(), "w");
        if (!out || agwrite(mapGraph.Graph(), out) != 0 || std::fclose(out) != 0) std::exit(1);
    }
    const std::string command = "'" + dot + "' -Tdot -o /dev/null '" + file.string() + "'";
    return InChild(
        [&] {
            return MedianTimes([&] {
                if (std::system(command.c_str()) != 0) std::exit(1);
            });
        },
        seconds);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string dot = argc > 1 ? argv[1] : "";
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
    const std::filesystem::path dotFile = std::filesystem::temp_directory_path() /
                                          ("map_layout_bench_" + std::to_string(getpid()) + ".gv");
    const Links kinds[] = {Links::Chain, Links::LossEnds, Links::Random};

    std::printf("%-10s %9s %22s %22s\n%-10s %9s %22s %22s\n", "links", "scenarios",
                "LayOutCampaign ms", dot.empty() ? "" : "dot program ms", "", "",
                "wall / processor", dot.empty() ? "" : "wall / processor");
    for (const Links links : kinds) {
        const char* name = NameOf(links);
        for (int scenarios : {10, 50, 100, 250}) {
            const xal::CampaignGraph graph = MadeMap(links, scenarios);
            const auto inProcess =
                InChild([&] { return MedianTimes([&] { xal::LayOutCampaign(graph); }); }, seconds);
            const std::string byDot =
                dot.empty() ? "" : Shown(DotProgramTimes(dot, graph, dotFile, seconds), seconds);
            std::printf("%-10s %9d %22s %22s\n", name, scenarios, Shown(inProcess, seconds).c_str(),
                        byDot.c_str());
            std::fflush(stdout);
        }
    }
    std::filesystem::remove(dotFile);

    std::printf("\n%-10s %9s %22s\n%-10s %9s %22s\n", "links", "scenarios", "resident memory MB",
                "", "", "after 1 / 100 layouts");
    for (const Links links : kinds) {
        const char* name = NameOf(links);
        const int scenarios = links == Links::Random ? 50 : 250;
        const xal::CampaignGraph graph = MadeMap(links, scenarios);
        std::printf(
            "%-10s %9d %22s\n", name, scenarios,
            Shown(InChild([&] { return MemoryOfLayouts(graph); }, seconds), seconds).c_str());
        std::fflush(stdout);
    }
}
