// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <vector>

#include "core/base/error.h"
#include "core/base/read_limits.h"
#include "core/base/utf16.h"
#include "core/platform/file_system.h"
#include "core/platform/file_system_internals.h"
#include "support/error_of.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "support/file_size_limit.h"

// The test program is linked with --wrap=fsync: every flush of the program comes here, and
// while a name is watched, the last regular file flushed while another file held that
// name is noted.
static const char* watchedName = nullptr;
static ino_t flushedAside = 0;

extern "C" int __real_fsync(int fd);
extern "C" int __wrap_fsync(int fd) {
    struct stat flushed {};
    struct stat named {};
    if (watchedName && ::fstat(fd, &flushed) == 0 && S_ISREG(flushed.st_mode) &&
        ::stat(watchedName, &named) == 0 && named.st_ino != flushed.st_ino)
        flushedAside = flushed.st_ino;
    return __real_fsync(fd);
}
#endif

namespace xal::platform {
namespace {

namespace fs = std::filesystem;
using test::ErrorOf;

// "number" CR LF "description" of the error the action raises, without what it concerns;
// empty when it raises none.
std::string NumberAndDescriptionOf(const std::function<void()>& action) {
    const std::optional<RunTimeError> error = test::RaisedBy(action);
    return error ? RunTimeError(error->Number(), error->Description()).Report() : "";
}

std::string ReadText(const std::string& path) {
    return ReadFileBytes(path, read_limit::kTextFile);
}

const std::string kNotARegularFile = "75\r\nPath/File access error: not a regular file";
const std::string kLinkLoop = "75\r\nPath/File access error: a loop of links";

// Names are UTF-8 in the program; the file system gets them in its own form (UTF-16 on
// Windows), so another program sees the same name.
TEST(FileSystem, NamesInEveryScriptAreWrittenReadAndFound) {
    const char* names[][3] = {{"Été Größe", "Übung.cam", "Übung.CAM"},
                              {"Кампания", "поход.cam", "поход.CAM"},
                              {"戦役", "第一.cam", "第一.Cam"}};
    for (const auto& [folderName, fileName, otherCase] : names) {
        SCOPED_TRACE(fileName);
        test::TempFolder temp;
        const std::string folder = WithTrailingSeparator(temp.File(folderName));
        fs::create_directory(FsPath(folder));
        ReplaceFileContents(folder + fileName, "first");
        ReplaceFileContents(folder + fileName, "second");
        EXPECT_TRUE(fs::is_regular_file(temp.Path() / FsPath(folderName) / FsPath(fileName)));
        EXPECT_TRUE(FileExists(folder) && FileExists(folder + fileName));
        EXPECT_EQ(ReadText(FileInFolder(folder, otherCase)), "second");
        EXPECT_EQ(std::distance(fs::directory_iterator(FsPath(folder)), {}), 1);
    }
}

// A file the test holds as a save in progress holds its temporary file: locked on Linux,
// open on Windows (where an open file cannot be deleted).
#ifdef _WIN32
using HeldFile = std::ofstream;
#else
struct HeldFile {
    explicit HeldFile(const fs::path& path) : fd(::open(path.c_str(), O_WRONLY | O_CREAT, 0644)) {
        ::flock(fd, LOCK_EX);
    }
    ~HeldFile() { ::close(fd); }
    int fd;
};
#endif

TEST(ReplaceFileContents, WritesExactlyTheNewBytesAndRemovesInterruptedSavesOnly) {
    test::TempFolder folder;
    folder.Write("a.cam", std::string(40000, 'x'));
    folder.Write("a.cam.saving-0123abcd.tmp", "interrupted");
    folder.Write("b.cam.saving-0123abcd.tmp", "another file's");
    folder.Write("a.cam.saving-my-notes.tmp", "not a save's");
    const HeldFile inProgress(folder.Path() / "a.cam.saving-89abcdef.tmp");
    ReplaceFileContents(folder.File("a.cam"), std::string("new\0bytes", 9));
    EXPECT_EQ(folder.Read("a.cam"), std::string("new\0bytes", 9));
    EXPECT_FALSE(fs::exists(folder.Path() / "a.cam.saving-0123abcd.tmp"));
    EXPECT_EQ(folder.Names().size(), 4u) << "the others stay, and no new temporary file";
#ifndef _WIN32
    // A new file gets the usual mode, as any program's: 0666 less the user's mask.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ReplaceFileContents(folder.File("new.cam"), "n");
    EXPECT_EQ(fs::status(folder.Path() / "new.cam").permissions(),
              static_cast<fs::perms>(0666 & ~mask));
#endif
}

// The temporary file of a name near the longest a file system takes is named shorter, and
// the next save still knows it for its own.
TEST(ReplaceFileContents, SavesTheLongestNamesAndRemovesWhatTheirInterruptedSavesLeft) {
    std::string accented = "x";  // so that the cut falls inside an "é"
    while (accented.size() < 253) accented += "é";
    for (const std::string& name :
         {std::string(235, 'a'), std::string(244, 'b'), accented, std::string(255, 'c')}) {
        test::TempFolder folder;
        const std::string leftover = internals::SavingFileName(name);
        folder.Write(leftover, "interrupted");
        EXPECT_EQ(utf16::ToUtf8(utf16::FromUtf8(leftover)), leftover) << "no character cut";
        ReplaceFileContents(folder.File(name), name);
        EXPECT_EQ(folder.Names(), std::vector<std::string>{name}) << name.size();
    }
}

// Opening a FIFO without a writer to read from it would wait for ever: a fault hangs here.
TEST(FileSystem, RefusesWhatItMayNotReadOrWriteAndLeavesEverythingAsItWas) {
    test::TempFolder folder;
    folder.Write("read-only.cam", "old");
    fs::permissions(folder.Path() / "read-only.cam",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    // A folder and, on Linux, a FIFO: what is no regular file.
    fs::create_directory(folder.Path() / "folder.cam");
    std::vector<std::string> special = {folder.File("folder.cam")};
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(folder.File("fifo.cam").c_str(), 0644), 0);
    special.push_back(folder.File("fifo.cam"));
#endif
    std::vector<std::pair<std::string, std::string>> refused = {
        {folder.File("read-only.cam"), "70\r\nPermission denied: the file is read-only"},
        {"", "52\r\nBad file name or number"}};
    for (const std::string& path : special) refused.emplace_back(path, kNotARegularFile);
#ifndef _WIN32
    const std::string loop = folder.File("loop.cam");
    fs::create_symlink("loop.cam", loop);
    refused.emplace_back(loop, kLinkLoop);
    EXPECT_EQ(NumberAndDescriptionOf([&] { ReadText(loop); }), kLinkLoop);
    EXPECT_TRUE(FileExists(loop)) << "so that reading it tells the loop";
#endif
    const auto entries = folder.Names().size();
    for (const auto& [path, report] : refused)
        EXPECT_EQ(NumberAndDescriptionOf([&] { ReplaceFileContents(path, "x"); }), report) << path;
    for (const std::string& path : special)
        EXPECT_EQ(NumberAndDescriptionOf([&] { ReadText(path); }), kNotARegularFile) << path;
#ifndef _WIN32
    EXPECT_EQ(NumberAndDescriptionOf([] { ReadText("/dev/zero"); }), kNotARegularFile);
#endif
    EXPECT_EQ(folder.Read("read-only.cam"), "old");
    EXPECT_EQ(folder.Names().size(), entries);

    // A failed save names the file and says what became of it.
    const std::string missing = folder.File("missing/a.cam");
    EXPECT_EQ(
        test::ReportOf([&] { ReplaceFileContents(missing, "x"); }),
        "76\r\nPath not found\r\nFile: " + missing + "\r\nNothing was saved: no file was created.");
}

TEST(ReadFileBytes, ReadsUpToTheBoundAndTellsAMissingFile) {
    test::TempFolder folder;
    folder.Write("bytes", std::string("\0\xff\r\n", 4));
    EXPECT_EQ(ReadFileBytes(folder.File("bytes"), 4), std::string("\0\xff\r\n", 4));
    EXPECT_EQ(NumberAndDescriptionOf([&] { ReadFileBytes(folder.File("bytes"), 3); }),
              "75\r\nPath/File access error: the file is larger than 3 bytes");
    for (const char* name : {"none", "no/such/folder/none"})
        EXPECT_EQ(test::ReportOf([&] { ReadText(folder.File(name)); }),
                  "53\r\nFile not found\r\nFile: " + folder.File(name));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"bytes"}) << "nothing is created";
#ifndef _WIN32
    // The system makes up /proc/self/status as it is read, past its size of 0.
    EXPECT_EQ(ErrorOf([] { ReadFileBytes("/proc/self/status", 10); }), 75);
#endif
}

