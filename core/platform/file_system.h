// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace xal::platform {

// A path as the program holds it, for the file-system library, and back. The program
// holds the platform's own path text: the file system's bytes (UTF-8) on Linux, passed on
// unchanged; UTF-8 on Windows, converted to and from the UTF-16 of the wide-character
// calls whatever the system's code page. Every file operation goes through these.
std::filesystem::path FsPath(const std::string& path);
std::string FromFsPath(const std::filesystem::path& path);

// The path separator of this platform: "\" on Windows, "/" elsewhere.
const std::string& PathSeparator();

// The folder with this platform's separator at its end, added when it is not there.
std::string WithTrailingSeparator(const std::string& folder);

// A folder of the user's under the XDG base directory rules: the variable's value when it
// is an absolute path, else the folder under the home folder (".config", ".local/state").
std::filesystem::path XdgBaseFolder(const char* variable, const std::filesystem::path& underHome);

// Reads a whole file as bytes; a missing file raises "File not found". Opening never waits (not
// even on a FIFO without a writer). What is not a regular file (a folder, a device, a FIFO, a
// socket), or is larger than maxBytes, is refused at once, before anything is read, with 75
// "Path/File access error" and a description of its own; so is a file that grows beyond maxBytes
// while it is read (see read_limits.h for the bounds). Other failures raise the matching file
// error. Every error names the file ("File: " and the path).
std::string ReadFileBytes(const std::string& path, std::uint64_t maxBytes);

// Makes the bytes the whole contents of the file without ever leaving a half-written
// file: they go to the temporary file "<name>.saving-<8 hexadecimal digits>.tmp" in the
// same folder (for a name too long for that, the start of the name, "~" and 8 hexadecimal
// digits of a hash of the name stand for it), which is flushed to disk and renamed over
// the target. A save first removes
// what interrupted saves of the same file left of such files, but never the one of a save
// in progress (on Linux it holds a lock on its file, on Windows its file is open).
// - A link (or a chain of links) is saved through: its final target is written and the
//   link stays a link.
// - A target that is not a regular file raises 75 "Path/File access error" and one that
//   is read-only (no write permission for anyone, or Windows' read-only attribute) 70
//   "Permission denied", each with a description of its own, before anything is written.
// - An existing file keeps its permissions, and on Linux its owner, group and extended
//   attributes as far as the program may set them.
// On any failure the temporary file is removed, the old file stays as it was and the
// matching file error is raised (a full disk or a file-size limit: 61 "Disk full"; a loop
// of links: 75 with a description of its own), naming the file and saying that nothing
// was saved.
void ReplaceFileContents(const std::string& path, const std::string& bytes);

// The path of the file `name` in `folder` (which ends in a separator). Campaigns name
// their files in any case, so when no file has exactly that name, an existing file whose
// name differs only in the capitals of its letters is taken, as the folder spells it: the
// letters of the campaign's code page (windows1252::SmallLettersOfUtf8), as the check
// against the game matches them. Only when none does is the name used as it stands.
std::string FileInFolder(const std::string& folder, const std::string& name);

// The names of the files (links to files too) in a folder, and with `andBelow` in every
// folder under it, as the program's text, read in one pass over the folder; an empty
// folder is the current one. Nothing when the folder cannot be read; a folder under it
// that cannot be read is passed over.
std::optional<std::vector<std::string>> FileNamesIn(const std::string& folder, bool andBelow);

// What a failure concerning the file says of it: "File: " and the path; for a failed
// save, a further line that nothing was saved and what became of the file.
std::string FileConcerns(const std::string& path);
std::string UnsavedFileConcerns(const std::string& path);

// Whether a file or folder of that path exists, or a loop of links stands there.
bool FileExists(const std::string& path);

// Raises the file error that matches an errno value.
[[noreturn]] void RaiseFileError(int errnoValue);

}  // namespace xal::platform
