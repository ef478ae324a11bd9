// SPDX-License-Identifier: MIT
#include "core/registry/reg_file_format.h"

#include <cstdio>
#include <string_view>
#include <utility>

#include "core/base/utf16.h"

namespace xal::platform {
namespace {

constexpr std::string_view kHeader = "WINE REGISTRY Version 2";

char SmallLetter(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string InSmallLetters(std::string text) {
    for (char& c : text) c = SmallLetter(c);
    return text;
}

bool SameLetters(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (SmallLetter(a[i]) != SmallLetter(b[i])) return false;
    return true;
}

bool IsTextType(std::uint32_t type) {
    return type == RegType::Sz || type == RegType::ExpandSz || type == RegType::MultiSz;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads one escape, or one character that is not plain ASCII, as UTF-16 code units;
// `pos` starts at it and ends after it. Escapes name code units; other text is UTF-8.
bool ReadEscapeOrCharacter(std::string_view line, std::size_t& pos, std::u16string& out) {
    static constexpr std::string_view kLetters = "abtnvfre";
    static constexpr std::u16string_view kMeanings = u"\a\b\t\n\v\f\r\x1b";
    if (line[pos] != '\\') {
        utf16::AppendUtf16(out, utf16::NextUtf8Character(line, pos));
        return true;
    }
    if (++pos >= line.size()) return false;
    const char e = line[pos];
    if (const auto letter = kLetters.find(e); letter != std::string_view::npos) {
        out += kMeanings[letter];
        ++pos;
    } else if (e == 'x') {
        char16_t unit = 0;
        int digits = 0;
        for (++pos; digits < 4 && pos < line.size() && HexDigit(line[pos]) >= 0; ++digits)
            unit = static_cast<char16_t>(unit * 16 + HexDigit(line[pos++]));
        if (digits == 0) return false;
        out += unit;
    } else if (e >= '0' && e <= '7') {
        char16_t unit = 0;
        for (int digits = 0;
             digits < 3 && pos < line.size() && line[pos] >= '0' && line[pos] <= '7'; ++digits)
            unit = static_cast<char16_t>(unit * 8 + (line[pos++] - '0'));
        out += unit;
    } else {
        utf16::AppendUtf16(out, utf16::NextUtf8Character(line, pos));
    }
    return true;
}

// Reads escaped text up to its closing character, as UTF-8; `pos` starts after the
// opening character and ends after the closing one. Runs of plain ASCII are taken as they
// stand; escapes and other characters go through UTF-16, where escaped halves of a
// surrogate pair meet.
bool ReadDelimited(std::string_view line, std::size_t& pos, char close, std::string& out) {
    out.clear();
    std::u16string units;
    auto flush = [&] {
        out += utf16::ToUtf8(units);
        units.clear();
    };
    while (pos < line.size()) {
        const std::size_t plain = pos;
        while (pos < line.size() && static_cast<unsigned char>(line[pos]) < 0x80 &&
               line[pos] != '\\' && line[pos] != close)
            ++pos;
        if (pos > plain) {
            if (!units.empty()) flush();
            out.append(line.substr(plain, pos - plain));
        } else if (line[pos] == close) {
            ++pos;
            if (!units.empty()) flush();
            return true;
        } else if (!ReadEscapeOrCharacter(line, pos, units)) {
            return false;
        }
    }
    return false;
}

bool ReadHexList(std::string_view text, std::string& out) {
    auto skipBlanks = [&](std::size_t& pos) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    };
    for (std::size_t pos = 0; skipBlanks(pos), pos < text.size();) {
        const int high = HexDigit(text[pos]);
        const int low = pos + 1 < text.size() ? HexDigit(text[pos + 1]) : -1;
        if (high < 0 || low < 0) return false;
        out += static_cast<char>(high * 16 + low);
        pos += 2;
        skipBlanks(pos);
        if (pos < text.size() && text[pos++] != ',') return false;
    }
    return true;
}

// A number of one to eight hex digits, such as the N of "hex(N):".
std::optional<std::uint32_t> HexNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    std::uint32_t type = 0;
    for (char c : digits) {
        if (HexDigit(c) < 0) return std::nullopt;
        type = type * 16 + static_cast<std::uint32_t>(HexDigit(c));
    }
    return type;
}

std::u16string FromLittleEndian(std::string_view bytes) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                       static_cast<unsigned char>(bytes[i + 1]) << 8);
    return units;
}

