// SPDX-License-Identifier: MIT
// What a designer waits for on the campaign map: from an edit of a link until the map
// window shows the campaign's new shape, laid out by the layout program in the background
// and painted, for chains, every loss to the end and random links at 10 to 250 scenarios,
// on the offscreen platform. Each run sends the middle scenario's loss to the end or from
// it, so every edit changes the map's shape. "CPU" is the editor's; "layout_cpu_ms"
// is the layout programs' per run. The memory benchmark lays the wizard's 250 scenarios out
// a hundred times and says what the editor holds after the first and after the last.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QSignalSpy>

#include <chrono>
#include <fstream>
#include <memory>

#include "bench/bench_campaigns.h"
#include "bench/offscreen_benchmarks.h"
#include "core/campaign_check/campaign_check.h"
#include "gui/campaign_map/frm_map.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kBoundMilliseconds = 600'000;

double LayoutProgramsMilliseconds() {
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    return (children.ru_utime.tv_sec + children.ru_stime.tv_sec) * 1e3 +
           (children.ru_utime.tv_usec + children.ru_stime.tv_usec) / 1e3;
}

double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    double pages = 0;
    statm >> pages >> pages;
    return pages * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024 * 1024);
}

// A map window on a document of its own, showing the campaign laid out.
struct MapOnScreen {
    xal::CampaignDocument document;
    std::vector<xal::Finding> gameFiles;  // no game
    std::unique_ptr<xal::gui::frmMap> map;

    MapOnScreen(Links links, int scenarios) {
        document.Replace(std::make_shared<xal::Campaign>(MadeCampaign(links, scenarios)));
        map = std::make_unique<xal::gui::frmMap>(document, gameFiles, xal::gui::ScenarioActions{});
        map->show();
        map->Refresh();
    }

    // Waits until the map shows the campaign as it now is, and the window has painted it.
    bool Drawn() {
        const xal::Campaign& campaign = *document.Campaign();
        const xal::CampaignGraph now = xal::MapOfCampaign(campaign, xal::CheckCampaign(campaign));
        while (map->ShownGraph() != now) {
            QSignalSpy drawn(map.get(), &xal::gui::frmMap::drawn);
            if (!drawn.wait(kBoundMilliseconds)) return false;
        }
        QCoreApplication::processEvents();
        return true;
    }
};

xal::Byte Middle(const xal::CampaignDocument& document) {
    return static_cast<xal::Byte>(document.Campaign()->NrOfScenarios() / 2);
}

// Whether the middle scenario's loss ends the campaign.
bool LossEnds(const xal::CampaignDocument& document) {
    return document.Campaign()->ScenarioAt(Middle(document))->Victories()->Item(4)->OnEndGoTo() ==
           xal::limits::kEndOfCampaign;
}

// Sends the middle scenario's loss to the end, or from the end back to the first scenario:
// the map's shape changes either way.
void Relink(xal::CampaignDocument& document) {
    document.SendOutcomes(Middle(document), {3},
                          LossEnds(document) ? xal::Byte{0} : xal::limits::kEndOfCampaign);
}

void EditToMapDrawn(benchmark::State& state) {
    const auto links = static_cast<Links>(state.range(0));
    MapOnScreen screen(links, static_cast<int>(state.range(1)));
    if (!screen.Drawn()) return state.SkipWithError("the map was not drawn");
    double layoutPrograms = 0;
    for (auto _ : state) {
        const double programsBefore = LayoutProgramsMilliseconds();
        const Clock::time_point start = Clock::now();
        Relink(screen.document);
        if (!screen.Drawn()) return state.SkipWithError("the map was not drawn");
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        layoutPrograms += LayoutProgramsMilliseconds() - programsBefore;
    }
    state.SetLabel(NameOf(links));
    state.counters["layout_cpu_ms"] =
        benchmark::Counter(layoutPrograms, benchmark::Counter::kAvgIterations);
}

void MemoryOfHundredLayouts(benchmark::State& state) {
    for (auto _ : state) {
        MapOnScreen screen(Links::LossEnds, 250);
        if (!screen.Drawn()) return state.SkipWithError("the map was not drawn");
        const double first = ResidentMegabytes();
        for (int n = 1; n < 100; ++n) {
            Relink(screen.document);
            if (!screen.Drawn()) return state.SkipWithError("the map was not drawn");
        }
        state.counters["first_mb"] = first;
        state.counters["hundredth_mb"] = ResidentMegabytes();
    }
}

BENCHMARK(EditToMapDrawn)
    ->ArgNames({"links", "scenarios"})
    ->ArgsProduct({{0, 1, 2}, {10, 50, 100, 250}})
    ->UseManualTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(MemoryOfHundredLayouts)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks(argc, argv);
}
