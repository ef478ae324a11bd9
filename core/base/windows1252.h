// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace xal::windows1252 {

// The Unicode character of a Windows-1252 byte. The five bytes the code page leaves
// undefined (81, 8D, 8F, 90, 9D) map to the control characters of the same number,
// so every byte 0 to 255 has a character and comes back unchanged.
char32_t ToUnicode(unsigned char byte);

// The byte of a Unicode character, or nothing when the code page cannot hold it.
std::optional<unsigned char> FromUnicode(char32_t character);

// Windows-1252 bytes as UTF-8 text.
std::string ToUtf8(const std::string& bytes);

// UTF-8 text as Windows-1252 bytes; nothing when the text is not valid UTF-8 or holds
// a character the code page cannot hold.
std::optional<std::string> FromUtf8(const std::string& utf8);

// The text with its capitals made small letters, as Windows matches file names in any
// capitals: A to Z, the capitals of the upper half (but the multiplication sign) and Š,
// Œ, Ž, Ÿ. Any other byte stays as it is.
std::string SmallLetters(std::string text);

// The same for UTF-8 text: each character the code page holds is made small as above; any
// other character, and any byte that starts no character, stays as it is.
std::string SmallLettersOfUtf8(const std::string& utf8);

// Appends a character to a UTF-8 string.
void AppendUtf8(std::string& out, char32_t character);

}  // namespace xal::windows1252
