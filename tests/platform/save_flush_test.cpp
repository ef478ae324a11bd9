// SPDX-License-Identifier: MIT
// The test program is linked with --wrap=fsync and --wrap=rename: every call the core
// makes goes through the wrappers below, which note what file it concerns.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "support/temp_folder.h"

namespace {

struct Call {
    std::string name;
    dev_t device;
    ino_t inode;
};
std::vector<Call>* noted = nullptr;

void Note(const char* name, int result, const struct stat& file) {
    if (noted && result == 0) noted->push_back({name, file.st_dev, file.st_ino});
}

}  // namespace

extern "C" int __real_fsync(int fd);
extern "C" int __wrap_fsync(int fd) {
    struct stat file {};
    Note("fsync", ::fstat(fd, &file), file);
    return __real_fsync(fd);
}

extern "C" int __real_rename(const char* from, const char* to);
extern "C" int __wrap_rename(const char* from, const char* to) {
    struct stat file {};
    Note("rename", ::stat(from, &file), file);
    return __real_rename(from, to);
}

namespace xal::platform {
namespace {

// Without the flush, a power cut soon after the rename can leave an empty file in place
// of both the old and the new contents.
TEST(ReplaceFileContents, FlushesTheNewFileBeforeItReplacesTheOldOne) {
    test::TempFolder folder;
    folder.Write("a.cam", "old");
    std::vector<Call> calls;
    noted = &calls;
    ReplaceFileContents(folder.File("a.cam"), "new");
    noted = nullptr;
    struct stat saved {};
    ASSERT_EQ(::stat(folder.File("a.cam").c_str(), &saved), 0);
    std::vector<std::string> ofTheSavedFile;
    for (const Call& call : calls)
        if (call.device == saved.st_dev && call.inode == saved.st_ino)
            ofTheSavedFile.push_back(call.name);
    EXPECT_EQ(ofTheSavedFile, (std::vector<std::string>{"fsync", "rename"}));
}

}  // namespace
}  // namespace xal::platform
