#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string_view>
#include <vector>

#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/read_limits.h"
#include "support/error_of.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#endif

namespace xal::platform {
namespace {

namespace fs = std::filesystem;
using test::ErrorOf;

// "number" CR LF "description" of the error the action raises; empty when it raises none.
std::string ReportOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RunTimeError& error) {
        return error.Report();
    }
    return "";
}

const std::string kNotARegularFile = "75\r\nPath/File access error: not a regular file";

#ifndef _WIN32
// Special files for a table of what is no regular file, beside a folder: a FIFO, a socket
// and, where the test may make one, a null device of its own. A save never gets the real
// /dev/null, which a fault would replace for the whole machine.
std::vector<std::string> MakeSpecialFiles(const test::TempFolder& folder) {
    EXPECT_EQ(::mkfifo(folder.File("fifo.cam").c_str(), 0644), 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    folder.File("socket.cam").copy(address.sun_path, sizeof address.sun_path - 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    EXPECT_EQ(::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(socket);
    std::vector<std::string> special = {folder.File("fifo.cam"), folder.File("socket.cam")};
    if (::mknod(folder.File("null.cam").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0)
        special.push_back(folder.File("null.cam"));
    return special;
}
#endif

TEST(ReplaceFileContents, ReplacesALongerFileWithExactlyTheNewBytes) {
    test::TempFolder folder;
    folder.Write("a.cam", std::string(40000, 'x'));
    ReplaceFileContents(folder.File("a.cam"), std::string("new\0bytes", 9));
    EXPECT_EQ(folder.Read("a.cam"), std::string("new\0bytes", 9));
    EXPECT_EQ(folder.Entries(), 1u) << "no temporary file is left behind";
}

// Names are UTF-8 in the program; the file system gets them in its own form (UTF-16 on
// Windows), so another program sees the same name.
struct ScriptNames {
    std::u8string_view folder, file, fileInOtherCase;
};

std::string Utf8(std::u8string_view text) {
    return {text.begin(), text.end()};
}

void PrintTo(const ScriptNames& names, std::ostream* out) {
    *out << Utf8(names.folder) << '/' << Utf8(names.file);
}

class NamesInEveryScript : public testing::TestWithParam<ScriptNames> {};

TEST_P(NamesInEveryScript, AreWrittenReadAndFound) {
    test::TempFolder temp;
    const auto& [folderName, fileName, otherCase] = GetParam();
    fs::create_directory(temp.Path() / folderName);
    const std::string folder = WithTrailingSeparator(temp.File(Utf8(folderName)));
    const std::string file = folder + Utf8(fileName);
    ReplaceFileContents(file, "first");
    ReplaceFileContents(file, "second");
    EXPECT_EQ(ReadFileBytes(file, false, read_limit::kTextFile), "second");
    EXPECT_TRUE(fs::is_regular_file(temp.Path() / folderName / fileName));
    EXPECT_TRUE(FileExists(folder));
    EXPECT_TRUE(FileExists(file));
    EXPECT_EQ(FileInFolder(folder, Utf8(fileName)), file);
    EXPECT_EQ(ReadFileBytes(FileInFolder(folder, Utf8(otherCase)), false, read_limit::kTextFile),
              "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.Path() / folderName), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(Scripts, NamesInEveryScript,
                         testing::Values(ScriptNames{u8"Été Größe", u8"Übung.cam", u8"Übung.CAM"},
                                         ScriptNames{u8"Łódź kampanie", u8"Demo.cam", u8"DEMO.CAM"},
                                         ScriptNames{u8"Кампания", u8"поход.cam", u8"поход.CAM"},
                                         ScriptNames{u8"戦役", u8"第一.cam", u8"第一.Cam"}));

// A file the test holds as a save in progress holds its temporary file: locked on Linux,
// open on Windows (where an open file cannot be deleted).
#ifdef _WIN32
using HeldFile = std::ofstream;
#else
class HeldFile {
  public:
    explicit HeldFile(const fs::path& path)
        : fd_(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644)) {
        ::flock(fd_, LOCK_EX);
    }
    ~HeldFile() { ::close(fd_); }

  private:
    int fd_;
};
#endif

TEST(ReplaceFileContents, RemovesWhatInterruptedSavesOfTheFileLeftButNotASaveInProgress) {
    test::TempFolder folder;
    folder.Write("a.cam", "old");
    folder.Write("a.cam.saving-0123abcd.tmp", "interrupted");
    folder.Write("b.cam.saving-0123abcd.tmp", "another file's");
    folder.Write("a.cam.saving-my-notes.tmp", "not a save's");
    const HeldFile inProgress(folder.Path() / "a.cam.saving-89abcdef.tmp");
    ReplaceFileContents(folder.File("a.cam"), "new");
    EXPECT_EQ(folder.Read("a.cam"), "new");
    EXPECT_FALSE(fs::exists(folder.Path() / "a.cam.saving-0123abcd.tmp"));
    EXPECT_EQ(folder.Entries(), 4u) << "the others stay";
}

TEST(ReplaceFileContents, RefusesWhatItMayNotWriteAndLeavesEverythingAsItWas) {
    test::TempFolder folder;
    folder.Write("read-only.cam", "old");
    fs::permissions(folder.Path() / "read-only.cam",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    fs::create_directory(folder.Path() / "folder.cam");
    std::vector<std::pair<std::string, std::string>> refused = {
        {folder.File("read-only.cam"), "70\r\nPermission denied: the file is read-only"},
        {folder.File("folder.cam"), kNotARegularFile},
        {folder.File("missing/a.cam"), "76\r\nPath not found"},
        {"", "52\r\nBad file name or number"}};
#ifndef _WIN32
    const std::vector<std::string> special = MakeSpecialFiles(folder);
    for (const std::string& path : special) refused.emplace_back(path, kNotARegularFile);
#endif
    const auto entries = folder.Entries();
    for (const auto& [path, report] : refused)
        EXPECT_EQ(ReportOf([&] { ReplaceFileContents(path, "x"); }), report) << path;
    EXPECT_EQ(folder.Read("read-only.cam"), "old");
    EXPECT_EQ(folder.Entries(), entries);
#ifndef _WIN32
    for (const std::string& path : special) EXPECT_FALSE(fs::is_regular_file(path)) << path;
#endif
}

// Opening a FIFO without a writer to read from it would wait for ever: a fault hangs here.
TEST(ReadFileBytes, RefusesWhatIsNotARegularFileAtOnce) {
    test::TempFolder folder;
    fs::create_directory(folder.Path() / "folder.cam");
    std::vector<std::string> refused = {folder.File("folder.cam")};
#ifndef _WIN32
    for (const std::string& path : MakeSpecialFiles(folder)) refused.push_back(path);
    refused.push_back("/dev/zero");
#endif
    for (const std::string& path : refused) {
        EXPECT_EQ(ReportOf([&] { ReadFileBytes(path, false, read_limit::kTextFile); }),
                  kNotARegularFile)
            << path;
    }
}

TEST(ReadFileBytes, ReadsBytesAndCreatesAMissingFileOnlyWhenAsked) {
    test::TempFolder folder;
    folder.Write("bytes", std::string("\0\xff\r\n", 4));
    EXPECT_EQ(ReadFileBytes(folder.File("bytes"), false, read_limit::kTextFile),
              std::string("\0\xff\r\n", 4));
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes(folder.File("none"), false, read_limit::kTextFile); }),
              ErrorNumber::FileNotFound);
    EXPECT_FALSE(fs::exists(folder.File("none")));
    EXPECT_EQ(ReadFileBytes(folder.File("new.txt"), true, read_limit::kTextFile), "");
    EXPECT_TRUE(fs::exists(folder.File("new.txt")));
    EXPECT_EQ(ErrorOf([&] {
                  ReadFileBytes(folder.File("missing/new.txt"), true, read_limit::kTextFile);
              }),
              ErrorNumber::PathNotFound);
}

TEST(ReadFileBytes, ReadsAFileOfExactlyTheBoundAndRefusesOneByteMore) {
    test::TempFolder folder;
    folder.Write("a.cam", std::string(100, 'a'));
    EXPECT_EQ(ReadFileBytes(folder.File("a.cam"), false, 100).size(), 100u);
    EXPECT_EQ(ReportOf([&] { ReadFileBytes(folder.File("a.cam"), false, 99); }),
              "75\r\nPath/File access error: the file is larger than 99 bytes");
#ifndef _WIN32
    // The system makes up /proc/self/status as it is read, past its size of 0.
    EXPECT_EQ(ErrorOf([] { ReadFileBytes("/proc/self/status", false, 10); }), 75);
#endif
}

TEST(FileInFolder, FindsAFileWhateverTheCaseOfItsLetters) {
    test::TempFolder folder;
    folder.Write("camp1.txt", "");
    const std::string base = folder.File("");
    EXPECT_EQ(FileInFolder(base, "camp1.txt"), base + "camp1.txt");
    EXPECT_EQ(FileInFolder(base, "new.txt"), base + "new.txt") << "no match: the name as it is";
    EXPECT_EQ(FileInFolder(base + "missing/", "a.txt"), base + "missing/a.txt");
#ifdef _WIN32
    // Windows itself finds a file whatever the case of its name.
    EXPECT_EQ(FileInFolder(base, "CAMP1.TXT"), base + "CAMP1.TXT");
    EXPECT_EQ(ReadFileBytes(FileInFolder(base, "CAMP1.TXT"), false, read_limit::kTextFile), "");
#else
    EXPECT_EQ(FileInFolder(base, "CAMP1.TXT"), base + "camp1.txt");
    folder.Write("CAMP1.TXT", "");
    EXPECT_EQ(FileInFolder(base, "CAMP1.TXT"), base + "CAMP1.TXT") << "an exact match first";
    EXPECT_EQ(FileInFolder(base, "Camp1.txt"), base + "CAMP1.TXT") << "then the first in order";
#endif
}

#ifndef _WIN32
// Links, owners and limits of the process: what Linux has of its own.

TEST(ReadFileBytes, NeverCreatesTheMissingTargetOfALink) {
    test::TempFolder folder;
    fs::create_symlink(folder.Path() / "target.cam", folder.Path() / "link.cam");
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes(folder.File("link.cam"), true, 100); }),
              ErrorNumber::FileNotFound);
    EXPECT_FALSE(fs::exists(folder.Path() / "target.cam"));
}

