// SPDX-License-Identifier: MIT
#include <cctype>
#include <optional>

#include "core/base/conversions.h"
#include "core/base/error.h"
#include "core/base/number_text.h"
#include "core/campaign_file/campaign_path.h"
#include "core/model/campaign_text.h"
#include "core/model/outcomes.h"
#include "core/new_campaign/campaign_generation.h"
#include "core/platform/file_system.h"

namespace xal {
namespace {

constexpr Byte kCountry = 1;

// The number in one of the wizard's fields, named as the wizard labels it.
double NumberOf(const std::string& text, const NumberFormat& format, const std::string& field) {
    const std::optional<double> number = ReadNumber(text, format);
    if (!number)
        throw RunTimeError(ErrorNumber::TypeMismatch,
                           StandardDescription(ErrorNumber::TypeMismatch), "Field: " + field);
    return *number;
}

Byte ScenarioCount(const NewCampaignInput& input) {
    const std::string field = "Nr of scenarios";
    return RunConcerning("Field: " + field, [&] {
        return ToByte(static_cast<long long>(
            RoundHalfEven(NumberOf(input.NrOfScenariosText, input.Format, field))));
    });
}

// "Camp.CAM" is the campaign Camp; any other name stays as it is.
std::string CampaignNameOf(const std::string& text) {
    if (text.size() < 4) return text;
    std::string ending = text.substr(text.size() - 4);
    for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ending == ".cam" ? text.substr(0, text.size() - 4) : text;
}

}  // namespace

Campaign GenerateCampaign(const NewCampaignInput& input, const SettingsRecord& settings) {
    Campaign campaign;
    const std::string name = CampaignNameOf(input.CampaignNameText);
    campaign.SetCampaignName(name);
    campaign.SetCampaignFolder(CampaignsFolder(settings.GameFolder));
    campaign.SetCampaignTXT(CampaignTextOfName(name + ".txt"));
    campaign.SetCountry(kCountry);
    const Byte count = ScenarioCount(input);
    campaign.SetNrOfScenarios(count);

    const double initialMax = NumberOf(input.InitialMaxText, input.Format, "Initial MAX prestige");
    const std::string increments = "Incremental prestige settings > ";
    const double incMax = NumberOf(input.IncMaxText, input.Format, increments + "MAX");
    const std::string* rewardTexts[kOutcomeCount] = {&input.IncBVText, &input.IncVText,
                                                     &input.IncTVText, &input.IncLText};
    double rewards[kOutcomeCount];
    for (int k = 0; k < kOutcomeCount; ++k)
        rewards[k] = NumberOf(*rewardTexts[k], input.Format, increments + kOutcomes[k].shortName);
    for (int i = 0; i < count; ++i) {
        const std::string base = name + settings.ScnFileSeparator + DecimalText(i, 2);
        const Long maxPrestige = ToLong(initialMax + incMax * i);
        auto scenario = campaign.Scenarios()->Add(
            CampaignTextOfName(base + ".scn"), static_cast<Byte>(i), {},
            CampaignTextOfName(base + input.InfoText + ".txt"), maxPrestige, Scenario::UnitsByte);
        const bool last = i == count - 1;
        for (int k = 0; k < kOutcomeCount; ++k) {
            const bool loss = k == kLossOutcome;
            const bool ends = last || (loss && input.LossEndsCampaign);
            const std::string text = base + (loss ? input.LossText : input.WinText) + ".txt";
            scenario->Victories()->Add({}, CampaignTextOfName(text),
                                       ends ? 0 : ToLong(maxPrestige + rewards[k]),
                                       ends ? Victory::EndOfCampaign : static_cast<Byte>(i + 1));
        }
    }
    return campaign;
}

}  // namespace xal
