// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/campaign_file/campaign_layout.h"
#include "core/campaign_file/campaign_writer.h"
#include "support/campaign_fixtures.h"
#include "support/error_of.h"

namespace xal {
namespace {

using test::ErrorOf;
using test::ReportOf;

TEST(BuildCampaignFile, LaysOutHeaderRecordsAndTrailer) {
    std::string bytes = BuildCampaignFile(test::DistinctCampaign(1));
    ASSERT_EQ(bytes.size(), 31944u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes.substr(2, 2), "\x2c\x01");
    EXPECT_EQ(bytes.substr(4, 8), std::string("won.mov\0", 8));
    EXPECT_EQ(bytes.substr(24, 9), std::string("lost.mov\0", 9));
    EXPECT_EQ(bytes.substr(44, 2), "\xe8\x03");
    EXPECT_EQ(static_cast<unsigned char>(bytes[48]), 150);
    EXPECT_EQ(bytes.substr(52, 10), "camp10.scn");
    EXPECT_EQ(bytes.substr(72, 6), "s0.mov");
    EXPECT_EQ(bytes.substr(112, 7), "s0i.txt");
    EXPECT_EQ(bytes.substr(132, 2), "\xff\xff");
    EXPECT_EQ(bytes.substr(174, 9), std::string("t0_0.txt\0", 9));
    EXPECT_EQ(bytes.substr(194, 8), "m0_0.mov");
    EXPECT_EQ(static_cast<unsigned char>(bytes[550]), 254);
    EXPECT_EQ(bytes.substr(31844, 9), "camp1.txt");
    EXPECT_EQ(bytes[31864], 7);
    EXPECT_EQ(bytes.find_first_not_of('\0', 44 + 636), 31844u) << "records 1 to 49 stay zero";
}

TEST(BuildCampaignFile, CutsLongNamesAndAlwaysWritesTheUnitsByte) {
    Campaign campaign = test::DistinctCampaign(2);
    campaign.ScenarioAt(1)->SetScenarioName("abcdefghijklmnopqrstuvwxy");
    campaign.ScenarioAt(1)->SetNrOfUnits(3);
    std::string bytes = BuildCampaignFile(campaign);
    EXPECT_EQ(bytes.substr(layout::RecordAt(1) + layout::kScenarioName, 26),
              "abcdefghijklmnopqrsts1.mov");
    EXPECT_EQ(static_cast<unsigned char>(bytes[layout::RecordAt(1) + layout::kUnits]), 150);
}

TEST(BuildCampaignFile, FailuresCarryTheirNumbers) {
    EXPECT_EQ(ErrorOf([] { BuildCampaignFile(Campaign{}); }), ErrorNumber::Overflow);
    EXPECT_EQ(ReportOf([] { BuildCampaignFile(test::DistinctCampaign(51)); }),
              "5\r\nInvalid procedure call or argument\r\nA campaign file holds at most 50 "
              "scenarios; this campaign has 51.");
    for (Long bad : {-1, 65536}) {
        Campaign campaign = test::DistinctCampaign(2);
        campaign.ScenarioAt(1)->Victories()->Item(2)->SetPrestige(bad);
        EXPECT_EQ(ErrorOf([&] { BuildCampaignFile(campaign); }), ErrorNumber::InvalidArgument)
            << bad;
    }
    Campaign short3 = test::DistinctCampaign(2);
    short3.ScenarioAt(1)->Victories()->Remove(4);
    EXPECT_EQ(ErrorOf([&] { BuildCampaignFile(short3); }), ErrorNumber::SubscriptOutOfRange);
    Campaign counted = test::DistinctCampaign(2);
    counted.SetNrOfScenarios(3);
    EXPECT_EQ(ErrorOf([&] { BuildCampaignFile(counted); }), ErrorNumber::SubscriptOutOfRange);
}

}  // namespace
}  // namespace xal
