#include <gtest/gtest.h>

#include "model/campaign_text.h"
#include "platform/error.h"
#include "support/error_of.h"

namespace xal {
namespace {

using test::ErrorOf;

struct NameCase {
    const char* name;  // UTF-8, as the file system spells it
    const char* text;  // what the campaign file stores; null when it cannot
};

TEST(CampaignTextOfName, KeepsWhatTheCodePageHoldsAndRefusesTheRest) {
    const NameCase cases[] = {
        {"camp1.txt", "camp1.txt"},
        {"Übung Été.txt",
         "\xdc"
         "bung \xc9t\xe9.txt"},
        {"€ Œuvre.scn", "\x80 \x8cuvre.scn"},
        {"Łódź.txt", nullptr},  // Polish letters beyond the code page
        {"поход.scn", nullptr},
        {"第一.txt", nullptr},
        {"bad \xff utf-8", nullptr},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.text) {
            EXPECT_EQ(CampaignTextOfName(c.name), c.text);
            EXPECT_EQ(NameOfCampaignText(c.text), c.name) << "and back";
        } else {
            EXPECT_EQ(ErrorOf([&] { CampaignTextOfName(c.name); }), ErrorNumber::InvalidArgument);
        }
    }
}

TEST(CampaignTextOfName, TheRefusalNamesTheName) {
    try {
        CampaignTextOfName("Жук.txt");
        FAIL();
    } catch (const RunTimeError& error) {
        EXPECT_NE(error.Description().find("\"Жук.txt\""), std::string::npos)
            << error.Description();
    }
}

}  // namespace
}  // namespace xal
