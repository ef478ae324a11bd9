// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace xal::platform {

// The text of a REG_SZ value in the machine registry of a Wine prefix ("system.reg"), in
// UTF-8. A 32-bit program's key under "Software\" lies under "Software\Wow6432Node\" in a
// 64-bit prefix, so that is looked in when the key itself holds no such text. Nothing when
// the file cannot be read (it is no regular file, or too large), is not in Wine's format,
// or holds no such value or only the empty text. The file is only read.
std::optional<std::string> WineMachineText(const std::string& prefix, const std::string& keyPath,
                                           const std::string& valueName);

}  // namespace xal::platform
