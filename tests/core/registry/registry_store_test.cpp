// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "core/registry/registry.h"
#include "core/registry/registry_file_store.h"
#include "core/settings/settings.h"
#include "support/error_of.h"
#include "support/file_size_limit.h"
#include "support/registry_sandbox.h"
#include "support/scoped_environment.h"

namespace xal {
namespace {

constexpr const char* kKey = "Software\\XaL Campaign Editor";

void Set(const std::string& name, const RegistryValue& value, std::uint32_t type = RegType::Sz) {
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, name, value, type);
}
RegistryValue Get(const std::string& name) {
    return RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, name);
}

TEST(RegistryStore, WritesAWineRegistryFileOnlyWhenItChanges) {
    test::RegistrySandbox sandbox;
    Set("XaL Path", "/games/legion/");
    Set("Prestige Increment", "1000", RegType::Dword);
    EXPECT_EQ(sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg"),
              "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n"
              "\n[Software]\n\n[Software\\\\XaL Campaign Editor]\n"
              "\"XaL Path\"=\"/games/legion/\"\n\"Prestige Increment\"=dword:000003e8\n");
    const auto file = sandbox.Folder().Path() / "HKEY_LOCAL_MACHINE.reg";
    std::filesystem::last_write_time(file, std::filesystem::file_time_type{});
    Set("XaL Path", "/games/legion/");
    EXPECT_EQ(std::filesystem::last_write_time(file), std::filesystem::file_time_type{});
    Set("XaL Path", "/games/other/");
    EXPECT_NE(std::filesystem::last_write_time(file), std::filesystem::file_time_type{});
}

TEST(RegistryStore, AnotherEditorsWriteIsKeptThoughTheFileLooksUnchanged) {
    test::RegistrySandbox sandbox;
    Set("XaL Path", "/games/legion/");
    ASSERT_EQ(Get("XaL Path"), RegistryValue("/games/legion/"));
    // The other editor rewrites the file in place, to the same size, within the second
    // that a coarse file system stamps: the inode, size and time stamps all stay the same.
    const std::string file = sandbox.StorePath();
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    std::string text = sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg");
    text.replace(text.find("legion"), 6, "norway");
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);

    Set("Scn File Separator", "s");
    EXPECT_EQ(Get("XaL Path"), RegistryValue("/games/norway/"));
    EXPECT_EQ(Get("Scn File Separator"), RegistryValue("s"));
}

TEST(RegistryStore, EditorsWritingAtOnceLoseNothing) {
    test::RegistrySandbox sandbox;
    constexpr int kWriters = 4;
    constexpr int kValuesEach = 25;
    // "w<writer>-<i>", built piece by piece: "w" + text trips a false -Wrestrict of GCC 12.
    auto name = [](int writer, int i) {
        return std::string(1, 'w').append(std::to_string(writer)) + '-' + std::to_string(i);
    };
    for (int writer = 0; writer < kWriters; ++writer) {
        if (::fork() != 0) continue;
        for (int i = 0; i < kValuesEach; ++i) Set(name(writer, i), std::int32_t{i}, RegType::Dword);
        _exit(0);
    }
    for (int status = 0; ::wait(&status) > 0;)
        EXPECT_TRUE(WIFEXITED(status) && !WEXITSTATUS(status));
    for (int writer = 0; writer < kWriters; ++writer)
        for (int i = 0; i < kValuesEach; ++i)
            EXPECT_EQ(Get(name(writer, i)), RegistryValue(std::int32_t{i}));
}

