// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/base/error.h"
#include "core/model/campaign.h"
#include "core/platform/file_lock.h"
#include "core/recovery/recovery_copy.h"

namespace xal {

// A copy left in the recovery folder by an editor that no longer runs.
struct Leftover {
    // The copy; for one that could not be read, the file it was kept aside as.
    std::string path;
    // Exactly one of the two: the copy as read, or why it could not be read (its Concerns
    // name the kept-aside file, which is never offered again).
    std::optional<RecoveryCopy> copy;
    std::optional<RunTimeError> failure;
    // The dead editor's lock, held while any copy of the leftover lives, so that no other
    // editor offers the same copy meanwhile; dropping the leftover offers it again later.
    std::shared_ptr<platform::FileLock> claim;
};

// The folder of the copies that editors keep of campaigns with unsaved changes, so that
// the next start can offer to restore what a crash, a kill or a power cut lost. Each
// editor writes only a copy of its own, "<owner>.recovery", beside its lock file
// "<owner>.lock", which it holds while it runs: a copy whose lock file can be locked was
// left by an editor that is gone, and two editors running at once never offer each
// other's copies.
class RecoveryStore {
  public:
    // Linux: $XDG_STATE_HOME/xal-campaign-edit/recovery/, or with $HOME/.local/state when
    // XDG_STATE_HOME is unset, empty or relative. Windows: the local application data
    // folder's "XaL Campaign Editor\Recovery\"; raises 76 "Path not found" when Windows
    // names none. Ends in the path separator.
    static std::string DefaultFolder();

    // Makes the folder and its parents as needed (on Linux for the user alone) and takes
    // an owner name and its lock for as long as the store lives. Raises a RunTimeError
    // naming the folder or the lock file when either cannot be made or locked: the editor
    // then runs without recovery.
    explicit RecoveryStore(std::string folder);
    // Releases the lock but leaves the copy, which only Remove removes: a store destroyed
    // with a copy is, to the next start, an editor that died with unsaved changes. Without
    // a copy the lock file goes too, so a normal exit leaves nothing behind.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Writes this editor's copy in place of the one before, through a flushed temporary
    // file renamed over it, so that a crash at any moment leaves one or the other whole.
    // Failures raise a RunTimeError naming the copy.
    void Keep(const Campaign& campaign, std::int64_t madeAt);
    // Removes this editor's copy: once the campaign is saved, its changes are dropped, or
    // the editor ends normally. A copy that is not there is no failure.
    void Remove();
    const std::string& CopyPath() const { return copyPath_; }

    // The copies of editors that are gone, the newest first and then those that could not
    // be read, each of which is renamed "<copy>.unreadable" on the way. Lock files and
    // interrupted saves of editors that are gone without a copy are removed.
    std::vector<Leftover> Leftovers();
    // Removes the leftover's file and its dead editor's lock file. To adopt a restored
    // copy, Keep the restored campaign first and Discard the leftover then, so that a crash
    // in between leaves the copy twice rather than not at all.
    void Discard(const Leftover& leftover);

  private:
    std::string folder_;
    std::string owner_;
    std::string copyPath_;
    std::unique_ptr<platform::FileLock> lock_;
};

}  // namespace xal
