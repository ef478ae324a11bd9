#include "about/about_text.h"

#include "model/conversions.h"
#include "platform/error.h"
#include "platform/file_system.h"

namespace xal {

std::string VersionLine(int major, int minor, int revision) {
    std::string line = "Version " + DecimalText(major) + "." + DecimalText(minor, 2);
    if (revision != 0) line += " (revision " + DecimalText(revision) + ")";
    return line;
}

namespace {

// The folder with one separator at its end.
std::string WithSeparator(const std::string& folder) {
    const std::string& separator = platform::PathSeparator();
    const bool endsInSeparator =
        folder.size() >= separator.size() &&
        folder.compare(folder.size() - separator.size(), separator.size(), separator) == 0;
    return endsInSeparator ? folder : folder + separator;
}

}  // namespace

std::string ReadMePath(const std::string& programFolder) {
    return WithSeparator(programFolder) + kReadMeFileName;
}

std::string InstalledReadMePath(const std::string& programFolder) {
    std::string folder = WithSeparator(programFolder);
    // The build names the documentation folder with "/" between its parts.
    for (const char c : std::string(XAL_INSTALLED_DOC_FOLDER)) {
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
        return platform::ReadFileBytes(path, false);
    } catch (const RunTimeError& error) {
        if (error.Number() == ErrorNumber::FileNotFound) return {};
        return "The read-me file could not be read:\r\n" + path + "\r\n" +
               DecimalText(error.Number()) + " " + error.Description() + "\r\n";
    }
}

}  // namespace xal