TEST(RegistryStore, ADamagedFileIsKeptAsideOnceWithWhatCouldBeRead) {
    const std::string damaged =
        "WINE REGISTRY Version 2\n[Software\\\\XaL Campaign Editor]\n"
        "\"XaL Path\"=\"/games/legion/\"\n\"Scn File Separator\"=cut\n";
    test::RegistrySandbox sandbox;
    sandbox.Folder().Write("HKEY_LOCAL_MACHINE.reg.bad", "an earlier copy");
    sandbox.Folder().Write("HKEY_LOCAL_MACHINE.reg", damaged);

    EXPECT_EQ(Get("XaL Path"), RegistryValue("/games/legion/"));
    EXPECT_TRUE(Get("Scn File Separator").IsEmpty());
    EXPECT_EQ(sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg.bad"), "an earlier copy");
    EXPECT_EQ(sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg.bad.2"), damaged);
    const std::optional<std::string> notice = platform::TakeSettingsNotice();
    ASSERT_TRUE(notice.has_value());
    EXPECT_NE(notice->find(sandbox.StorePath() + " is damaged (line 4"), std::string::npos);
    EXPECT_NE(notice->find("kept as " + sandbox.StorePath() + ".bad.2"), std::string::npos);
    Get("XaL Path");
    EXPECT_EQ(platform::TakeSettingsNotice(), std::nullopt) << "told once";
    EXPECT_FALSE(std::filesystem::exists(sandbox.StorePath() + ".bad.3")) << "kept once";
}

void FolderInstead(const std::string& file) {
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
}

// A read-only file, a lock file that cannot be opened, a link into a folder that is gone,
// a full disk.
TEST(RegistryStore, AnUpdateThatCannotBeStoredRaisesNamingTheFileAndChangesNothing) {
    const std::pair<std::function<void(const std::string&)>, int> cases[] = {
        {[](const std::string& store) { ::chmod(store.c_str(), 0444); }, 70},
        {[](const std::string& store) { FolderInstead(store + ".lock"); }, 75},
        {[](const std::string& store) {
             std::filesystem::remove(store);
             std::filesystem::create_symlink(store + ".gone/settings.reg", store);
         },
         76},
        {nullptr, 61}};
    for (const auto& [provoke, number] : cases) {
        SCOPED_TRACE(number);
        test::RegistrySandbox sandbox;
        Set("XaL Path", "/games/legion/");
        if (provoke) provoke(sandbox.StorePath());
        const std::string bytes = sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg");
        const std::vector<std::string> names = sandbox.Folder().Names();
        std::optional<test::FileSizeLimit> full;
        if (!provoke) full.emplace(bytes.size());
        const std::string report = test::ReportOf([] { SaveSettings({}); });
        full.reset();
        EXPECT_TRUE(report.starts_with(std::to_string(number) + "\r\n")) << report;
        EXPECT_NE(report.find("\r\nFile: " + sandbox.StorePath()), std::string::npos) << report;
        EXPECT_EQ(sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg"), bytes);
        EXPECT_EQ(sandbox.Folder().Names(), names) << "no file left or made";
    }
}

// Start-up uses the defaults it cannot store and says so once; of a file it leaves alone
// because it cannot read it, it says only that.
TEST(RegistryStore, DefaultsThatCannotBeStoredAreToldOnceAtStartUp) {
    const std::pair<std::function<void(const std::string&)>, std::string> cases[] = {
        {[](const std::string& store) { ::chmod(store.c_str(), 0444); },
         "70\r\nPermission denied: the file is read-only\r\nFile: "},
        {FolderInstead, "The settings file "},
    };
    for (const auto& [provoke, told] : cases) {
        test::RegistrySandbox sandbox;
        Set("XaL Path", "/games/legion/");
        provoke(sandbox.StorePath());
        EXPECT_EQ(LoadSettings().ScnLFileSeparator, "l");
        EXPECT_EQ(LoadSettings().ScnLFileSeparator, "l");
        const std::string notice = platform::TakeSettingsNotice().value_or("");
        EXPECT_EQ(notice.find(told + sandbox.StorePath()), 0u) << notice;
        EXPECT_EQ(notice.find("\r\n\r\n"), std::string::npos) << "one notice: " << notice;
    }
}

TEST(RegistryStore, ALockFileThatCannotBeOpenedIsToldOnceAndTheFileReadWithoutIt) {
    test::RegistrySandbox sandbox;
    Set("XaL Path", "/games/legion/");
    FolderInstead(sandbox.StorePath() + ".lock");
    EXPECT_EQ(Get("XaL Path"), RegistryValue("/games/legion/"));
    const std::optional<std::string> notice = platform::TakeSettingsNotice();
    ASSERT_TRUE(notice.has_value());
    EXPECT_NE(notice->find(sandbox.StorePath() + ".lock could not be opened"), std::string::npos)
        << *notice;
    Get("XaL Path");
    EXPECT_EQ(platform::TakeSettingsNotice(), std::nullopt) << "told once";
}

TEST(RegistryStore, FollowsXdgConfigHome) {
    test::ScopedEnvironment home("HOME", "/home/designer");
    {
        test::ScopedEnvironment config("XDG_CONFIG_HOME", "/somewhere/config");
        EXPECT_EQ(platform::RegistryFileStore::DefaultPath(),
                  "/somewhere/config/xal-campaign-edit/HKEY_LOCAL_MACHINE.reg");
    }
    test::ScopedEnvironment config("XDG_CONFIG_HOME", "");
    EXPECT_EQ(platform::RegistryFileStore::DefaultPath(),
              "/home/designer/.config/xal-campaign-edit/HKEY_LOCAL_MACHINE.reg");
}

}  // namespace
}  // namespace xal
