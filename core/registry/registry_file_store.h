// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/registry/reg_file_format.h"
#include "core/registry/settings_notice.h"

namespace xal::platform {

// The contents of the store while one update runs: as they were read, until the first
// Edit copies them to be changed.
class RegFileDraft {
  public:
    explicit RegFileDraft(std::shared_ptr<const RegFile> found) : found_(std::move(found)) {}

    const RegFile& Contents() const { return edited_ ? *edited_ : *found_; }
    std::shared_ptr<const RegFile> Shared() const;
    RegFile& Edit();
    // Whether the contents differ from what was read.
    bool Changed() const { return edited_ && *edited_ != *found_; }

  private:
    std::shared_ptr<const RegFile> found_;
    std::shared_ptr<RegFile> edited_;
};

// The settings store of platforms without a Windows registry: one file in Wine's
// registry format holding the keys of HKEY_LOCAL_MACHINE. Every access takes an
// advisory lock on a lock file beside it and reads the file's bytes again under that
// lock; every update is one locked read-change-write that replaces the file atomically,
// so two running editors never lose each other's values. A damaged file is copied aside
// under a name no earlier copy has ("<name>.bad", "<name>.bad.2", ...) and rewritten with
// the values that could be read. A file that cannot be read at all (not a regular file,
// too large) is left as it is and the store runs on defaults without writing. Either is
// told once (TakeSettingsNotice).
class RegistryFileStore {
  public:
    explicit RegistryFileStore(std::string path) : path_(std::move(path)) {}

    // $XDG_CONFIG_HOME/xal-campaign-edit/HKEY_LOCAL_MACHINE.reg, ~/.config/... without it.
    static std::string DefaultPath();

    const std::string& Path() const { return path_; }

    // The store's contents as they are now, shared with every read of the same bytes, so a
    // read copies nothing; within an update on this thread, as the update has made them.
    // A lock file that cannot be opened is told once, and the file read without it.
    std::shared_ptr<const RegFile> Read() const;

    // Runs `update` as one update of the store, under the lock, on the contents as they
    // are now; an update that another thread or process runs waits for it, and one that
    // `update` runs on this thread is part of it. The store is written once at the end,
    // and only when its contents changed. Raises, having written nothing, what `update`
    // raises, or a failure naming the settings file: its lock file cannot be opened, the
    // file must be left as it is, or the write fails.
    void Update(const std::function<void(RegFileDraft&)>& update) const;

    // Whether this thread runs an update of the store.
    bool InUpdate() const;

    // One update that changes the contents as `change` does.
    void Change(const std::function<void(RegFile&)>& change) const;

  private:
    std::string path_;
};

// The store the registry primitives use; tests point it at a file of their own.
RegistryFileStore& ActiveRegistryStore();
void SetRegistryStorePath(const std::string& path);

}  // namespace xal::platform
