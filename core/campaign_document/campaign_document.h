// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/campaign_document/campaign_field.h"
#include "core/model/campaign.h"
#include "core/model/campaign_snapshot.h"
#include "core/scenario_ops/scenario_ops.h"

namespace xal {

// One step of the edit history. Scenario numbers are 0-based, as the window shows them.
struct EditStep {
    std::string caption;           // what Undo and Redo name: "Delete scenario 2"
    std::optional<Byte> scenario;  // the scenario to show after undo or redo; none: any
    std::string mergeKey;          // equal non-empty keys in a row make one step
};

// What one notice of the document says has changed; a view redraws what shows it.
struct DocumentChange {
    enum Part : unsigned {
        kReplaced = 1,      // another campaign: opened, new or restored
        kScenarioList = 2,  // scenarios added, moved or deleted
        kScenarios = 4,     // values of many scenarios at once: a prestige command
        kField = 8,         // the value of `field` at `place`
        kFile = 16,         // the file the campaign lives in, which Save As may rename
        kUnsaved = 32,      // whether the campaign has unsaved changes
        kHistory = 64,      // what Undo and Redo would take back or make again
        kRestored = 128,    // an undo or redo, of a step that concerns `scenario`
    };
    unsigned parts = 0;
    Field field = Field::ScenarioCount;
    FieldPlace place{};
    // The scenario that a change of the scenario list, an undo or a redo concerns, if any.
    std::optional<Byte> scenario{};

    bool Has(unsigned part) const { return (parts & part) != 0; }
};

enum class MoveDirection { Up, Down };

// The campaign being edited and its undo history: every change to the campaign's
// contents goes through Edit or one of the commands built on it, and each change is told
// to the listeners in one notice. The file the campaign lives in (CampaignName,
// CampaignFolder, CampaignFile) is not part of the history: Save As may set it on the
// campaign directly, and undo and redo keep it.
//
// Every edit that raises an error leaves the campaign as it was and records nothing, and
// so does one that changes nothing. Input out of range (a scenario or outcome that does
// not exist, moving the first scenario up) raises "Subscript out of range" (9).
class CampaignDocument {
  public:
    static constexpr std::size_t kMaxSteps = 1000;  // older steps are dropped

    using Listener = std::function<void(const DocumentChange&)>;
    // A listener hears the notices for as long as its subscription is held.
    using Subscription = std::shared_ptr<const Listener>;

    // An empty campaign that has no file.
    CampaignDocument();
    CampaignDocument(const CampaignDocument&) = delete;
    CampaignDocument& operator=(const CampaignDocument&) = delete;

    // The campaign; the file it was read from or last saved to is its CampaignFile.
    const std::shared_ptr<xal::Campaign>& Campaign() const { return campaign_; }

    // Open, New and a restored copy: the campaign becomes the document's, with unsaved
    // changes or none, and the history is emptied.
    void Replace(std::shared_ptr<xal::Campaign> campaign, bool unsaved = false);
    // Whether Open or New has given the document a campaign to show and edit.
    bool IsOpen() const { return open_; }

    // Unsaved changes: every edit, undo and redo makes them, and so does a key pressed or
    // a list opened in the window, though nothing changes.
    bool HasUnsavedChanges() const { return unsaved_; }
    void SetUnsavedChanges(bool unsaved);
    // The campaign has been written to its file, which Save As may have named anew.
    void Saved();

    // Listening changes nothing: a document shown read-only may be listened to.
    [[nodiscard]] Subscription Subscribe(Listener listener) const;

    // Runs `change` on the campaign as one step, which `what` describes to the listeners.
    // It merges into the step before when both have the same non-empty merge key and no
    // other step, undo, redo or Replace came between them.
    void Edit(const EditStep& step, DocumentChange what,
              const std::function<void(xal::Campaign&)>& change);

    // Ends the step that is open for merging: the next edit is a step of its own even in
    // the same field, as a file picked into a field after typing in it.
    void CloseStep() { openMergeKey_.clear(); }

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
    void AddScenario();  // "Add scenario"
    // A scenario moves only within the list, and the last one left is not deleted; a
    // command that breaks either raises.
    bool CanMoveScenario(Byte scenario, MoveDirection direction) const;
    bool CanDeleteScenario() const { return campaign_->NrOfScenarios() > 1; }
    void MoveScenario(Byte scenario, MoveDirection direction);  // "Move scenario 3 up"
    void DeleteScenario(Byte scenario);                         // "Delete scenario 2"
    // "Raise all prestige", "Lower prestige of scenario 2"; `displayed` is the scenario shown.
    void AdjustPrestige(PrestigeMode mode, Long increment, Byte displayed);
    // "Edit scenario file name", "Edit defeat prestige", "Choose country", "Choose go-to";
    // typing in one field is one step.
    void SetText(Field field, FieldPlace place, const std::string& text);
    void SetNumber(Field field, FieldPlace place, Long number);
    // Sends outcomes of a scenario (0 brilliant victory to 3 loss, each once) to another
    // scenario or to the end of the campaign (limits::kEndOfCampaign), as one step that names them:
    // "Send scenario 3's loss to END", "Send scenario 0's victory and loss to scenario 2".
    // A go-to that names no scenario of the campaign raises "Subscript out of range" (9).
    void SendOutcomes(Byte scenario, const std::vector<int>& outcomes, Byte goTo);

  private:
    struct Record {
        EditStep step;
        DocumentChange what;
        CampaignSnapshot snapshot;  // on the undo stack the contents before it, on redo after
    };
    EditStep Restore(std::deque<Record>& from, std::deque<Record>& to);
    // Marks the campaign changed; the part to tell when it was not.
    unsigned Unsaved();
    void Notify(const DocumentChange& change) const;

    std::shared_ptr<xal::Campaign> campaign_;
    std::deque<Record> undo_;
    std::deque<Record> redo_;
    std::string openMergeKey_;  // the merge key the next edit may merge with
    bool open_ = false;
    bool unsaved_ = false;
    mutable std::vector<std::weak_ptr<const Listener>> listeners_;
};

}  // namespace xal
