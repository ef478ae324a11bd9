// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace xal::gui {

// The widget boundary for the texts of a campaign file and the game's text files:
// Windows-1252 bytes to and from Qt's Unicode text.
QString ToQString(const std::string& bytes);
// Characters the code page cannot hold become "?", as the ANSI conversion does.
std::string FromQString(const QString& text);
// The text as Windows-1252 bytes, or nothing when the code page cannot hold it all.
std::optional<std::string> CodePageText(const QString& text);

// The widget boundary for the program's own texts, paths and messages: UTF-8, the
// encoding every path of the program has (the file system's on Linux; converted to
// UTF-16 at each call of the Windows API).
QString Utf8ToQString(const std::string& utf8);
std::string QStringToUtf8(const QString& text);

// The path of a file that Qt shows (a file dialog's choice, a dropped file), as the file
// system names it. Qt shows the bytes of a name that are not UTF-8 as U+FFFD; such a name
// is found again among its folder's names when exactly one of them shows so.
std::string FileSystemPath(const QString& shown);

}  // namespace xal::gui
