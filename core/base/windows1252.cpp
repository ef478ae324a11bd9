// SPDX-License-Identifier: MIT
#include "core/base/windows1252.h"

namespace xal::windows1252 {
namespace {

// Bytes 0x80 to 0x9F; the rest of the code page equals Unicode.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> FromUnicode(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<unsigned char>(character);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == character) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

namespace {

unsigned char ToSmallLetter(unsigned char byte) {
    constexpr unsigned char kMultiplicationSign = 0xD7;
    if ((byte >= 'A' && byte <= 'Z') ||
        (byte >= 0xC0 && byte <= 0xDE && byte != kMultiplicationSign))
        return static_cast<unsigned char>(byte + 0x20);
    switch (byte) {
        case 0x8A:  // Š, Œ, Ž: their small letters are 0x10 further on
        case 0x8C:
        case 0x8E:
            return static_cast<unsigned char>(byte + 0x10);
        case 0x9F:  // Ÿ
            return 0xFF;
        default:
            return byte;
    }
}

}  // namespace

std::string SmallLetters(std::string text) {
    for (char& c : text) c = static_cast<char>(ToSmallLetter(static_cast<unsigned char>(c)));
    return text;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char byte : bytes) AppendUtf8(out, ToUnicode(static_cast<unsigned char>(byte)));
    return out;
}

namespace {

// The UTF-8 character that starts at `i`, with `i` moved past it; nothing, with `i` left
// alone, when no whole character starts there.
std::optional<char32_t> NextCharacter(const std::string& utf8, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80         ? 1
                       : (lead >> 5) == 6  ? 2
                       : (lead >> 4) == 14 ? 3
                       : (lead >> 3) == 30 ? 4
                                           : 0;
    if (length == 0 || i + length > utf8.size()) return std::nullopt;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(utf8[i + k]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    i += length;
    return c;
}

}  // namespace

std::optional<std::string> FromUtf8(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::optional<char32_t> c = NextCharacter(utf8, i);
        const std::optional<unsigned char> byte = c ? FromUnicode(*c) : std::nullopt;
        if (!byte) return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string SmallLettersOfUtf8(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::optional<char32_t> c = NextCharacter(utf8, i);
        if (!c) {
            out += utf8[i++];
            continue;
        }
        const std::optional<unsigned char> byte = FromUnicode(*c);
        AppendUtf8(out, byte ? ToUnicode(ToSmallLetter(*byte)) : *c);
    }
    return out;
}

}  // namespace xal::windows1252
