#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/registry_file_store.h"
#include "settings/registry.h"
#include "support/registry_sandbox.h"

namespace xal {
namespace {

constexpr const char* kKey = "Software\\XaL Campaign Editor";

TEST(RegistryStore, WritesAWineRegistryFile) {
    test::RegistrySandbox sandbox;
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path", "/games/legion/", RegType::Sz);
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "Prestige Increment", "1000",
                        RegType::Dword);
    EXPECT_EQ(sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg"),
              "WINE REGISTRY Version 2\n"
              ";; All keys relative to REGISTRY\\\\Machine\n"
              "\n[Software]\n"
              "\n[Software\\\\XaL Campaign Editor]\n"
              "\"XaL Path\"=\"/games/legion/\"\n"
              "\"Prestige Increment\"=dword:000003e8\n");
}

TEST(RegistryStore, WritingWhatIsStoredAlreadyLeavesTheFileAlone) {
    test::RegistrySandbox sandbox;
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path", "/games/legion/", RegType::Sz);
    const auto file = sandbox.Folder().Path() / "HKEY_LOCAL_MACHINE.reg";
    std::filesystem::last_write_time(file, std::filesystem::file_time_type{});
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path", "/games/legion/", RegType::Sz);
    EXPECT_EQ(std::filesystem::last_write_time(file), std::filesystem::file_time_type{});
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path", "/games/other/", RegType::Sz);
    EXPECT_NE(std::filesystem::last_write_time(file), std::filesystem::file_time_type{});
}

TEST(RegistryStore, SeesAChangeThatAnotherProgramMadeInPlace) {
    test::RegistrySandbox sandbox;
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path", "/games/legion/", RegType::Sz);
    ASSERT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path"),
              RegistryValue(std::string("/games/legion/")));

    // Rewritten in the same file, to the same size, a moment later.
    const auto file = sandbox.Folder().Path() / "HKEY_LOCAL_MACHINE.reg";
    const auto before = std::filesystem::last_write_time(file);
    std::string text = sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg");
    text.replace(text.find("legion"), 6, "norway");
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
    std::filesystem::last_write_time(file, before + std::chrono::milliseconds(1));

    EXPECT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path"),
              RegistryValue(std::string("/games/norway/")));
}

TEST(RegistryStore, TwoEditorsWritingAtOnceLoseNothing) {
    test::RegistrySandbox sandbox;
    constexpr int kWriters = 4;
    constexpr int kValuesEach = 25;
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (int i = 0; i < kValuesEach; ++i)
                RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey,
                                    "w" + std::to_string(writer) + "-" + std::to_string(i),
                                    std::int32_t{i}, RegType::Dword);
            _exit(0);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int writer = 0; writer < kWriters; ++writer)
        for (int i = 0; i < kValuesEach; ++i)
            EXPECT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey,
                                          "w" + std::to_string(writer) + "-" + std::to_string(i)),
                      RegistryValue(std::int32_t{i}));
}

TEST(RegistryStore, ADamagedFileIsKeptAsideNeverOverwritten) {
    test::RegistrySandbox sandbox;
    const std::string damaged =
        "WINE REGISTRY Version 2\n[Software\\\\XaL Campaign Editor]\n\"XaL Path\"=\"cut o";
    sandbox.Folder().Write("HKEY_LOCAL_MACHINE.reg", damaged);

    testing::internal::CaptureStderr();
    EXPECT_TRUE(RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path").IsEmpty());
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("HKEY_LOCAL_MACHINE.reg.bad"), std::string::npos) << said;

    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path", "/new/", RegType::Sz);
    EXPECT_EQ(sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg.bad"), damaged);
    EXPECT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path"),
              RegistryValue("/new/"));
}

TEST(RegistryStore, AStoreThatCannotBeWrittenChangesNothing) {
    test::RegistrySandbox sandbox;
    std::filesystem::create_directories(sandbox.StorePath());  // a folder where the file belongs
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path", "/x/", RegType::Sz);
    EXPECT_TRUE(RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path").IsEmpty());
    EXPECT_TRUE(std::filesystem::is_directory(sandbox.StorePath()));
}

TEST(RegistryStore, FollowsXdgConfigHome) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
    EXPECT_EQ(platform::RegistryFileStore::DefaultPath(),
              "/somewhere/config/xal-campaign-edit/HKEY_LOCAL_MACHINE.reg");
    setenv("XDG_CONFIG_HOME", "", 1);
    setenv("HOME", "/home/designer", 1);
    EXPECT_EQ(platform::RegistryFileStore::DefaultPath(),
              "/home/designer/.config/xal-campaign-edit/HKEY_LOCAL_MACHINE.reg");
    setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

}  // namespace
}  // namespace xal
