// SPDX-License-Identifier: MIT
#include "core/platform/file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string_view>
#include <system_error>

#include "core/base/error.h"
#include "core/base/windows1252.h"
#include "core/platform/file_system_internals.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace xal::platform {

const std::string& PathSeparator() {
#ifdef _WIN32
    static const std::string separator = "\\";
#else
    static const std::string separator = "/";
#endif
    return separator;
}

std::string WithTrailingSeparator(const std::string& folder) {
    return folder.ends_with(PathSeparator()) ? folder : folder + PathSeparator();
}

std::filesystem::path XdgBaseFolder(const char* variable, const std::filesystem::path& underHome) {
    const char* value = std::getenv(variable);
    if (value && *value && std::filesystem::path(value).is_absolute()) return value;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : ".") / underHome;
}

#ifdef _WIN32
std::filesystem::path FsPath(const std::string& path) {
    const int size = static_cast<int>(path.size());
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, path.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string FromFsPath(const std::filesystem::path& path) {
    const std::wstring& wide = path.native();
    const int size = static_cast<int>(wide.size());
    std::string text(
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), static_cast<int>(text.size()),
                        nullptr, nullptr);
    return text;
}
#else
std::filesystem::path FsPath(const std::string& path) {
    return path;
}

std::string FromFsPath(const std::filesystem::path& path) {
    return path.string();
}
#endif

void RaiseFileError(int errnoValue) {
    switch (errnoValue) {
        case ENOENT:
        case ENOTDIR:
            Raise(ErrorNumber::PathNotFound);
        case ENOSPC:
        case EFBIG:
#ifdef EDQUOT
        case EDQUOT:
#endif
            Raise(ErrorNumber::DiskFull);
        case EACCES:
        case EPERM:
        case EROFS:
            Raise(ErrorNumber::PermissionDenied);
        case ENAMETOOLONG:
        case EINVAL:
            Raise(ErrorNumber::BadFileName);
        case ELOOP:
            Raise(ErrorNumber::PathFileAccessError, "Path/File access error: a loop of links");
        default:
            Raise(ErrorNumber::PathFileAccessError);
    }
}

namespace internals {

void RaiseNotARegularFile() {
    Raise(ErrorNumber::PathFileAccessError, "Path/File access error: not a regular file");
}

void RaiseLargerThan(std::uint64_t maxBytes) {
    Raise(ErrorNumber::PathFileAccessError,
          "Path/File access error: the file is larger than " + std::to_string(maxBytes) + " bytes");
}

void RaiseReadOnly() {
    Raise(ErrorNumber::PermissionDenied, "Permission denied: the file is read-only");
}

namespace {

constexpr std::string_view kSavingMark = ".saving-";
constexpr std::string_view kSavingEnd = ".tmp";
constexpr std::size_t kSavingDigits = 8;
constexpr std::size_t kSavingTail = kSavingMark.size() + kSavingDigits + kSavingEnd.size();
constexpr std::string_view kHexDigits = "0123456789abcdef";
// The longest name the file systems of both platforms take: 255 bytes on Linux, 255 UTF-16
// units on Windows, which 255 bytes of UTF-8 never pass.
constexpr std::size_t kMostNameBytes = 255;
constexpr char kShortenedMark = '~';

std::string HexDigits(std::uint64_t number) {
    std::string digits;
    for (; digits.size() < kSavingDigits; number /= kHexDigits.size())
        digits += kHexDigits[number % kHexDigits.size()];
    return digits;
}

// FNV-1a: the same 32 bits for the same name in every run of the program.
std::uint32_t NameHash(const std::string& name) {
    std::uint32_t hash = 2166136261u;
    for (const unsigned char byte : name) hash = (hash ^ byte) * 16777619u;
    return hash;
}

// What the temporary files of a save of `name` begin with: the name, or when the whole
// would be too long a name, as much of its start as fits (no character cut in two), "~"
// and a hash of the whole name, so that the next save still knows its leftovers.
std::string SavingStem(const std::string& name) {
    if (name.size() + kSavingTail <= kMostNameBytes) return name;
    std::size_t kept = kMostNameBytes - kSavingTail - 1 - kSavingDigits;
    while (kept > 0 && (static_cast<unsigned char>(name[kept]) & 0xc0) == 0x80) --kept;
    return name.substr(0, kept) + kShortenedMark + HexDigits(NameHash(name));
}

}  // namespace

std::string SavingFileName(const std::string& name) {
    static std::mt19937_64 random{std::random_device{}()};
    return SavingStem(name) + std::string(kSavingMark) + HexDigits(random()) +
           std::string(kSavingEnd);
}

bool IsSavingFileOf(const std::string& candidate, const std::string& name) {
    const std::string stem = SavingStem(name);
    const std::size_t digitsAt = stem.size() + kSavingMark.size();
    if (candidate.size() != stem.size() + kSavingTail || !candidate.starts_with(stem) ||
        !candidate.ends_with(kSavingEnd) ||
        candidate.compare(stem.size(), kSavingMark.size(), kSavingMark) != 0)
        return false;
    return candidate.find_first_not_of(kHexDigits, digitsAt) == digitsAt + kSavingDigits;
}

}  // namespace internals

