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

std::string ReadMePath(const std::string& programFolder) {
    const std::string& separator = platform::PathSeparator();
    const bool endsInSeparator = programFolder.size() >= separator.size() &&
                                 programFolder.compare(programFolder.size() - separator.size(),
                                                       separator.size(), separator) == 0;
    return programFolder + (endsInSeparator ? "" : separator) + kReadMeFileName;
}

std::string ReadMeText(const std::string& programFolder) {
    const std::string path = ReadMePath(programFolder);
    try {
        return platform::ReadFileBytes(path, false);
    } catch (const RunTimeError& error) {
        if (error.Number() == ErrorNumber::FileNotFound) return {};
        return "The read-me file could not be read:\r\n" + path + "\r\n" +
               DecimalText(error.Number()) + " " + error.Description() + "\r\n";
    }
}

}  // namespace xal
