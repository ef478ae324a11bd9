#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "settings/settings.h"
#include "support/registry_sandbox.h"

namespace xal::test {
namespace {

// Opens a key of HKEY_LOCAL_MACHINE, or gives null.
HKEY Open(const std::string& key, REGSAM access) {
    HKEY handle = nullptr;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, access, &handle) == ERROR_SUCCESS
               ? handle
               : nullptr;
}

// The game's key as a whole, with its vendor's parent key.
constexpr const char* kGameVendorKey = "Software\\Ostrand";

// Set by the Windows test script, whose Wine prefix is made for the run and thrown away.
constexpr const char* kThrowawayVariable = "XAL_THROWAWAY_REGISTRY";

bool RegistryIsThrowaway() {
    const char* value = std::getenv(kThrowawayVariable);
    return value && std::string_view(value) == "1";
}

}  // namespace

RegistrySandbox::RegistrySandbox() {
    // The tests remove the keys of the editor and of the game, so they never run against a
    // registry that someone's editor or game relies on.
    if (!RegistryIsThrowaway()) {
        std::fprintf(stderr,
                     "These tests rewrite HKEY_LOCAL_MACHINE\\%s and the game's key. Run them "
                     "only in a throwaway Wine prefix or machine, with %s=1.\n",
                     settings_keys::kSettingsKey, kThrowawayVariable);
        std::exit(1);
    }
    for (const char* key : {settings_keys::kSettingsKey, kGameVendorKey})
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, key);
}

RegistrySandbox::~RegistrySandbox() = default;

void RegistrySandbox::Plant(const std::string& key, const std::string& name, std::uint32_t type,
                            const std::string& data) {
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &handle, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(handle, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size()));
    RegCloseKey(handle);
}

std::optional<platform::RegFileValue> RegistrySandbox::Stored(const std::string& key,
                                                              const std::string& name) {
    HKEY handle = Open(key, KEY_QUERY_VALUE);
    if (!handle) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    std::optional<platform::RegFileValue> value;
    if (RegQueryValueExA(handle, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::string data(size, '\0');
        if (RegQueryValueExA(handle, name.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(data.data()), &size) == ERROR_SUCCESS)
            value = platform::RegFileValue{name, type, data.substr(0, size)};
    }
    RegCloseKey(handle);
    return value;
}

bool RegistrySandbox::KeyExists(const std::string& key) {
    HKEY handle = Open(key, KEY_QUERY_VALUE);
    if (handle) RegCloseKey(handle);
    return handle != nullptr;
}

std::vector<std::string> RegistrySandbox::ValueNames(const std::string& key) {
    std::vector<std::string> names;
    HKEY handle = Open(key, KEY_QUERY_VALUE);
    if (!handle) return names;
    char name[16384];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (RegEnumValueA(handle, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    RegCloseKey(handle);
    return names;
}

}  // namespace xal::test
#endif
