// SPDX-License-Identifier: MIT
#ifdef _WIN32
#include <gtest/gtest.h>

#include <filesystem>

#include "core/platform/process.h"
#include "support/temp_folder.h"

namespace xal::platform {
namespace {

// A program in a folder named in any script starts; one that is not there does not.
TEST(StartCommandLine, StartsTheProgramTheCommandLineNamesWhereverItIs) {
    test::TempFolder folder;
    const std::filesystem::path program = folder.Path() / u8"Редактор сценариев" / "cmd.exe";
    std::filesystem::create_directories(program.parent_path());
    std::filesystem::copy_file("C:\\windows\\system32\\cmd.exe", program);
    const std::string path = folder.File("Редактор сценариев\\cmd.exe");
    EXPECT_TRUE(StartCommandLine("\"" + path + "\" /c exit 0"));
    EXPECT_FALSE(StartCommandLine("\"" + folder.File("missing.exe") + "\" /c exit 0"));
}

}  // namespace
}  // namespace xal::platform
#endif