std::string ToLittleEndian(std::u16string_view units) {
    std::string bytes;
    for (char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

bool ParseValueData(std::string_view text, RegFileValue& value) {
    auto quotedText = [&](std::size_t pos) {
        if (!ReadDelimited(text, pos, '"', value.data) || pos != text.size()) return false;
        value.data += '\0';
        return true;
    };
    auto typed = [&](std::string_view prefix) -> std::optional<std::size_t> {
        const std::size_t close = text.find("):");
        if (!text.starts_with(prefix) || close == std::string_view::npos) return std::nullopt;
        const auto type = HexNumber(text.substr(prefix.size(), close - prefix.size()));
        if (!type) return std::nullopt;
        value.type = *type;
        return close + 2;
    };
    if (text.starts_with('"')) {
        value.type = RegType::Sz;
        return quotedText(1);
    }
    if (text.starts_with("dword:")) {
        value.type = RegType::Dword;
        const auto number = HexNumber(text.substr(6));
        if (text.size() != 14 || !number) return false;
        for (int i = 0; i < 4; ++i) value.data += static_cast<char>((*number >> (8 * i)) & 0xFF);
        return true;
    }
    if (text.starts_with("hex:")) {
        value.type = RegType::Binary;
        return ReadHexList(text.substr(4), value.data);
    }
    if (const auto start = typed("str(")) {
        return *start < text.size() && text[*start] == '"' && quotedText(*start + 1);
    }
    if (const auto start = typed("hex(")) {
        if (!ReadHexList(text.substr(*start), value.data)) return false;
        if (!IsTextType(value.type)) return true;
        if (value.data.size() % 2 != 0) return false;
        value.data = utf16::ToUtf8(FromLittleEndian(value.data));
        return true;
    }
    return false;
}

// Puts the values of the keys being read in place, a value named again over the first:
// found by a scan while a key has few values, through an index of their names in small
// letters once it has many, so that a key of many values reads in linear time.
class ValuePlaces {
  public:
    void Put(const RegFile& file, RegFileKey& key, RegFileValue value) {
        constexpr std::size_t kFew = 16;
        if (key.values.size() < kFew) {
            if (RegFileValue* existing = key.FindValue(value.name)) {
                *existing = std::move(value);
            } else {
                key.values.push_back(std::move(value));
            }
            return;
        }
        Index& index = indexes_[static_cast<std::size_t>(&key - file.Keys().data())];
        if (index.empty())
            for (std::size_t i = 0; i < key.values.size(); ++i)
                index.emplace(InSmallLetters(key.values[i].name), i);
        const auto [place, added] =
            index.try_emplace(InSmallLetters(value.name), key.values.size());
        if (added) {
            key.values.push_back(std::move(value));
        } else {
            key.values[place->second] = std::move(value);
        }
    }

  private:
    using Index = std::unordered_map<std::string, std::size_t>;
    std::unordered_map<std::size_t, Index> indexes_;  // by the key's place in the file
};

// Why a value line cannot be read, or null when it was read into the key.
const char* ReadValueLine(std::string_view line, const RegFile& file, RegFileKey& key,
                          ValuePlaces& places) {
    RegFileValue value;
    std::size_t pos = 1;
    if (line[0] == '"' && !ReadDelimited(line, pos, '"', value.name))
        return "unterminated value name";
    if (pos >= line.size() || line[pos] != '=') return "missing \"=\"";
    if (!ParseValueData(line.substr(pos + 1), value)) return "value data not understood";
    places.Put(file, key, std::move(value));
    return nullptr;
}

void AppendEscaped(std::string& out, std::string_view utf8, char close = '"') {
    static const char kEscapes[32] = {0, 0, 0, 0, 0, 0, 0, 'a', 'b', 't', 'n', 'v', 'f', 'r', 0, 0,
                                      0, 0, 0, 0, 0, 0, 0, 0,   0,   0,   0,   'e', 0,   0,   0, 0};
    const std::u16string units = utf16::FromUtf8(utf8);
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t c = units[i];
        const char next =
            i + 1 < units.size() && units[i + 1] < 128 ? static_cast<char>(units[i + 1]) : '\0';
        char buffer[16];
        if (c == '\\' || c == static_cast<unsigned char>(close)) {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 32 && kEscapes[c]) {
            out += '\\';
            out += kEscapes[c];
        } else if (c < 32) {
            const bool octalFollows = next >= '0' && next <= '7';
            std::snprintf(buffer, sizeof buffer, octalFollows ? "\\%03o" : "\\%o",
                          static_cast<unsigned>(c));
            out += buffer;
        } else if (c < 127) {
            out += static_cast<char>(c);
        } else {
            std::snprintf(buffer, sizeof buffer, HexDigit(next) >= 0 ? "\\x%04x" : "\\x%x",
                          static_cast<unsigned>(c));
            out += buffer;
        }
    }
}

void AppendHexList(std::string& out, const std::string& bytes) {
    std::size_t lineStart = out.rfind('\n') + 1;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char buffer[4];
        std::snprintf(buffer, sizeof buffer, "%02x", static_cast<unsigned char>(bytes[i]));
        out += buffer;
        if (i + 1 < bytes.size()) {
            out += ',';
            if (out.size() - lineStart > 76) {
                out += "\\\n  ";
                lineStart = out.size() - 2;
            }
        }
    }
}

