// SPDX-License-Identifier: MIT
#include "core/base/utf16.h"

#include "core/base/windows1252.h"

namespace xal::utf16 {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

char32_t NextUtf8Character(std::string_view utf8, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(utf8[pos++]);
    if (lead < 0x80) return lead;
    const int length = (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    if (length == 0 || pos + length - 1 > utf8.size()) return kReplacement;
    char32_t c = lead & (0x7F >> length);
    for (int k = 0; k < length - 1; ++k) {
        const auto next = static_cast<unsigned char>(utf8[pos + k]);
        if ((next & 0xC0) != 0x80) return kReplacement;
        c = (c << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and what lies beyond Unicode are no characters.
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kReplacement;
    pos += length - 1;
    return c;
}

void AppendUtf16(std::u16string& units, char32_t character) {
    if (character < 0x10000) {
        units += static_cast<char16_t>(character);
    } else {
        units += static_cast<char16_t>(0xD800 + ((character - 0x10000) >> 10));
        units += static_cast<char16_t>(0xDC00 + ((character - 0x10000) & 0x3FF));
    }
}

std::u16string FromUtf8(std::string_view utf8) {
    std::u16string units;
    units.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) AppendUtf16(units, NextUtf8Character(utf8, pos));
    return units;
}

std::string ToUtf8(std::u16string_view units) {
    std::string utf8;
    utf8.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        if (IsHighSurrogate(c) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            c = kReplacement;
        }
        windows1252::AppendUtf8(utf8, c);
    }
    return utf8;
}

}  // namespace xal::utf16
