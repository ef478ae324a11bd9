// SPDX-License-Identifier: MIT
#include "core/registry/registry.h"

#include <exception>
#include <functional>
#include <iomanip>
#include <ostream>

#include "core/base/conversions.h"
#include "core/base/error.h"
#include "core/base/number_text.h"
#include "core/platform/prompts.h"

namespace xal {
namespace reg = platform::registry;

namespace {

// Runs an operation, turning any failure into the operation's own message box, which
// names what the failure concerns: the settings file, or else the key or value. Within an
// update the failure ends the update instead, whose caller tells it.
template <typename Result>
Result Guarded(const char* operation, const std::string& concerns,
               const std::function<Result()>& body) {
    try {
        return body();
    } catch (const RunTimeError& error) {
        if (reg::InUpdate()) throw error.Concerning(concerns);
        platform::ShowMessage("Error: " + std::to_string(error.Number()) + ". " +
                                  error.Description() + "\r\n" +
                                  error.Concerning(concerns).Concerns(),
                              platform::MessageButtons::Ok, platform::MessageIcon::None, operation);
    } catch (const std::bad_alloc&) {
        if (reg::InUpdate()) throw;
        platform::ShowMessage("Error: 7. Out of memory\r\n" + concerns,
                              platform::MessageButtons::Ok, platform::MessageIcon::None, operation);
    }
    return Result{};
}

std::string ValueConcerns(const std::string& keyPath, const std::string& valueName) {
    return "Value: " + keyPath + "\\" + valueName;
}

// The failure of a registry call that changes the registry, as the program reports it.
void CheckWritten(long status) {
    constexpr long kAccessDenied = 5;
    constexpr long kDiskFull = 112;
    if (status == reg::kSuccess) return;
    const int number = status == kAccessDenied ? ErrorNumber::PermissionDenied
                       : status == kDiskFull   ? ErrorNumber::DiskFull
                                               : ErrorNumber::PathFileAccessError;
    throw RunTimeError(number, StandardDescription(number))
        .Because("The registry refused the change (error " + std::to_string(status) + ").");
}

// The key the value is written in, opened (or made) for writing; closed when it goes.
class KeyForWriting {
  public:
    KeyForWriting(std::uint32_t root, const std::string& keyPath) {
        CheckWritten(reg::CreateKey(root, keyPath, reg::kAllSpecificRights, &key_));
    }
    ~KeyForWriting() { reg::CloseKey(key_); }
    KeyForWriting(const KeyForWriting&) = delete;
    KeyForWriting& operator=(const KeyForWriting&) = delete;
    reg::Handle Handle() const { return key_; }

