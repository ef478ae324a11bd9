// SPDX-License-Identifier: MIT
#include "cli/command_failures.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "core/base/error.h"

namespace xal {
namespace {

TEST(RunReportingErrors, TellsEveryFailureWithANumberAndTheFile) {
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[] { Raise(ErrorNumber::DiskFull); }, "error 61: Disk full (f.cam)\n"},
        {[] { throw std::bad_alloc(); }, "error 7: Out of memory (f.cam)\n"},
        {[] { throw std::logic_error("unforeseen"); },
         "error 51: Internal error: unforeseen (f.cam)\n"},
        {[] { throw "not an exception class"; }, "error 51: Internal error (f.cam)\n"}};
    for (const auto& [body, told] : cases) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(cli::RunReportingErrors("f.cam", body), 1);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), told);
    }
}

}  // namespace
}  // namespace xal
