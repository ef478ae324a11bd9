// SPDX-License-Identifier: MIT
#include "core/campaign_document/campaign_document.h"

#include <algorithm>
#include <utility>

#include "core/base/conversions.h"
#include "core/base/error.h"
#include "core/model/campaign_limits.h"
#include "core/model/outcomes.h"

namespace xal {
namespace {

using Change = DocumentChange;

// How a step names a field within its level; a name of a place that does not exist is
// out of range before it could name a step.
std::string FieldName(Field field) {
    switch (field) {
        case Field::CampaignVictoryMOV:
            return "victory MOV file";
        case Field::CampaignDefeatMOV:
            return "defeat MOV file";
        case Field::ScenarioFile:
            return "file name";
        case Field::CampaignTXT:
        case Field::ScenarioTXT:
        case Field::OutcomeTXT:
            return "TXT file";
        case Field::ScenarioMOV:
        case Field::OutcomeMOV:
            return "MOV file";
        case Field::Country:
            return "country";
        case Field::OutcomeGoTo:
            return "go-to";
        default:
            return "prestige";
    }
}

// "Edit campaign TXT file", "Edit defeat prestige", "Choose go-to": the caption names the
// field, its level and outcome, so with the scenario it makes the merge key.
EditStep FieldStep(Field field, FieldPlace place) {
    const std::string name = FieldName(field);
    const FieldLevel level = LevelOf(field);
    if (level == FieldLevel::Campaign)
        return {field == Field::Country ? "Choose country" : "Edit campaign " + name, std::nullopt,
                "campaign " + name};
    if (level == FieldLevel::Outcome && place.outcome >= kOutcomeCount)
        Raise(ErrorNumber::SubscriptOutOfRange);
    const std::string whose =
        level == FieldLevel::Scenario ? "scenario" : kOutcomes[place.outcome].commandWord;
    const std::string caption = "Edit " + whose + " " + name;
    return {field == Field::OutcomeGoTo ? "Choose go-to" : caption, place.scenario,
            caption + " " + DecimalText(place.scenario)};
}

// The contents of `contents` with the file that `campaign` lives in.
void RestoreContents(Campaign& campaign, Campaign contents) {
    contents.SetCampaignName(campaign.CampaignName());
    contents.SetCampaignFolder(campaign.CampaignFolder());
    contents.SetCampaignFile(campaign.CampaignFile());
    campaign = std::move(contents);
}

}  // namespace

CampaignDocument::CampaignDocument() : campaign_(std::make_shared<xal::Campaign>()) {}

void CampaignDocument::Replace(std::shared_ptr<xal::Campaign> campaign, bool unsaved) {
    campaign_ = std::move(campaign);
    open_ = true;
    unsaved_ = unsaved;
    undo_.clear();
    redo_.clear();
    openMergeKey_.clear();
    Notify({Change::kReplaced | Change::kFile | Change::kUnsaved | Change::kHistory});
}

CampaignDocument::Subscription CampaignDocument::Subscribe(Listener listener) const {
    auto subscription = std::make_shared<const Listener>(std::move(listener));
    listeners_.push_back(subscription);
    return subscription;
}

void CampaignDocument::Notify(const DocumentChange& change) const {
    std::erase_if(listeners_, [](const auto& listener) { return listener.expired(); });
    // A listener may subscribe another or give up its own while it hears the notice.
    const auto listeners = listeners_;
    for (const auto& held : listeners)
        if (const Subscription listener = held.lock()) (*listener)(change);
}

unsigned CampaignDocument::Unsaved() {
    return std::exchange(unsaved_, true) ? 0u : unsigned{Change::kUnsaved};
}

void CampaignDocument::Edit(const EditStep& step, DocumentChange what,
                            const std::function<void(xal::Campaign&)>& change) {
    CampaignSnapshot before(*campaign_, undo_.empty() ? nullptr : &undo_.back().snapshot);
    try {
        change(*campaign_);
    } catch (...) {
        *campaign_ = before.Restore();
        throw;
    }
    if (before.Holds(*campaign_)) return;
    redo_.clear();
    const bool merges = !step.mergeKey.empty() && step.mergeKey == openMergeKey_;
    openMergeKey_ = step.mergeKey;
    if (!merges) {
        undo_.push_back({step, what, std::move(before)});
        if (undo_.size() > kMaxSteps) undo_.pop_front();
    }
    what.parts |= Change::kHistory | Unsaved();
    Notify(what);
}

std::string CampaignDocument::UndoText() const {
    return undo_.empty() ? std::string() : undo_.back().step.caption;
}

std::string CampaignDocument::RedoText() const {
    return redo_.empty() ? std::string() : redo_.back().step.caption;
}

void CampaignDocument::SetUnsavedChanges(bool unsaved) {
    if (std::exchange(unsaved_, unsaved) != unsaved) Notify({Change::kUnsaved});
}

void CampaignDocument::Saved() {
    unsaved_ = false;
    Notify({Change::kFile | Change::kUnsaved});
}

EditStep CampaignDocument::Undo() {
    return Restore(undo_, redo_);
}

EditStep CampaignDocument::Redo() {
    return Restore(redo_, undo_);
}

EditStep CampaignDocument::Restore(std::deque<Record>& from, std::deque<Record>& to) {
    if (from.empty()) Raise(ErrorNumber::InvalidArgument);
    CampaignSnapshot current(*campaign_, &from.back().snapshot);
    Record record = std::move(from.back());
    from.pop_back();
    RestoreContents(*campaign_, record.snapshot.Restore());
    to.push_back({record.step, record.what, std::move(current)});
    openMergeKey_.clear();

    const int count = campaign_->NrOfScenarios();
    if (count == 0) record.step.scenario.reset();
    if (record.step.scenario)
        record.step.scenario = static_cast<Byte>(std::min<int>(*record.step.scenario, count - 1));
    DocumentChange notice = record.what;
    notice.parts |= Change::kRestored | Change::kHistory | Unsaved();
    notice.scenario = record.step.scenario;
    Notify(notice);
    return record.step;
}

void CampaignDocument::AddScenario() {
    const Byte added = campaign_->NrOfScenarios();
    Edit({"Add scenario", added, {}}, {.parts = Change::kScenarioList, .scenario = added},
         [](xal::Campaign& campaign) { xal::AddScenario(campaign); });
}

bool CampaignDocument::CanMoveScenario(Byte scenario, MoveDirection direction) const {
    const int to = scenario + (direction == MoveDirection::Up ? -1 : 1);
    return scenario < campaign_->NrOfScenarios() && to >= 0 && to < campaign_->NrOfScenarios();
}

void CampaignDocument::MoveScenario(Byte scenario, MoveDirection direction) {
    if (!CanMoveScenario(scenario, direction)) Raise(ErrorNumber::SubscriptOutOfRange);
    const bool up = direction == MoveDirection::Up;
    const auto moved = static_cast<Byte>(scenario + (up ? -1 : 1));
    const std::string caption = "Move scenario " + DecimalText(scenario) + (up ? " up" : " down");
    Edit({caption, moved, {}}, {.parts = Change::kScenarioList, .scenario = moved},
         [scenario, moved](xal::Campaign& campaign) {
             xal::MoveScenario(campaign, scenario, moved);
         });
}

void CampaignDocument::DeleteScenario(Byte scenario) {
    if (scenario >= campaign_->NrOfScenarios()) Raise(ErrorNumber::SubscriptOutOfRange);
    if (!CanDeleteScenario()) Raise(ErrorNumber::InvalidArgument);
    Edit({"Delete scenario " + DecimalText(scenario), scenario, {}},
         {.parts = Change::kScenarioList},
         [scenario](xal::Campaign& campaign) { xal::DeleteScenario(campaign, scenario); });
}

void CampaignDocument::AdjustPrestige(PrestigeMode mode, Long increment, Byte displayed) {
    const bool raise = mode == CampaignUp || mode == ScenarioUp;
    const bool all = mode == CampaignUp || mode == CampaignDown;
    const std::string caption =
        std::string(raise ? "Raise " : "Lower ") +
        (all ? "all prestige" : "prestige of scenario " + DecimalText(displayed));
    Edit({caption, displayed, {}}, {.parts = Change::kScenarios}, [=](xal::Campaign& campaign) {
        xal::AdjustPrestige(campaign, mode, increment, displayed);
    });
}

void CampaignDocument::SetText(Field field, FieldPlace place, const std::string& text) {
    place = PlaceOf(field, place);
    Edit(FieldStep(field, place), {.parts = Change::kField, .field = field, .place = place},
         [&](xal::Campaign& campaign) { SetTextOf(campaign, field, place, text); });
}

void CampaignDocument::SetNumber(Field field, FieldPlace place, Long number) {
    place = PlaceOf(field, place);
    Edit(FieldStep(field, place), {.parts = Change::kField, .field = field, .place = place},
         [&](xal::Campaign& campaign) { SetNumberOf(campaign, field, place, number); });
}

void CampaignDocument::SendOutcomes(Byte scenario, const std::vector<int>& outcomes, Byte goTo) {
    const int count = campaign_->NrOfScenarios();
    const bool distinct = std::ranges::all_of(outcomes, [&](int outcome) {
        return outcome >= 0 && outcome < kOutcomeCount &&
               std::ranges::count(outcomes, outcome) == 1;
    });
    if (scenario >= count || outcomes.empty() || !distinct ||
        (goTo >= count && goTo != limits::kEndOfCampaign))
        Raise(ErrorNumber::SubscriptOutOfRange);
    const std::string target =
        goTo == limits::kEndOfCampaign ? "END" : "scenario " + DecimalText(goTo);
    const std::string caption = "Send scenario " + DecimalText(scenario) + "'s " +
                                OutcomeWordList(outcomes) + " to " + target;
    // One field changes or several: the window redraws the scenario's go-to lists either way.
    DocumentChange what{.parts = Change::kField,
                        .field = Field::OutcomeGoTo,
                        .place = {scenario, static_cast<Byte>(outcomes.front())}};
    if (outcomes.size() > 1) what = {.parts = Change::kScenarios};
    Edit({caption, scenario, {}}, what, [&](xal::Campaign& campaign) {
        for (int outcome : outcomes)
            campaign.ScenarioAt(scenario)->Victories()->Item(outcome + 1)->SetOnEndGoTo(goTo);
    });
}

}  // namespace xal
