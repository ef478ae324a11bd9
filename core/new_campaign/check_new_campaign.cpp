// SPDX-License-Identifier: MIT
#include <algorithm>

#include "core/base/conversions.h"
#include "core/model/campaign_limits.h"
#include "core/model/campaign_text.h"
#include "core/model/editing_rules.h"
#include "core/model/outcomes.h"
#include "core/new_campaign/campaign_generation.h"

namespace xal {
namespace {

constexpr const char* kCrLf = "\r\n";

}  // namespace

std::string CheckNewCampaign(const Campaign& campaign) {
    std::string errors;
    // Each limit is said once, before the lines of the values that break it.
    bool longName = false;
    bool longFileName = false;
    bool highPrestige = false;
    auto fileNameFits = [&longFileName](const std::string& name) {
        const bool fits = FitsFileNameField(name);
        longFileName |= !fits;
        return fits;
    };
    auto prestigeFits = [&highPrestige](Long prestige) {
        const bool fits = prestige <= limits::kEditorPrestige;
        highPrestige |= !fits;
        return fits;
    };
    // The list is a text of the campaign's code page, as its file names are.
    const std::string campaignName = CampaignTextOfName(campaign.CampaignName());
    longName = campaignName.size() > limits::kWizardCampaignName;
    if (longName) errors += "Campaign name (" + campaignName + ") is too long." + kCrLf + kCrLf;
    for (const auto& scenario : *campaign.Scenarios()) {
        const std::string& name = scenario->ScenarioName();
        if (!fileNameFits(name)) errors += "Scenario name (" + name + ") is too long." + kCrLf;
        if (!fileNameFits(scenario->ScenarioTXT()))
            errors += "Scenario information file name (" + scenario->ScenarioTXT() +
                      ") for scenario " + name + " is too long." + kCrLf;
        if (!prestigeFits(scenario->Prestige()))
            errors += "Max. prestige (" + DecimalText(scenario->Prestige()) + ") for scenario " +
                      name + " is too high." + kCrLf;
        const long outcomes = std::min<long>(kOutcomeCount, scenario->Victories()->Count());
        for (long k = 0; k < outcomes; ++k) {
            const auto outcome = scenario->Victories()->Item(k + 1);
            const std::string word = kOutcomes[static_cast<std::size_t>(k)].word;
            if (!prestigeFits(outcome->Prestige()))
                errors += "Rewarded prestige (" + DecimalText(outcome->Prestige()) + ") for a " +
                          word + " in scenario " + name + " is too high." + kCrLf;
            if (!fileNameFits(outcome->VictoryTXT()))
                errors += "Scenario " + word + " text file name (" + outcome->VictoryTXT() +
                          ") for scenario " + name + " is too long." + kCrLf;
        }
        if (!errors.empty()) errors += kCrLf;
    }
    std::string limitsBroken;
    if (longName)
        limitsBroken += "A campaign name has at most " +
                        DecimalText(static_cast<long long>(limits::kWizardCampaignName)) +
                        " characters." + kCrLf;
    if (longFileName)
        limitsBroken += "A file name has at most " +
                        DecimalText(static_cast<long long>(limits::kFileNameField)) +
                        " characters." + kCrLf;
    if (highPrestige)
        limitsBroken += "Prestige is at most " + DecimalText(limits::kEditorPrestige) + "." + kCrLf;
    return limitsBroken.empty() ? errors : limitsBroken + kCrLf + errors;
}

}  // namespace xal
