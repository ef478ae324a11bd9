#pragma once

#include <string>

#include "platform/reg_file_format.h"
#include "platform/registry_file_store.h"
#include "support/temp_folder.h"

namespace xal::test {

// Points the registry at a store file of its own for one test.
class RegistrySandbox {
  public:
    RegistrySandbox() { platform::SetRegistryStorePath(StorePath()); }
    ~RegistrySandbox() { platform::SetRegistryStorePath(folder_.File("unused.reg")); }

    std::string StorePath() const { return folder_.File("HKEY_LOCAL_MACHINE.reg"); }
    const TempFolder& Folder() const { return folder_; }

    // Stores a value exactly as given, bypassing the registry operations.
    void Plant(const std::string& key, const std::string& name, std::uint32_t type,
               const std::string& data) {
        platform::ActiveRegistryStore().Change([&](platform::RegFile& file) {
            file.EnsureKey(key).values.push_back({name, type, data});
        });
    }
    // The value as stored, or null.
    std::optional<platform::RegFileValue> Stored(const std::string& key, const std::string& name) {
        platform::RegFile file = platform::ActiveRegistryStore().Read();
        platform::RegFileKey* found = file.FindKey(key);
        platform::RegFileValue* value = found ? found->FindValue(name) : nullptr;
        if (!value) return std::nullopt;
        return *value;
    }

  private:
    TempFolder folder_;
};

}  // namespace xal::test
