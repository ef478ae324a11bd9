// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

// What the platforms' own file reading and saving share: the errors that refuse a file
// and the names of the temporary files of a save.
namespace xal::platform::internals {

// The platform's own ReadFileBytes and ReplaceFileContents, whose errors do not yet name
// the file.
std::string ReadPlatformFile(const std::string& path, std::uint64_t maxBytes);
void ReplacePlatformFile(const std::string& path, const std::string& bytes);

[[noreturn]] void RaiseNotARegularFile();
[[noreturn]] void RaiseLargerThan(std::uint64_t maxBytes);
[[noreturn]] void RaiseReadOnly();

// A fresh name for the temporary file of a save of the file `name`:
// "<name>.saving-<8 hexadecimal digits>.tmp", where a name too long for that is replaced
// by its start, "~" and 8 hexadecimal digits of its hash, so that it fits 255 bytes.
std::string SavingFileName(const std::string& name);
// Whether `candidate` is a name SavingFileName gives for `name`.
bool IsSavingFileOf(const std::string& candidate, const std::string& name);

}  // namespace xal::platform::internals
