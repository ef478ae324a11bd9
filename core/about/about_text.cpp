// SPDX-License-Identifier: MIT
#include "core/about/about_text.h"

#include "core/base/conversions.h"
#include "core/base/error.h"
#include "core/base/read_limits.h"
#include "core/platform/file_system.h"

namespace xal {

std::string VersionLine(int major, int minor, int revision) {
    std::string line = "Version " + DecimalText(major) + "." + DecimalText(minor, 2);
    if (revision != 0) line += " (revision " + DecimalText(revision) + ")";
    return line;
}

std::string ReadMePath(const std::string& programFolder) {
    return platform::WithTrailingSeparator(programFolder) + kReadMeFileName;
}

std::string InstalledReadMePath(const std::string& programFolder) {
    std::string folder = platform::WithTrailingSeparator(programFolder);
    // The build names the folder with "/" between its parts.
    for (const char c : std::string(XAL_INSTALLED_READ_ME_FOLDER)) {
        if (c == '/')
            folder += platform::PathSeparator();
        else
            folder += c;
    }
    return ReadMePath(folder);
}

std::string ReadMeText(const std::string& programFolder) {
    std::string path = ReadMePath(programFolder);
    if (!platform::FileExists(path)) path = InstalledReadMePath(programFolder);
    try {
        return platform::ReadFileBytes(path, platform::read_limit::kTextFile);
    } catch (const RunTimeError& error) {
        if (error.Number() == ErrorNumber::FileNotFound) return {};
        return "The read-me file could not be read:\r\n" + path + "\r\n" +
               DecimalText(error.Number()) + " " + error.Description() + "\r\n";
    }
}

}  // namespace xal
