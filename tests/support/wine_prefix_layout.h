// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace xal::test {

// A section of a Wine registry file holding the game's folder: the key line as Wine
// writes it (backslashes doubled, a time stamp after it), its "#time=" line, the folder
// as an escaped string and the game's version. `escapedKey` and `escapedFolder` are as
// they stand in the file.
inline std::string GameKeySection(const std::string& escapedKey, const std::string& escapedFolder) {
    return "[" + escapedKey + "] 1796563534\n#time=1dd8585464d60cc\n\"Directory\"=\"" +
           escapedFolder + "\"\n\"Version\"=dword:00000001\n\n";
}

inline constexpr const char* kNativeGameKey = "Software\\\\Ostrand\\\\Xandor's Legion\\\\1.0";
inline constexpr const char* kWow64GameKey =
    "Software\\\\Wow6432Node\\\\Ostrand\\\\Xandor's Legion\\\\1.0";

// A Wine prefix in a folder of its own, laid out as "wineboot" lays one out: the folder
// "drive_c", the drive links "dosdevices/c:" -> "../drive_c" and "dosdevices/z:" -> "/",
// and "system.reg" once a test writes it.
class WinePrefixLayout {
  public:
    WinePrefixLayout() {
        std::filesystem::create_directories(folder_.Path() / "drive_c" / "windows");
        std::filesystem::create_directories(folder_.Path() / "dosdevices");
        Link("c:", "../drive_c");
        Link("z:", "/");
    }

    std::string Path() const { return folder_.Path().string(); }
    // Where drive C: is on disk.
    std::filesystem::path DriveC() const { return folder_.Path() / "drive_c"; }

    // Makes a drive link in "dosdevices", such as "d:" to another folder.
    void Link(const std::string& drive, const std::filesystem::path& target) const {
        std::filesystem::create_symlink(target, folder_.Path() / "dosdevices" / drive);
    }
    // Writes "system.reg": Wine's header of a machine registry, then the sections as given.
    void WriteSystemRegistry(const std::string& sections) const {
        folder_.Write("system.reg",
                      "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n"
                      "#arch=win64\n\n" +
                          sections);
    }

  private:
    TempFolder folder_;
};

}  // namespace xal::test
