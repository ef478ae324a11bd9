// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>

#include "core/registry/wine_registry.h"
#include "support/temp_folder.h"
#include "support/wine_prefix_layout.h"

namespace xal::platform {
namespace {

using test::GameKeySection;
using test::kNativeGameKey;
using test::kWow64GameKey;

constexpr const char* kGameKey = "Software\\Ostrand\\Xandor's Legion\\1.0";

class WineMachineTextTest : public ::testing::Test {
  protected:
    std::optional<std::string> GameDirectory() const {
        return WineMachineText(prefix.Path(), kGameKey, "Directory");
    }

    test::WinePrefixLayout prefix;
};

TEST_F(WineMachineTextTest, TheKeyItselfComesBeforeThe32BitOneNamedWithoutCase) {
    prefix.WriteSystemRegistry(GameKeySection(kWow64GameKey, "D:\\\\Legion32") +
                               GameKeySection(kNativeGameKey, "C:\\\\Legion64"));
    EXPECT_EQ(GameDirectory(), "C:\\Legion64");
    prefix.WriteSystemRegistry(GameKeySection(kNativeGameKey, "") +
                               GameKeySection(kWow64GameKey, "D:\\\\Legion32"));
    EXPECT_EQ(GameDirectory(), "D:\\Legion32") << "an empty folder counts as none";
    prefix.WriteSystemRegistry(
        "[software\\\\OSTRAND\\\\xandor's legion\\\\1.0] 1796563534\n"
        "\"DIRECTORY\"=\"C:\\\\Games\\\\Legion\"\n");
    EXPECT_EQ(GameDirectory(), "C:\\Games\\Legion");
}

TEST_F(WineMachineTextTest, OnlyTheKeyItselfIsTaken) {
    prefix.WriteSystemRegistry(
        GameKeySection("Software\\\\Ostrand\\\\Xandor's Legion\\\\1.0\\\\Patch", "C:\\\\Patch") +
        GameKeySection("Software\\\\Ostrand\\\\Xandor's Legion\\\\1.01", "C:\\\\Newer") +
        GameKeySection("Software\\\\Classes\\\\Wow6432Node\\\\Ostrand\\\\Xandor's Legion\\\\1.0",
                       "C:\\\\Classes"));
    EXPECT_EQ(GameDirectory(), std::nullopt);
}

TEST_F(WineMachineTextTest, AValueItCannotReadElsewhereLeavesTheKeyReadable) {
    const std::string bad = "\"Bad\"=what:is this\n";
    prefix.WriteSystemRegistry("[Software\\\\Broken]\n" + bad +
                               GameKeySection(kWow64GameKey, "C:\\\\Games\\\\Legion"));
    EXPECT_EQ(GameDirectory(), "C:\\Games\\Legion");
    prefix.WriteSystemRegistry(GameKeySection(kNativeGameKey, "C:\\\\Native") + bad +
                               GameKeySection(kWow64GameKey, "C:\\\\Games\\\\Legion"));
    EXPECT_EQ(GameDirectory(), "C:\\Games\\Legion") << "the key it cannot read counts as none";
}

TEST_F(WineMachineTextTest, NothingWithoutARegistryInWinesFormatAndNothingIsWritten) {
    const auto registry = std::filesystem::path(prefix.Path()) / "system.reg";
    EXPECT_EQ(GameDirectory(), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(registry));
    prefix.WriteSystemRegistry(
        "[Software\\\\Ostrand\\\\Xandor's Legion\\\\1.0]\n\"Directory\"=str(2):\"C:\\\\Legion\"\n");
    EXPECT_EQ(GameDirectory(), std::nullopt) << "only REG_SZ is a text";
    test::TempFolder folder;
    folder.Write("system.reg", "REGEDIT4\n\n" + GameKeySection(kNativeGameKey, "C:\\\\Legion"));
    EXPECT_EQ(WineMachineText(folder.Path().string(), kGameKey, "Directory"), std::nullopt);
}

}  // namespace
}  // namespace xal::platform
