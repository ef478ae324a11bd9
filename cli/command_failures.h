// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

namespace xal::cli {

// Runs a command body: a failure is printed as "error N: description (file)" on standard
// error, without the parenthesis when no file is given, and gives status 1. A run-time
// error keeps its number; any other exception, which no command should let escape, is
// told too, as 7 "Out of memory" or 51 "Internal error" with what it says.
int RunReportingErrors(const std::string& file, const std::function<void()>& body);

}  // namespace xal::cli
