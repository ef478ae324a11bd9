// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>

#include "core/about/about_text.h"
#include "support/temp_folder.h"

namespace xal {
namespace {

TEST(AboutVersionLine, ShowsTheMinorNumberInTwoDigitsAndTheRevisionOnlyWhenNotZero) {
    EXPECT_EQ(VersionLine(2, 5, 0), "Version 2.05");
    EXPECT_EQ(VersionLine(1, 12, 3), "Version 1.12 (revision 3)");
}

// The programs in bin, the read-me beside them or in the program's data folder.
TEST(AboutReadMe, BesideTheProgramComesFirstThenTheInstalledOne) {
    test::TempFolder root;
    const std::string bin = root.File(XAL_INSTALL_BINDIR);
    std::filesystem::create_directories(root.Path() / XAL_INSTALL_BINDIR);
    EXPECT_EQ(ReadMeText(bin), "");
    EXPECT_FALSE(std::filesystem::exists(root.Path() / XAL_INSTALL_READ_ME_DIR))
        << "creates nothing";
    const auto installed = root.Path() / XAL_INSTALL_READ_ME_DIR / kReadMeFileName;
    std::filesystem::create_directories(installed);  // unreadable
    EXPECT_EQ(
        ReadMeText(bin).rfind(
            "The read-me file could not be read:\r\n" + InstalledReadMePath(bin) + "\r\n75 ", 0),
        0u);
    std::filesystem::remove(installed);
    root.Write(std::string(XAL_INSTALL_READ_ME_DIR) + "/" + kReadMeFileName, "Installed\r\n");
    EXPECT_EQ(ReadMeText(bin), "Installed\r\n");
    root.Write(std::string(XAL_INSTALL_BINDIR) + "/" + kReadMeFileName, "Build tree\r\n");
    EXPECT_EQ(ReadMeText(bin), "Build tree\r\n");
}

}  // namespace
}  // namespace xal
