// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace xal::platform {

#ifdef _WIN32
// Starts a program with this whole command line, exactly as given (CreateProcessW: the
// program's path first, quoted when it holds blanks, in any script), and does not wait
// for it. False when it could not be started.
bool StartCommandLine(const std::string& commandLine);
#endif

}  // namespace xal::platform
