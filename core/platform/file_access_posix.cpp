// SPDX-License-Identifier: MIT
#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "core/base/error.h"
#include "core/platform/file_system.h"
#include "core/platform/file_system_internals.h"

// Reading and saving files with the system's own calls, which can open without blocking,
// look at what an open descriptor is, lock, and flush a folder.
namespace xal::platform {

using internals::IsSavingFileOf;
using internals::RaiseLargerThan;
using internals::RaiseNotARegularFile;
using internals::RaiseReadOnly;
using internals::SavingFileName;

namespace {

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    explicit operator bool() const { return fd_ >= 0; }
    int Get() const { return fd_; }

  private:
    int fd_;
};

// A read or write that failed, other than one a signal interrupted (which is tried again).
bool Failed(ssize_t result) {
    return result < 0 && errno != EINTR;
}

std::string ReadAtMost(int fd, std::uint64_t maxBytes, std::size_t expectedBytes) {
    std::string bytes;
    bytes.reserve(expectedBytes);
    char buffer[65536];
    // Up to one byte beyond the bound, which tells a file that grew while it was read.
    for (;;) {
        const auto wanted = std::min<std::uint64_t>(sizeof buffer, maxBytes + 1 - bytes.size());
        const ssize_t count = ::read(fd, buffer, wanted);
        if (count == 0) return bytes;
        if (Failed(count)) RaiseFileError(errno);
        if (count > 0) bytes.append(buffer, static_cast<std::size_t>(count));
        if (bytes.size() > maxBytes) RaiseLargerThan(maxBytes);
    }
}

}  // namespace

std::string internals::ReadPlatformFile(const std::string& path, std::uint64_t maxBytes) {
    if (path.empty()) Raise(ErrorNumber::BadFileName);
    // Without O_NONBLOCK, opening a FIFO would wait for a writer.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file) {
        if (errno == ENXIO) RaiseNotARegularFile();  // a socket, or a device with none behind
        if (errno != ENOENT) RaiseFileError(errno);
        Raise(ErrorNumber::FileNotFound);
    }
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0) RaiseFileError(errno);
    if (!S_ISREG(status.st_mode)) RaiseNotARegularFile();
    if (static_cast<std::uint64_t>(status.st_size) > maxBytes) RaiseLargerThan(maxBytes);
    return ReadAtMost(file.Get(), maxBytes, static_cast<std::size_t>(status.st_size));
}

namespace {

constexpr int kMostLinksFollowed = 40;

// The file a save writes: the path itself, or the final target of the links it names. A
// relative link is taken from the link's folder.
std::string FinalTarget(const std::string& path) {
    std::filesystem::path target = path;
    for (int followed = 0; followed <= kMostLinksFollowed; ++followed) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, ec)))
            return target.string();
        const std::filesystem::path link = std::filesystem::read_symlink(target, ec);
        if (ec) RaiseFileError(ec.value());
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    RaiseFileError(ELOOP);
}

