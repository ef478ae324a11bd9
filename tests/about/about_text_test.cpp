#include <gtest/gtest.h>

#include "about/about_text.h"
#include "platform/file_system.h"

namespace xal {
namespace {

TEST(AboutVersionLineTest, ShowsTheMinorNumberInTwoDigitsAndTheRevisionOnlyWhenNotZero) {
    EXPECT_EQ(VersionLine(2, 5, 0), "Version 2.05");
    EXPECT_EQ(VersionLine(1, 12, 3), "Version 1.12 (revision 3)");
    EXPECT_EQ(VersionLine(1, 0, 1), "Version 1.00 (revision 1)");
    EXPECT_EQ(VersionLine(10, 123, 0), "Version 10.123") << "more digits are kept";
}

TEST(AboutReadMeTest, LiesInTheProgramsFolderWithExactlyOneSeparator) {
    const std::string& separator = platform::PathSeparator();
    EXPECT_EQ(ReadMePath("prog"), "prog" + separator + "XaL_CampaignEdit_README.txt");
    EXPECT_EQ(ReadMePath("prog" + separator), "prog" + separator + "XaL_CampaignEdit_README.txt");
}

}  // namespace
}  // namespace xal
