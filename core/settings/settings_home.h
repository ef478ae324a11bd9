// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/registry/registry.h"

namespace xal {

// Where the program keeps what it remembers: under HKEY_LOCAL_MACHINE, as it always has,
// when it may write there; otherwise, as for a standard user of Windows, under the user's
// own HKEY_CURRENT_USER, whose values then come first and HKEY_LOCAL_MACHINE's fill in
// what the user has never set (an installer's or administrator's defaults).
std::uint32_t SettingsWriteRoot();

// A value where the program keeps it, as above; no value when neither place has one.
RegistryValue ReadSetting(const std::string& keyPath, const std::string& valueName);
// Writes the value where the program may write.
void WriteSetting(const std::string& keyPath, const std::string& valueName,
                  const RegistryValue& value, std::uint32_t valueType);

// Runs `change`, which reads and writes settings as above, as one update of the settings:
// another editor's update waits until it ends, and what it writes is stored at once at its
// end (on Windows, as it is written), or not at all when nothing changed. Raises the first
// failure, naming the settings file (on Windows the key), and what `change` raises; on
// Linux nothing is stored then.
void UpdateSettings(const std::function<void()>& change);

}  // namespace xal
