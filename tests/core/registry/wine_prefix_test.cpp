// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>

#include "core/registry/wine_prefix.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"
#include "support/wine_prefix_layout.h"

namespace xal::platform {
namespace {

namespace fs = std::filesystem;
using test::ScopedEnvironment;

TEST(DefaultWinePrefix, IsWinePrefixElseDotWineInTheHomeFolder) {
    ScopedEnvironment home("HOME", "/home/player");
    const std::pair<std::optional<std::string>, std::optional<std::string>> cases[] = {
        {"/games/legion-prefix", "/games/legion-prefix"},
        {std::nullopt, "/home/player/.wine"},
        {"", "/home/player/.wine"},
        {"relative/prefix", std::nullopt}};  // Wine refuses a relative prefix
    for (const auto& [variable, prefix] : cases) {
        ScopedEnvironment set("WINEPREFIX", variable);
        EXPECT_EQ(DefaultWinePrefix(), prefix) << variable.value_or("(unset)");
    }
    ScopedEnvironment unset("WINEPREFIX", std::nullopt);
    ScopedEnvironment noHome("HOME", std::nullopt);
    EXPECT_EQ(DefaultWinePrefix(), std::nullopt);
}

class WinePathToUnixTest : public ::testing::Test {
  protected:
    std::optional<std::string> Unix(const std::string& windowsPath) const {
        return WinePathToUnix(prefix.Path(), windowsPath);
    }
    std::string OnC(const fs::path& relative) const {
        return (prefix.DriveC() / relative).string();
    }
    fs::path Devices() const { return fs::path(prefix.Path()) / "dosdevices"; }

    test::WinePrefixLayout prefix;
};

TEST_F(WinePathToUnixTest, DriveCFoldersAreNamedAsOnDiskWhateverTheCaseOrScript) {
    for (const char* folder : {"Games/legion", "Games/Jürgen", "Games/Кампания/Legion"})
        fs::create_directories(prefix.DriveC() / folder);
    const std::pair<const char*, std::string> paths[] = {
        {"c:\\GAMES\\Legion\\", OnC("Games/legion")},
        {"C:/Games//legion", OnC("Games/legion")},
        {"C:", prefix.DriveC().string()},
        {"C:\\Games\\Jürgen\\", OnC("Games/Jürgen")},
        {"C:\\GAMES\\Кампания\\legion", OnC("Games/Кампания/Legion")},
        {"C:\\Games\\Not Installed\\Yet", OnC("Games/Not Installed/Yet")}};
    for (const auto& [windows, onDisk] : paths) EXPECT_EQ(Unix(windows), onDisk) << windows;
}

TEST_F(WinePathToUnixTest, DrivesFollowTheirLinksElseTheirFolder) {
    test::TempFolder elsewhere;
    fs::create_directories(elsewhere.Path() / "Legion");
    prefix.Link("d:", elsewhere.Path());
    EXPECT_EQ(Unix("D:\\LEGION"), (elsewhere.Path() / "Legion").string());
    prefix.Link("e:", "../drive_c/windows");
    EXPECT_EQ(Unix("E:\\Fonts"), OnC("windows/Fonts")) << "a relative link leads from dosdevices";
    fs::create_directories(Devices() / "f:" / "Legion");
    EXPECT_EQ(Unix("F:\\Legion"), (Devices() / "f:" / "Legion").string());

    fs::remove(Devices() / "c:");
    EXPECT_EQ(Unix("C:\\Games"), OnC("Games")) << "C: without a link is drive_c";
}

TEST_F(WinePathToUnixTest, PathsOnNoDriveOfThePrefixAreNotFound) {
    for (const char* path : {"G:\\Legion", "\\\\server\\games\\Legion", "Games\\Legion",
                             "\\Games\\Legion", "C:Games", "1:\\Games", ""})
        EXPECT_EQ(Unix(path), std::nullopt) << path;
}

}  // namespace
}  // namespace xal::platform
