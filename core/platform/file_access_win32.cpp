// SPDX-License-Identifier: MIT
#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#include "core/base/error.h"
#include "core/platform/file_system.h"
#include "core/platform/file_system_internals.h"

// Reading and saving files with the wide-character calls of Windows, which look at what
// an open handle is, share a file being read and write a save through to disk.
namespace xal::platform {

using internals::IsSavingFileOf;
using internals::RaiseLargerThan;
using internals::RaiseNotARegularFile;
using internals::RaiseReadOnly;
using internals::SavingFileName;

namespace {

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close() {
        const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
        return handle == INVALID_HANDLE_VALUE || CloseHandle(handle);
    }

  private:
    HANDLE handle_;
};

[[noreturn]] void RaiseWindowsFileError(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
            Raise(ErrorNumber::PathNotFound);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            Raise(ErrorNumber::DiskFull);
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            Raise(ErrorNumber::PermissionDenied);
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_DIRECTORY:
            Raise(ErrorNumber::BadFileName);
        case ERROR_CANT_RESOLVE_FILENAME:
            RaiseFileError(ELOOP);
        default:
            Raise(ErrorNumber::PathFileAccessError);
    }
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens what stands at the path, following links; a folder too, so that it can be told.
FileHandle OpenExisting(const std::wstring& path, DWORD access) {
    return FileHandle(CreateFileW(path.c_str(), access, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// Refuses what is not a regular file (a folder, a device, a pipe) and returns its size.
std::uint64_t RegularFileSize(HANDLE file) {
    FILE_STANDARD_INFO standard{};
    if (GetFileType(file) != FILE_TYPE_DISK) RaiseNotARegularFile();
    if (!GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof standard))
        RaiseWindowsFileError(GetLastError());
    if (standard.Directory) RaiseNotARegularFile();
    return static_cast<std::uint64_t>(standard.EndOfFile.QuadPart);
}

std::string ReadAtMost(HANDLE file, std::uint64_t maxBytes, std::uint64_t expectedBytes) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(expectedBytes));
    char buffer[65536];
    // Up to one byte beyond the bound, which tells a file that grew while it was read.
    for (;;) {
        const auto wanted = std::min<std::uint64_t>(sizeof buffer, maxBytes + 1 - bytes.size());
        DWORD count = 0;
        if (!ReadFile(file, buffer, static_cast<DWORD>(wanted), &count, nullptr))
            RaiseWindowsFileError(GetLastError());
        if (count == 0) return bytes;
        bytes.append(buffer, count);
        if (bytes.size() > maxBytes) RaiseLargerThan(maxBytes);
    }
}

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace

std::string internals::ReadPlatformFile(const std::string& path, std::uint64_t maxBytes) {
    if (path.empty()) Raise(ErrorNumber::BadFileName);
    const std::wstring wide = FsPath(path).native();
    const FileHandle file = OpenExisting(wide, GENERIC_READ);
    if (!file) {
        const DWORD error = GetLastError();
        if (!IsMissing(error)) RaiseWindowsFileError(error);
        Raise(ErrorNumber::FileNotFound);
    }
    const std::uint64_t size = RegularFileSize(file.Get());
    if (size > maxBytes) RaiseLargerThan(maxBytes);
    return ReadAtMost(file.Get(), maxBytes, size);
}

namespace {

// The file a save writes: the path itself (also when no file is there yet), or the final
// target of a link at the path. Refuses a target that is no regular file or is read-only.
std::wstring CheckedTarget(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND) RaiseWindowsFileError(error);
        return path;
    }
    const FileHandle file = OpenExisting(path, FILE_READ_ATTRIBUTES);
    if (!file) RaiseWindowsFileError(GetLastError());
    RegularFileSize(file.Get());  // for its refusal of what is no regular file
    FILE_BASIC_INFO basic{};
    if (!GetFileInformationByHandleEx(file.Get(), FileBasicInfo, &basic, sizeof basic))
        RaiseWindowsFileError(GetLastError());
    if (basic.FileAttributes & FILE_ATTRIBUTE_READONLY) RaiseReadOnly();
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return path;
    std::wstring target(MAX_PATH, L'\0');
    DWORD length;
    while ((length = GetFinalPathNameByHandleW(
                file.Get(), target.data(), static_cast<DWORD>(target.size()), 0)) >= target.size())
        target.resize(length);
    if (length == 0) RaiseWindowsFileError(GetLastError());
    target.resize(length);
    return target;
}

// Removes the temporary files that earlier saves of the file `name` left. One that a save
// in progress holds open cannot be deleted, and stays.
void RemoveLeftoverSaves(const std::filesystem::path& folder, const std::string& name) {
    std::error_code ec;
    for (std::filesystem::directory_iterator entry(folder, ec), end; !ec && entry != end;
         entry.increment(ec)) {
        if (IsSavingFileOf(FromFsPath(entry->path().filename()), name))
            DeleteFileW(entry->path().c_str());
    }
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    constexpr std::size_t kMostAtOnce = 1 << 30;
    for (std::size_t written = 0; written < bytes.size();) {
        DWORD count = 0;
        const auto wanted = static_cast<DWORD>(std::min(bytes.size() - written, kMostAtOnce));
        if (!WriteFile(file, bytes.data() + written, wanted, &count, nullptr)) return false;
        written += count;
    }
    return true;
}

}  // namespace

void internals::ReplacePlatformFile(const std::string& path, const std::string& bytes) {
    if (path.empty()) Raise(ErrorNumber::BadFileName);
    const std::filesystem::path target = CheckedTarget(FsPath(path).native());
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(L".");
    const std::string name = FromFsPath(target.filename());
    RemoveLeftoverSaves(folder, name);
    const std::wstring temporary = (folder / FsPath(SavingFileName(name))).native();
    // Not shared: no other program opens or deletes it while the save lasts.
    FileHandle saving(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!saving) RaiseWindowsFileError(GetLastError());
    auto fail = [&](DWORD error) {
        saving.Close();
        DeleteFileW(temporary.c_str());
        RaiseWindowsFileError(error);
    };
    if (!WriteAll(saving.Get(), bytes) || !FlushFileBuffers(saving.Get()) || !saving.Close())
        fail(GetLastError());
    if (!MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        fail(GetLastError());
}

}  // namespace xal::platform
#endif
