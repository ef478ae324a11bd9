#pragma once

#include <functional>
#include <string>

#include "platform/reg_file_format.h"

namespace xal::platform {

// The settings store of platforms without a Windows registry: one file in Wine's
// registry format holding the keys of HKEY_LOCAL_MACHINE. Every access takes an
// advisory lock on a lock file beside it; every change re-reads the file under that
// lock and replaces it atomically, so two running editors never lose each other's
// values. A file that cannot be parsed is set aside as "<name>.bad" (said once on
// standard error) and the store starts empty.
class RegistryFileStore {
  public:
    explicit RegistryFileStore(std::string path) : path_(std::move(path)) {}

    // $XDG_CONFIG_HOME/xal-campaign-edit/HKEY_LOCAL_MACHINE.reg, ~/.config/... without it.
    static std::string DefaultPath();

    const std::string& Path() const { return path_; }

    // The store's contents as they are now.
    RegFile Read() const;
    // Applies a change to the current contents and writes the result.
    void Change(const std::function<void(RegFile&)>& change) const;

  private:
    std::string path_;
};

// The store the registry primitives use; tests point it at a file of their own.
RegistryFileStore& ActiveRegistryStore();
void SetRegistryStorePath(const std::string& path);

}  // namespace xal::platform
