// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>
#include <QStandardItemModel>
#include <array>

#include "core/campaign_document/shown_scenario.h"
#include "core/model/outcomes.h"
#include "gui/main_window/form_controls.h"
#include "gui/main_window/outcome_panel.h"
#include "gui/widgets/caption_frame.h"

namespace xal::gui {

// The frame of the shown scenario: its files and prestige, and its four outcomes.
class ScenarioPanel : public CaptionFrame {
  public:
    ScenarioPanel(CampaignDocument& document, const ShownScenario& shown, FileCommands& files,
                  QWidget* parent);

    // Draws what a change of the document changed of the shown scenario; all of it when
    // `another` scenario is shown now.
    void Draw(const DocumentChange& change, bool another);
    void DrawAll();
    // Marks the file-name boxes of the shown scenario and its outcomes that findings concern.
    void MarkFiles(const std::vector<Finding>& findings);

    // The button that starts the external scenario editor, which only the settings enable.
    QPushButton* EditScenarioButton() const { return editScenario_; }

  private:
    // The go-to choices: the end of the campaign and every scenario.
    void ShowGoToChoices(int count);

    CampaignDocument& document_;
    const ShownScenario& shown_;
    FieldBinding binding_;
    RowCommands commands_;
    std::array<OutcomePanel*, kOutcomeCount> outcomes_{};
    QStandardItemModel* goToChoices_ = nullptr;
    QPushButton* editScenario_ = nullptr;
};

}  // namespace xal::gui