// A text value that ends in its one terminating zero and holds no other zero.
bool IsPlainText(const RegFileValue& value) {
    if (value.data.empty() || value.data.back() != '\0') return false;
    return value.type == RegType::MultiSz || value.data.find('\0') == value.data.size() - 1;
}

void AppendValue(std::string& out, const RegFileValue& value) {
    if (value.name.empty()) {
        out += '@';
    } else {
        out += '"';
        AppendEscaped(out, value.name);
        out += '"';
    }
    out += '=';
    char buffer[32];
    if (IsTextType(value.type) && IsPlainText(value)) {
        if (value.type != RegType::Sz) {
            std::snprintf(buffer, sizeof buffer, "str(%x):", value.type);
            out += buffer;
        }
        out += '"';
        AppendEscaped(out, std::string_view(value.data).substr(0, value.data.size() - 1));
        out += '"';
    } else if (value.type == RegType::Dword && value.data.size() == 4) {
        std::uint32_t number = 0;
        for (int i = 3; i >= 0; --i)
            number = number * 256 + static_cast<unsigned char>(value.data[i]);
        std::snprintf(buffer, sizeof buffer, "dword:%08x", number);
        out += buffer;
    } else if (value.type == RegType::Binary) {
        out += "hex:";
        AppendHexList(out, value.data);
    } else {
        std::snprintf(buffer, sizeof buffer, "hex(%x):", value.type);
        out += buffer;
        AppendHexList(
            out, IsTextType(value.type) ? ToLittleEndian(utf16::FromUtf8(value.data)) : value.data);
    }
    out += '\n';
}

// The text as UTF-8, without its byte-order mark.
std::string_view AsUtf8(const std::string& text, std::string& converted) {
    std::string_view body = text;
    if (body.starts_with("\xEF\xBB\xBF")) return body.substr(3);
    if (!body.starts_with("\xFF\xFE")) return body;
    converted = utf16::ToUtf8(FromLittleEndian(body.substr(2)));
    return converted;
}

// The lines of a text, without their line ends ("\n", "\r\n", "\r\r\n"...), numbered from 1.
class Lines {
  public:
    explicit Lines(std::string_view text) : text_(text) {}

