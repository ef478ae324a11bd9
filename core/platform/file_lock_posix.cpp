// SPDX-License-Identifier: MIT
#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/base/error.h"
#include "core/platform/file_lock.h"
#include "core/platform/file_system.h"

namespace xal::platform {
namespace {

[[noreturn]] void RaiseLockError(const std::string& path, int error) {
    try {
        RaiseFileError(error);
    } catch (const RunTimeError& raised) {
        throw raised.Concerning(FileConcerns(path));
    }
}

// Whether the descriptor is still the file of that name: whoever removes a lock file holds
// its lock, so a lock taken on a file that was removed meanwhile guards nothing.
bool StillNamed(int fd, const std::string& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// The descriptor of the file just opened, now locked; -1, and the descriptor closed, when
// another holds the lock or removed the file.
int Locked(const std::string& path, int fd) {
    if (fd < 0) RaiseLockError(path, errno);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) return -1;
        RaiseLockError(path, error);
    }
    if (StillNamed(fd, path)) return fd;
    ::close(fd);
    return -1;
}

}  // namespace

std::unique_ptr<FileLock> FileLock::CreateNew(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0 && errno == EEXIST) return nullptr;
    const int locked = Locked(path, fd);
    return locked < 0 ? nullptr : std::unique_ptr<FileLock>(new FileLock(path, locked));
}

std::unique_ptr<FileLock> FileLock::TryLock(const std::string& path) {
    // Neither through a link nor waiting on a FIFO.
    const int locked = Locked(
        path, ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
    return locked < 0 ? nullptr : std::unique_ptr<FileLock>(new FileLock(path, locked));
}

FileLock::~FileLock() {
    Release();
}

void FileLock::Release() {
    if (held_) ::close(native_);  // closing the descriptor releases the lock
    held_ = false;
}

void FileLock::RemoveFile() {
    if (held_) ::unlink(path_.c_str());
    Release();
}

}  // namespace xal::platform
#endif
