// SPDX-License-Identifier: MIT
#include "core/base/error.h"

#include <gtest/gtest.h>

namespace xal {
namespace {

TEST(ReadErrorReport, GivesBackTheNumberAndTheLinesAfterItWhateverTheirEndings) {
    const RunTimeError reported(13, "Type mismatch\r\nNo nodes", "File: a.cam");
    struct Case {
        std::string printed;
        int number;
        std::string description;
    };
    const Case cases[] = {
        {reported.Report() + "\r\n", 13, "Type mismatch\r\nNo nodes\r\nFile: a.cam"},
        {"61\nDisk full\n", 61, "Disk full"},
        {"61\r\r\nDisk full\r\r\nwhy\r\r\n", 61, "Disk full\r\nwhy"},
        {"Segmentation fault", ErrorNumber::InternalError, "Segmentation fault"},
        {"13 Type\nmismatch", ErrorNumber::InternalError, "13 Type\nmismatch"},
    };
    for (const Case& c : cases) {
        const RunTimeError read = ReadErrorReport(c.printed);
        EXPECT_EQ(read.Number(), c.number) << c.printed;
        EXPECT_EQ(read.Description(), c.description) << c.printed;
    }
}

}  // namespace
}  // namespace xal
