// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>
#include <functional>

#include "core/base/conversions.h"
#include "core/campaign_document/campaign_document.h"

namespace xal::gui {

// The scenario commands of the main window that the map offers on a box.
enum class ScenarioCommand { Up, Down, Delete, Add };

// What the map's box menu does: show the scenario, or run a command on it, in the main
// window, which asks and tells what its buttons do.
struct ScenarioActions {
    std::function<void(Byte)> show;
    std::function<void(Byte, ScenarioCommand)> run;
};

// The menu of a scenario's box: show it, for each outcome "Leads to" every scenario and
// END (the outcome's go-to checked), and the scenario commands that make sense there. A
// go-to chosen is sent through the document as one step.
QMenu* BoxMenu(CampaignDocument& document, Byte scenario, const ScenarioActions& actions,
               QWidget* parent);

}  // namespace xal::gui
