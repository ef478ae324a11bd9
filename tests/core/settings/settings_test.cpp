// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>

#include "core/platform/file_system.h"
#include "core/registry/registry.h"
#include "core/settings/recent_campaigns.h"
#include "core/settings/settings.h"
#include "support/registry_sandbox.h"
#include "support/scripted_prompts.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "support/scoped_environment.h"
#include "support/wine_prefix_layout.h"
#endif

namespace xal {
namespace {

using namespace settings_keys;
#ifndef _WIN32
using test::GameKeySection;
using test::kWow64GameKey;
#endif

// The game's folder as its installer names it, and as the settings name it: with the
// platform's separator at its end.
#ifdef _WIN32
const std::string kLegion = "C:\\Games\\Legion";
#else
const std::string kLegion = "/games/legion";
#endif
const std::string kLegionFolder = kLegion + platform::PathSeparator();

class LoadSettingsTest : public ::testing::Test {
  protected:
    void Store(const char* name, const RegistryValue& value, std::uint32_t type,
               const char* key = kSettingsKey) {
        RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, key, name, value, type);
    }
    RegistryValue Stored(const char* name) {
        return RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kSettingsKey, name);
    }

    test::RegistrySandbox sandbox;
    test::ScriptedPrompts prompts;
    SettingsRecord settings;
};

TEST_F(LoadSettingsTest, FirstStartWritesTheNineDefaults) {
    Store(kGameDirectory, kLegion, RegType::Sz, kGameKey);
    settings = LoadSettings();
    EXPECT_EQ((std::vector<std::string>{settings.ScenarioEditorPath, settings.GameFolder,
                                        settings.ScnFileSeparator, settings.ScnInfoFileSeparator,
                                        settings.ScnBVFileSeparator, settings.ScnVFileSeparator,
                                        settings.ScnTVFileSeparator, settings.ScnLFileSeparator}),
              (std::vector<std::string>{"", kLegionFolder, "", "i", "v", "v", "v", "l"}));
    EXPECT_EQ(settings.PrestigeIncrement, 1000);

    std::vector<std::string> names = sandbox.ValueNames(kSettingsKey);
    std::vector<std::string> loadOrder{
        kScenarioEditor,       kGameFolder,         kScnFileSeparator,
        kScnInfoFileSeparator, kScnBVFileSeparator, kScnVFileSeparator,
        kScnTVFileSeparator,   kScnLFileSeparator,  kPrestigeIncrement};
#ifdef _WIN32
    // Wine's registry lists a key's values by name, not in the order they were written.
    std::sort(names.begin(), names.end());
    std::sort(loadOrder.begin(), loadOrder.end());
#endif
    EXPECT_EQ(names, loadOrder);
    EXPECT_EQ(sandbox.Stored(kSettingsKey, kGameFolder)->data, kLegionFolder + '\0');
    EXPECT_EQ(Stored(kPrestigeIncrement), RegistryValue(std::int32_t{1000}));
    EXPECT_TRUE(sandbox.Stored(kGameKey, kGameDirectory).has_value()) << "the game's key stays";
}

TEST_F(LoadSettingsTest, GameFolderFromTheGameKeyUntilOneIsStored) {
    settings = LoadSettings();
    EXPECT_EQ(settings.GameFolder, "") << "no game key";
    EXPECT_EQ(sandbox.Stored(kSettingsKey, kGameFolder)->data, std::string("\0", 1));
    Store(kGameDirectory, kLegionFolder, RegType::Sz, kGameKey);
    settings = LoadSettings();
    EXPECT_EQ(settings.GameFolder, kLegionFolder) << "tried again; a separator is not doubled";
    Store(kGameFolder, "/elsewhere", RegType::Sz);
    settings = LoadSettings();
    EXPECT_EQ(settings.GameFolder, "/elsewhere") << "a stored XaL Path is taken exactly as stored";
}

