#pragma once

#include <filesystem>
#include <string>

namespace xal::platform {

// A path as the program holds it (text in the system's code page, as the C library's file
// functions take it) for the file-system library, and back. MinGW's library would widen
// narrow text byte by byte and narrow it back as UTF-8; these convert through the
// system's code page instead.
std::filesystem::path FsPath(const std::string& path);
std::string FromFsPath(const std::filesystem::path& path);

// The path separator of this platform: "\" on Windows, "/" elsewhere.
const std::string& PathSeparator();

// The folder with this platform's separator at its end, added when it is not there.
std::string WithTrailingSeparator(const std::string& folder);

// Reads a whole file as bytes. A missing file is created empty when createMissing is
// set (and read as empty); otherwise it raises "File not found". Other failures raise
// the matching file error.
std::string ReadFileBytes(const std::string& path, bool createMissing);

// Makes the bytes the whole contents of the file without ever leaving a half-written
// file: they go to a temporary file in the same folder, which is flushed to disk and
// renamed over the target. On any failure the temporary file is removed, the old file
// stays as it was and the matching file error is raised. An existing file keeps its
// permissions.
void ReplaceFileContents(const std::string& path, const std::string& bytes);

// The path of the file `name` in `folder` (which ends in a separator). Campaigns name
// their files in any case, so when no file has exactly that name, an existing file whose
// name differs only in the case of its letters is taken; only when none does is the name
// used as it stands.
std::string FileInFolder(const std::string& folder, const std::string& name);

// Whether a file or folder of that path exists.
bool FileExists(const std::string& path);

// Raises the file error that matches an errno value.
[[noreturn]] void RaiseFileError(int errnoValue);

}  // namespace xal::platform
