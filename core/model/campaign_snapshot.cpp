// SPDX-License-Identifier: MIT
#include "core/model/campaign_snapshot.h"

namespace xal {
namespace {

std::shared_ptr<Victories> CopyOfVictories(const Victories& victories) {
    auto copy = std::make_shared<Victories>();
    for (const auto& victory : victories) *copy->Add({}, {}, 0, 0) = *victory;
    return copy;
}

bool SameVictory(const Victory& a, const Victory& b) {
    return a.OnEndGoTo() == b.OnEndGoTo() && a.Prestige() == b.Prestige() &&
           a.VictoryTXT() == b.VictoryTXT() && a.VictoryMOV() == b.VictoryMOV();
}

bool SameScenario(const Scenario& a, const Scenario& b) {
    if (a.NrOfUnits() != b.NrOfUnits() || a.Prestige() != b.Prestige() ||
        a.ScenarioTXT() != b.ScenarioTXT() || a.ScenarioMOV() != b.ScenarioMOV() ||
        a.ScenarioNr() != b.ScenarioNr() || a.ScenarioName() != b.ScenarioName() ||
        a.Victories()->Count() != b.Victories()->Count())
        return false;
    for (long k = 1; k <= a.Victories()->Count(); ++k)
        if (!SameVictory(*a.Victories()->Item(k), *b.Victories()->Item(k))) return false;
    return true;
}

bool SameFields(const Campaign& a, const Campaign& b) {
    return a.NrOfScenarios() == b.NrOfScenarios() && a.Country() == b.Country() &&
           a.Prestige() == b.Prestige() && a.CampaignName() == b.CampaignName() &&
           a.CampaignFolder() == b.CampaignFolder() && a.CampaignFile() == b.CampaignFile() &&
           a.CampaignTXT() == b.CampaignTXT() && a.DefeatMOV() == b.DefeatMOV() &&
           a.VictoryMOV() == b.VictoryMOV();
}

}  // namespace

CampaignSnapshot::CampaignSnapshot(const Campaign& campaign, const CampaignSnapshot* like)
    : fields_(campaign) {
    fields_.SetScenarios(std::make_shared<Scenarios>());
    for (const auto& scenario : *campaign.Scenarios()) {
        const std::size_t n = scenarios_.size();
        if (like && n < like->scenarios_.size() && SameScenario(*like->scenarios_[n], *scenario)) {
            scenarios_.push_back(like->scenarios_[n]);
            continue;
        }
        auto copy = std::make_shared<Scenario>(*scenario);
        copy->SetVictories(CopyOfVictories(*scenario->Victories()));
        scenarios_.push_back(std::move(copy));
    }
}

Campaign CampaignSnapshot::Restore() const {
    Campaign campaign = fields_;
    campaign.SetScenarios(std::make_shared<Scenarios>());
    for (const auto& scenario : scenarios_) {
        auto added = campaign.Scenarios()->Add({}, 0, {}, {}, 0, 0);
        *added = *scenario;
        added->SetVictories(CopyOfVictories(*scenario->Victories()));
    }
    return campaign;
}

bool CampaignSnapshot::Holds(const Campaign& campaign) const {
    if (!SameFields(fields_, campaign) ||
        static_cast<std::size_t>(campaign.Scenarios()->Count()) != scenarios_.size())
        return false;
    for (std::size_t n = 0; n < scenarios_.size(); ++n)
        if (!SameScenario(*scenarios_[n], *campaign.Scenarios()->Item(static_cast<long>(n) + 1)))
            return false;
    return true;
}

}  // namespace xal