// Refuses a target that is no regular file or that nobody may write; the mode bits are
// looked at, since for root the system would allow the write.
void RefuseUnwritable(const struct stat& target) {
    if (!S_ISREG(target.st_mode)) RaiseNotARegularFile();
    if ((target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) RaiseReadOnly();
}

// Whether the descriptor, which holds the lock, is still the file of that name.
bool StillNamed(int fd, const std::string& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// Removes the temporary files that earlier saves of the file `name` left, but not one
// that a save in progress holds locked.
void RemoveLeftoverSaves(const std::filesystem::path& folder, const std::string& name) {
    std::error_code ec;
    for (std::filesystem::directory_iterator entry(folder, ec), end; !ec && entry != end;
         entry.increment(ec)) {
        if (!IsSavingFileOf(entry->path().filename().string(), name)) continue;
        const std::string leftover = entry->path().string();
        Descriptor file(::open(leftover.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (file && ::flock(file.Get(), LOCK_EX | LOCK_NB) == 0 && StillNamed(file.Get(), leftover))
            ::unlink(leftover.c_str());
    }
}

constexpr int kSavingFileAttempts = 8;

// A new temporary file beside the target, locked while the save lasts. Another save's
// removal of leftovers can unlink it between its creation and the lock; then another
// one is made.
int CreateLockedSavingFile(const std::filesystem::path& folder, const std::string& name,
                           mode_t mode, std::string& path) {
    for (int attempt = 0; attempt < kSavingFileAttempts; ++attempt) {
        path = (folder / SavingFileName(name)).string();
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) RaiseFileError(errno);
        // Best effort: a file system without locks saves unguarded.
        ::flock(fd, LOCK_EX);
        if (StillNamed(fd, path)) return fd;
        ::close(fd);
    }
    Raise(ErrorNumber::PathFileAccessError);
}

bool WriteAll(int fd, const std::string& bytes) {
    for (std::size_t written = 0; written < bytes.size();) {
        const ssize_t count = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (Failed(count)) return false;
        if (count > 0) written += static_cast<std::size_t>(count);
    }
    return true;
}

// The whole of what a call that fills a buffer gives, asked once for its size and then for
// the bytes; asked again when it grew in between (ERANGE).
template <typename Call>
bool ReadWhole(Call call, std::string& bytes) {
    for (;;) {
        const ssize_t size = call(nullptr, 0);
        if (size < 0) return false;
        bytes.resize(static_cast<std::size_t>(size));
        const ssize_t got = call(bytes.data(), bytes.size());
        if (got >= 0) {
            bytes.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE) return false;
    }
}

// A failure that leaves one extended attribute behind, silently: the file system keeps
// none (ENOTSUP), the program may not set it (a security label, trusted.* for any user but
// root), the system takes no such value here (EINVAL), or it went in the meantime.
bool AttributeLeftBehind(int error) {
    return error == ENOTSUP || error == EPERM || error == EACCES || error == EINVAL ||
           error == ENODATA;
}

// Gives the temporary file the extended attributes of the file it replaces (a user's note,
// a security label). Returns 0, or the errno of a failure that fails the save.
int CopyExtendedAttributes(const std::string& from, int to) {
    std::string names;
    if (!ReadWhole(
            [&](char* buffer, std::size_t size) { return ::listxattr(from.c_str(), buffer, size); },
            names))
        return AttributeLeftBehind(errno) ? 0 : errno;
    for (std::size_t at = 0; at < names.size(); at = names.find('\0', at) + 1) {
        const char* name = names.c_str() + at;
        std::string value;
        if (!ReadWhole(
                [&](char* buffer, std::size_t size) {
                    return ::getxattr(from.c_str(), name, buffer, size);
                },
                value) ||
            ::fsetxattr(to, name, value.data(), value.size(), 0) != 0) {
            if (!AttributeLeftBehind(errno)) return errno;
        }
    }
    return 0;
}

void FlushFolder(const std::filesystem::path& folder) {
    Descriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle) ::fsync(handle.Get());
}

}  // namespace

void internals::ReplacePlatformFile(const std::string& path, const std::string& bytes) {
    if (path.empty()) Raise(ErrorNumber::BadFileName);
    const std::filesystem::path target = FinalTarget(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists) RefuseUnwritable(old);
    if (!exists && errno != ENOENT) RaiseFileError(errno);

    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    const std::string name = target.filename().string();
    RemoveLeftoverSaves(folder, name);
    std::string temporary;
    const int fd = CreateLockedSavingFile(folder, name, exists ? 0600 : 0666, temporary);
    const Descriptor saving(fd);  // closed, and so unlocked, only after the rename
    auto fail = [&](int error) {
        ::unlink(temporary.c_str());
        RaiseFileError(error);
    };
    if (!WriteAll(fd, bytes)) fail(errno);
    // After the bytes, which when written take away set-ID bits and file capabilities.
    if (exists) {
        // Best effort: only root may give the file to another owner. Before the mode, as
        // a change of owner clears the set-user-ID bit.
        [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
        if (::fchmod(fd, old.st_mode & 07777) != 0) fail(errno);
        if (const int error = CopyExtendedAttributes(target.string(), fd)) fail(error);
    }
    if (::fsync(fd) != 0) fail(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) fail(errno);
    FlushFolder(folder);
}

}  // namespace xal::platform
#endif
