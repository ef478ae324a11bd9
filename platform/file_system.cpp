#include "platform/file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

#include "platform/error.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
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

#ifdef _WIN32
std::filesystem::path FsPath(const std::string& path) {
    const int size = static_cast<int>(path.size());
    std::wstring wide(MultiByteToWideChar(CP_ACP, 0, path.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string FromFsPath(const std::filesystem::path& path) {
    const std::wstring& wide = path.native();
    const int size = static_cast<int>(wide.size());
    std::string text(
        WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, text.data(), static_cast<int>(text.size()),
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
        default:
            Raise(ErrorNumber::PathFileAccessError);
    }
}

namespace {

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(FsPath(path), ec);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

bool FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

std::string TemporaryPathBeside(const std::string& path) {
    static std::mt19937_64 random{std::random_device{}()};
    const std::filesystem::path target = FsPath(path);
    // Appended piece by piece: "." + name trips a false -Wrestrict of GCC 12 on 32-bit.
    std::string name = ".";
    name += FromFsPath(target.filename());
    name += '.';
    name += std::to_string(random() % 1000000000);
    name += ".tmp";
    return FromFsPath(target.parent_path() / FsPath(name));
}

}  // namespace

std::string ReadFileBytes(const std::string& path, bool createMissing) {
    if (path.empty()) Raise(ErrorNumber::BadFileName);
    if (IsFolder(path)) Raise(ErrorNumber::PathFileAccessError);
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        int error = errno;
        if (error != ENOENT) RaiseFileError(error);
        if (!createMissing) Raise(ErrorNumber::FileNotFound);
        FileHandle created(std::fopen(path.c_str(), "wb"));
        if (!created) RaiseFileError(errno);
        return {};
    }
    std::string bytes;
    char buffer[65536];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, count);
    if (std::ferror(file.get())) Raise(ErrorNumber::PathFileAccessError);
    return bytes;
}

namespace {

bool SameLettersIgnoringCase(const std::string& a, const std::string& b) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [&](unsigned char x, unsigned char y) { return lower(x) == lower(y); });
}

}  // namespace

std::string FileInFolder(const std::string& folder, const std::string& name) {
    const std::string asNamed = folder + name;
    std::error_code ec;
    if (name.empty() || name.find_first_of("/\\") != std::string::npos ||
        std::filesystem::exists(FsPath(asNamed), ec))
        return asNamed;
    std::string match;
    for (std::filesystem::directory_iterator entry(FsPath(folder), ec), end; !ec && entry != end;
         entry.increment(ec)) {
        const std::string candidate = FromFsPath(entry->path().filename());
        // Of several matches the first in byte order, so the choice does not depend on
        // the order the folder lists them in.
        if (SameLettersIgnoringCase(candidate, name) && (match.empty() || candidate < match))
            match = candidate;
    }
    return match.empty() ? asNamed : folder + match;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(FsPath(path), ec);
}

void ReplaceFileContents(const std::string& path, const std::string& bytes) {
    if (path.empty()) Raise(ErrorNumber::BadFileName);
    if (IsFolder(path)) Raise(ErrorNumber::PathFileAccessError);
    const std::string temporary = TemporaryPathBeside(path);
    auto fail = [&](int error) {
        std::remove(temporary.c_str());
        RaiseFileError(error);
    };
    {
        FileHandle file(std::fopen(temporary.c_str(), "wb"));
        if (!file) RaiseFileError(errno);
        if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) fail(errno);
        if (!FlushToDisk(file.get())) fail(errno);
#ifndef _WIN32
        struct stat old {};
        if (stat(path.c_str(), &old) == 0) fchmod(fileno(file.get()), old.st_mode & 07777);
#endif
        if (std::fclose(file.release()) != 0) fail(errno);
    }
    std::error_code ec;
    std::filesystem::rename(FsPath(temporary), FsPath(path), ec);
    if (ec) fail(ec.default_error_condition().value());
}

}  // namespace xal::platform
