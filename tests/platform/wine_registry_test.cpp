#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/wine_registry.h"
#include "support/returns_at_once.h"
#include "support/temp_folder.h"
#include "support/wine_prefix_layout.h"

namespace xal::platform {
namespace {

using test::GameKeySection;
using test::kNativeGameKey;
using test::kWow64GameKey;

constexpr const char* kGameKey = "Software\\Ostrand\\Xandor's Legion\\1.0";

std::string FixtureRegistry() {
    std::ifstream in(std::string(XAL_FIXTURES) + "/wine-prefix/system.reg", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class WineMachineTextTest : public ::testing::Test {
  protected:
    std::optional<std::string> GameDirectory() const {
        return WineMachineText(prefix.Path(), kGameKey, "Directory");
    }

    test::WinePrefixLayout prefix;
    test::TempFolder folder;
};

TEST_F(WineMachineTextTest, ReadsTheRegistryWineWrote) {
    const std::string wine = FixtureRegistry();
    ASSERT_TRUE(wine.starts_with("WINE REGISTRY Version 2\n"));
    folder.Write("system.reg", wine);
    const std::string at = folder.Path().string();
    EXPECT_EQ(WineMachineText(at, kGameKey, "Directory"), "C:\\Games\\Legion")
        << "a 32-bit game's key in a 64-bit prefix";
    const char* test = "Software\\Test Vendor\\Test App\\1.0";
    EXPECT_EQ(WineMachineText(at, test, "Tricky"), "say \"hi\" back\\slash é € end");
    EXPECT_EQ(WineMachineText(at, test, "HexAfter"), "éa€b");
    EXPECT_EQ(WineMachineText(at, test, ""), "default value");
    EXPECT_EQ(WineMachineText(at, "Software\\Test Vendor32", "Where"), "written with /reg:32");
    EXPECT_EQ(WineMachineText(at, test, "Count"), std::nullopt) << "a number is no text";
    EXPECT_EQ(WineMachineText(at, test, "Expand"), std::nullopt) << "only REG_SZ is text";
    EXPECT_EQ(WineMachineText(at, test, "Empty"), std::nullopt);
    EXPECT_EQ(WineMachineText(at, "Software\\Test Vendor\\Test App", "Directory"), std::nullopt)
        << "a key that only holds another is empty";
}

TEST_F(WineMachineTextTest, TheKeyItselfComesBeforeThe32BitOne) {
    prefix.WriteSystemRegistry(GameKeySection(kNativeGameKey, "C:\\\\Games\\\\Legion"));
    EXPECT_EQ(GameDirectory(), "C:\\Games\\Legion");

    prefix.WriteSystemRegistry(GameKeySection(kWow64GameKey, "D:\\\\Legion32") +
                               GameKeySection(kNativeGameKey, "C:\\\\Legion64"));
    EXPECT_EQ(GameDirectory(), "C:\\Legion64");

    prefix.WriteSystemRegistry(GameKeySection(kNativeGameKey, "") +
                               GameKeySection(kWow64GameKey, "D:\\\\Legion32"));
    EXPECT_EQ(GameDirectory(), "D:\\Legion32") << "an empty folder counts as none";
}

TEST_F(WineMachineTextTest, TheFolderIsUtf8AndSoIsThePrefix) {
    prefix.WriteSystemRegistry(GameKeySection(kWow64GameKey, "C:\\\\Games\\\\J\\xfcrgen\\\\"));
    EXPECT_EQ(GameDirectory(), "C:\\Games\\Jürgen\\");

    const std::string cyrillic = folder.File("Кампания");
    std::filesystem::create_directory(cyrillic);
    folder.Write("Кампания/system.reg",
                 test::WineRegistryHeader() +
                     GameKeySection(kNativeGameKey,
                                    "D:\\\\\\x41a\\x430\\x43c\\x43f\\x430\\x43d\\x438\\x44f"));
    EXPECT_EQ(WineMachineText(cyrillic, kGameKey, "Directory"), "D:\\Кампания");
}

// Opening a FIFO without a writer would wait for ever: a fault hangs here.
TEST_F(WineMachineTextTest, WhatIsNotARegularFileIsRefusedAtOnce) {
    const std::filesystem::path registry = std::filesystem::path(prefix.Path()) / "system.reg";
    const std::function<void()> makers[] = {
        [&] { ::mkfifo(registry.c_str(), 0600); },
        [&] { std::filesystem::create_symlink("/dev/zero", registry); },
        [&] { std::filesystem::create_directory(registry); }};
    for (const auto& make : makers) {
        std::filesystem::remove(registry);
        make();
        EXPECT_TRUE(test::ReturnsAtOnce([&] {
            if (GameDirectory()) _exit(1);
        }));
    }
}

TEST_F(WineMachineTextTest, KeysAndValuesAreNamedWithoutCase) {
    prefix.WriteSystemRegistry(
        "[software\\\\OSTRAND\\\\xandor's legion\\\\1.0] 1796563534\n#time=1dd8585464d60cc\n"
        "\"DIRECTORY\"=\"C:\\\\Games\\\\Legion\"\n",
        "win32");
    EXPECT_EQ(GameDirectory(), "C:\\Games\\Legion");
}

TEST_F(WineMachineTextTest, OnlyTheKeyItselfIsTaken) {
    prefix.WriteSystemRegistry(
        GameKeySection("Software\\\\Ostrand\\\\Xandor's Legion\\\\1.0\\\\Patch", "C:\\\\Patch") +
        GameKeySection("Software\\\\Ostrand\\\\Xandor's Legion\\\\1.01", "C:\\\\Newer") +
        GameKeySection("Software\\\\Classes\\\\Wow6432Node\\\\Ostrand\\\\Xandor's "
                       "Legion\\\\1.0",
                       "C:\\\\Classes"));
    EXPECT_EQ(GameDirectory(), std::nullopt);
}

TEST_F(WineMachineTextTest, AValueItCannotReadElsewhereLeavesTheKeyReadable) {
    const std::string broken =
        "[Software\\\\Broken] 1796563534\n#time=1dd8585464d60cc\n\"Bad\"=what:is this\n\n";
    prefix.WriteSystemRegistry(broken + GameKeySection(kWow64GameKey, "C:\\\\Games\\\\Legion"));
    EXPECT_EQ(GameDirectory(), "C:\\Games\\Legion");

    prefix.WriteSystemRegistry(GameKeySection(kNativeGameKey, "C:\\\\Native") +
                               "\"Bad\"=what:is this\n\n" +
                               GameKeySection(kWow64GameKey, "C:\\\\Games\\\\Legion"));
    EXPECT_EQ(GameDirectory(), "C:\\Games\\Legion") << "the key it cannot read counts as none";

    prefix.WriteSystemRegistry(
        GameKeySection(kNativeGameKey, "C:\\\\Games\\\\Legion") +
        "[Software\\\\Ostrand\\\\Xandor's Legion\\\\1.0\\\\Patch] 1796563534\n" +
        "\"Bad\"=what:is this\n");
    EXPECT_EQ(GameDirectory(), "C:\\Games\\Legion") << "nor does one in a key below it";
}

TEST_F(WineMachineTextTest, NothingWithoutARegistryInWinesFormat) {
    EXPECT_EQ(GameDirectory(), std::nullopt) << "no system.reg";
    EXPECT_EQ(WineMachineText(folder.File("no prefix"), kGameKey, "Directory"), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "no prefix")) << "nothing is made";

    prefix.WriteSystemRegistry("");
    EXPECT_EQ(GameDirectory(), std::nullopt) << "no key";
    prefix.WriteSystemRegistry(
        "[Software\\\\Ostrand\\\\Xandor's Legion\\\\1.0] 1796563534\n\"Version\"=dword:00000001\n");
    EXPECT_EQ(GameDirectory(), std::nullopt) << "no value";

    const std::string section = GameKeySection(kNativeGameKey, "C:\\\\Games\\\\Legion");
    folder.Write("system.reg", "REGEDIT4\n\n" + section);
    EXPECT_EQ(WineMachineText(folder.Path().string(), kGameKey, "Directory"), std::nullopt);
}

TEST_F(WineMachineTextTest, ThePrefixIsOnlyRead) {
    prefix.WriteSystemRegistry(GameKeySection(kWow64GameKey, "C:\\\\Games\\\\Legion"));
    const auto registry = std::filesystem::path(prefix.Path()) / "system.reg";
    const auto written = std::filesystem::last_write_time(registry);
    ASSERT_EQ(GameDirectory(), "C:\\Games\\Legion");
    EXPECT_EQ(WineMachineText(prefix.Path(), kGameKey, "Missing"), std::nullopt);
    EXPECT_EQ(std::filesystem::last_write_time(registry), written);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(prefix.Path()), {}), 3)
        << "dosdevices, drive_c and system.reg";
}

}  // namespace
}  // namespace xal::platform
