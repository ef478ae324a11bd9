// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/base/error.h"
#include "core/model/campaign.h"
#include "support/error_of.h"

namespace xal {
namespace {

using test::ErrorOf;

TEST(CampaignModel, ItemsArePositionalAndSharedAndAMissingPositionFails) {
    Campaign campaign;
    auto first = campaign.Scenarios()->Add("a.scn", 0, "", "", 0, 150);
    campaign.Scenarios()->Add("b.scn", 1, "", "", 0, 150);
    first->SetPrestige(1234);
    EXPECT_EQ(campaign.ScenarioAt(0)->Prestige(), 1234) << "items are shared, not copied";

    Scenarios& scenarios = *campaign.Scenarios();
    scenarios.Remove(1);
    ASSERT_EQ(scenarios.Count(), 1);
    EXPECT_EQ(scenarios.Item(1)->ScenarioName(), "b.scn");
    EXPECT_EQ(scenarios.Item(1)->ScenarioNr(), 1) << "numbers change only when a command renumbers";
    for (long position : {0, 2}) {
        EXPECT_EQ(ErrorOf([&] { scenarios.Item(position); }), ErrorNumber::SubscriptOutOfRange);
        EXPECT_EQ(ErrorOf([&] { scenarios.Remove(position); }), ErrorNumber::SubscriptOutOfRange);
    }
}

TEST(RunTimeErrorReport, IsNumberLineBreakDescriptionAndThenWhatItConcerns) {
    EXPECT_EQ(RunTimeError(6, "Overflow").Report(), "6\r\nOverflow");
    const RunTimeError concerning = RunTimeError(6, "Overflow").Concerning("Field: Prestige");
    EXPECT_EQ(concerning.Report(), "6\r\nOverflow\r\nField: Prestige");
    EXPECT_EQ(concerning.Concerning("File: a.cam").Concerns(), "Field: Prestige")
        << "the first to say what the error concerns is kept";
}

}  // namespace
}  // namespace xal
