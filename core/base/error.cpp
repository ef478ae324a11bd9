// SPDX-License-Identifier: MIT
#include "core/base/error.h"

namespace xal {

RunTimeError::RunTimeError(int number, std::string description, std::string concerns)
    : std::runtime_error(description),
      number_(number),
      description_(std::move(description)),
      concerns_(std::move(concerns)) {}

RunTimeError RunTimeError::Concerning(const std::string& concerns) const {
    return {number_, description_, concerns_.empty() ? concerns : concerns_};
}

RunTimeError RunTimeError::Because(const std::string& reason) const {
    return {number_, description_ + "\r\n" + reason, concerns_};
}

std::string RunTimeError::Report() const {
    std::string report = std::to_string(number_) + "\r\n" + description_;
    if (!concerns_.empty()) report += "\r\n" + concerns_;
    return report;
}

RunTimeError ReadErrorReport(const std::string& report) {
    // Lines may end in LF, CR LF or, through a text-mode stream on Windows, CR CR LF.
    std::string text;
    for (const char c : report)
        if (c != '\r') text += c;
    while (!text.empty() && text.back() == '\n') text.pop_back();
    const std::size_t lineEnd = text.find('\n');
    const std::string first = text.substr(0, lineEnd);
    if (lineEnd == std::string::npos || first.empty() || first.size() > 5 ||
        first.find_first_not_of("0123456789") != std::string::npos)
        return RunTimeError(ErrorNumber::InternalError, text);
    std::string description;
    for (const char c : text.substr(lineEnd + 1))
        description += c == '\n' ? "\r\n" : std::string(1, c);
    return RunTimeError(std::stoi(first), description);
}

std::string StandardDescription(int number) {
    switch (number) {
        case ErrorNumber::InvalidArgument:
            return "Invalid procedure call or argument";
        case ErrorNumber::Overflow:
            return "Overflow";
        case ErrorNumber::OutOfMemory:
            return "Out of memory";
        case ErrorNumber::SubscriptOutOfRange:
            return "Subscript out of range";
        case ErrorNumber::TypeMismatch:
            return "Type mismatch";
        case ErrorNumber::InternalError:
            return "Internal error";
        case ErrorNumber::BadFileName:
            return "Bad file name or number";
        case ErrorNumber::FileNotFound:
            return "File not found";
        case ErrorNumber::DiskFull:
            return "Disk full";
        case ErrorNumber::PermissionDenied:
            return "Permission denied";
        case ErrorNumber::PathFileAccessError:
            return "Path/File access error";
        case ErrorNumber::PathNotFound:
            return "Path not found";
        case ErrorNumber::FileDialogCancelled:
            return "Cancel was selected.";
        default:
            return "Application-defined or object-defined error";
    }
}

void Raise(int number) {
    throw RunTimeError(number, StandardDescription(number));
}

void Raise(int number, const std::string& description) {
    throw RunTimeError(number, description);
}

void RaiseBecause(int number, const std::string& reason) {
    throw RunTimeError(number, StandardDescription(number)).Because(reason);
}

}  // namespace xal
