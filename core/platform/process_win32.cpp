// SPDX-License-Identifier: MIT
#ifdef _WIN32
#include <windows.h>

#include "core/base/utf16.h"
#include "core/platform/process.h"

namespace xal::platform {

bool StartCommandLine(const std::string& commandLine) {
    const std::u16string units = utf16::FromUtf8(commandLine);
    // CreateProcessW may write into the command line, so it gets a copy of its own.
    std::wstring line(units.begin(), units.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace xal::platform
#endif