TEST(FileInFolder, TakesAnExactMatchElseTheFirstInAnyCaseElseTheNameAsItIs) {
    test::TempFolder folder;
    folder.Write("camp1.txt", "");
    folder.Write("Été.txt", "");
    const std::string base = folder.File("");
    EXPECT_EQ(FileInFolder(base, "CAMP1.TXT"), base + "camp1.txt") << "as the folder spells it";
    EXPECT_EQ(FileInFolder(base, "ÉTÉ.TXT"), base + "Été.txt") << "the code page's capitals";
    EXPECT_EQ(FileInFolder(base + "missing/", "a.txt"), base + "missing/a.txt");
#ifndef _WIN32
    folder.Write("CAMP1.TXT", "");
    EXPECT_EQ(FileInFolder(base, "CAMP1.TXT"), base + "CAMP1.TXT");
    EXPECT_EQ(FileInFolder(base, "Camp1.txt"), base + "CAMP1.TXT") << "the first in order";
#endif
}

#ifndef _WIN32
TEST(ReplaceFileContents, WritesTheFinalTargetOfLinksKeepingTheLinksModeAndOwner) {
    test::TempFolder folder;
    const fs::path target = folder.Path() / "real" / "target.cam";
    folder.Write("real/target.cam", "old");
    // Set-ID bits too, which a change of owner would clear. Only root may give a file away.
    ASSERT_EQ(::chown(target.c_str(), 1234, 5678), 0);
    ASSERT_EQ(::chmod(target.c_str(), 06750), 0);
    const std::pair<std::string, fs::path> links[] = {
        {"absolute.cam", target}, {"relative.cam", "real/target.cam"}, {"chain.cam", "hop.cam"}};
    fs::create_symlink("absolute.cam", folder.Path() / "hop.cam");
    for (const auto& [link, pointsTo] : links) {
        folder.Write("real/target.cam", "old");
        fs::create_symlink(pointsTo, folder.Path() / link);
        ReplaceFileContents(folder.File(link), link);
        EXPECT_EQ(folder.Read("real/target.cam"), link);
        EXPECT_TRUE(fs::is_symlink(folder.Path() / link));
        EXPECT_EQ(std::distance(fs::directory_iterator(target.parent_path()), {}), 1) << link;
    }
    struct stat saved {};
    ASSERT_EQ(::stat(target.c_str(), &saved), 0);
    EXPECT_EQ(saved.st_mode & 07777, 06750u);
    EXPECT_EQ(std::pair(saved.st_uid, saved.st_gid), std::pair(1234u, 5678u));
}

