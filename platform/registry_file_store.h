// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/reg_file_format.h"

namespace xal::platform {

// The settings store of platforms without a Windows registry: one file in Wine's
// registry format holding the keys of HKEY_LOCAL_MACHINE. Every access takes an
// advisory lock on a lock file beside it and reads the file's bytes again under that
// lock; every change replaces the file atomically, so two running editors never lose
// each other's values. A damaged file is copied aside under a name no earlier copy has
// ("<name>.bad", "<name>.bad.2", ...) and rewritten with the values that could be read.
// A file that cannot be read at all (not a regular file, too large) is left as it is and
// the store runs on defaults without writing. Either is told once (TakeSettingsNotice).
class RegistryFileStore {
  public:
    explicit RegistryFileStore(std::string path) : path_(std::move(path)) {}

    // $XDG_CONFIG_HOME/xal-campaign-edit/HKEY_LOCAL_MACHINE.reg, ~/.config/... without it.
    static std::string DefaultPath();

    const std::string& Path() const { return path_; }

    // The store's contents as they are now.
    RegFile Read() const;
    // Applies a change to the current contents and writes the result; raises the file's
    // error when the file must be left as it is.
    void Change(const std::function<void(RegFile&)>& change) const;

  private:
    std::string path_;
};

// The store the registry primitives use; tests point it at a file of their own.
RegistryFileStore& ActiveRegistryStore();
void SetRegistryStorePath(const std::string& path);

// What the editor must tell the user, once, about a settings file that was damaged or
// could not be read: which file, where it was kept and why. Nothing when there is
// nothing new to tell; on Windows, whose registry has no such file, never anything.
std::optional<std::string> TakeSettingsNotice();

}  // namespace xal::platform
