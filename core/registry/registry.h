// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

#include "core/registry/reg_file_format.h"
#include "core/registry/registry_primitives.h"

namespace xal {

namespace RegType = platform::RegType;
inline constexpr std::uint32_t HKEY_LOCAL_MACHINE_ROOT = platform::registry::kLocalMachine;
inline constexpr std::uint32_t HKEY_CURRENT_USER_ROOT = platform::registry::kCurrentUser;

// What a registry read returns and a write is given: no value, text, bytes or a
// 32-bit integer. Texts are UTF-8.
class RegistryValue {
  public:
    RegistryValue() = default;
    RegistryValue(std::string text) : value_(std::move(text)) {}
    RegistryValue(const char* text) : value_(std::string(text)) {}
    RegistryValue(std::vector<unsigned char> bytes) : value_(std::move(bytes)) {}
    RegistryValue(std::int32_t number) : value_(number) {}

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    bool IsText() const { return std::holds_alternative<std::string>(value_); }
    bool IsBytes() const { return std::holds_alternative<std::vector<unsigned char>>(value_); }
    bool IsInteger() const { return std::holds_alternative<std::int32_t>(value_); }

    const std::string& Text() const { return std::get<std::string>(value_); }
    const std::vector<unsigned char>& Bytes() const {
        return std::get<std::vector<unsigned char>>(value_);
    }
    std::int32_t Integer() const { return std::get<std::int32_t>(value_); }

    // A missing value and the empty text look alike to the callers.
    bool IsMissing() const { return IsEmpty() || (IsText() && Text().empty()); }

    bool operator==(const RegistryValue&) const = default;

    // Shows the value in a failed test, such as: text "C:\Games\" or integer 1000.
    friend void PrintTo(const RegistryValue& value, std::ostream* out);

  private:
    std::variant<std::monostate, std::string, std::vector<unsigned char>, std::int32_t> value_;
};

// modRegistry: the program's only access to persistent settings. Every operation opens
// the key it needs and closes it before returning. Missing keys and values are silent; a
// change the registry or the settings file refuses, and any other failure, is shown as
// "Error: N. description" and what it concerns (the settings file, else the key or value),
// titled with the operation's name, and never reaches the caller. Within an update
// (UpdateSettings) it ends the update instead, which raises it.
void RegistryCreateNewKey(std::uint32_t root, const std::string& keyPath);
// Whether this user may set values of the key, or make it; writes nothing.
bool RegistryKeyIsWritable(std::uint32_t root, const std::string& keyPath);
// `view32` reads the key as 32-bit programs see it on 64-bit Windows.
RegistryValue RegistryGetKeyValue(std::uint32_t root, const std::string& keyPath,
                                  const std::string& valueName, bool view32 = false);
void RegistrySetKeyValue(std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName, const RegistryValue& value,
                         std::uint32_t valueType);

}  // namespace xal