TEST(ReplaceFileContents, KeepsTheExtendedAttributesOfTheFile) {
    test::TempFolder folder;
    folder.Write("a.cam", "old");
    const std::string file = folder.File("a.cam");
    if (::setxattr(file.c_str(), "user.note", "mine", 4, 0) != 0 && errno == ENOTSUP)
        GTEST_SKIP() << "The file system of " << file << " keeps no user attributes.";
    ReplaceFileContents(file, "new");
    char note[8] = {};
    EXPECT_EQ(::getxattr(file.c_str(), "user.note", note, sizeof note), 4);
    EXPECT_STREQ(note, "mine");
}

// Without the flush, a power cut soon after the rename can leave an empty file in place
// of both the old and the new contents.
TEST(ReplaceFileContents, FlushesTheNewFileBeforeItReplacesTheOldOne) {
    test::TempFolder folder;
    folder.Write("a.cam", "old");
    const std::string file = folder.File("a.cam");
    watchedName = file.c_str();
    ReplaceFileContents(file, "new");
    watchedName = nullptr;
    struct stat saved {};
    ASSERT_EQ(::stat(file.c_str(), &saved), 0);
    EXPECT_EQ(flushedAside, saved.st_ino);
}

TEST(ReplaceFileContents, LeavesTheOldFileWholeWhenTheDiskIsFull) {
    test::TempFolder folder;
    folder.Write("a.cam", "old");
    std::optional<test::FileSizeLimit> full(4096);
    const std::string report =
        test::ReportOf([&] { ReplaceFileContents(folder.File("a.cam"), std::string(10000, 'x')); });
    full.reset();
    EXPECT_EQ(report, "61\r\nDisk full\r\nFile: " + folder.File("a.cam") +
                          "\r\nNothing was saved: the file is unchanged.");
    EXPECT_EQ(folder.Read("a.cam"), "old");
    EXPECT_EQ(folder.Names().size(), 1u);
}
#endif

}  // namespace
}  // namespace xal::platform
