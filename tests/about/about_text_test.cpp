#include <gtest/gtest.h>

#include <filesystem>

#include "about/about_text.h"
#include "platform/file_system.h"
#include "support/temp_folder.h"

namespace xal {
namespace {

TEST(AboutVersionLineTest, ShowsTheMinorNumberInTwoDigitsAndTheRevisionOnlyWhenNotZero) {
    EXPECT_EQ(VersionLine(2, 5, 0), "Version 2.05");
    EXPECT_EQ(VersionLine(1, 12, 3), "Version 1.12 (revision 3)");
    EXPECT_EQ(VersionLine(10, 123, 0), "Version 10.123") << "more digits are kept";
}

TEST(AboutReadMeTest, LiesInTheProgramsFolderWithExactlyOneSeparator) {
    const std::string& separator = platform::PathSeparator();
    EXPECT_EQ(ReadMePath("prog"), "prog" + separator + "XaL_CampaignEdit_README.txt");
    EXPECT_EQ(ReadMePath("prog" + separator), "prog" + separator + "XaL_CampaignEdit_README.txt");
}

// An installation laid out in a temporary folder: the programs in bin, the read-me in the
// documentation folder.
class AboutInstalledReadMeTest : public ::testing::Test {
  protected:
    AboutInstalledReadMeTest() { std::filesystem::create_directories(root.Path() / kBin); }

    std::string ProgramFolder() const { return root.File(kBin); }
    std::string BesideTheProgram() const { return std::string(kBin) + "/" + kReadMeFileName; }
    std::string Installed() const { return std::string(kDoc) + "/" + kReadMeFileName; }

    static constexpr const char* kBin = XAL_INSTALL_BINDIR;
    static constexpr const char* kDoc = XAL_INSTALL_DOCDIR;
    test::TempFolder root;
};

TEST_F(AboutInstalledReadMeTest, TheReadMeBesideTheProgramComesFirstThenTheInstalledOne) {
    root.Write(Installed(), "Installed\r\n");
    EXPECT_TRUE(
        std::filesystem::equivalent(InstalledReadMePath(ProgramFolder()), root.File(Installed())));
    EXPECT_EQ(ReadMeText(ProgramFolder()), "Installed\r\n");
    root.Write(BesideTheProgram(), "Build tree\r\n");
    EXPECT_EQ(ReadMeText(ProgramFolder()), "Build tree\r\n");
}

TEST_F(AboutInstalledReadMeTest, AMissingReadMeGivesTheEmptyTextAndCreatesNothing) {
    EXPECT_EQ(ReadMeText(ProgramFolder()), "");
    EXPECT_FALSE(std::filesystem::exists(root.File(BesideTheProgram())));
    EXPECT_FALSE(std::filesystem::exists(root.Path() / kDoc)) << "no documentation folder";
    std::filesystem::create_directories(root.Path() / kDoc);
    EXPECT_EQ(ReadMeText(ProgramFolder()), "");
    EXPECT_FALSE(std::filesystem::exists(root.File(Installed())));
}

TEST_F(AboutInstalledReadMeTest, AnUnreadableInstalledReadMeIsExplainedWithItsPath) {
    std::filesystem::create_directories(root.Path() / Installed());
    EXPECT_EQ(ReadMeText(ProgramFolder())
                  .rfind("The read-me file could not be read:\r\n" +
                             InstalledReadMePath(ProgramFolder()) + "\r\n",
                         0),
              0u);
}

}  // namespace
}  // namespace xal
