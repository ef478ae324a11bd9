// SPDX-License-Identifier: MIT
// The scenario list's commands: add, move up and down, delete, and the four prestige
// commands. Each reads the selection, runs its operation on the current campaign and
// shows the result.
#include "main_window/frm_main.h"
#include "platform/error.h"
#include "platform/prompts.h"
#include "scenario_ops/scenario_ops.h"
#include "version.h"

namespace xal::gui {

void frmMain::ConnectScenarioCommands() {
    connect(cmdAdd, &QPushButton::clicked, this, [this] { cmdAdd_Click(); });
    connect(cmdUp, &QPushButton::clicked, this, [this] { cmdUp_Click(); });
    connect(cmdDown, &QPushButton::clicked, this, [this] { cmdDown_Click(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    const std::pair<QAction*, Byte> prestige[] = {{mnuCamp_Up, CampaignUp},
                                                  {mnuCamp_Down, CampaignDown},
                                                  {mnuScn_Up, ScenarioUp},
                                                  {mnuScn_Down, ScenarioDown}};
    for (const auto& [item, mode] : prestige)
        connect(item, &QAction::triggered, this, [this, mode] { AdjustPrestige(mode); });
}

std::optional<Byte> frmMain::SelectedScenario() const {
    const QList<QTreeWidgetItem*> selected = lvScenarios->selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return ToByte(selected.first()->text(0).toLongLong());
}

void frmMain::ShowSelectedScenario(Byte scenarioNr) {
    QTreeWidgetItem* entry = ScenarioEntry("_" + QString::number(scenarioNr));
    if (!entry) return;
    {
        DisplayScope selecting(*this);
        lvScenarios->setCurrentItem(entry);
    }
    lvScenarios->scrollToItem(entry);
    lvScenarios_ItemClick(entry);
}

void frmMain::cmdAdd_Click() {
    try {
        document_.AddScenario();
    } catch (const RunTimeError& error) {
        platform::ShowMessage(error.Report());
    }
    RefreshCampaignDisplay();
    ShowSelectedScenario(static_cast<Byte>(document_.Campaign()->NrOfScenarios() - 1));
    MarkChanged();
}

void frmMain::MoveSelectedScenario(int step) {
    const auto from = SelectedScenario();
    if (!from) return;
    const int to = *from + step;
    if (to < 0 || to >= document_.Campaign()->NrOfScenarios()) return;
    document_.MoveScenario(*from, step < 0 ? MoveDirection::Up : MoveDirection::Down);
    RefreshCampaignDisplay();
    ShowSelectedScenario(static_cast<Byte>(to));
    MarkChanged();
}

void frmMain::cmdUp_Click() {
    MoveSelectedScenario(-1);
}

void frmMain::cmdDown_Click() {
    MoveSelectedScenario(+1);
}

void frmMain::cmdDelete_Click() {
    if (document_.Campaign()->NrOfScenarios() == 1) {
        platform::ShowMessage("A campaign must have at least one scenario",
                              platform::MessageButtons::Ok, platform::MessageIcon::Exclamation,
                              version::FileDescription);
        return;
    }
    const auto scenarioNr = SelectedScenario();
    if (!scenarioNr) return;
    document_.DeleteScenario(*scenarioNr);
    RefreshCampaignDisplay();
    MarkChanged();
}

void frmMain::AdjustPrestige(Byte charMode) {
    bool isNumber = false;
    const long long shown = txtScenarioNr->text().toLongLong(&isNumber);
    if (!isNumber || shown < 0 || shown >= document_.Campaign()->NrOfScenarios()) return;
    document_.AdjustPrestige(static_cast<PrestigeMode>(charMode), settings_.PrestigeIncrement,
                             static_cast<Byte>(shown));
    MarkChanged();
    RefreshScenarioDisplay(static_cast<Byte>(shown));
}

}  // namespace xal::gui