#ifdef _WIN32
// Where 64-bit Windows keeps the keys of 32-bit programs, as the game's installer writes it.
TEST_F(LoadSettingsTest, GameFolderFromTheGameKeyOfThe32BitPrograms) {
    Store(kGameDirectory, kLegionFolder, RegType::Sz,
          "Software\\Wow6432Node\\Ostrand\\Xandor's Legion\\1.0");
    EXPECT_EQ(LoadSettings().GameFolder, kLegionFolder);
}

// A standard user may not write under HKEY_LOCAL_MACHINE: what the options and the recent
// campaigns remember goes to the user's own key, and comes back from it at the next start.
TEST_F(LoadSettingsTest, AUserWhoMayNotWriteTheMachinesKeyKeepsSettingsInTheirOwn) {
    sandbox.Plant(kSettingsKey, kGameFolder, RegType::Sz, kLegionFolder);
    sandbox.Plant(kSettingsKey, kScnInfoFileSeparator, RegType::Sz, "info");
    sandbox.RefuseWrites(kSettingsKey);

    settings = LoadSettings();
    EXPECT_EQ(settings.GameFolder, kLegionFolder) << "the machine's value fills in";
    EXPECT_EQ(settings.ScnInfoFileSeparator, "info");
    const auto userDefault = sandbox.StoredForUser(kSettingsKey, kScnLFileSeparator);
    ASSERT_TRUE(userDefault.has_value()) << "defaults go to the user's key";
    EXPECT_EQ(userDefault->data, std::string("l\0", 2));
    settings.PrestigeIncrement = 250;
    settings.ScnInfoFileSeparator = "";
    SaveSettings(settings);
    RememberRecentCampaign("C:\\Campaigns\\One.cam");

    settings = LoadSettings();
    EXPECT_EQ(settings.PrestigeIncrement, 250);
    EXPECT_EQ(settings.ScnInfoFileSeparator, "") << "emptied by the user";
    EXPECT_EQ(RecentCampaigns(), std::vector<std::string>{"C:\\Campaigns\\One.cam"});
    EXPECT_EQ(sandbox.ValueNames(kSettingsKey),
              (std::vector<std::string>{kScnInfoFileSeparator, kGameFolder}))
        << "the machine's key is left as it was";
}
#endif

TEST_F(LoadSettingsTest, AValueStoredEmptyIsTheEmptyText) {
    Store(kScnInfoFileSeparator, "", RegType::Sz);
    Store(kScnLFileSeparator, "_loss", RegType::Sz);
    settings = LoadSettings();
    EXPECT_EQ(settings.ScnInfoFileSeparator, "");
    EXPECT_EQ(settings.ScnLFileSeparator, "_loss");
    EXPECT_EQ(Stored(kScnInfoFileSeparator), RegistryValue(""));
}

TEST_F(LoadSettingsTest, PrestigeIncrementAsTextNumberOrNonsense) {
    struct Case {
        RegistryValue stored;
        std::uint32_t type;
        std::int32_t expected;
        bool rewritten;
    };
    const Case cases[] = {
        {"2500", RegType::Sz, 2500, false},
        {std::int32_t{700}, RegType::Dword, 700, false},
        {"-50", RegType::Sz, -50, false},
        {"99999", RegType::Sz, 99999, false},
        {"12.5", RegType::Sz, 12, false},
        {"2147483647", RegType::Sz, 2147483647, false},
        {"abc", RegType::Sz, 1000, true},
        {"1E20", RegType::Sz, 1000, true},
        {std::vector<unsigned char>{1, 2}, RegType::Binary, 1000, true},
    };
    for (const auto& c : cases) {
        Store(kPrestigeIncrement, c.stored, c.type);
        settings = LoadSettings();
        EXPECT_EQ(settings.PrestigeIncrement, c.expected);
        if (c.rewritten) {
            EXPECT_EQ(Stored(kPrestigeIncrement), RegistryValue(std::int32_t{1000}));
        }
    }
}

