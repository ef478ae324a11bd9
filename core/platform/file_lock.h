// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

namespace xal::platform {

// An exclusive lock on a file, held while the object lives: on Linux an advisory flock on a
// descriptor kept open, on Windows the file kept open unshared. The system releases it when
// the process ends in any way, so a file that can be locked has no live holder. A second
// lock on the same file fails within one process too.
class FileLock {
  public:
    // Creates the file and locks it; nullptr when a file of that name already exists or
    // another process locked it first.
    static std::unique_ptr<FileLock> CreateNew(const std::string& path);
    // Locks the file, creating it empty when it is missing; nullptr when another holds it.
    static std::unique_ptr<FileLock> TryLock(const std::string& path);
    // Both raise the matching file error, naming the file, when it cannot be opened or
    // locked for another reason (a folder stands there, the file system has no locks).

    ~FileLock();  // releases the lock; the file stays
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Removes the file and releases the lock: on Linux in that order, so the file is never
    // seen unlocked; on Windows, where an open unshared file cannot be removed, the other
    // way round. Best effort: a file that stays is no more than a lock file nobody holds.
    void RemoveFile();

  private:
#ifdef _WIN32
    using Native = void*;
#else
    using Native = int;
#endif
    FileLock(std::string path, Native native) : path_(std::move(path)), native_(native) {}
    void Release();

    std::string path_;
    Native native_;
    bool held_ = true;
};

}  // namespace xal::platform
