// SPDX-License-Identifier: MIT
#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <sddl.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/base/utf16.h"
#include "core/settings/settings.h"
#include "support/registry_sandbox.h"

namespace xal::test {
namespace {

std::wstring Wide(std::string_view utf8) {
    const std::u16string units = utf16::FromUtf8(utf8);
    return std::wstring(units.begin(), units.end());
}

std::string Utf8(const wchar_t* wide, std::size_t length) {
    return utf16::ToUtf8(std::u16string(wide, wide + length));
}

bool IsText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// Opens a key, of HKEY_LOCAL_MACHINE unless told otherwise, or gives null.
HKEY Open(const std::string& key, REGSAM access, HKEY root = HKEY_LOCAL_MACHINE) {
    HKEY handle = nullptr;
    return RegOpenKeyExW(root, Wide(key).c_str(), 0, access, &handle) == ERROR_SUCCESS ? handle
                                                                                       : nullptr;
}

// The game's key as a whole, with its vendor's parent key, in the 64-bit and the 32-bit view.
constexpr const char* kGameVendorKey = "Software\\Ostrand";
constexpr const char* kGameVendorKey32 = "Software\\Wow6432Node\\Ostrand";

// Set by the Windows test script, whose Wine prefix is made for the run and thrown away.
constexpr const char* kThrowawayVariable = "XAL_THROWAWAY_REGISTRY";

bool RegistryIsThrowaway() {
    const char* value = std::getenv(kThrowawayVariable);
    return value && std::string_view(value) == "1";
}

// The value as stored under the root, or nothing.
std::optional<platform::RegFileValue> StoredUnder(HKEY root, const std::string& key,
                                                  const std::string& name) {
    HKEY handle = Open(key, KEY_QUERY_VALUE, root);
    if (!handle) return std::nullopt;
    const std::wstring wideName = Wide(name);
    DWORD type = 0;
    DWORD size = 0;
    std::optional<platform::RegFileValue> value;
    if (RegQueryValueExW(handle, wideName.c_str(), nullptr, &type, nullptr, &size) ==
        ERROR_SUCCESS) {
        std::string data(size, '\0');
        if (RegQueryValueExW(handle, wideName.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(data.data()), &size) == ERROR_SUCCESS) {
            data.resize(size);
            if (IsText(type))
                data = Utf8(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
            value = platform::RegFileValue{name, type, data};
        }
    }
    RegCloseKey(handle);
    return value;
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
    for (const char* key : {settings_keys::kSettingsKey, kGameVendorKey, kGameVendorKey32})
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, Wide(key).c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, Wide(settings_keys::kSettingsKey).c_str());
}

RegistrySandbox::~RegistrySandbox() = default;

// Text, given and returned in UTF-8, is stored in the registry's UTF-16.
void RegistrySandbox::Plant(const std::string& key, const std::string& name, std::uint32_t type,
                            const std::string& data) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, Wide(key).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return;
    const std::wstring text = Wide(data);
    RegSetValueExW(handle, Wide(name).c_str(), 0, type,
                   IsText(type) ? reinterpret_cast<const BYTE*>(text.data())
                                : reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(IsText(type) ? text.size() * sizeof(wchar_t) : data.size()));
    RegCloseKey(handle);
}

void RegistrySandbox::RefuseWrites(const std::string& key) {
    HKEY handle = nullptr;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, Wide(key).c_str(), 0, nullptr, 0, WRITE_DAC, nullptr,
                    &handle, nullptr);
    // Everyone is denied KEY_SET_VALUE and KEY_CREATE_SUB_KEY, and allowed the rest.
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(D;;0x6;;;WD)(A;;KA;;;WD)",
                                                         SDDL_REVISION_1, &descriptor, nullptr);
    RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, descriptor);
    LocalFree(descriptor);
    RegCloseKey(handle);
}

std::optional<platform::RegFileValue> RegistrySandbox::StoredForUser(const std::string& key,
                                                                     const std::string& name) {
    return StoredUnder(HKEY_CURRENT_USER, key, name);
}

std::optional<platform::RegFileValue> RegistrySandbox::Stored(const std::string& key,
                                                              const std::string& name) {
    return StoredUnder(HKEY_LOCAL_MACHINE, key, name);
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
    wchar_t name[16384];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name / sizeof name[0];
        if (RegEnumValueW(handle, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.push_back(Utf8(name, length));
    }
    RegCloseKey(handle);
    return names;
}

}  // namespace xal::test
#endif
