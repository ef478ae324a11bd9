// SPDX-License-Identifier: MIT
#include "core/campaign_file/campaign_reader.h"

#include "core/base/error.h"
#include "core/campaign_file/campaign_layout.h"
#include "core/model/outcomes.h"
#include "core/platform/file_system.h"

namespace xal {
namespace {

// The characters from a position, as many as there are up to `length`.
std::string Slice(const std::string& contents, std::size_t position, std::size_t length) {
    if (position >= contents.size()) return {};
    return contents.substr(position, length);
}

std::string TextAt(const std::string& contents, std::size_t position) {
    return FieldText(Slice(contents, position, layout::kTextFieldSize));
}

Long NumberAt(const std::string& contents, std::size_t position) {
    return Word16Value(Slice(contents, position, 2));
}

// A byte field past the end of the contents is the invalid-argument error.
Byte ByteAt(const std::string& contents, std::size_t position) {
    if (position >= contents.size()) Raise(ErrorNumber::InvalidArgument);
    return static_cast<Byte>(contents[position]);
}

void ParseCampaignContents(const std::string& contents, Campaign& campaign) {
    using namespace layout;
    campaign.SetVictoryMOV(TextAt(contents, kCampaignVictoryMOV));
    campaign.SetDefeatMOV(TextAt(contents, kCampaignDefeatMOV));
    campaign.SetCampaignTXT(TextAt(contents, kCampaignTXT));
    campaign.SetNrOfScenarios(ByteAt(contents, kScenarioCount));
    campaign.SetPrestige(NumberAt(contents, kCampaignPrestige));
    campaign.SetCountry(ByteAt(contents, kCountry));

    const Byte last = ToByte(static_cast<long long>(campaign.NrOfScenarios()) - 1);
    for (std::size_t i = 0; i <= last; ++i) {
        const std::size_t r = RecordAt(i);
        campaign.Scenarios()->Add(TextAt(contents, r + kScenarioName), static_cast<Byte>(i),
                                  TextAt(contents, r + kScenarioMOV),
                                  TextAt(contents, r + kScenarioTXT),
                                  NumberAt(contents, r + kScenarioPrestige), kUnitsByte);
        for (std::size_t j = 0; j < kOutcomeCount; ++j) {
            const std::size_t b = OutcomeAt(r, j);
            std::string movie = TextAt(contents, b + kOutcomeMOV);
            std::string text = TextAt(contents, b + kOutcomeTXT);
            Long prestige = NumberAt(contents, b + kOutcomePrestige);
            Byte goTo = ByteAt(contents, GoToAt(r, j));
            auto victory = campaign.Scenarios()
                               ->Item(static_cast<long>(i) + 1)
                               ->Victories()
                               ->Add(movie, text, prestige, goTo);
            if (victory->OnEndGoTo() == 255) victory->SetOnEndGoTo(Victory::EndOfCampaign);
        }
    }
}

}  // namespace

std::string ReadWholeFile(const std::string& path, std::uint64_t maxBytes) {
    return platform::ReadFileBytes(path, maxBytes);
}

std::string FieldText(const std::string& field) {
    std::string text = field.substr(0, field.find('\0'));
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

Long Word16Value(const std::string& twoBytes) {
    if (twoBytes.size() != 2) return 0;
    return static_cast<unsigned char>(twoBytes[0]) + 256 * static_cast<unsigned char>(twoBytes[1]);
}

void ParseCampaign(const std::string& contents, Campaign& campaign) {
    // A file of another size is no campaign, or part of one: read, it would be saved
    // cut or padded without a word.
    if (contents.size() != kCampaignFileSize)
        RaiseBecause(ErrorNumber::InvalidArgument,
                     "A campaign file is " + DecimalText(kCampaignFileSize) +
                         " bytes; this file has " +
                         DecimalText(static_cast<long long>(contents.size())) + ".");
    ParseCampaignContents(contents, campaign);
}

}  // namespace xal
