// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/model/campaign_text.h"
#include "support/error_of.h"

namespace xal {
namespace {

TEST(CampaignTextOfName, KeepsWhatTheCodePageHoldsAndRefusesTheRest) {
    const struct {
        const char* name;  // UTF-8, as the file system spells it
        const char* text;  // what the campaign file stores; null when it cannot
    } cases[] = {
        {"Übung Été.txt",
         "\xdc"
         "bung \xc9t\xe9.txt"},
        {"€ Œuvre.scn", "\x80 \x8cuvre.scn"},
        {"поход.scn", nullptr},
        {"bad \xff utf-8", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.text) {
            EXPECT_EQ(CampaignTextOfName(c.name), c.text);
            EXPECT_EQ(NameOfCampaignText(c.text), c.name) << "and back";
        } else {
            EXPECT_EQ(test::ErrorOf([&] { CampaignTextOfName(c.name); }),
                      ErrorNumber::InvalidArgument);
        }
    }
}

}  // namespace
}  // namespace xal