    bool Next(std::string_view& line) {
        if (pos_ >= text_.size()) return false;
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos) end = text_.size();
        line = text_.substr(pos_, end - pos_);
        // Every carriage return before the line feed goes: a line kept with one of them
        // would be written with a different line end than it was read with.
        while (line.ends_with('\r')) line.remove_suffix(1);
        pos_ = end + 1;
        ++number_;
        return true;
    }
    std::size_t Number() const { return number_; }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t number_ = 0;
};

}  // namespace

RegFileValue* RegFileKey::FindValue(const std::string& name) {
    return const_cast<RegFileValue*>(std::as_const(*this).FindValue(name));
}

const RegFileValue* RegFileKey::FindValue(const std::string& name) const {
    for (const auto& value : values)
        if (SameLetters(value.name, name)) return &value;
    return nullptr;
}

RegFileKey* RegFile::FindKey(const std::string& path) {
    return const_cast<RegFileKey*>(std::as_const(*this).FindKey(path));
}

const RegFileKey* RegFile::FindKey(const std::string& path) const {
    const auto found = positions_.find(InSmallLetters(path));
    return found == positions_.end() ? nullptr : &keys_[found->second];
}

bool RegFile::KeyExists(const std::string& path) const {
    return positions_.contains(InSmallLetters(path));  // every key's parents are keys too
}

RegFileKey& RegFile::EnsureKey(const std::string& path) {
    std::string folded = InSmallLetters(path);
    if (const auto found = positions_.find(folded); found != positions_.end())
        return keys_[found->second];
    if (const std::size_t parentEnd = path.rfind('\\'); parentEnd != std::string::npos)
        EnsureKey(path.substr(0, parentEnd));
    positions_.emplace(std::move(folded), keys_.size());
    keys_.push_back({path, {}});
    return keys_.back();
}

std::optional<RegFile> ParseRegFile(const std::string& text, std::string* fault) {
    std::string converted;
    Lines lines(AsUtf8(text, converted));
    if (fault) fault->clear();
    std::string_view line;
    if (!lines.Next(line) || line != kHeader) {
        if (fault) *fault = "line 1: missing header \"WINE REGISTRY Version 2\"";
        return std::nullopt;
    }
    auto note = [&](const char* why) {
        if (fault && fault->empty()) *fault = "line " + std::to_string(lines.Number()) + ": " + why;
    };
    RegFile file;
    RegFileKey* current = nullptr;
    ValuePlaces places;
    bool inKeys = false;
    std::string joined;
    while (lines.Next(line)) {
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '#') {
            if (!inKeys) file.metaLines.emplace_back(line);
            continue;
        }
        if (line[0] == '[') {
            inKeys = true;
            std::string path;
            std::size_t pos = 1;
            current = ReadDelimited(line, pos, ']', path) ? &file.EnsureKey(path) : nullptr;
            if (!current) note("key line without \"]\"");
            continue;
        }
        if (line[0] != '"' && line[0] != '@') {
            note("unexpected text");
            continue;
        }
        if (line.ends_with('\\')) {  // a hex list that goes on in the next lines
            joined = line;
            while (joined.ends_with('\\') && lines.Next(line)) {
                joined.pop_back();
                const std::size_t start = line.find_first_not_of(" \t");
                if (start != std::string_view::npos) joined += line.substr(start);
            }
            line = joined;
        }
        if (!current) {
            note("value outside a key");
        } else if (const char* why = ReadValueLine(line, file, *current, places)) {
            note(why);
        }
    }
    return file;
}

std::string FormatRegFile(const RegFile& file) {
    std::string out = std::string(kHeader) + "\n;; All keys relative to REGISTRY\\\\Machine\n";
    if (!file.metaLines.empty()) {
        out += '\n';
        for (const auto& line : file.metaLines) out += line + '\n';
    }
    for (const auto& key : file.Keys()) {
        out += "\n[";
        AppendEscaped(out, key.path, ']');
        out += "]\n";
        for (const auto& value : key.values) AppendValue(out, value);
    }
    return out;
}

}  // namespace xal::platform
