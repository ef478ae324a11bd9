#ifdef _WIN32
#include <windows.h>

#include "platform/registry_primitives.h"

namespace xal::platform::registry {
namespace {

HKEY RootKey(std::uint32_t root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}
HKEY AsKey(Handle key) {
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

long CreateKey(std::uint32_t root, const std::string& path, std::uint32_t access, Handle* key) {
    HKEY result = nullptr;
    DWORD disposition = 0;
    LONG status = RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  access, nullptr, &result, &disposition);
    *key = reinterpret_cast<Handle>(result);
    return status;
}

long OpenKey(std::uint32_t root, const std::string& path, std::uint32_t access, Handle* key) {
    HKEY result = nullptr;
    LONG status = RegOpenKeyExA(RootKey(root), path.c_str(), 0, access, &result);
    *key = reinterpret_cast<Handle>(result);
    return status;
}

long QueryValue(Handle key, const std::string& name, std::uint32_t* type, unsigned char* data,
                std::uint32_t* size) {
    DWORD valueType = 0;
    DWORD valueSize = size ? *size : 0;
    LONG status = RegQueryValueExA(AsKey(key), name.c_str(), nullptr, &valueType, data, &valueSize);
    if (type) *type = valueType;
    if (size) *size = valueSize;
    return status;
}

long SetValue(Handle key, const std::string& name, std::uint32_t type, const unsigned char* data,
              std::uint32_t size) {
    return RegSetValueExA(AsKey(key), name.c_str(), 0, type, data, size);
}

long CloseKey(Handle key) {
    return RegCloseKey(AsKey(key));
}

}  // namespace xal::platform::registry
#endif
