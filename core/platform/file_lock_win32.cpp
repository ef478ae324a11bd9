// SPDX-License-Identifier: MIT
#ifdef _WIN32
#include <windows.h>

#include "core/base/error.h"
#include "core/platform/file_lock.h"
#include "core/platform/file_system.h"

namespace xal::platform {
namespace {

[[noreturn]] void RaiseLockError(const std::string& path, DWORD error) {
    int number = ErrorNumber::PathFileAccessError;
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        number = ErrorNumber::PathNotFound;
    if (error == ERROR_ACCESS_DENIED) number = ErrorNumber::PermissionDenied;
    throw RunTimeError(number, StandardDescription(number), FileConcerns(path));
}

// The file opened unshared, which is the lock; nullptr when another process or handle has
// it open, or, for CREATE_NEW, when it exists.
HANDLE Opened(const std::string& path, DWORD disposition) {
    const HANDLE file = CreateFileW(FsPath(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) return file;
    const DWORD error = GetLastError();
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_FILE_EXISTS) return nullptr;
    RaiseLockError(path, error);
}

}  // namespace

std::unique_ptr<FileLock> FileLock::CreateNew(const std::string& path) {
    const HANDLE file = Opened(path, CREATE_NEW);
    return file ? std::unique_ptr<FileLock>(new FileLock(path, file)) : nullptr;
}

std::unique_ptr<FileLock> FileLock::TryLock(const std::string& path) {
    const HANDLE file = Opened(path, OPEN_ALWAYS);
    return file ? std::unique_ptr<FileLock>(new FileLock(path, file)) : nullptr;
}

FileLock::~FileLock() {
    Release();
}

void FileLock::Release() {
    if (held_) CloseHandle(native_);
    held_ = false;
}

// An unshared file cannot be deleted while it is open, so it is closed first.
void FileLock::RemoveFile() {
    const bool held = held_;
    Release();
    if (held) DeleteFileW(FsPath(path_).c_str());
}

}  // namespace xal::platform
#endif
