// SPDX-License-Identifier: MIT
// Every editing command on the largest campaign the editor holds, the wizard's 250
// scenarios (each loss ends the campaign, the map's hardest case), with the campaign map
// open, on the offscreen platform. Each benchmark times the command from the click or key
// to its return, while dot may be laying the map out in the background; the map's redraw
// is timed apart ("MapFollows"). "max_ms" is the slowest single run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>

#include "bench/offscreen_benchmarks.h"
#include "core/campaign_file/campaign_writer.h"
#include "core/campaign_file/open_save_commands.h"
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

// Handles every event the last command left, the map's redraw among them.
void FollowUp() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void Click(frmMain& window, const char* button) {
    window.findChild<QPushButton*>(button)->click();
}

QLineEdit* Box(frmMain& window) {
    return window.findChild<QLineEdit*>("txtScenario");
}

// The window with the 250-scenario campaign shown, scenario 100 selected, the map open.
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
        editor->mnuMap->trigger();
        FollowUp();
        return editor;
    }();
    return *window;
}

void SelectScenario(frmMain& window, int scenarioNr) {
    auto* list = window.findChild<QTreeWidget*>("lvScenarios");
    list->setCurrentItem(list->topLevelItem(scenarioNr));
    FollowUp();
}

// Times `command`, then (untimed) lets the map follow and puts the campaign back with
// `restore`, so that every run meets the same 250 scenarios.
void Time(benchmark::State& state, const std::function<void(frmMain&)>& command,
          const std::function<void(frmMain&)>& restore) {
    frmMain& window = Editor();
    double slowest = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        command(window);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        slowest = std::max(slowest, took.count());
        FollowUp();
        restore(window);
        FollowUp();
    }
    state.counters["max_ms"] = 1000 * slowest;
    state.counters["scenarios"] = Document().Campaign()->NrOfScenarios();
}

void Undo(frmMain& window) {
    window.mnuUndo->trigger();
}

void Open(benchmark::State& state) {
    Editor();
    const std::string file = LargestFile();
    Time(
        state,
        [&file](frmMain& window) { window.ShowOpenedCampaign(xal::gui::OpenCampaignFile(file)); },
        [](frmMain& window) {
            Document().Replace(Generated("250"));
            SelectScenario(window, 100);
        });
}

void Add(benchmark::State& state) {
    Time(
        state, [](frmMain& window) { Click(window, "cmdAdd"); }, Undo);
}

// A button's command on scenario 100, taken back after each run.
void ClickOnScenario100(benchmark::State& state, const char* button) {
    SelectScenario(Editor(), 100);
    Time(
        state, [button](frmMain& window) { Click(window, button); },
        [](frmMain& window) {
            Undo(window);
            SelectScenario(window, 100);
        });
}

void MoveDown(benchmark::State& state) {
    ClickOnScenario100(state, "cmdDown");
}

void Delete(benchmark::State& state) {
    ClickOnScenario100(state, "cmdDelete");
}

void RaiseAllPrestige(benchmark::State& state) {
    Time(
        state, [](frmMain& window) { window.mnuCamp_Up->trigger(); }, Undo);
}

void Redo(frmMain& window) {
    window.mnuRedo->trigger();
}

// Undo and Redo of deleting scenario 100; the campaign ends with its 250 scenarios.
void UndoDelete(benchmark::State& state) {
    SelectScenario(Editor(), 100);
    Click(Editor(), "cmdDelete");
    FollowUp();
    Time(state, Undo, Redo);
    Undo(Editor());
    FollowUp();
}

void RedoDelete(benchmark::State& state) {
    SelectScenario(Editor(), 100);
    Click(Editor(), "cmdDelete");
    Undo(Editor());
    FollowUp();
    Time(state, Redo, Undo);
}

// A key typed into the scenario's file name, which the map shows, and taken back with
// Backspace: the two keys are one run.
void Keystroke(benchmark::State& state) {
    SelectScenario(Editor(), 100);
    Time(
        state, [](frmMain& window) { QTest::keyClick(Box(window), Qt::Key_X); },
        [](frmMain& window) { QTest::keyClick(Box(window), Qt::Key_Backspace); });
}

// A digit typed into the scenario's prestige and taken back with Backspace.
void TypedPrestige(benchmark::State& state) {
    SelectScenario(Editor(), 100);
    auto* prestige = Editor().findChild<QLineEdit*>("txtScenarioPrestige");
    Time(
        state, [prestige](frmMain&) { QTest::keyClick(prestige, Qt::Key_5); },
        [prestige](frmMain&) { QTest::keyClick(prestige, Qt::Key_Backspace); });
}

// The map's redraw after a keystroke in the scenario's file name: dot lays the map out
// again in the background, and the new map is drawn once it has.
void MapFollows(benchmark::State& state) {
    frmMain& window = Editor();
    SelectScenario(window, 100);
    auto* map = window.findChild<xal::gui::frmMap*>("frmMap");
    int key = 0;
    for (auto _ : state) {
        QSignalSpy drawn(map, &xal::gui::frmMap::drawn);
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(Box(window), ++key % 2 ? Qt::Key_X : Qt::Key_Backspace);
        if (!drawn.wait(600000)) std::abort();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
    }
}

#define XAL_COMMAND(name) BENCHMARK(name)->UseManualTime()->Unit(benchmark::kMillisecond)
XAL_COMMAND(Open);
XAL_COMMAND(Add);
XAL_COMMAND(MoveDown);
XAL_COMMAND(Delete);
XAL_COMMAND(RaiseAllPrestige);
XAL_COMMAND(UndoDelete);
XAL_COMMAND(RedoDelete);
XAL_COMMAND(Keystroke);
XAL_COMMAND(TypedPrestige);
XAL_COMMAND(MapFollows)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    return RunOffscreenBenchmarks(argc, argv);
}
