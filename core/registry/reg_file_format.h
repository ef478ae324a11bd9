// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
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

// One value as the program sees it: its type and its data bytes. Text (REG_SZ,
// REG_EXPAND_SZ, REG_MULTI_SZ) is UTF-8, terminating zero included when it was stored;
// the file holds it as UTF-16, in escapes or in hex.
struct RegFileValue {
    std::string name;  // UTF-8; empty for the default value ("@")
    std::uint32_t type = RegType::None;
    std::string data;

    bool operator==(const RegFileValue&) const = default;
};

struct RegFileKey {
    std::string path;  // UTF-8, components separated by a single "\"; fixed once in a RegFile
    std::vector<RegFileValue> values;

    // The value of that name (letters A to Z compared without case), or null.
    RegFileValue* FindValue(const std::string& name);
    const RegFileValue* FindValue(const std::string& name) const;

    bool operator==(const RegFileKey&) const = default;
};

// The contents of a registry file in Wine's text format ("WINE REGISTRY Version 2").
// Keys are compared without case in the letters A to Z, as the program's keys are
// named, and found through an index, so a file of many keys reads in linear time.
class RegFile {
  public:
    std::vector<std::string> metaLines;  // lines such as "#arch=win64" before the first key

    // The keys in the order of the file, each after its parent.
    const std::vector<RegFileKey>& Keys() const { return keys_; }
    // The key with this path, or null.
    RegFileKey* FindKey(const std::string& path);
    const RegFileKey* FindKey(const std::string& path) const;
    // Whether the key exists, on its own or as the parent of another key.
    bool KeyExists(const std::string& path) const;
    // The key with this path, created with its missing parents when absent. The reference
    // lasts until the next key is created.
    RegFileKey& EnsureKey(const std::string& path);

    // The same keys, values and lines, in the same order.
    bool operator==(const RegFile& other) const {
        return metaLines == other.metaLines && keys_ == other.keys_;
    }

  private:
    std::vector<RegFileKey> keys_;
    std::unordered_map<std::string, std::size_t> positions_;  // by path in small letters
};

// Parses a registry file, UTF-8 or, after its byte-order mark, UTF-16LE. Nothing when the
// text lacks the header. Otherwise every key and value of the lines it understands; a
// line it does not understand is left out. `fault`, when given, describes the first fault
// and is left empty when there is none.
std::optional<RegFile> ParseRegFile(const std::string& text, std::string* fault);

// Writes a registry file in Wine's text format.
std::string FormatRegFile(const RegFile& file);

}  // namespace xal::platform
