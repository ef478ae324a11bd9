// SPDX-License-Identifier: MIT
#ifndef _WIN32
#include "core/registry/wine_prefix.h"

#include <cstdlib>
#include <filesystem>

#include "core/platform/file_system.h"

namespace xal::platform {
namespace {

namespace fs = std::filesystem;

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The drive letter of a path that starts with one, as "c" to "z" (Wine names its drive
// links in small letters), followed by a separator or nothing.
std::optional<char> DriveLetter(const std::string& windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':') return std::nullopt;
    if (windowsPath.size() > 2 && !IsSeparator(windowsPath[2])) return std::nullopt;
    const char letter = windowsPath[0];
    if (letter >= 'a' && letter <= 'z') return letter;
    if (letter >= 'A' && letter <= 'Z') return static_cast<char>(letter - 'A' + 'a');
    return std::nullopt;
}

// The folder of a drive: where its link in "dosdevices" leads, the entry itself when it
// is a folder and no link, or for C: without either the prefix's "drive_c".
std::optional<fs::path> DriveFolder(const fs::path& prefix, char letter) {
    const fs::path devices = prefix / "dosdevices";
    const fs::path entry = devices / (std::string(1, letter) + ":");
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(entry, ec);
    if (fs::is_symlink(status)) {
        const fs::path target = fs::read_symlink(entry, ec);
        if (ec) return std::nullopt;
        return (target.is_absolute() ? target : devices / target).lexically_normal();
    }
    if (fs::exists(status)) return entry;
    if (letter == 'c') return prefix / "drive_c";
    return std::nullopt;
}

}  // namespace

std::optional<std::string> DefaultWinePrefix() {
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix && *prefix) {
        if (!fs::path(prefix).is_absolute()) return std::nullopt;
        return std::string(prefix);
    }
    const char* home = std::getenv("HOME");
    if (!home || !*home) return std::nullopt;
    return (fs::path(home) / ".wine").string();
}

std::optional<std::string> WinePathToUnix(const std::string& prefix,
                                          const std::string& windowsPath) {
    const std::optional<char> letter = DriveLetter(windowsPath);
    if (!letter) return std::nullopt;
    const std::optional<fs::path> drive = DriveFolder(prefix, *letter);
    if (!drive) return std::nullopt;

    // The registry's text and Wine's names on disk are both UTF-8.
    std::string path = drive->string();
    for (std::size_t start = 2; start < windowsPath.size();) {
        std::size_t end = start;
        while (end < windowsPath.size() && !IsSeparator(windowsPath[end])) ++end;
        if (end > start) {
            const std::string folder = (fs::path(path) / "").string();
            path = FileInFolder(folder, windowsPath.substr(start, end - start));
        }
        start = end + 1;
    }
    return path;
}

}  // namespace xal::platform
#endif
