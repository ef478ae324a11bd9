// SPDX-License-Identifier: MIT
#include "core/campaign_document/campaign_field.h"

#include "core/base/error.h"
#include "core/model/outcomes.h"

namespace xal {
namespace {

Scenario& ScenarioOf(const Campaign& campaign, FieldPlace place) {
    return *campaign.ScenarioAt(place.scenario);
}

Victory& OutcomeOf(const Campaign& campaign, FieldPlace place) {
    if (place.outcome >= kOutcomeCount) Raise(ErrorNumber::SubscriptOutOfRange);
    return *ScenarioOf(campaign, place).Victories()->Item(place.outcome + 1L);
}

[[noreturn]] void NotOfThisKind() {
    Raise(ErrorNumber::InvalidArgument);
}

}  // namespace

FieldLevel LevelOf(Field field) {
    if (field >= Field::OutcomeTXT) return FieldLevel::Outcome;
    if (field >= Field::ScenarioFile) return FieldLevel::Scenario;
    return FieldLevel::Campaign;
}

FieldPlace PlaceOf(Field field, FieldPlace place) {
    switch (LevelOf(field)) {
        case FieldLevel::Campaign:
            return {};
        case FieldLevel::Scenario:
            return {place.scenario, 0};
        default:
            return place;
    }
}

std::string TextOf(const Campaign& campaign, Field field, FieldPlace place) {
    switch (field) {
        case Field::CampaignVictoryMOV:
            return campaign.VictoryMOV();
        case Field::CampaignDefeatMOV:
            return campaign.DefeatMOV();
        case Field::CampaignTXT:
            return campaign.CampaignTXT();
        case Field::ScenarioFile:
            return ScenarioOf(campaign, place).ScenarioName();
        case Field::ScenarioTXT:
            return ScenarioOf(campaign, place).ScenarioTXT();
        case Field::ScenarioMOV:
            return ScenarioOf(campaign, place).ScenarioMOV();
        case Field::OutcomeTXT:
            return OutcomeOf(campaign, place).VictoryTXT();
        case Field::OutcomeMOV:
            return OutcomeOf(campaign, place).VictoryMOV();
        default:
            NotOfThisKind();
    }
}

Long NumberOf(const Campaign& campaign, Field field, FieldPlace place) {
    switch (field) {
        case Field::ScenarioCount:
            return campaign.NrOfScenarios();
        case Field::CampaignPrestige:
            return campaign.Prestige();
        case Field::Country:
            return campaign.Country();
        case Field::ScenarioPrestige:
            return ScenarioOf(campaign, place).Prestige();
        case Field::OutcomePrestige:
            return OutcomeOf(campaign, place).Prestige();
        case Field::OutcomeGoTo:
            return OutcomeOf(campaign, place).OnEndGoTo();
        default:
            NotOfThisKind();
    }
}

void SetTextOf(Campaign& campaign, Field field, FieldPlace place, const std::string& text) {
    switch (field) {
        case Field::CampaignVictoryMOV:
            return campaign.SetVictoryMOV(text);
        case Field::CampaignDefeatMOV:
            return campaign.SetDefeatMOV(text);
        case Field::CampaignTXT:
            return campaign.SetCampaignTXT(text);
        case Field::ScenarioFile:
            return ScenarioOf(campaign, place).SetScenarioName(text);
        case Field::ScenarioTXT:
            return ScenarioOf(campaign, place).SetScenarioTXT(text);
        case Field::ScenarioMOV:
            return ScenarioOf(campaign, place).SetScenarioMOV(text);
        case Field::OutcomeTXT:
            return OutcomeOf(campaign, place).SetVictoryTXT(text);
        case Field::OutcomeMOV:
            return OutcomeOf(campaign, place).SetVictoryMOV(text);
        default:
            NotOfThisKind();
    }
}

void SetNumberOf(Campaign& campaign, Field field, FieldPlace place, Long number) {
    switch (field) {
        case Field::CampaignPrestige:
            return campaign.SetPrestige(number);
        case Field::Country:
            return campaign.SetCountry(ToByte(number));
        case Field::ScenarioPrestige:
            return ScenarioOf(campaign, place).SetPrestige(number);
        case Field::OutcomePrestige:
            return OutcomeOf(campaign, place).SetPrestige(number);
        case Field::OutcomeGoTo:
            return OutcomeOf(campaign, place).SetOnEndGoTo(ToByte(number));
        default:
            NotOfThisKind();
    }
}

}  // namespace xal
