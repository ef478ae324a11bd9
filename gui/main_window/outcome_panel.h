// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractItemModel>
#include <QComboBox>

#include "core/campaign_document/shown_scenario.h"
#include "gui/main_window/form_controls.h"
#include "gui/widgets/caption_frame.h"

namespace xal::gui {

// The frame of one outcome of the shown scenario: its text and movie files, the prestige it
// rewards and where it goes to.
class OutcomePanel : public CaptionFrame {
  public:
    OutcomePanel(int outcome, CampaignDocument& document, const ShownScenario& shown,
                 FileCommands& files, QWidget* parent);

    // The go-to lists of the four panels share one list of choices.
    void UseGoToChoices(QAbstractItemModel* choices) { goTo_->setModel(choices); }

    void DrawAll() { binding_.DrawAll(); }
    void Draw(Field field) { binding_.Draw(field); }
    void MarkFiles(const std::vector<Finding>& findings) { binding_.MarkFiles(findings); }

  private:
    FieldBinding binding_;
    RowCommands commands_;
    QComboBox* goTo_ = nullptr;
};

}  // namespace xal::gui
