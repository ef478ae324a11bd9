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

TEST_F(WinePathToUnixTest, DriveCLeadsThroughItsLinkToDriveC) {
    std::filesystem::create_directories(prefix.DriveC() / "Games" / "Legion");
    EXPECT_EQ(Unix("C:\\Games\\Legion"), OnC("Games/Legion"));
    EXPECT_EQ(Unix("c:\\Games\\Legion"), OnC("Games/Legion")) << "the letter in either case";
    EXPECT_EQ(Unix("C:\\Games\\Legion\\"), OnC("Games/Legion"));
    EXPECT_EQ(Unix("C:/Games//Legion"), OnC("Games/Legion"));
    EXPECT_EQ(Unix("C:\\"), prefix.DriveC().string());
    EXPECT_EQ(Unix("C:"), prefix.DriveC().string());
}

TEST_F(WinePathToUnixTest, FoldersAreNamedAsOnDiskWhateverTheCase) {
    std::filesystem::create_directories(prefix.DriveC() / "Games" / "legion");
    EXPECT_EQ(Unix("C:\\GAMES\\Legion"), OnC("Games/legion"));
}

TEST_F(WinePathToUnixTest, FoldersInAnyScriptAreNamedAsOnDisk) {
    for (const char* name : {"Jürgen", "Кампания", "戦役"})
        std::filesystem::create_directories(prefix.DriveC() / "Games" / name / "Legion");
    EXPECT_EQ(Unix("C:\\Games\\Jürgen\\"), OnC("Games/Jürgen"));
    EXPECT_EQ(Unix("C:\\GAMES\\Кампания\\legion"), OnC("Games/Кампания/Legion"));
    EXPECT_EQ(Unix("C:\\games\\戦役"), OnC("Games/戦役"));
}

TEST_F(WinePathToUnixTest, FoldersThatAreNotThereAreKeptAsTheyStand) {
    std::filesystem::create_directories(prefix.DriveC() / "games");
    EXPECT_EQ(Unix("C:\\Games\\Not Installed\\Yet"), OnC("games/Not Installed/Yet"));
    EXPECT_EQ(Unix("C:\\Café"), OnC("Café"));
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
    EXPECT_EQ(Unix("D:\\Legion"), std::nullopt) << "the prefix has no drive D:";
    EXPECT_EQ(Unix("\\\\server\\games\\Legion"), std::nullopt);
    EXPECT_EQ(Unix("Games\\Legion"), std::nullopt);
    EXPECT_EQ(Unix("\\Games\\Legion"), std::nullopt);
    EXPECT_EQ(Unix("C:Games"), std::nullopt);
    EXPECT_EQ(Unix("1:\\Games"), std::nullopt);
    EXPECT_EQ(Unix(""), std::nullopt);
}

}  // namespace
}  // namespace xal::platform
