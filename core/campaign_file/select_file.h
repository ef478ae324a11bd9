// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace xal {

// The kind of file a picker offers, with its title word and filter.
enum class FileKind { Campaign = 0, Scenario = 1, Text = 2, Movie = 3, Application = 4 };

// What the picker is for: its title prefix and whether the save dialog is shown.
enum class PickerMode { Open = 0, Select = 1, Save = 2 };

// The one file picker. It opens in `startFolder` (the current campaign's) with `fileName`
// as the initial choice; on return `fileName` holds the chosen file's bare name and the result
// is its full path; a name saved without an ending gets the kind's (".cam"). Paths and
// names are UTF-8. Cancelling raises the file-dialog-cancelled error (32755) and leaves
// `fileName` as it was.
std::string SelectFile(std::string& fileName, FileKind kind, PickerMode mode,
                       const std::string& startFolder);

}  // namespace xal
