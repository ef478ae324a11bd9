#include <gtest/gtest.h>

#include <filesystem>

#include "platform/error.h"
#include "platform/file_system.h"
#include "support/error_of.h"
#include "support/temp_folder.h"

namespace xal::platform {
namespace {

using test::ErrorOf;

TEST(ReplaceFileContents, ReplacesALongerFileWithExactlyTheNewBytes) {
    test::TempFolder folder;
    folder.Write("a.cam", std::string(40000, 'x'));
    ReplaceFileContents(folder.File("a.cam"), std::string("new\0bytes", 9));
    EXPECT_EQ(folder.Read("a.cam"), std::string("new\0bytes", 9));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
        << "no temporary file is left behind";
}

#ifndef _WIN32
// Windows files have no permission bits to keep.
TEST(ReplaceFileContents, KeepsTheOldFilesPermissions) {
    test::TempFolder folder;
    folder.Write("a.txt", "old");
    std::filesystem::permissions(folder.File("a.txt"), std::filesystem::perms(0640));
    ReplaceFileContents(folder.File("a.txt"), "new");
    EXPECT_EQ(std::filesystem::status(folder.File("a.txt")).permissions(),
              std::filesystem::perms(0640));
}
#endif

// Names are text in the system's code page (Windows-1252 under Wine), the same to every
// file function; the bytes 0x80 to 0x9f are where that code page and Latin-1 part.
TEST(ReplaceFileContents, WritesAndReadsNamesInTheSystemsCodePage) {
    test::TempFolder folder;
    const std::string name = "\x80t\xe9\x9c.cam";
    ReplaceFileContents(folder.File(name), "first");
    ReplaceFileContents(folder.File(name), "second");
    EXPECT_EQ(ReadFileBytes(folder.File(name), false), "second");
    EXPECT_TRUE(FileExists(folder.File(name)));
    EXPECT_EQ(FileInFolder(folder.File(""), name), folder.File(name));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
        << "one file, no temporary one left behind";
}

TEST(ReplaceFileContents, FailsWithoutTouchingAnything) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder.File("folder.cam"));
    EXPECT_EQ(ErrorOf([&] { ReplaceFileContents(folder.File("folder.cam"), "x"); }),
              ErrorNumber::PathFileAccessError);
    EXPECT_EQ(ErrorOf([&] { ReplaceFileContents(folder.File("missing/a.cam"), "x"); }),
              ErrorNumber::PathNotFound);
    EXPECT_EQ(ErrorOf([&] { ReplaceFileContents("", "x"); }), ErrorNumber::BadFileName);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(ReadFileBytes, ReadsBytesAndCreatesAMissingFileOnlyWhenAsked) {
    test::TempFolder folder;
    folder.Write("bytes", std::string("\0\xff\r\n", 4));
    EXPECT_EQ(ReadFileBytes(folder.File("bytes"), false), std::string("\0\xff\r\n", 4));
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes(folder.File("none"), false); }),
              ErrorNumber::FileNotFound);
    EXPECT_FALSE(std::filesystem::exists(folder.File("none")));
    EXPECT_EQ(ReadFileBytes(folder.File("new.txt"), true), "");
    EXPECT_TRUE(std::filesystem::exists(folder.File("new.txt")));
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes(folder.File("missing/new.txt"), true); }),
              ErrorNumber::PathNotFound);
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
    EXPECT_EQ(ReadFileBytes(FileInFolder(base, "CAMP1.TXT"), false), "");
#else
    EXPECT_EQ(FileInFolder(base, "CAMP1.TXT"), base + "camp1.txt");
    folder.Write("CAMP1.TXT", "");
    EXPECT_EQ(FileInFolder(base, "CAMP1.TXT"), base + "CAMP1.TXT") << "an exact match first";
    EXPECT_EQ(FileInFolder(base, "Camp1.txt"), base + "CAMP1.TXT") << "then the first in order";
#endif
}

}  // namespace
}  // namespace xal::platform
