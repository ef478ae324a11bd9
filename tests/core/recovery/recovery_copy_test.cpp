// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

#include "core/base/error.h"
#include "core/model/campaign_snapshot.h"
#include "core/recovery/recovery_copy.h"
#include "support/campaign_fixtures.h"
#include "support/error_of.h"

namespace xal {
namespace {

constexpr Long kLeast = std::numeric_limits<Long>::min();
constexpr Long kMost = std::numeric_limits<Long>::max();

std::string AllBytes() {
    std::string bytes;
    for (int c = 0; c < 256; ++c) bytes += static_cast<char>(c);
    return bytes;
}

void ExpectRoundTrip(const Campaign& campaign, std::int64_t madeAt) {
    const RecoveryCopy copy = ReadRecoveryCopy(RecoveryCopyText(campaign, madeAt));
    EXPECT_TRUE(CampaignSnapshot(campaign).Holds(*copy.campaign)) << "every field, the file's too";
    EXPECT_EQ(copy.madeAt, madeAt);
}

TEST(RecoveryCopy, GivesBackEveryByteOfEveryTextAndTheExtremesOfEveryNumber) {
    Campaign campaign = test::DistinctCampaign(3);
    campaign.SetCampaignName(AllBytes());
    campaign.SetCampaignFolder("/home/\xc3\xa9t\xc3\xa9 %41%/");
    campaign.SetCampaignTXT(std::string("a\r\nb\0c%", 7));
    campaign.SetDefeatMOV(" lead and trail ");
    campaign.SetNrOfScenarios(255);
    campaign.SetCountry(255);
    campaign.SetPrestige(kLeast);
    auto scenario = campaign.ScenarioAt(1);
    scenario->SetScenarioNr(200);
    scenario->SetNrOfUnits(0);
    scenario->SetPrestige(kMost);
    scenario->SetScenarioMOV("%%%");
    scenario->Victories()->Item(2)->SetPrestige(kLeast);
    scenario->Victories()->Item(4)->SetVictoryTXT("\x80\xff\n");
    ExpectRoundTrip(campaign, std::numeric_limits<std::int64_t>::min());
    ExpectRoundTrip(campaign, std::numeric_limits<std::int64_t>::max());
}

TEST(RecoveryCopy, HoldsNoScenarioAndUpTo255ButRefusesToWriteMore) {
    ExpectRoundTrip(Campaign(), 0);
    Campaign campaign = test::DistinctCampaign(255);
    campaign.SetCampaignFile("/camps/c.cam");  // saved before
    ExpectRoundTrip(campaign, 1767225600);
    campaign.Scenarios()->Add("one more", 0, "", "", 0, 0);
    EXPECT_EQ(test::ErrorOf([&] { RecoveryCopyText(campaign, 0); }), ErrorNumber::InvalidArgument);
}

std::string CopyOfOneScenario() {
    return RecoveryCopyText(test::DistinctCampaign(1), 42);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

// The description of the error reading the text raises; empty when it raises none.
std::string RefusalOf(const std::string& text) {
    const std::optional<RunTimeError> error = test::RaisedBy([&] { ReadRecoveryCopy(text); });
    return error ? error->Description() : "";
}

TEST(RecoveryCopy, RefusesEveryTextCutShort) {
    const std::string text = CopyOfOneScenario();
    for (std::size_t length = 0; length < text.size(); ++length)
        EXPECT_NE(RefusalOf(text.substr(0, length)), "") << length;
}

TEST(RecoveryCopy, RefusesDamageSayingWhichLineAndWhatIsWrong) {
    const std::string text = CopyOfOneScenario();
    const std::string outcome4 =
        text.substr(text.find("Outcome 4\n"), text.find("End\n") - text.find("Outcome 4\n"));
    const std::string twoScenarios = RecoveryCopyText(test::DistinctCampaign(2), 42);
    const std::pair<std::string, std::string> cases[] = {
        {Replaced(text, "XaL", "Xal"), "line 1: \"XaL Campaign Editor recovery copy\" expected"},
        {Replaced(text, "Version 1", "Version 2"), "version 2"},
        {Replaced(text, "\nScenarios 1", "\nScenarios 2"),
         "\"Scenario 2\" expected, \"End\" found"},
        {Replaced(twoScenarios, "\nScenarios 2", "\nScenarios 1"), "\"End\" expected"},
        {Replaced(text, "\nScenarios 1", "\nScenarios 256"), "256 is out of range (0 to 255)"},
        {Replaced(text, "End\n", Replaced(outcome4, "Outcome 4", "Outcome 5") + "End\n"),
         "\"End\" expected, \"Outcome 5\" found"},
        {Replaced(text, outcome4, ""), "\"Outcome 4\" expected, \"End\" found"},
        {Replaced(text, "NrOfUnits 150", "NrOfUnits 256"), "NrOfUnits: 256 is out of range"},
        {Replaced(text, "Prestige 300", "Prestige 2147483648"), "line 9: Prestige: 2147483648"},
        {Replaced(text, "Country 7", "Country 07"), "Country: not a whole number"},
        {Replaced(text, "Country 7", "Country"), "\"Country ...\" expected"},
        {Replaced(text, "camp1.txt", "camp1%2e"), "'%' without two upper-case"},
        {Replaced(text, "camp1.txt", "camp1\r"), "the byte %0D stands unescaped"},
        {Replaced(text, "camp1.txt", "camp1\xe9"), "the byte %E9 stands unescaped"},
        {text + "\n", "more follows the end"},
        {Replaced(text, "End\n", "End"), "the line is cut off"},
    };
    for (const auto& [damaged, expected] : cases) {
        const std::string refusal = RefusalOf(damaged);
        EXPECT_NE(refusal.find(expected), std::string::npos) << refusal << "\nnot " << expected;
        EXPECT_TRUE(refusal.starts_with("The recovery copy is")) << refusal;
    }
}

}  // namespace
}  // namespace xal
