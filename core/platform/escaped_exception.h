// SPDX-License-Identifier: MIT
#pragma once

namespace xal {
class RunTimeError;
}

namespace xal::platform {

// The exception being handled as the program's run-time error: a run-time error as it is,
// anything else as 7 "Out of memory" or 51 "Internal error" with a line of what the
// exception says. Only for a catch block.
RunTimeError HandledExceptionAsError();

// Tells the user of the exception being handled, one that nothing caught before, as
// HandledExceptionAsError makes it: in a message box where one is installed, on standard
// error otherwise. Only for a catch block.
void ReportEscapedException();

}  // namespace xal::platform
