// SPDX-License-Identifier: MIT
#include "core/settings/settings_home.h"

#include "core/base/error.h"
#include "core/settings/settings.h"

namespace xal {

std::uint32_t SettingsWriteRoot() {
    return RegistryKeyIsWritable(HKEY_LOCAL_MACHINE_ROOT, settings_keys::kSettingsKey)
               ? HKEY_LOCAL_MACHINE_ROOT
               : HKEY_CURRENT_USER_ROOT;
}

RegistryValue ReadSetting(const std::string& keyPath, const std::string& valueName) {
    if (SettingsWriteRoot() == HKEY_CURRENT_USER_ROOT) {
        RegistryValue own = RegistryGetKeyValue(HKEY_CURRENT_USER_ROOT, keyPath, valueName);
        // An emptied value is the user's choice too; only an absent one falls through.
        if (!own.IsEmpty()) return own;
    }
    return RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, keyPath, valueName);
}

void UpdateSettings(const std::function<void()>& change) {
    try {
        platform::registry::RunUpdate(change);
    } catch (const RunTimeError& error) {
        if (!error.Concerns().empty()) throw;
        const bool machine = SettingsWriteRoot() == HKEY_LOCAL_MACHINE_ROOT;
        throw error.Concerning(std::string("Key: ") +
                               (machine ? "HKEY_LOCAL_MACHINE\\" : "HKEY_CURRENT_USER\\") +
                               settings_keys::kSettingsKey);
    }
}

void WriteSetting(const std::string& keyPath, const std::string& valueName,
                  const RegistryValue& value, std::uint32_t valueType) {
    RegistrySetKeyValue(SettingsWriteRoot(), keyPath, valueName, value, valueType);
}

}  // namespace xal
