// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPushButton>
#include <QTreeWidget>
#include <functional>
#include <optional>

#include "core/campaign_document/campaign_document.h"

namespace xal::gui {

// The list of the campaign's scenarios and its commands: Add, and Up, Down and Delete on the
// selected scenario. Choosing an entry, by the mouse or the keys, shows its scenario.
class ScenarioList : public QObject {
  public:
    ScenarioList(CampaignDocument& document, std::function<void(int)> show, QWidget* frame);

    // Draws what a change of the document changed of the list: its entries, and the
    // selection of the scenario a change of the list or an undo or redo concerns.
    void Draw(const DocumentChange& change);
    // Selects a scenario's entry and scrolls to it.
    void Select(int scenarioNr);

  private:
    void DrawEntries();
    // The number of the selected scenario, or nothing when none is selected.
    std::optional<Byte> Selected() const;
    void Add();
    void Move(MoveDirection direction);
    void Delete();

    CampaignDocument& document_;
    std::function<void(int)> show_;
    QTreeWidget* list_;
};

}  // namespace xal::gui
