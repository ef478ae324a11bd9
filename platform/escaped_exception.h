// SPDX-License-Identifier: MIT
#pragma once

namespace xal::platform {

// Tells the user of the exception being handled, one that nothing caught before: a run-time
// error as it is, anything else as 7 "Out of memory" or 51 "Internal error" with what the
// exception says. In a message box where one is installed, on standard error otherwise.
// Only for a catch block.
void ReportEscapedException();

}  // namespace xal::platform