TEST(ReplaceFileContents, WritesTheFinalTargetOfLinksAndKeepsTheLinks) {
    test::TempFolder folder;
    const fs::path target = folder.Path() / "real" / "target.cam";
    const std::vector<std::pair<std::string, fs::path>> links = {
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
}

TEST(ReplaceFileContents, KeepsTheOldFilesPermissionsOwnerAndGroup) {
    test::TempFolder folder;
    folder.Write("a.txt", "old");
    const fs::path file = folder.Path() / "a.txt";
    if (::geteuid() != 0) GTEST_SKIP() << "only root gives a file to another owner";
    ASSERT_EQ(::chown(file.c_str(), 1234, 5678), 0);
    // Set-user-ID and set-group-ID too, which a change of owner would clear.
    ASSERT_EQ(::chmod(file.c_str(), 06750), 0);
    ReplaceFileContents(file, "new");
    struct stat saved {};
    ASSERT_EQ(::stat(file.c_str(), &saved), 0);
    EXPECT_EQ(saved.st_mode & 07777, 06750u);
    EXPECT_EQ(std::pair(saved.st_uid, saved.st_gid), std::pair(1234u, 5678u));
}

TEST(ReplaceFileContents, LeavesTheOldFileWholeWhenTheDiskIsFull) {
    test::TempFolder folder;
    folder.Write("a.cam", "old");
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{4096, old.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const std::string report =
        ReportOf([&] { ReplaceFileContents(folder.File("a.cam"), std::string(10000, 'x')); });
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(report, "61\r\nDisk full");
    EXPECT_EQ(folder.Read("a.cam"), "old");
    EXPECT_EQ(folder.Entries(), 1u);
}
#endif

}  // namespace
}  // namespace xal::platform
