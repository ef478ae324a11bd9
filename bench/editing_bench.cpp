// SPDX-License-Identifier: MIT
// Every editing command on the largest campaign the editor holds, the wizard's 250
// scenarios (each loss ends the campaign, the map's hardest case), on the offscreen
// platform, with the campaign map closed (argument 0) and open (1). Each benchmark times
// what the user waits for: from the click or key until the window has painted what the
// command changed and, with the map open, until the map shows the campaign as it now is,
// laid out by dot in the background when its shape changed. "CPU" counts every thread's,
// dot's among them; "max_ms" is the slowest single run. Every wait is bounded: a command
// that is not drawn in time ends its benchmark with an error rather than hang it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "bench/offscreen_benchmarks.h"
#include "core/campaign_check/campaign_check.h"
#include "core/campaign_file/campaign_writer.h"
#include "core/campaign_file/open_save_commands.h"
#include "core/campaign_map/campaign_graph.h"
#include "core/new_campaign/campaign_generation.h"
#include "core/platform/file_system.h"
#include "core/registry/registry_file_store.h"
#include "gui/campaign_map/frm_map.h"
#include "gui/main_window/frm_main.h"

namespace {

using xal::gui::frmMain;

// The benchmark's campaign and settings, for the whole run.
xal::CampaignDocument& Document() {
    static xal::CampaignDocument document;
    return document;
}

xal::SettingsRecord& Settings() {
    static xal::SettingsRecord settings;
    return settings;
}

std::shared_ptr<xal::Campaign> Generated(const std::string& count) {
    xal::NewCampaignInput input;
    input.NrOfScenariosText = count;
    input.LossEndsCampaign = true;
    return std::make_shared<xal::Campaign>(xal::GenerateCampaign(input, Settings()));
}

std::filesystem::path BenchFolder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "xal-editing-bench";
        std::filesystem::create_directories(path / "scenario");
        std::string countries;
        for (int k = 1; k <= 20; ++k) countries += "Country " + std::to_string(k) + "\r\n";
        xal::platform::ReplaceFileContents((path / "GUI97.txt").string(), countries);
        return path;
    }();
    return folder;
}

// The campaign file with the most scenarios a file holds, for Open.
std::string LargestFile() {
    static const std::string path = [] {
        const std::string file = (BenchFolder() / "scenario" / "largest.cam").string();
        xal::WriteWholeFile(file, xal::BuildCampaignFile(*Generated("50")));
        return file;
    }();
    return path;
}

using Clock = std::chrono::steady_clock;

// No command here takes this long to be drawn, the map's layout included.
constexpr std::chrono::seconds kBound(120);

// Counts the events the application delivers.
class DeliveredEvents : public QObject {
  public:
    DeliveredEvents() { qApp->installEventFilter(this); }
    long long count = 0;

  protected:
    bool eventFilter(QObject*, QEvent*) override {
        ++count;
        return false;
    }
};

// Handles the events that the last command left, and those they bring in turn, until a
// pass of the event loop finds none left: every widget the command changed has painted.
// Returns when the last of them was handled (`since`, if there was none), or nothing when
// `deadline` passed first.
std::optional<Clock::time_point> Settle(Clock::time_point since, Clock::time_point deadline) {
    static DeliveredEvents delivered;
    Clock::time_point last = since;
    for (;;) {
        const long long before = delivered.count;
        QCoreApplication::processEvents();
        if (delivered.count == before) return last;
        last = Clock::now();
        if (last > deadline) return std::nullopt;
    }
}

// Lets the window draw the command begun at `start` (see Settle) and, with the map open,
// waits until the map shows the campaign as it now is: a map of another shape is drawn once
// dot has laid it out in the background. Returns when the last of it was drawn, or nothing
// when kBound passed first.
std::optional<Clock::time_point> Drawn(frmMain& window, Clock::time_point start) {
    const Clock::time_point deadline = start + kBound;
    std::optional<Clock::time_point> last = Settle(Clock::now(), deadline);
    auto* map = window.findChild<xal::gui::frmMap*>("frmMap");
    if (!last || !map || !map->isVisible()) return last;
    const xal::Campaign& campaign = *Document().Campaign();
    const xal::CampaignGraph now = xal::MapOfCampaign(campaign, xal::CheckCampaign(campaign));
    while (last && map->ShownGraph() != now) {
        QSignalSpy drawn(map, &xal::gui::frmMap::drawn);
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        last = left.count() > 0 && drawn.wait(static_cast<int>(left.count()))
                   ? Settle(Clock::now(), deadline)
                   : std::nullopt;
    }
    return last;
}

constexpr const char* kNotDrawn = "the window or the map was not drawn within 120 seconds";

void Click(frmMain& window, const char* button) {
    window.findChild<QPushButton*>(button)->click();
}

QLineEdit* Box(frmMain& window) {
    return window.findChild<QLineEdit*>("txtScenario");
}

// The window with the 250-scenario campaign shown.
frmMain& Editor() {
    static frmMain* window = [] {
        // Open records the recent campaigns: in a settings store of the benchmark's own.
        setenv("XDG_CONFIG_HOME", (BenchFolder() / "config").c_str(), 1);
        xal::platform::SetRegistryStorePath(xal::platform::RegistryFileStore::DefaultPath());
        Settings().GameFolder = BenchFolder().string() + "/";
        Settings().PrestigeIncrement = 1000;
        auto* editor = new frmMain(Document(), Settings());
        editor->show();
        Document().Replace(Generated("250"), true);
        return editor;
    }();
    return *window;
}