TEST(RecentCampaigns, NewestFirstEachOnceAndAtMostEight) {
    test::RegistrySandbox sandbox;
    EXPECT_TRUE(RecentCampaigns().empty());
    for (const char* path : {"/c/one.cam", "/c/two.cam", "/c/one.cam"})
        RememberRecentCampaign(path);
    EXPECT_EQ(RecentCampaigns(), (std::vector<std::string>{"/c/one.cam", "/c/two.cam"}));
    for (int i = 0; i < 8; ++i) RememberRecentCampaign("/elsewhere/c" + std::to_string(i) + ".cam");
    EXPECT_EQ(RecentCampaigns().size(), 8u);
    EXPECT_EQ(RecentCampaigns().front(), "/elsewhere/c7.cam");
    EXPECT_EQ(RecentCampaigns().back(), "/elsewhere/c0.cam") << "the oldest dropped off";
    EXPECT_TRUE(ForgetRecentCampaign("/elsewhere/c3.cam"));
    EXPECT_EQ(RecentCampaigns().size(), 7u);
    EXPECT_EQ(RecentCampaigns()[4], "/elsewhere/c2.cam");
}

#ifndef _WIN32
// Two editors open a campaign each at the same moment, again and again: both campaigns are
// on the list every time. The store lies in the temporary folder (TMPDIR), so the same
// race runs on any file system (bench/recent_campaigns_race.sh).
TEST(RecentCampaigns, TwoEditorsAddingAtOnceLoseNeither) {
    constexpr int kTrials = 200;
    test::RegistrySandbox sandbox;
    int lost = 0;
    for (int trial = 0; trial < kTrials; ++trial) {
        const std::string campaigns[] = {"/a" + std::to_string(trial),
                                         "/b" + std::to_string(trial)};
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        for (const std::string& campaign : campaigns) {
            if (::fork() != 0) continue;
            ::close(start[1]);  // both run once the parent closes its end too
            char none = 0;
            _exit(::read(start[0], &none, 1) == 0 && RememberRecentCampaign(campaign) ? 0 : 1);
        }
        ::close(start[0]);
        ::close(start[1]);
        for (int status = 0; ::wait(&status) > 0;) EXPECT_EQ(status, 0);
        const std::vector<std::string> recent = RecentCampaigns();
        lost +=
            std::ranges::count(recent, campaigns[0]) + std::ranges::count(recent, campaigns[1]) < 2;
    }
    std::printf("a campaign lost in %d of %d trials\n", lost, kTrials);
    EXPECT_EQ(lost, 0);
}

// The game installed under Wine: its folder on drive C: of a prefix named by WINEPREFIX,
// its key written by a 32-bit installer into the prefix's registry, and an empty store.
class GameUnderWineTest : public LoadSettingsTest {
  protected:
    GameUnderWineTest() {
        std::filesystem::create_directories(prefix.DriveC() / "Games" / "Legion");
        prefix.WriteSystemRegistry(GameKeySection(kWow64GameKey, "C:\\\\Games\\\\Legion"));
    }
    std::string StoredGameFolder() {
        auto stored = sandbox.Stored(kSettingsKey, kGameFolder);
        return stored ? stored->data : "(none)";
    }

    test::WinePrefixLayout prefix;
    test::ScopedEnvironment winePrefix{"WINEPREFIX", prefix.Path()};
    const std::string legion = (prefix.DriveC() / "Games" / "Legion" / "").string();
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
    Store(kGameDirectory, "/games/legion", RegType::Sz, kGameKey);
    settings = LoadSettings();
    EXPECT_EQ(settings.GameFolder, "/games/legion/") << "the store's own game key";
    Store(kGameDirectory, "", RegType::Sz, kGameKey);
    Store(kGameFolder, "", RegType::Sz);
    settings = LoadSettings();
    EXPECT_EQ(settings.GameFolder, legion) << "an empty game key in the store counts as none";
}

TEST_F(GameUnderWineTest, NoGameInThePrefixLeavesTheFolderEmpty) {
    prefix.WriteSystemRegistry(GameKeySection(kWow64GameKey, "\\\\\\\\server\\\\Legion"));
    settings = LoadSettings();
    EXPECT_EQ(settings.GameFolder, "");
    EXPECT_EQ(StoredGameFolder(), std::string(1, '\0'));
}
#endif

}  // namespace
}  // namespace xal
