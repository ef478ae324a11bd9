// SPDX-License-Identifier: MIT
// The test program is linked with --wrap=fsync: every flush the core makes goes through
// the wrapper below, which notes the last regular file flushed while another file held
// the name being watched.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/file_system.h"
#include "support/temp_folder.h"

namespace {

const char* watched = nullptr;
ino_t flushedAside = 0;

}  // namespace

extern "C" int __real_fsync(int fd);
extern "C" int __wrap_fsync(int fd) {
    struct stat flushed {};
    struct stat named {};
    if (watched && ::fstat(fd, &flushed) == 0 && S_ISREG(flushed.st_mode) &&
        ::stat(watched, &named) == 0 && named.st_ino != flushed.st_ino)
        flushedAside = flushed.st_ino;
    return __real_fsync(fd);
}

namespace xal::platform {
namespace {

// Without the flush, a power cut soon after the rename can leave an empty file in place
// of both the old and the new contents.
TEST(ReplaceFileContents, FlushesTheNewFileBeforeItReplacesTheOldOne) {
    test::TempFolder folder;
    folder.Write("a.cam", "old");
    const std::string file = folder.File("a.cam");
    watched = file.c_str();
    ReplaceFileContents(file, "new");
    watched = nullptr;
    struct stat saved {};
    ASSERT_EQ(::stat(file.c_str(), &saved), 0);
    EXPECT_EQ(flushedAside, saved.st_ino);
}

}  // namespace
}  // namespace xal::platform