// Lets the window and the map draw what the last step changed, untimed; past kBound the
// benchmark ends with an error.
void Finish(benchmark::State& state) {
    if (!Drawn(Editor(), Clock::now())) state.SkipWithError(kNotDrawn);
}

// The window, with the map open when the benchmark's argument is 1 and closed when it is 0.
frmMain& Editor(benchmark::State& state) {
    frmMain& window = Editor();
    auto* map = window.findChild<xal::gui::frmMap*>("frmMap");
    if (state.range(0) == 1)
        window.mnuMap->trigger();
    else if (map)
        map->close();
    Finish(state);
    return window;
}

void SelectScenario(benchmark::State& state, int scenarioNr) {
    auto* list = Editor().findChild<QTreeWidget*>("lvScenarios");
    list->setCurrentItem(list->topLevelItem(scenarioNr));
    Finish(state);
}

// Times `command` until it is drawn, then (untimed) puts the campaign back with `restore`,
// so that every run meets the same 250 scenarios, drawn.
void Time(benchmark::State& state, const std::function<void(frmMain&)>& command,
          const std::function<void(frmMain&)>& restore) {
    frmMain& window = Editor();
    double slowest = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        command(window);
        const std::optional<Clock::time_point> drawn = Drawn(window, start);
        if (!drawn) {
            state.SkipWithError(kNotDrawn);
            break;
        }
        const std::chrono::duration<double> took = *drawn - start;
        state.SetIterationTime(took.count());
        slowest = std::max(slowest, took.count());
        state.PauseTiming();
        restore(window);
        Finish(state);
        state.ResumeTiming();
    }
    state.counters["max_ms"] = 1000 * slowest;
    state.counters["scenarios"] = Document().Campaign()->NrOfScenarios();
}

void Undo(frmMain& window) {
    window.mnuUndo->trigger();
}

void Redo(frmMain& window) {
    window.mnuRedo->trigger();
}

void Open(benchmark::State& state) {
    Editor(state);
    const std::string file = LargestFile();
    Time(
        state,
        [&file](frmMain& window) { window.ShowOpenedCampaign(xal::gui::OpenCampaignFile(file)); },
        [&state](frmMain&) {
            Document().Replace(Generated("250"));
            SelectScenario(state, 100);
        });
}

void Add(benchmark::State& state) {
    Editor(state);
    Time(
        state, [](frmMain& window) { Click(window, "cmdAdd"); }, Undo);
}

// A button's command on scenario 100, taken back after each run.
void ClickOnScenario100(benchmark::State& state, const char* button) {
    Editor(state);
    SelectScenario(state, 100);
    Time(
        state, [button](frmMain& window) { Click(window, button); },
        [&state](frmMain& window) {
            Undo(window);
            SelectScenario(state, 100);
        });
}

void MoveDown(benchmark::State& state) {
    ClickOnScenario100(state, "cmdDown");
}

void Delete(benchmark::State& state) {
    ClickOnScenario100(state, "cmdDelete");
}

void RaiseAllPrestige(benchmark::State& state) {
    Editor(state);
    Time(
        state, [](frmMain& window) { window.mnuCamp_Up->trigger(); }, Undo);
}

// Undo and Redo of deleting scenario 100; the campaign ends with its 250 scenarios.
void UndoDelete(benchmark::State& state) {
    frmMain& window = Editor(state);
    SelectScenario(state, 100);
    Click(window, "cmdDelete");
    Finish(state);
    Time(state, Undo, Redo);
    Undo(window);
    Finish(state);
}

void RedoDelete(benchmark::State& state) {
    frmMain& window = Editor(state);
    SelectScenario(state, 100);
    Click(window, "cmdDelete");
    Undo(window);
    Finish(state);
    Time(state, Redo, Undo);
}

// A key typed into the scenario's file name, which the map shows (with the map open, the
// map laid out again and drawn), and taken back with Backspace.
void Keystroke(benchmark::State& state) {
    Editor(state);
    SelectScenario(state, 100);
    Time(
        state, [](frmMain& window) { QTest::keyClick(Box(window), Qt::Key_X); },
        [](frmMain& window) { QTest::keyClick(Box(window), Qt::Key_Backspace); });
}

// A digit typed into the scenario's prestige and taken back with Backspace.
void TypedPrestige(benchmark::State& state) {
    Editor(state);
    SelectScenario(state, 100);
    auto* prestige = Editor().findChild<QLineEdit*>("txtScenarioPrestige");
    Time(
        state, [prestige](frmMain&) { QTest::keyClick(prestige, Qt::Key_5); },
        [prestige](frmMain&) { QTest::keyClick(prestige, Qt::Key_Backspace); });
}

#define XAL_COMMAND(name)         \
    BENCHMARK(name)               \
        ->ArgName("map")          \
        ->DenseRange(0, 1)        \
        ->UseManualTime()         \
        ->MeasureProcessCPUTime() \
        ->Unit(benchmark::kMillisecond)
XAL_COMMAND(Open);
XAL_COMMAND(Add);
XAL_COMMAND(MoveDown);
XAL_COMMAND(Delete);
XAL_COMMAND(RaiseAllPrestige);
XAL_COMMAND(UndoDelete);
XAL_COMMAND(RedoDelete);
XAL_COMMAND(Keystroke);
XAL_COMMAND(TypedPrestige);

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks(argc, argv);
}
