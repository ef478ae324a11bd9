// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "core/registry/registry.h"
#include "support/registry_sandbox.h"
#include "support/scripted_prompts.h"

namespace xal {
namespace {

constexpr const char* kKey = "Software\\XaL Campaign Editor";

// One suite for both registries: the store file, and in the Windows build the system's
// own registry (Wine's, when the cross-built tests run).
class RegistryTest : public ::testing::Test {
  protected:
    RegistryValue Get(const std::string& name) {
        return RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, name);
    }

    test::RegistrySandbox sandbox;
    test::ScriptedPrompts prompts;  // every operation here must stay silent
};

TEST_F(RegistryTest, TextIsCutAtItsFirstZeroAndMissingValuesReadAsEmpty) {
    EXPECT_TRUE(Get("Anything").IsEmpty());
    RegistryCreateNewKey(HKEY_LOCAL_MACHINE_ROOT, kKey);
    EXPECT_TRUE(Get("Anything").IsEmpty());
    EXPECT_TRUE(RegistryValue("").IsMissing());
    sandbox.Plant(kKey, "Embedded", RegType::Sz, std::string("ab\0cd\0", 6));
    sandbox.Plant(kKey, "Size zero", RegType::Sz, "");
    sandbox.Plant(kKey, "Terminator only", RegType::Sz, std::string("\0", 1));
    sandbox.Plant(kKey, "No terminator", RegType::Sz, "abc");
    EXPECT_EQ(Get("Embedded"), RegistryValue("ab"));
    EXPECT_EQ(Get("Size zero"), RegistryValue(""));
    EXPECT_EQ(Get("Terminator only"), RegistryValue(""));
    EXPECT_EQ(Get("No terminator"), RegistryValue("abc"));
}

TEST_F(RegistryTest, NumbersBytesAndUnhandledTypes) {
    sandbox.Plant(kKey, "Dword", RegType::Dword, std::string("\xe8\x03\0\0", 4));
    sandbox.Plant(kKey, "Expand", RegType::ExpandSz, std::string("%PATH%\0", 7));
    sandbox.Plant(kKey, "Bytes", RegType::Binary, "\x01\x02");
    sandbox.Plant(kKey, "No bytes", RegType::Binary, "");
    EXPECT_EQ(Get("Dword"), RegistryValue(std::int32_t{1000}));
    EXPECT_TRUE(Get("Expand").IsEmpty());
    EXPECT_EQ(Get("Bytes"), RegistryValue(std::vector<unsigned char>{1, 2}));
    EXPECT_EQ(Get("No bytes"), RegistryValue(std::vector<unsigned char>{}));
}

TEST_F(RegistryTest, WritesStoreTheTypeAndBytesOfTheWindowsCalls) {
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "As dword", "1000", RegType::Dword);
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "As text", std::int32_t{250}, RegType::Sz);
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "As bytes", std::vector<unsigned char>{0, 9},
                        RegType::Binary);
    EXPECT_EQ(sandbox.Stored(kKey, "As dword")->type, RegType::Dword);
    EXPECT_EQ(sandbox.Stored(kKey, "As dword")->data, std::string("\xe8\x03\0\0", 4));
    EXPECT_EQ(sandbox.Stored(kKey, "As text")->data, std::string("250\0", 4));
    EXPECT_EQ(sandbox.Stored(kKey, "As bytes")->data, std::string("\0\x09", 2));
}

TEST_F(RegistryTest, TextsAndNamesAreUtf8) {
    const std::string key = std::string(kKey) + "\\Кампания";
    for (const char* folder : {"/home/Jürgen/Кампания/", "C:\\戦役\\😀\\"}) {
        RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, key, "Ordner für 戦役", folder, RegType::Sz);
        const auto stored = sandbox.Stored(key, "Ordner für 戦役");
        ASSERT_TRUE(stored.has_value()) << "the name as the registry holds it";
        EXPECT_EQ(stored->data, folder + std::string(1, '\0'));
        EXPECT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, key, "Ordner für 戦役"),
                  RegistryValue(folder));
    }
    sandbox.Plant(kKey, "Planted", RegType::Sz, std::string("J\xc3\xbcrgen\0", 8));
    EXPECT_EQ(Get("Planted"), RegistryValue("Jürgen"));
}

TEST_F(RegistryTest, AnUnknownTypeCreatesTheKeyAndWritesNothing) {
    const std::string key = std::string(kKey) + "\\New\\Deep";
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, key, "Odd", "x", 2);
    EXPECT_TRUE(sandbox.KeyExists(key));
    EXPECT_FALSE(sandbox.Stored(key, "Odd").has_value());
}

TEST_F(RegistryTest, AValueThatCannotBeConvertedIsReportedByTheOperation) {
    prompts.ExpectMessage(
        {"Error: 13. Type mismatch\r\nValue: " + std::string(kKey) + "\\Number",
         platform::MessageButtons::Ok, platform::MessageIcon::None, "RegistrySetKeyValue"},
        platform::MessageAnswer::Ok);
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "Number", "abc", RegType::Dword);
    EXPECT_FALSE(sandbox.Stored(kKey, "Number").has_value());
}

// A change the settings file (on Windows the registry) refuses is told once, naming the
// file (the value), and stores nothing.
TEST_F(RegistryTest, AChangeTheStoreRefusesIsToldOnceByTheOperation) {
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "Path", "/games/legion/", RegType::Sz);
#ifdef _WIN32
    sandbox.RefuseWrites(kKey);
    const std::string told =
        "Error: 70. Permission denied\r\nThe registry refused the change "
        "(error 5).\r\nValue: " +
        std::string(kKey) + "\\Path";
#else
    ::chmod(sandbox.StorePath().c_str(), 0444);
    const std::string told =
        "Error: 70. Permission denied: the file is read-only\r\nFile: " + sandbox.StorePath() +
        "\r\nNothing was saved: the file is unchanged.";
#endif
    prompts.ExpectMessage(
        {told, platform::MessageButtons::Ok, platform::MessageIcon::None, "RegistrySetKeyValue"},
        platform::MessageAnswer::Ok);
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "Path", "/games/other/", RegType::Sz);
    prompts.VerifyDone();
    EXPECT_EQ(Get("Path"), RegistryValue("/games/legion/"));
}

}  // namespace
}  // namespace xal
