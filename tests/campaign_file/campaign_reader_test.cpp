#include <gtest/gtest.h>

#include <random>

#include "campaign_file/campaign_layout.h"
#include "campaign_file/campaign_reader.h"
#include "campaign_file/campaign_writer.h"
#include "support/campaign_fixtures.h"
#include "support/error_of.h"

namespace xal {
namespace {

using test::ErrorOf;

TEST(FieldDecoders, TextStopsAtTheFirstZeroAndLosesOnlyBlanks) {
    EXPECT_EQ(FieldText(std::string("  camp1.txt  \0\0junk\0", 20)), "camp1.txt");
    EXPECT_EQ(FieldText("                    "), "");
    EXPECT_EQ(FieldText(std::string("\tx\t\0", 4)), "\tx\t");
    EXPECT_EQ(FieldText("exactly20characters!"), "exactly20characters!");
    EXPECT_EQ(Word16Value("\x2c\x01"), 300);
    EXPECT_EQ(Word16Value("\xff\xff"), 65535);
    EXPECT_EQ(Word16Value("\x01"), 0);
    EXPECT_EQ(Word16Value("\x01\x02\x03"), 0);
}

TEST(ParseCampaign, ReadsBackEveryFieldTheWriterWrote) {
    for (int count : {1, 3, 50}) {
        Campaign written = test::DistinctCampaign(count);
        Campaign read;
        ParseCampaign(BuildCampaignFile(written), read);
        test::ExpectSameFileFields(written, read);
    }
}

TEST(ParseCampaign, MapsGoTo255To254AndIgnoresTheUnitsByte) {
    std::string bytes = BuildCampaignFile(test::DistinctCampaign(2));
    bytes[layout::GoToAt(layout::RecordAt(1), 2)] = '\xff';
    bytes[layout::GoToAt(layout::RecordAt(0), 0)] = '\x31';  // names no scenario: kept as it is
    bytes[layout::RecordAt(0) + layout::kUnits] = '\x07';
    Campaign read;
    ParseCampaign(bytes, read);
    EXPECT_EQ(read.ScenarioAt(1)->Victories()->Item(3)->OnEndGoTo(), 254);
    EXPECT_EQ(read.ScenarioAt(0)->Victories()->Item(1)->OnEndGoTo(), 49);
    EXPECT_EQ(read.ScenarioAt(0)->NrOfUnits(), 150);
    EXPECT_EQ(BuildCampaignFile(read)[layout::GoToAt(layout::RecordAt(1), 2)], '\xfe');
}

TEST(ParseCampaign, TwentyCharacterNamesHaveNoTerminatorAndKeepTheirNeighbours) {
    Campaign campaign = test::DistinctCampaign(1);
    auto scenario = campaign.ScenarioAt(0);
    scenario->SetScenarioName("aaaaaaaaaaaaaaaaaaaa");
    scenario->SetScenarioMOV("bbbbbbbbbbbbbbbbbbbb");
    scenario->SetScenarioTXT("cccccccccccccccccccc");
    scenario->Victories()->Item(4)->SetVictoryTXT("dddddddddddddddddddd");
    scenario->Victories()->Item(4)->SetVictoryMOV("eeeeeeeeeeeeeeeeeeee");
    campaign.SetVictoryMOV("ffffffffffffffffffff");
    campaign.SetDefeatMOV("gggggggggggggggggggg");
    std::string bytes = BuildCampaignFile(campaign);
    EXPECT_EQ(bytes.substr(layout::RecordAt(0) + layout::kScenarioName, 40),
              "aaaaaaaaaaaaaaaaaaaabbbbbbbbbbbbbbbbbbbb");
    Campaign read;
    ParseCampaign(bytes, read);
    test::ExpectSameFileFields(campaign, read);
}

TEST(ParseCampaign, FailuresCarryTheirNumbers) {
    Campaign campaign;
    EXPECT_EQ(ErrorOf([&] { ParseCampaign("", campaign); }), ErrorNumber::InvalidArgument);
    EXPECT_EQ(ErrorOf([&] { ParseCampaign(std::string(31864, '\x01'), campaign); }),
              ErrorNumber::InvalidArgument);

    std::string zeroCount = BuildCampaignFile(test::DistinctCampaign(1));
    zeroCount[0] = 0;
    Campaign partly;
    EXPECT_EQ(ErrorOf([&] { ParseCampaign(zeroCount, partly); }), ErrorNumber::Overflow);
    EXPECT_EQ(partly.VictoryMOV(), "won.mov") << "what was read before the failure stays";
    EXPECT_EQ(partly.Country(), 7);
    EXPECT_EQ(partly.Prestige(), 300);

    std::string tooMany(kCampaignFileSize, '\0');
    tooMany[0] = 51;
    Campaign fifty;
    EXPECT_EQ(ErrorOf([&] { ParseCampaign(tooMany, fifty); }), ErrorNumber::InvalidArgument);
    EXPECT_EQ(fifty.Scenarios()->Count(), 51) << "the 51st scenario fails at its first go-to byte";
    EXPECT_EQ(fifty.ScenarioAt(50)->Victories()->Count(), 0);
}

TEST(ParseCampaign, ForeignBytesInReservedAreasAreGoneAfterASave) {
    Campaign campaign = test::DistinctCampaign(3);
    const std::string clean = BuildCampaignFile(campaign);
    std::string noisy = clean;
    std::mt19937 random(42);
    for (std::size_t i = 0; i < noisy.size(); ++i)
        if (noisy[i] == '\0') noisy[i] = static_cast<char>(1 + random() % 255);
    // Keep the modelled fields as they were; everything else is noise now.
    Campaign read;
    ParseCampaign(noisy, read);
    std::string saved = BuildCampaignFile(read);
    for (std::size_t i = 44 + 636 * 3; i < layout::kCampaignTXT; ++i)
        ASSERT_EQ(saved[i], '\0') << i;
    for (std::size_t i = layout::kCountry + 1; i < kCampaignFileSize; ++i)
        ASSERT_EQ(saved[i], '\0') << i;
    EXPECT_EQ(saved[1], '\0');
    EXPECT_EQ(saved[layout::RecordAt(0) + 2], '\0');
    EXPECT_EQ(saved[layout::GoToAt(layout::RecordAt(2), 3) + 1], '\0');
}

}  // namespace
}  // namespace xal
