// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/registry/reg_file_format.h"
#include "support/temp_folder.h"

namespace xal::test {

// The registry of one test, seen past the registry operations. Elsewhere than on Windows
// it is a store file of the test's own. On Windows it is the machine's own registry,
// whose keys of the program and of the game it removes first, so it refuses to work unless
// XAL_THROWAWAY_REGISTRY=1 says the registry is a throwaway one (the cross-built tests run
// in a Wine prefix made for the run); what the last test wrote stays there to be looked at.
class RegistrySandbox {
  public:
    RegistrySandbox();
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

    // Stores a value exactly as given, bypassing the registry operations.
    void Plant(const std::string& key, const std::string& name, std::uint32_t type,
               const std::string& data);
    // The value as stored, or nothing.
    std::optional<platform::RegFileValue> Stored(const std::string& key, const std::string& name);
    bool KeyExists(const std::string& key);
    // The names of the key's values, in the order the store lists them.
    std::vector<std::string> ValueNames(const std::string& key);

#ifdef _WIN32
    // Makes the key of HKEY_LOCAL_MACHINE one that nobody may set values in or add keys to,
    // as a standard user finds the program's key.
    void RefuseWrites(const std::string& key);
    // The value as stored under HKEY_CURRENT_USER, or nothing.
    std::optional<platform::RegFileValue> StoredForUser(const std::string& key,
                                                        const std::string& name);
#else
    std::string StorePath() const {
        return folder_.File("HKEY_LOCAL_MACHINE.reg");
    }
    const TempFolder& Folder() const {
        return folder_;
    }

  private:
    TempFolder folder_;
#endif
};

}  // namespace xal::test