std::string FileInFolder(const std::string& folder, const std::string& name) {
    const std::string asNamed = folder + name;
    if (name.empty() || name.find_first_of("/\\") != std::string::npos) return asNamed;
    std::error_code ec;
#ifndef _WIN32
    // Names differ in case here: a file of exactly that name is the one. On Windows a file
    // of that name in any case exists, and it is taken as the folder spells it, so that
    // saving it keeps its spelling.
    if (std::filesystem::exists(FsPath(asNamed), ec)) return asNamed;
#endif
    const std::string folded = windows1252::SmallLettersOfUtf8(name);
    std::string match;
    for (std::filesystem::directory_iterator entry(FsPath(folder), ec), end; !ec && entry != end;
         entry.increment(ec)) {
        const std::string candidate = FromFsPath(entry->path().filename());
        // Of several matches the first in byte order, so the choice does not depend on
        // the order the folder lists them in.
        if (windows1252::SmallLettersOfUtf8(candidate) == folded &&
            (match.empty() || candidate < match))
            match = candidate;
    }
    return match.empty() ? asNamed : folder + match;
}

std::optional<std::vector<std::string>> FileNamesIn(const std::string& folder, bool andBelow) {
    namespace fs = std::filesystem;
    const fs::path path = FsPath(folder.empty() ? "." : folder);
    std::vector<std::string> names;
    std::error_code ec;
    auto collect = [&](auto entries) -> std::optional<std::vector<std::string>> {
        if (ec) return std::nullopt;
        for (const auto end = decltype(entries)(); !ec && entries != end; entries.increment(ec)) {
            std::error_code typeError;
            if (entries->is_regular_file(typeError))
                names.push_back(FromFsPath(entries->path().filename()));
        }
        return std::move(names);
    };
    if (andBelow)
        return collect(fs::recursive_directory_iterator(
            path, fs::directory_options::skip_permission_denied, ec));
    return collect(fs::directory_iterator(path, ec));
}

std::string FileConcerns(const std::string& path) {
    return "File: " + path;
}

std::string UnsavedFileConcerns(const std::string& path) {
    return FileConcerns(path) + "\r\n" +
           (FileExists(path) ? "Nothing was saved: the file is unchanged."
                             : "Nothing was saved: no file was created.");
}

// An empty path names no file, and its error says so without a file line.
std::string ReadFileBytes(const std::string& path, std::uint64_t maxBytes) {
    return RunConcerning(path.empty() ? "" : FileConcerns(path),
                         [&] { return internals::ReadPlatformFile(path, maxBytes); });
}

void ReplaceFileContents(const std::string& path, const std::string& bytes) {
    RunConcerning(path.empty() ? "" : UnsavedFileConcerns(path),
                  [&] { internals::ReplacePlatformFile(path, bytes); });
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    // A loop of links is there, though it leads nowhere: reading or saving it says so.
    return std::filesystem::exists(FsPath(path), ec) ||
           ec == std::errc::too_many_symbolic_link_levels;
}

}  // namespace xal::platform
