// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "model/campaign.h"
#include "model/campaign_snapshot.h"
#include "scenario_ops/scenario_ops.h"

namespace xal {

// One step of the edit history. Scenario numbers are 0-based, as the window shows them.
struct EditStep {
    std::string caption;           // what Undo and Redo name: "Delete scenario 2"
    std::optional<Byte> scenario;  // the scenario to show after undo or redo; none: any
    std::string mergeKey;          // equal non-empty keys in a row make one step
};

// The file-name fields. Campaign fields ignore the FieldPlace, scenario fields use its
// scenario, outcome fields its scenario and outcome.
enum class TextField {
    CampaignTXT,
    CampaignVictoryMOV,
    CampaignDefeatMOV,
    ScenarioFile,
    ScenarioTXT,
    ScenarioMOV,
    OutcomeTXT,
    OutcomeMOV
};

// Whose field: the campaign's, a scenario's or an outcome's. Each has one prestige field.
enum class FieldLevel { Campaign, Scenario, Outcome };

// Outcomes 0 to 3: brilliant victory, victory, tactical victory, defeat.
struct FieldPlace {
    Byte scenario = 0;
    Byte outcome = 0;
};

enum class MoveDirection { Up, Down };

// The campaign being edited and its undo history: every change to the campaign's
// contents goes through Edit or one of the commands built on it. The file the campaign
// lives in (CampaignName, CampaignFolder, CampaignFile) is not part of the history:
// Save As may set it on the campaign directly, and undo and redo keep it.
//
// Every edit that raises an error leaves the campaign as it was and records nothing, and
// so does one that changes nothing. Input out of range (a scenario or outcome that does
// not exist, moving the first scenario up) raises "Subscript out of range" (9).
class CampaignDocument {
  public:
    static constexpr std::size_t kMaxSteps = 1000;  // older steps are dropped

    // An empty campaign that has no file.
    CampaignDocument();

    // The campaign; the file it was read from or last saved to is its CampaignFile.
    const std::shared_ptr<xal::Campaign>& Campaign() const { return campaign_; }

    // Open and New: the campaign becomes the document's and the history is emptied.
    void Replace(std::shared_ptr<xal::Campaign> campaign);
    // Whether Open or New has given the document a campaign to show and edit.
    bool IsOpen() const { return open_; }

    // Unsaved changes. Edits do not set the flag by themselves: the window marks the
    // campaign changed on key presses and opened lists, and a save clears it.
    bool HasUnsavedChanges() const { return unsaved_; }
    void SetUnsavedChanges(bool unsaved);

    // Runs `change` on the campaign as one step. It merges into the step before when
    // both have the same non-empty merge key and no other step, undo, redo or Replace
    // came between them.
    void Edit(const EditStep& step, const std::function<void(xal::Campaign&)>& change);

    // Ends the step that is open for merging: the next edit is a step of its own even in
    // the same field, as a file picked into a field after typing in it.
    void CloseStep() { openMergeKey_.clear(); }

    // Called after every change of the campaign, its history or its unsaved-changes flag,
    // to redraw what shows them.
    void SetChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // The caption of the step Undo or Redo would take back or make again; empty if none.
    std::string UndoText() const;
    std::string RedoText() const;
    // Restore the campaign as it was before or after the step, and return the step; its
    // scenario is held to the scenarios the campaign then has. Nothing to undo or redo
    // raises "Invalid procedure call or argument" (5).
    EditStep Undo();
    EditStep Redo();

    // The window's commands, with their captions.
    void AddScenario();                                         // "Add scenario"
    void MoveScenario(Byte scenario, MoveDirection direction);  // "Move scenario 3 up"
    void DeleteScenario(Byte scenario);                         // "Delete scenario 2"
    // "Raise all prestige", "Lower prestige of scenario 2"; `displayed` is the scenario shown.
    void AdjustPrestige(PrestigeMode mode, Long increment, Byte displayed);
    void SetCountry(Byte country);                         // "Choose country"
    void SetGoTo(Byte scenario, Byte outcome, Byte goTo);  // "Choose go-to"
    // "Edit scenario file name", "Edit defeat prestige"; typing in one field is one step.
    void SetText(TextField field, FieldPlace place, const std::string& text);
    void SetPrestige(FieldLevel level, FieldPlace place, Long value);

  private:
    struct Record {
        EditStep step;
        CampaignSnapshot snapshot;  // on the undo stack the contents before it, on redo after
    };
    EditStep Restore(std::deque<Record>& from, std::deque<Record>& to);
    void Changed() const {
        if (changed_) changed_();
    }

    std::shared_ptr<xal::Campaign> campaign_;
    std::deque<Record> undo_;
    std::deque<Record> redo_;
    std::string openMergeKey_;  // the merge key the next edit may merge with
    bool open_ = false;
    bool unsaved_ = false;
    std::function<void()> changed_;
};

}  // namespace xal
