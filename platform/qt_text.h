#pragma once

#include <QString>
#include <string>

namespace xal::gui {

// The widget boundary: the program's Windows-1252 bytes to and from Qt's Unicode text.
QString ToQString(const std::string& bytes);
// Characters the code page cannot hold become "?", as the ANSI conversion does.
std::string FromQString(const QString& text);

}  // namespace xal::gui
