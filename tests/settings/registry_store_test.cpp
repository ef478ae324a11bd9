#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/registry_file_store.h"
#include "settings/registry.h"
#include "support/registry_sandbox.h"
#include "support/returns_at_once.h"
#include "support/scoped_environment.h"

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

TEST(RegistryStore, AnotherEditorsWriteIsKeptThoughTheFileLooksUnchanged) {
    test::RegistrySandbox sandbox;
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path", "/games/legion/", RegType::Sz);
    ASSERT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path"),
              RegistryValue("/games/legion/"));

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

    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "Scn File Separator", "s", RegType::Sz);
    EXPECT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path"),
              RegistryValue("/games/norway/"));
    EXPECT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "Scn File Separator"),
              RegistryValue("s"));
}

// "w<writer>-<i>", built piece by piece: "w" + text trips a false -Wrestrict of GCC 12.
std::string WriterValueName(int writer, int i) {
    std::string name = std::to_string(writer);
    name.insert(0, 1, 'w');
    return name + '-' + std::to_string(i);
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
                RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, WriterValueName(writer, i),
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
            EXPECT_EQ(
                RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, WriterValueName(writer, i)),
                RegistryValue(std::int32_t{i}));
}

constexpr const char* kDamaged =
    "WINE REGISTRY Version 2\n[Software\\\\XaL Campaign Editor]\n\"XaL Path\"=\"/games/legion/\"\n"
    "\"Scn File Separator\"=cut\n";

TEST(RegistryStore, ADamagedFileIsKeptAsideWithWhatCouldBeRead) {
    test::RegistrySandbox sandbox;
    sandbox.Folder().Write("HKEY_LOCAL_MACHINE.reg.bad", "an earlier copy");
    sandbox.Folder().Write("HKEY_LOCAL_MACHINE.reg", kDamaged);

    EXPECT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path"),
              RegistryValue("/games/legion/"));
    EXPECT_TRUE(RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "Scn File Separator").IsEmpty());
    EXPECT_EQ(sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg.bad"), "an earlier copy");
    EXPECT_EQ(sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg.bad.2"), kDamaged);
    const std::optional<std::string> notice = platform::TakeSettingsNotice();
    ASSERT_TRUE(notice.has_value());
    EXPECT_NE(notice->find(sandbox.StorePath() + " is damaged (line 4"), std::string::npos);
    EXPECT_NE(notice->find("kept as " + sandbox.StorePath() + ".bad.2"), std::string::npos);
    EXPECT_EQ(platform::TakeSettingsNotice(), std::nullopt) << "told once";

    // Damaged again later: a third copy, the earlier ones left as they are.
    sandbox.Folder().Write("HKEY_LOCAL_MACHINE.reg", std::string(kDamaged) + "junk\n");
    EXPECT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path"),
              RegistryValue("/games/legion/"));
    EXPECT_EQ(sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg.bad.2"), kDamaged);
    EXPECT_EQ(sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg.bad.3"),
              std::string(kDamaged) + "junk\n");
    EXPECT_TRUE(platform::TakeSettingsNotice().has_value());
    RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path");
    EXPECT_FALSE(std::filesystem::exists(sandbox.StorePath() + ".bad.4")) << "kept once";
}

// Sets the largest file size the process may write while it lives.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
        const rlimit limit{bytes, old_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

  private:
    rlimit old_{};
    void (*oldHandler_)(int);
};

TEST(RegistryStore, ADamagedFileThatCannotBeCopiedAsideIsLeftAlone) {
    test::RegistrySandbox sandbox;
    sandbox.Folder().Write("HKEY_LOCAL_MACHINE.reg", kDamaged);
    {
        FileSizeLimit tiny(16);
        EXPECT_EQ(RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path"),
                  RegistryValue("/games/legion/"));
        RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path", "/new/", RegType::Sz);
    }
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path", "/new/", RegType::Sz);
    EXPECT_EQ(sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg"), kDamaged);
    EXPECT_FALSE(std::filesystem::exists(sandbox.StorePath() + ".bad"));
    const std::optional<std::string> notice = platform::TakeSettingsNotice();
    ASSERT_TRUE(notice.has_value());
    EXPECT_NE(notice->find("could not be copied aside"), std::string::npos) << *notice;
}

// Opening a FIFO without a writer would wait for ever: a fault hangs here.
TEST(RegistryStore, WhatIsNotAFileIsRefusedAtOnceToldOnceAndLeftAlone) {
    for (const bool fifo : {true, false}) {
        test::RegistrySandbox sandbox;
        if (fifo)
            ::mkfifo(sandbox.StorePath().c_str(), 0600);
        else
            std::filesystem::create_directories(sandbox.StorePath());
        ASSERT_TRUE(test::ReturnsAtOnce([] {
            RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path");
            RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path", "/x/", RegType::Sz);
        }));
        RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path", "/x/", RegType::Sz);
        EXPECT_TRUE(RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path").IsEmpty());
        EXPECT_EQ(std::filesystem::is_fifo(sandbox.StorePath()), fifo);
        const std::optional<std::string> notice = platform::TakeSettingsNotice();
        ASSERT_TRUE(notice.has_value());
        EXPECT_NE(notice->find(sandbox.StorePath() + " could not be read"), std::string::npos);
        RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kKey, "XaL Path");
        EXPECT_EQ(platform::TakeSettingsNotice(), std::nullopt) << "told once";
    }
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
