// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// UTF-8, the program's text, and UTF-16, the text of the Windows registry and of the
// registry file's escapes. Neither conversion fails: a byte that starts no valid UTF-8
// character, and a surrogate without its partner, become U+FFFD.
namespace xal::utf16 {

std::u16string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::u16string_view units);

// The character that starts at `pos`, moving `pos` past it.
char32_t NextUtf8Character(std::string_view utf8, std::size_t& pos);

// Appends a character as one code unit, or as a surrogate pair beyond U+FFFF.
void AppendUtf16(std::u16string& units, char32_t character);

}  // namespace xal::utf16
