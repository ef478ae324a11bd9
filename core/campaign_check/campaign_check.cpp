// SPDX-License-Identifier: MIT
#include "core/campaign_check/campaign_check.h"

#include <algorithm>
#include <deque>

#include "core/base/conversions.h"
#include "core/campaign_check/finding_words.h"
#include "core/model/campaign_limits.h"
#include "core/model/editing_rules.h"
#include "core/model/outcomes.h"

namespace xal {
namespace {

class Checker {
  public:
    explicit Checker(const Campaign& campaign) : campaign_(campaign) {
        for (const auto& scenario : *campaign.Scenarios()) scenarios_.push_back(scenario.get());
    }

    std::vector<Finding> Run() {
        CheckCampaignFields();
        const std::vector<bool> reached = ReachedFromFirst();
        const std::vector<bool> ending = LeadingToTheEnd();
        for (std::size_t i = 0; i < scenarios_.size(); ++i) {
            const int nr = static_cast<int>(i);
            const std::string who = ScenarioWords(i, *scenarios_[i]);
            if (!reached[i])
                Add(Severity::Warning, nr, {}, who + " cannot be reached from scenario 0.");
            if (!ending[i])
                Add(Severity::Warning, nr, {},
                    "From " + Lower(who) + " no path leads to the end of the campaign.");
            CheckName(nr, {}, Field::ScenarioFile, who + ", its scenario file",
                      scenarios_[i]->ScenarioName());
            CheckName(nr, {}, Field::ScenarioTXT, who + ", its text file",
                      scenarios_[i]->ScenarioTXT());
            CheckName(nr, {}, Field::ScenarioMOV, who + ", its movie",
                      scenarios_[i]->ScenarioMOV());
            CheckPrestige(nr, {}, Field::ScenarioPrestige, who + ", its maximum prestige",
                          scenarios_[i]->Prestige());
            CheckOutcomes(i);
        }
        return std::move(findings_);
    }

  private:
    void Add(Severity severity, std::optional<int> scenario, std::optional<int> outcome,
             std::string text, std::optional<Field> field = {}) {
        findings_.push_back({severity, scenario, outcome, std::move(text), field});
    }

    void CheckCampaignFields() {
        const std::size_t count = scenarios_.size();
        if (count == 0)
            Add(Severity::Error, {}, {},
                "The campaign has no scenarios; a campaign file needs at least one.",
                Field::ScenarioCount);
        if (count > limits::kFileScenarios)
            Add(Severity::Error, {}, {},
                "The campaign has " + DecimalText(static_cast<long long>(count)) +
                    " scenarios; a campaign file holds at most " +
                    DecimalText(limits::kFileScenarios) + ".",
                Field::ScenarioCount);
        CheckName({}, {}, Field::CampaignTXT, "The campaign's text file", campaign_.CampaignTXT());
        CheckName({}, {}, Field::CampaignVictoryMOV, "The campaign's victory movie",
                  campaign_.VictoryMOV());
        CheckName({}, {}, Field::CampaignDefeatMOV, "The campaign's defeat movie",
                  campaign_.DefeatMOV());
        CheckPrestige({}, {}, Field::CampaignPrestige, "The campaign's start prestige",
                      campaign_.Prestige());
    }

    void CheckOutcomes(std::size_t i) {
        const Scenario& scenario = *scenarios_[i];
        const int nr = static_cast<int>(i);
        const long outcomes = std::min<long>(kOutcomeCount, scenario.Victories()->Count());
        for (int k = 0; k < outcomes; ++k) {
            const Victory& outcome = *scenario.Victories()->Item(k + 1);
            const std::string what = ScenarioWords(i, scenario) + ", " + kOutcomes[k].word;
            if (!LeadsToAScenario(outcome.OnEndGoTo()) &&
                outcome.OnEndGoTo() != Victory::EndOfCampaign)
                Add(Severity::Error, nr, k,
                    what + ": goes to scenario " + DecimalText(outcome.OnEndGoTo()) +
                        ", which does not exist.",
                    Field::OutcomeGoTo);
            CheckName(nr, k, Field::OutcomeTXT, what + ", its text file", outcome.VictoryTXT());
            CheckName(nr, k, Field::OutcomeMOV, what + ", its movie", outcome.VictoryMOV());
            CheckPrestige(nr, k, Field::OutcomePrestige, what + ", its prestige reward",
                          outcome.Prestige());
        }
    }

