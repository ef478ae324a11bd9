// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace xal {

// Error numbers of the run-time errors the program raises, tests or reports.
namespace ErrorNumber {
inline constexpr int InvalidArgument = 5;  // "Invalid procedure call or argument"
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;  // a collection position that does not exist
inline constexpr int TypeMismatch = 13;
inline constexpr int InternalError = 51;  // a failure of the program itself
inline constexpr int BadFileName = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int DiskFull = 61;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int FileDialogCancelled = 32755;
}  // namespace ErrorNumber

// The one run-time error of the program: a number and a description, and what it
// concerns when that is known (a line such as "File: /games/camp1.cam").
class RunTimeError : public std::runtime_error {
  public:
    RunTimeError(int number, std::string description, std::string concerns = {});

    int Number() const { return number_; }
    const std::string& Description() const { return description_; }
    const std::string& Concerns() const { return concerns_; }

    // The same error concerning `concerns`, unless it already names what it concerns.
    RunTimeError Concerning(const std::string& concerns) const;
    // The same error with a line after its description that says why it happened.
    RunTimeError Because(const std::string& reason) const;

    // "number" CR LF "description", as every command reports a failure, and CR LF and
    // what it concerns when that is known.
    std::string Report() const;

  private:
    int number_;
    std::string description_;
    std::string concerns_;
};

// The error another of the project's programs printed with Report(): its number, and the
// lines after it as its description. Any other text is an internal error of that text.
RunTimeError ReadErrorReport(const std::string& report);

// Runs a step; a failure of it is raised again concerning `concerns`, unless it already
// names what it concerns.
template <typename Step>
auto RunConcerning(const std::string& concerns, Step step) {
    try {
        return step();
    } catch (const RunTimeError& error) {
        throw error.Concerning(concerns);
    }
}

// Raises the error with its standard description.
[[noreturn]] void Raise(int number);
// Raises the error with a description of its own.
[[noreturn]] void Raise(int number, const std::string& description);
// Raises the error with its standard description and a line that says why.
[[noreturn]] void RaiseBecause(int number, const std::string& reason);

// The standard description of an error number.
std::string StandardDescription(int number);

}  // namespace xal
