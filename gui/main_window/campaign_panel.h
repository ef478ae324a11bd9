// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "core/campaign_document/shown_scenario.h"
#include "gui/main_window/form_controls.h"
#include "gui/main_window/scenario_list.h"
#include "gui/main_window/scenario_panel.h"
#include "gui/widgets/caption_frame.h"

namespace xal::gui {

// The frame of the campaign, named after its file: the campaign's own fields, the list of
// its scenarios and the frame of the shown scenario.
class CampaignPanel : public CaptionFrame {
  public:
    // `show` shows the scenario the user chose in the list.
    CampaignPanel(CampaignDocument& document, const ShownScenario& shown, FileCommands& files,
                  std::function<void(int)> show, QWidget* parent);

    // The game's countries, in the order of its list, numbered from 1.
    void AddCountries(const std::vector<std::string>& names);
    // The name of a country by its number, empty for one the list does not hold.
    std::string CountryName(int country) const;

    // Draws what a change of the document changed; `another` scenario is shown now.
    void Draw(const DocumentChange& change, bool another);
    // Shows the scenario the user chose in the list or the map; `another` when it was not
    // shown before.
    void ShowScenario(int scenarioNr, bool another);
    // Marks every file-name box shown, the shown scenario's too, that findings concern.
    void MarkFiles(const std::vector<Finding>& findings);

    ScenarioPanel* Scenario() const { return scenario_; }

  private:
    FieldBinding binding_;
    RowCommands commands_;
    QComboBox* countries_ = nullptr;
    ScenarioList* list_ = nullptr;
    ScenarioPanel* scenario_ = nullptr;
};

}  // namespace xal::gui