  private:
    reg::Handle key_ = 0;
};

std::string AsText(const RegistryValue& value) {
    if (value.IsText()) return value.Text();
    if (value.IsInteger()) return DecimalText(value.Integer());
    if (value.IsBytes()) return std::string(value.Bytes().begin(), value.Bytes().end());
    return {};
}

std::int32_t AsInteger(const RegistryValue& value) {
    if (value.IsInteger()) return value.Integer();
    if (value.IsEmpty()) return 0;
    if (value.IsText()) {
        if (auto number = ReadNumber(value.Text())) return ToLong(*number);
    }
    Raise(ErrorNumber::TypeMismatch);
}

std::vector<unsigned char> AsBytes(const RegistryValue& value) {
    if (value.IsBytes()) return value.Bytes();
    if (value.IsText()) return {value.Text().begin(), value.Text().end()};
    if (value.IsEmpty()) return {};
    Raise(ErrorNumber::TypeMismatch);
}

RegistryValue ReadOpenKey(reg::Handle key, const std::string& valueName) {
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (reg::QueryValue(key, valueName, &type, nullptr, &size) != reg::kSuccess) return {};
    switch (type) {
        case RegType::Sz: {
            if (size == 0) return std::string();
            std::string buffer(size, '\0');
            if (reg::QueryValue(key, valueName, &type,
                                reinterpret_cast<unsigned char*>(buffer.data()),
                                &size) != reg::kSuccess)
                return {};
            std::string text = buffer.substr(0, buffer.find('\0'));
            return text.substr(0, size);
        }
        case RegType::Binary: {
            if (size == 0) return std::vector<unsigned char>();
            std::vector<unsigned char> bytes(size);
            if (reg::QueryValue(key, valueName, &type, bytes.data(), &size) != reg::kSuccess)
                return {};
            return bytes;
        }
        case RegType::Dword: {
            std::int32_t number = 0;
            std::uint32_t numberSize = sizeof number;
            if (reg::QueryValue(key, valueName, &type, reinterpret_cast<unsigned char*>(&number),
                                &numberSize) != reg::kSuccess)
                return {};
            return number;
        }
        default:
            return {};
    }
}

}  // namespace

void PrintTo(const RegistryValue& value, std::ostream* out) {
    if (value.IsText()) {
        *out << "text \"" << value.Text() << '"';
    } else if (value.IsInteger()) {
        *out << "integer " << value.Integer();
    } else if (value.IsBytes()) {
        *out << "bytes {" << std::hex << std::setfill('0');
        for (std::size_t i = 0; i < value.Bytes().size(); ++i)
            *out << (i ? " " : "") << std::setw(2) << static_cast<int>(value.Bytes()[i]);
        *out << '}' << std::dec << std::setfill(' ');
    } else {
        *out << "no value";
    }
}

void RegistryCreateNewKey(std::uint32_t root, const std::string& keyPath) {
    Guarded<int>("RegistryCreateNewKey", "Key: " + keyPath, [&] {
        reg::RunUpdate([&] { KeyForWriting key(root, keyPath); });
        return 0;
    });
}

bool RegistryKeyIsWritable(std::uint32_t root, const std::string& keyPath) {
    return Guarded<bool>("RegistryKeyIsWritable", "Key: " + keyPath, [&] {
        // A missing key is writable when its nearest existing parent takes new keys.
        std::string path = keyPath;
        std::uint32_t access = reg::kSetValue;
        for (;;) {
            reg::Handle key = 0;
            const long status = reg::OpenKey(root, path, access, &key);
            if (status == reg::kSuccess) reg::CloseKey(key);
            if (status != reg::kFileNotFound) return status == reg::kSuccess;
            const std::size_t parent = path.rfind('\\');
            if (parent == std::string::npos) return true;
            path.erase(parent);
            access = reg::kCreateSubKey;
        }
    });
}

RegistryValue RegistryGetKeyValue(std::uint32_t root, const std::string& keyPath,
                                  const std::string& valueName, bool view32) {
    return Guarded<RegistryValue>(
        "RegistryGetKeyValue", ValueConcerns(keyPath, valueName), [&]() -> RegistryValue {
            reg::Handle key = 0;
            const std::uint32_t access = reg::kQueryValue | (view32 ? reg::kWow64_32Key : 0);
            if (reg::OpenKey(root, keyPath, access, &key) != reg::kSuccess) return {};
            RegistryValue result;
            try {
                result = ReadOpenKey(key, valueName);
            } catch (...) {
                reg::CloseKey(key);
                throw;
            }
            reg::CloseKey(key);
            return result;
        });
}

void RegistrySetKeyValue(std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName, const RegistryValue& value,
                         std::uint32_t valueType) {
    Guarded<int>("RegistrySetKeyValue", ValueConcerns(keyPath, valueName), [&] {
        reg::RunUpdate([&] {
            KeyForWriting key(root, keyPath);
            auto write = [&](const void* data, std::size_t size) {
                CheckWritten(reg::SetValue(key.Handle(), valueName, valueType,
                                           static_cast<const unsigned char*>(data),
                                           static_cast<std::uint32_t>(size)));
            };
            switch (valueType) {
                case RegType::Sz: {
                    const std::string text = AsText(value) + '\0';
                    write(text.data(), text.size());
                    break;
                }
                case RegType::Binary: {
                    const std::vector<unsigned char> bytes = AsBytes(value);
                    write(bytes.data(), bytes.size());
                    break;
                }
                case RegType::Dword: {
                    const std::int32_t number = AsInteger(value);
                    write(&number, sizeof number);
                    break;
                }
                default:
                    break;
            }
        });
        return 0;
    });
}

}  // namespace xal
