// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/campaign_file/campaign_layout.h"
#include "core/campaign_file/campaign_reader.h"
#include "core/campaign_file/campaign_writer.h"
#include "core/model/campaign_snapshot.h"
#include "support/campaign_fixtures.h"
#include "support/error_of.h"

namespace xal {
namespace {

using test::ErrorOf;
using test::ReportOf;

TEST(FieldDecoders, TextStopsAtTheFirstZeroAndLosesOnlyBlanks) {
    EXPECT_EQ(FieldText(std::string("  camp1.txt  \0\0junk\0", 20)), "camp1.txt");
    EXPECT_EQ(FieldText(std::string("\tx\t\0", 4)), "\tx\t");
    EXPECT_EQ(FieldText("exactly20characters!"), "exactly20characters!");
    EXPECT_EQ(Word16Value("\x2c\x01"), 300);
}

TEST(ParseCampaign, ReadsBackEveryFieldTheWriterWrote) {
    const Campaign written = test::DistinctCampaign(50);
    Campaign read;
    ParseCampaign(BuildCampaignFile(written), read);
    EXPECT_TRUE(CampaignSnapshot(written).Holds(read));
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
}

TEST(ParseCampaign, FailuresCarryTheirNumbersAndKeepWhatWasRead) {
    Campaign partly;
    // A file of another size is refused, even one a byte short or long that would read:
    // saved, it would lose or gain that byte. One of the right size fails as its bytes say.
    for (const std::size_t size :
         {std::size_t{119}, kCampaignFileSize - 1, kCampaignFileSize + 1}) {
        EXPECT_EQ(ReportOf([&] { ParseCampaign(std::string(size, '\x01'), partly); }),
                  "5\r\nInvalid procedure call or argument\r\nA campaign file is 31944 bytes; "
                  "this file has " +
                      std::to_string(size) + ".");
    }

    std::string zeroCount = BuildCampaignFile(test::DistinctCampaign(1));
    zeroCount[0] = 0;
    EXPECT_EQ(ErrorOf([&] { ParseCampaign(zeroCount, partly); }), ErrorNumber::Overflow);
    EXPECT_EQ(partly.VictoryMOV(), "won.mov");
    EXPECT_EQ(partly.Prestige(), 300);

    std::string tooMany(kCampaignFileSize, '\0');
    tooMany[0] = 51;
    Campaign fifty;
    EXPECT_EQ(ReportOf([&] { ParseCampaign(tooMany, fifty); }),
              "5\r\nInvalid procedure call or argument");
    EXPECT_EQ(fifty.Scenarios()->Count(), 51) << "the 51st scenario fails at its first go-to byte";
}

TEST(ParseCampaign, ForeignBytesInReservedAreasAreGoneAfterASave) {
    std::string noisy = BuildCampaignFile(test::DistinctCampaign(3));
    for (char& byte : noisy)
        if (byte == '\0') byte = '\x01';
    Campaign read;
    ParseCampaign(noisy, read);
    const std::string saved = BuildCampaignFile(read);
    for (std::size_t i : {std::size_t{1}, layout::RecordAt(0) + 2,
                          layout::GoToAt(layout::RecordAt(2), 3) + 1, layout::RecordAt(3),
                          layout::kCampaignTXT - 1, layout::kCountry + 1, kCampaignFileSize - 1})
        EXPECT_EQ(saved[i], '\0') << i;
}

}  // namespace
}  // namespace xal
