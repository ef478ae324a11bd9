// SPDX-License-Identifier: MIT
#ifdef _WIN32
#include <windows.h>

#include <cstring>
#include <string>
#include <string_view>

#include "core/base/error.h"
#include "core/base/utf16.h"
#include "core/registry/registry_primitives.h"

namespace xal::platform::registry {
namespace {

thread_local int updateDepth = 0;

HKEY RootKey(std::uint32_t root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}
HKEY AsKey(Handle key) {
    return reinterpret_cast<HKEY>(key);
}

std::wstring Wide(std::string_view utf8) {
    const std::u16string units = utf16::FromUtf8(utf8);
    return std::wstring(units.begin(), units.end());
}

bool IsTextType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// A text value's UTF-16 data as UTF-8, read whole however long it has grown meanwhile.
LONG ReadText(HKEY key, const std::wstring& name, DWORD size, std::string& utf8) {
    std::u16string units;
    LONG status = ERROR_MORE_DATA;
    while (status == ERROR_MORE_DATA) {
        units.assign(size / 2 + 1, u'\0');
        size = static_cast<DWORD>(units.size() * 2);
        status = RegQueryValueExW(key, name.c_str(), nullptr, nullptr,
                                  reinterpret_cast<BYTE*>(units.data()), &size);
    }
    units.resize(size / 2);
    utf8 = utf16::ToUtf8(units);
    return status;
}

}  // namespace

long CreateKey(std::uint32_t root, const std::string& path, std::uint32_t access, Handle* key) {
    HKEY result = nullptr;
    DWORD disposition = 0;
    LONG status = RegCreateKeyExW(RootKey(root), Wide(path).c_str(), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, access, nullptr, &result, &disposition);
    *key = reinterpret_cast<Handle>(result);
    return status;
}

long OpenKey(std::uint32_t root, const std::string& path, std::uint32_t access, Handle* key) {
    HKEY result = nullptr;
    LONG status = RegOpenKeyExW(RootKey(root), Wide(path).c_str(), 0, access, &result);
    *key = reinterpret_cast<Handle>(result);
    return status;
}

long QueryValue(Handle key, const std::string& name, std::uint32_t* type, unsigned char* data,
                std::uint32_t* size) {
    const std::wstring wideName = Wide(name);
    DWORD valueType = 0;
    DWORD storedSize = 0;
    LONG status =
        RegQueryValueExW(AsKey(key), wideName.c_str(), nullptr, &valueType, nullptr, &storedSize);
    if (status != ERROR_SUCCESS) return status;
    if (type) *type = valueType;
    if (!IsTextType(valueType)) {
        DWORD valueSize = size ? *size : 0;
        status = RegQueryValueExW(AsKey(key), wideName.c_str(), nullptr, nullptr, data, &valueSize);
        if (size) *size = valueSize;
        return status;
    }
    std::string text;
    status = ReadText(AsKey(key), wideName, storedSize, text);
    if (status != ERROR_SUCCESS) return status;
    const auto needed = static_cast<std::uint32_t>(text.size());
    if (data) {
        if (!size || *size < needed) {
            if (size) *size = needed;
            return kMoreData;
        }
        std::memcpy(data, text.data(), needed);
    }
    if (size) *size = needed;
    return kSuccess;
}

long SetValue(Handle key, const std::string& name, std::uint32_t type, const unsigned char* data,
              std::uint32_t size) {
    const std::wstring wideName = Wide(name);
    if (!IsTextType(type)) return RegSetValueExW(AsKey(key), wideName.c_str(), 0, type, data, size);
    const std::u16string units =
        utf16::FromUtf8(std::string_view(reinterpret_cast<const char*>(data), data ? size : 0));
    return RegSetValueExW(AsKey(key), wideName.c_str(), 0, type,
                          reinterpret_cast<const BYTE*>(units.data()),
                          static_cast<DWORD>(units.size() * sizeof(char16_t)));
}

long CloseKey(Handle key) {
    return RegCloseKey(AsKey(key));
}

// Updates of the program's processes take turns through a mutex of the user's session.
void RunUpdate(const std::function<void()>& body) {
    if (updateDepth > 0) return body();
    const HANDLE turn = CreateMutexW(nullptr, FALSE, L"Local\\XaL Campaign Editor settings");
    if (!turn) {
        throw RunTimeError(ErrorNumber::PathFileAccessError,
                           StandardDescription(ErrorNumber::PathFileAccessError))
            .Because("The settings could not be locked (error " + std::to_string(GetLastError()) +
                     ").");
    }
    WaitForSingleObject(turn, INFINITE);  // a turn its holder left by ending is taken too
    ++updateDepth;
    struct EndTurn {
        HANDLE turn;
        ~EndTurn() {
            --updateDepth;
            ReleaseMutex(turn);
            CloseHandle(turn);
        }
    } endTurn{turn};
    body();
}

bool InUpdate() {
    return updateDepth > 0;
}

}  // namespace xal::platform::registry
#endif
