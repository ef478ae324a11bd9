#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/wine_prefix.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"
#include "support/wine_prefix_layout.h"

namespace xal::platform {
namespace {

using test::ScopedEnvironment;

TEST(DefaultWinePrefix, IsWinePrefixElseDotWineInTheHomeFolder) {
    ScopedEnvironment home("HOME", "/home/player");
    {
        ScopedEnvironment prefix("WINEPREFIX", "/games/legion-prefix");
        EXPECT_EQ(DefaultWinePrefix(), "/games/legion-prefix");
    }
    {
        ScopedEnvironment prefix("WINEPREFIX", std::nullopt);
        EXPECT_EQ(DefaultWinePrefix(), "/home/player/.wine");
    }
    {
        ScopedEnvironment prefix("WINEPREFIX", "");
        EXPECT_EQ(DefaultWinePrefix(), "/home/player/.wine") << "an empty WINEPREFIX is unset";
    }
}

TEST(DefaultWinePrefix, IsNothingWhereWineWouldFindNone) {
    {
        ScopedEnvironment prefix("WINEPREFIX", "relative/prefix");
        EXPECT_EQ(DefaultWinePrefix(), std::nullopt) << "Wine refuses a relative prefix";
    }
    ScopedEnvironment prefix("WINEPREFIX", std::nullopt);
    ScopedEnvironment home("HOME", std::nullopt);
    EXPECT_EQ(DefaultWinePrefix(), std::nullopt);
}

class WinePathToUnixTest : public ::testing::Test {
  protected:
    std::optional<std::string> Unix(const std::string& windowsPath) const {
        return WinePathToUnix(prefix.Path(), windowsPath);
    }
    std::string OnC(const std::filesystem::path& relative) const {
        return (prefix.DriveC() / relative).string();
    }

    test::WinePrefixLayout prefix;
};

TEST_F(WinePathToUnixTest, DriveCFoldersAreNamedAsOnDiskWhateverTheCaseOrScript) {
    for (const char* folder :
         {"Games/legion", "Games/Jürgen", "Games/Кампания/Legion", "Games/戦役"})
        std::filesystem::create_directories(prefix.DriveC() / folder);
    const std::pair<const char*, std::string> paths[] = {
        {"C:\\Games\\Legion", OnC("Games/legion")},
        {"c:\\GAMES\\Legion\\", OnC("Games/legion")},
        {"C:/Games//legion", OnC("Games/legion")},
        {"C:\\", prefix.DriveC().string()},
        {"C:", prefix.DriveC().string()},
        {"C:\\Games\\Jürgen\\", OnC("Games/Jürgen")},
        {"C:\\GAMES\\Кампания\\legion", OnC("Games/Кампания/Legion")},
        {"C:\\games\\戦役", OnC("Games/戦役")},
        {"C:\\Games\\Not Installed\\Yet", OnC("Games/Not Installed/Yet")},
        {"C:\\Café", OnC("Café")}};
    for (const auto& [windows, onDisk] : paths) EXPECT_EQ(Unix(windows), onDisk) << windows;
}

TEST_F(WinePathToUnixTest, OtherDrivesFollowTheirLinks) {
    test::TempFolder elsewhere;
    std::filesystem::create_directories(elsewhere.Path() / "Legion");
    prefix.Link("d:", elsewhere.Path());
    EXPECT_EQ(Unix("D:\\LEGION"), (elsewhere.Path() / "Legion").string());

    prefix.Link("e:", "../drive_c/windows");
    EXPECT_EQ(Unix("E:\\Fonts"), OnC("windows/Fonts")) << "a relative link leads from dosdevices";

    std::string onZ = "Z:" + elsewhere.Path().string();
    std::replace(onZ.begin(), onZ.end(), '/', '\\');
    EXPECT_EQ(Unix(onZ), elsewhere.Path().string()) << "Z: is the root of the file system";
}

TEST_F(WinePathToUnixTest, ADriveFolderWithoutALinkIsTakenAsItIs) {
    std::filesystem::create_directories(std::filesystem::path(prefix.Path()) / "dosdevices" / "f:" /
                                        "Legion");
    EXPECT_EQ(Unix("F:\\Legion"),
              (std::filesystem::path(prefix.Path()) / "dosdevices" / "f:" / "Legion").string());
}

TEST_F(WinePathToUnixTest, DriveCWithoutALinkIsDriveC) {
    std::filesystem::remove(std::filesystem::path(prefix.Path()) / "dosdevices" / "c:");
    EXPECT_EQ(Unix("C:\\Games"), OnC("Games"));
    std::filesystem::remove_all(std::filesystem::path(prefix.Path()) / "dosdevices");
    EXPECT_EQ(Unix("C:\\Games"), OnC("Games"));
}

TEST_F(WinePathToUnixTest, PathsOnNoDriveOfThePrefixAreNotFound) {
    for (const char* path : {"D:\\Legion", "\\\\server\\games\\Legion", "Games\\Legion",
                             "\\Games\\Legion", "C:Games", "1:\\Games", ""})
        EXPECT_EQ(Unix(path), std::nullopt) << path;
}

}  // namespace
}  // namespace xal::platform
