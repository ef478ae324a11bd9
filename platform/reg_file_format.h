#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace xal::platform {

// Registry value type codes.
namespace RegType {
inline constexpr std::uint32_t None = 0;
inline constexpr std::uint32_t Sz = 1;
inline constexpr std::uint32_t ExpandSz = 2;
inline constexpr std::uint32_t Binary = 3;
inline constexpr std::uint32_t Dword = 4;
inline constexpr std::uint32_t MultiSz = 7;
}  // namespace RegType

// One value as a program sees it through the ANSI registry functions: its type and its
// data bytes (text in Windows-1252, terminating zero included when it was stored).
struct RegFileValue {
    std::string name;  // empty for the default value ("@")
    std::uint32_t type = RegType::None;
    std::string data;
};

struct RegFileKey {
    std::string path;  // components separated by a single "\"
    std::vector<RegFileValue> values;

    RegFileValue* FindValue(const std::string& name);
};

// The contents of a registry file in Wine's text format ("WINE REGISTRY Version 2").
struct RegFile {
    std::vector<std::string> metaLines;  // lines such as "#arch=win64" after the header
    std::vector<RegFileKey> keys;

    // The key with this path (letters compared without case), or null.
    RegFileKey* FindKey(const std::string& path);
    // Whether the key exists, on its own or as the parent of another key.
    bool KeyExists(const std::string& path) const;
    // The key with this path, created with its missing parents when absent.
    RegFileKey& EnsureKey(const std::string& path);
};

// Parses a registry file. Returns nothing and describes the fault when the text is not
// in the format.
std::optional<RegFile> ParseRegFile(const std::string& text, std::string* error);

// Writes a registry file in Wine's text format.
std::string FormatRegFile(const RegFile& file);

}  // namespace xal::platform
