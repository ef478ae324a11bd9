// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>

#include "core/registry/registry.h"
#include "core/settings/settings.h"
#include "support/registry_sandbox.h"
#include "support/scoped_environment.h"
#include "support/scripted_prompts.h"
#include "support/wine_prefix_layout.h"

namespace xal {
namespace {

using namespace settings_keys;
using test::GameKeySection;
using test::kWow64GameKey;

// The game installed under Wine: its folder on drive C: of a prefix named by WINEPREFIX,
// its key written by a 32-bit installer into the prefix's registry, and an empty store.
class GameUnderWineTest : public ::testing::Test {
  protected:
    GameUnderWineTest() {
        std::filesystem::create_directories(prefix.DriveC() / "Games" / "Legion");
        prefix.WriteSystemRegistry(GameKeySection(kWow64GameKey, "C:\\\\Games\\\\Legion"));
    }
    std::string StoredGameFolder() {
        auto stored = sandbox.Stored(kSettingsKey, kGameFolder);
        return stored ? stored->data : "(none)";
    }

    test::RegistrySandbox sandbox;
    test::ScriptedPrompts prompts;
    test::WinePrefixLayout prefix;
    test::ScopedEnvironment winePrefix{"WINEPREFIX", prefix.Path()};
    const std::string legion = (prefix.DriveC() / "Games" / "Legion" / "").string();
    SettingsRecord settings;
};

TEST_F(GameUnderWineTest, TheFirstStartTakesTheGameFolderFromThePrefix) {
    EXPECT_EQ(ConfiguredGameFolder(), legion);
    EXPECT_FALSE(std::filesystem::exists(sandbox.StorePath())) << "asking writes nothing";
    settings = LoadSettings();
    EXPECT_EQ(settings.GameFolder, legion);
    EXPECT_EQ(StoredGameFolder(), legion + '\0') << "XaL Path is written as from the game's key";
    EXPECT_FALSE(sandbox.KeyExists(kGameKey)) << "the game's key is not copied into the store";
}

TEST_F(GameUnderWineTest, WhatTheStoreHoldsComesFirst) {
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kGameKey, kGameDirectory, "/games/legion",
                        RegType::Sz);
    settings = LoadSettings();
    EXPECT_EQ(settings.GameFolder, "/games/legion/") << "the store's own game key";
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kGameKey, kGameDirectory, "", RegType::Sz);
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kSettingsKey, kGameFolder, "", RegType::Sz);
    settings = LoadSettings();
    EXPECT_EQ(settings.GameFolder, legion) << "an empty game key in the store counts as none";
}

TEST_F(GameUnderWineTest, NoGameInThePrefixLeavesTheFolderEmpty) {
    prefix.WriteSystemRegistry(GameKeySection(kWow64GameKey, "\\\\\\\\server\\\\Legion"));
    settings = LoadSettings();
    EXPECT_EQ(settings.GameFolder, "");
    EXPECT_EQ(StoredGameFolder(), std::string(1, '\0'));
}

}  // namespace
}  // namespace xal
