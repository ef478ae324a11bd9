// SPDX-License-Identifier: MIT
#include "core/campaign_file/campaign_writer.h"

#include "core/base/error.h"
#include "core/campaign_file/campaign_layout.h"
#include "core/campaign_file/campaign_reader.h"
#include "core/model/campaign_limits.h"
#include "core/model/outcomes.h"
#include "core/platform/file_system.h"

namespace xal {
namespace {

// Puts characters at a position; one that would lie past the end is the invalid-argument error.
void Put(std::string& contents, std::size_t position, const std::string& bytes) {
    if (position + bytes.size() > contents.size()) Raise(ErrorNumber::InvalidArgument);
    contents.replace(position, bytes.size(), bytes);
}

// A text field takes the value's first 20 characters; the rest of the field stays zero.
void PutText(std::string& contents, std::size_t position, const std::string& value) {
    if (position + layout::kTextFieldSize > contents.size()) Raise(ErrorNumber::InvalidArgument);
    Put(contents, position, value.substr(0, layout::kTextFieldSize));
}

void PutByte(std::string& contents, std::size_t position, Byte value) {
    Put(contents, position, std::string(1, static_cast<char>(value)));
}

}  // namespace

std::string Word16Text(Long value) {
    if (value < 0 || value > limits::kFilePrestige) Raise(ErrorNumber::InvalidArgument);
    return {static_cast<char>(value % 256), static_cast<char>(value / 256)};
}

std::string BuildCampaignFile(const Campaign& campaign) {
    using namespace layout;
    if (campaign.NrOfScenarios() > limits::kFileScenarios)
        RaiseBecause(ErrorNumber::InvalidArgument, "A campaign file holds at most " +
                                                       DecimalText(limits::kFileScenarios) +
                                                       " scenarios; this campaign has " +
                                                       DecimalText(campaign.NrOfScenarios()) + ".");
    std::string contents(kCampaignFileSize, '\0');
    PutText(contents, kCampaignVictoryMOV, campaign.VictoryMOV());
    PutText(contents, kCampaignDefeatMOV, campaign.DefeatMOV());
    PutText(contents, kCampaignTXT, campaign.CampaignTXT());
    PutByte(contents, kScenarioCount, campaign.NrOfScenarios());
    Put(contents, kCampaignPrestige, Word16Text(campaign.Prestige()));
    PutByte(contents, kCountry, campaign.Country());

    const Byte last = ToByte(static_cast<long long>(campaign.NrOfScenarios()) - 1);
    for (std::size_t i = 0; i <= last; ++i) {
        const std::size_t r = RecordAt(i);
        auto scenario = campaign.Scenarios()->Item(static_cast<long>(i) + 1);
        PutText(contents, r + kScenarioName, scenario->ScenarioName());
        PutText(contents, r + kScenarioMOV, scenario->ScenarioMOV());
        PutText(contents, r + kScenarioTXT, scenario->ScenarioTXT());
        Put(contents, r + kScenarioPrestige, Word16Text(scenario->Prestige()));
        PutByte(contents, r + kUnits, kUnitsByte);
        for (std::size_t j = 0; j < kOutcomeCount; ++j) {
            auto victory = scenario->Victories()->Item(static_cast<long>(j) + 1);
            const std::size_t b = OutcomeAt(r, j);
            PutText(contents, b + kOutcomeMOV, victory->VictoryMOV());
            PutText(contents, b + kOutcomeTXT, victory->VictoryTXT());
            Put(contents, b + kOutcomePrestige, Word16Text(victory->Prestige()));
            PutByte(contents, GoToAt(r, j), victory->OnEndGoTo());
        }
    }
    return contents;
}

void WriteWholeFile(const std::string& path, const std::string& contents) {
    platform::ReplaceFileContents(path, contents);
}

}  // namespace xal
