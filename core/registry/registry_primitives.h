// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The registry primitives, with the meaning of the Windows registry calls: on Windows
// advapi32's wide-character calls, elsewhere a file store in Wine's registry format. Key
// and value names are UTF-8, and so is the data of a text value (REG_SZ, REG_EXPAND_SZ,
// REG_MULTI_SZ), terminating zero included, which Windows holds as UTF-16. The file store
// raises the failures of its file (a full disk, a read-only file, its lock) as run-time
// errors that name the file, where Windows returns a result.
namespace xal::platform::registry {

using Handle = std::uintptr_t;

inline constexpr std::uint32_t kCurrentUser = 0x80000001u;   // HKEY_CURRENT_USER
inline constexpr std::uint32_t kLocalMachine = 0x80000002u;  // HKEY_LOCAL_MACHINE

// Results, as the Windows calls return them.
inline constexpr long kSuccess = 0;
inline constexpr long kFileNotFound = 2;
inline constexpr long kInvalidHandle = 6;
inline constexpr long kMoreData = 234;

// Access rights used by the program.
inline constexpr std::uint32_t kQueryValue = 0x0001;
inline constexpr std::uint32_t kSetValue = 0x0002;
inline constexpr std::uint32_t kCreateSubKey = 0x0004;
inline constexpr std::uint32_t kAllSpecificRights = 0x003F;
// Added to the rights: the key as 32-bit programs see it (KEY_WOW64_32KEY). The file store
// elsewhere has one view only.
inline constexpr std::uint32_t kWow64_32Key = 0x0200;

// RegCreateKeyExW: creates the key with its missing parents, or opens it.
long CreateKey(std::uint32_t root, const std::string& path, std::uint32_t access, Handle* key);
// RegOpenKeyExW: opens an existing key.
long OpenKey(std::uint32_t root, const std::string& path, std::uint32_t access, Handle* key);
// RegQueryValueExW: with no data buffer, gives the type and size; with one, the data
// (kMoreData and the size needed when the buffer is too small).
long QueryValue(Handle key, const std::string& name, std::uint32_t* type, unsigned char* data,
                std::uint32_t* size);
// RegSetValueExW.
long SetValue(Handle key, const std::string& name, std::uint32_t type, const unsigned char* data,
              std::uint32_t size);
// RegCloseKey.
long CloseKey(Handle key);

// Runs the calls `body` makes as one update of the store: an update of another process or
// thread waits until it ends, and one that `body` starts is part of it. The file store
// reads its file once and writes it once, when `body` has ended and only if something
// changed; what `body` raises leaves it unwritten. Windows writes each value when it is
// set. Raises what `body` raises, and the file store's failure.
void RunUpdate(const std::function<void()>& body);
// Whether this thread runs an update.
bool InUpdate();

}  // namespace xal::platform::registry
