// SPDX-License-Identifier: MIT
#include "campaign_document/campaign_document.h"

#include <algorithm>
#include <utility>

#include "model/conversions.h"
#include "model/outcomes.h"
#include "platform/error.h"

namespace xal {
namespace {

// An outcome outside 0 to 3 is out of range before it could name a step.
std::string OutcomeWord(Byte outcome) {
    if (outcome >= kOutcomeCount) Raise(ErrorNumber::SubscriptOutOfRange);
    return kOutcomes[outcome].commandWord;
}

Victory& OutcomeAt(Campaign& campaign, FieldPlace place) {
    return *campaign.ScenarioAt(place.scenario)->Victories()->Item(place.outcome + 1L);
}

FieldLevel LevelOf(TextField field) {
    switch (field) {
        case TextField::CampaignTXT:
        case TextField::CampaignVictoryMOV:
        case TextField::CampaignDefeatMOV:
            return FieldLevel::Campaign;
        case TextField::OutcomeTXT:
        case TextField::OutcomeMOV:
            return FieldLevel::Outcome;
        default:
            return FieldLevel::Scenario;
    }
}

// The field's name within its level.
std::string NameOf(TextField field) {
    switch (field) {
        case TextField::CampaignVictoryMOV:
            return "victory MOV file";
        case TextField::CampaignDefeatMOV:
            return "defeat MOV file";
        case TextField::ScenarioFile:
            return "file name";
        case TextField::CampaignTXT:
        case TextField::ScenarioTXT:
        case TextField::OutcomeTXT:
            return "TXT file";
        default:
            return "MOV file";
    }
}

// "Edit <field caption>" for the field `name` of a level; the caption names the field
// and outcome, so with the scenario it makes the merge key.
EditStep FieldStep(FieldLevel level, const std::string& name, FieldPlace place) {
    if (level == FieldLevel::Campaign)
        return {"Edit campaign " + name, std::nullopt, "campaign " + name};
    const std::string whose =
        level == FieldLevel::Scenario ? "scenario" : OutcomeWord(place.outcome);
    const std::string caption = "Edit " + whose + " " + name;
    return {caption, place.scenario, caption + " " + DecimalText(place.scenario)};
}

void StoreText(Campaign& campaign, TextField field, FieldPlace place, const std::string& text) {
    switch (field) {
        case TextField::CampaignTXT:
            return campaign.SetCampaignTXT(text);
        case TextField::CampaignVictoryMOV:
            return campaign.SetVictoryMOV(text);
        case TextField::CampaignDefeatMOV:
            return campaign.SetDefeatMOV(text);
        case TextField::ScenarioFile:
            return campaign.ScenarioAt(place.scenario)->SetScenarioName(text);
        case TextField::ScenarioTXT:
            return campaign.ScenarioAt(place.scenario)->SetScenarioTXT(text);
        case TextField::ScenarioMOV:
            return campaign.ScenarioAt(place.scenario)->SetScenarioMOV(text);
        case TextField::OutcomeTXT:
            return OutcomeAt(campaign, place).SetVictoryTXT(text);
        case TextField::OutcomeMOV:
            return OutcomeAt(campaign, place).SetVictoryMOV(text);
    }
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

void CampaignDocument::Replace(std::shared_ptr<xal::Campaign> campaign) {
    campaign_ = std::move(campaign);
    open_ = true;
    undo_.clear();
    redo_.clear();
    openMergeKey_.clear();
    Changed();
}

void CampaignDocument::Edit(const EditStep& step,
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
        undo_.push_back({step, std::move(before)});
        if (undo_.size() > kMaxSteps) undo_.pop_front();
    }
    Changed();
}

std::string CampaignDocument::UndoText() const {
    return undo_.empty() ? std::string() : undo_.back().step.caption;
}

std::string CampaignDocument::RedoText() const {
    return redo_.empty() ? std::string() : redo_.back().step.caption;
}

void CampaignDocument::SetUnsavedChanges(bool unsaved) {
    if (unsaved_ == unsaved) return;
    unsaved_ = unsaved;
    Changed();
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
    to.push_back({record.step, std::move(current)});
    openMergeKey_.clear();
    Changed();

    const int count = campaign_->NrOfScenarios();
    if (count == 0) record.step.scenario.reset();
    if (record.step.scenario)
        record.step.scenario = static_cast<Byte>(std::min<int>(*record.step.scenario, count - 1));
    return record.step;
}

void CampaignDocument::AddScenario() {
    Edit({"Add scenario", campaign_->NrOfScenarios(), {}},
         [](xal::Campaign& campaign) { xal::AddScenario(campaign); });
}

void CampaignDocument::MoveScenario(Byte scenario, MoveDirection direction) {
    const bool up = direction == MoveDirection::Up;
    const int to = scenario + (up ? -1 : 1);
    if (scenario >= campaign_->NrOfScenarios() || to < 0 || to >= campaign_->NrOfScenarios())
        Raise(ErrorNumber::SubscriptOutOfRange);
    const std::string caption = "Move scenario " + DecimalText(scenario) + (up ? " up" : " down");
    Edit({caption, static_cast<Byte>(to), {}}, [scenario, to](xal::Campaign& campaign) {
        xal::MoveScenario(campaign, scenario, static_cast<Byte>(to));
    });
}

void CampaignDocument::DeleteScenario(Byte scenario) {
    if (scenario >= campaign_->NrOfScenarios()) Raise(ErrorNumber::SubscriptOutOfRange);
    Edit({"Delete scenario " + DecimalText(scenario), scenario, {}},
         [scenario](xal::Campaign& campaign) { xal::DeleteScenario(campaign, scenario); });
}

void CampaignDocument::AdjustPrestige(PrestigeMode mode, Long increment, Byte displayed) {
    const bool raise = mode == CampaignUp || mode == ScenarioUp;
    const bool all = mode == CampaignUp || mode == CampaignDown;
    const std::string caption =
        std::string(raise ? "Raise " : "Lower ") +
        (all ? "all prestige" : "prestige of scenario " + DecimalText(displayed));
    Edit({caption, displayed, {}}, [=](xal::Campaign& campaign) {
        xal::AdjustPrestige(campaign, mode, increment, displayed);
    });
}

void CampaignDocument::SetCountry(Byte country) {
    Edit({"Choose country", std::nullopt, "country"},
         [country](xal::Campaign& campaign) { campaign.SetCountry(country); });
}

void CampaignDocument::SetGoTo(Byte scenario, Byte outcome, Byte goTo) {
    const FieldPlace place{scenario, outcome};
    const std::string key = FieldStep(FieldLevel::Outcome, "go-to", place).mergeKey;
    Edit({"Choose go-to", scenario, key},
         [=](xal::Campaign& campaign) { OutcomeAt(campaign, place).SetOnEndGoTo(goTo); });
}

void CampaignDocument::SetText(TextField field, FieldPlace place, const std::string& text) {
    Edit(FieldStep(LevelOf(field), NameOf(field), place),
         [=](xal::Campaign& campaign) { StoreText(campaign, field, place, text); });
}

void CampaignDocument::SetPrestige(FieldLevel level, FieldPlace place, Long value) {
    Edit(FieldStep(level, "prestige", place), [=](xal::Campaign& campaign) {
        if (level == FieldLevel::Campaign) return campaign.SetPrestige(value);
        if (level == FieldLevel::Scenario)
            return campaign.ScenarioAt(place.scenario)->SetPrestige(value);
        OutcomeAt(campaign, place).SetPrestige(value);
    });
}

}  // namespace xal