    void CheckName(std::optional<int> scenario, std::optional<int> outcome, Field field,
                   const std::string& what, const std::string& name) {
        if (FitsFileNameField(name)) return;
        Add(Severity::Warning, scenario, outcome,
            what + " \"" + name + "\" is " + DecimalText(static_cast<long long>(name.size())) +
                " characters long; the campaign file keeps only the first " +
                DecimalText(limits::kFileNameField) + ".",
            field);
    }

    void CheckPrestige(std::optional<int> scenario, std::optional<int> outcome, Field field,
                       const std::string& what, Long prestige) {
        if (prestige >= 0 && prestige <= limits::kFilePrestige) return;
        Add(Severity::Error, scenario, outcome,
            what + " " + DecimalText(prestige) +
                (prestige < 0 ? " is below 0" : " is above " + DecimalText(limits::kFilePrestige)) +
                ", which the campaign file cannot hold.",
            field);
    }

    bool LeadsToAScenario(Byte goTo) const { return goTo < scenarios_.size(); }

    // The scenarios some path from scenario 0 reaches, scenario 0 included.
    std::vector<bool> ReachedFromFirst() const {
        std::vector<bool> reached(scenarios_.size(), false);
        std::deque<std::size_t> waiting;
        if (!scenarios_.empty()) {
            reached[0] = true;
            waiting.push_back(0);
        }
        while (!waiting.empty()) {
            const std::size_t from = waiting.front();
            waiting.pop_front();
            for (Byte to : Links(from)) {
                if (!LeadsToAScenario(to) || reached[to]) continue;
                reached[to] = true;
                waiting.push_back(to);
            }
        }
        return reached;
    }

    // The scenarios from which some path ends the campaign.
    std::vector<bool> LeadingToTheEnd() const {
        std::vector<bool> ending(scenarios_.size(), false);
        for (bool changed = true; changed;) {
            changed = false;
            for (std::size_t i = 0; i < scenarios_.size(); ++i) {
                if (ending[i]) continue;
                for (Byte to : Links(i)) {
                    if (to == Victory::EndOfCampaign || (LeadsToAScenario(to) && ending[to])) {
                        ending[i] = changed = true;
                        break;
                    }
                }
            }
        }
        return ending;
    }

    std::vector<Byte> Links(std::size_t i) const {
        std::vector<Byte> links;
        for (const auto& outcome : *scenarios_[i]->Victories())
            links.push_back(outcome->OnEndGoTo());
        return links;
    }

    static std::string Lower(std::string words) {
        words[0] = static_cast<char>(words[0] - 'A' + 'a');
        return words;
    }

    const Campaign& campaign_;
    std::vector<const Scenario*> scenarios_;
    std::vector<Finding> findings_;
};

}  // namespace

std::vector<Finding> CheckCampaign(const Campaign& campaign) {
    return Checker(campaign).Run();
}

std::vector<Finding> CheckCampaign(const Campaign& campaign, const std::string& gameFolder) {
    return CheckCampaign(campaign, CheckGameFiles(campaign, gameFolder));
}

std::vector<Finding> CheckCampaign(const Campaign& campaign,
                                   const std::vector<Finding>& gameFiles) {
    std::vector<Finding> findings = CheckCampaign(campaign);
    findings.insert(findings.end(), gameFiles.begin(), gameFiles.end());
    // In the order promised: a file's finding after the others of its scenario or outcome.
    std::ranges::stable_sort(findings, {}, [](const Finding& finding) {
        return std::pair(finding.scenario, finding.outcome);
    });
    return findings;
}

std::string FindingLine(const Finding& finding) {
    return (finding.severity == Severity::Error ? "error: " : "warning: ") + finding.text;
}

bool HasErrors(const std::vector<Finding>& findings) {
    for (const Finding& finding : findings)
        if (finding.severity == Severity::Error) return true;
    return false;
}

}  // namespace xal
