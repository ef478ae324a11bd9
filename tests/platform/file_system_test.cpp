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

TEST(ReplaceFileContents, KeepsTheOldFilesPermissions) {
    test::TempFolder folder;
    folder.Write("a.txt", "old");
    std::filesystem::permissions(folder.File("a.txt"), std::filesystem::perms(0640));
    ReplaceFileContents(folder.File("a.txt"), "new");
    EXPECT_EQ(std::filesystem::status(folder.File("a.txt")).permissions(),
              std::filesystem::perms(0640));
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
    EXPECT_EQ(FileInFolder(base, "CAMP1.TXT"), base + "camp1.txt");
    EXPECT_EQ(FileInFolder(base, "camp1.txt"), base + "camp1.txt");
    EXPECT_EQ(FileInFolder(base, "new.txt"), base + "new.txt") << "no match: the name as it is";
    folder.Write("CAMP1.TXT", "");
    EXPECT_EQ(FileInFolder(base, "CAMP1.TXT"), base + "CAMP1.TXT") << "an exact match first";
    EXPECT_EQ(FileInFolder(base, "Camp1.txt"), base + "CAMP1.TXT") << "then the first in order";
    EXPECT_EQ(FileInFolder(base + "missing/", "a.txt"), base + "missing/a.txt");
}

}  // namespace
}  // namespace xal::platform
