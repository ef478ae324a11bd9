#include "platform/reg_file_format.h"

#include <cctype>
#include <cstdio>
#include <sstream>

#include "platform/windows1252.h"

namespace xal::platform {
namespace {

constexpr const char* kHeader = "WINE REGISTRY Version 2";

bool SameLetters(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
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

// A UTF-16 code unit of the file as the byte an ANSI program receives.
char AnsiByte(char32_t unit) {
    auto byte = windows1252::FromUnicode(unit);
    return static_cast<char>(byte ? *byte : '?');
}

// Reads escaped text up to its closing character; `pos` starts after the opening one and
// ends after the closing one.
bool ReadDelimited(const std::string& line, std::size_t& pos, char close, std::string& out) {
    while (pos < line.size()) {
        char c = line[pos++];
        if (c == close) return true;
        if (c != '\\') {
            out += AnsiByte(static_cast<unsigned char>(c));
            continue;
        }
        if (pos >= line.size()) return false;
        char e = line[pos++];
        switch (e) {
            case 'a':
                out += '\a';
                break;
            case 'b':
                out += '\b';
                break;
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case 'v':
                out += '\v';
                break;
            case 'f':
                out += '\f';
                break;
            case 'r':
                out += '\r';
                break;
            case 'e':
                out += '\x1b';
                break;
            case 'x': {
                char32_t unit = 0;
                int digits = 0;
                while (digits < 4 && pos < line.size() && HexDigit(line[pos]) >= 0)
                    unit = unit * 16 + static_cast<char32_t>(HexDigit(line[pos++])), ++digits;
                if (digits == 0) return false;
                out += AnsiByte(unit);
                break;
            }
            default:
                if (e >= '0' && e <= '7') {
                    unsigned value = static_cast<unsigned>(e - '0');
                    for (int digits = 1;
                         digits < 3 && pos < line.size() && line[pos] >= '0' && line[pos] <= '7';
                         ++digits)
                        value = value * 8 + static_cast<unsigned>(line[pos++] - '0');
                    out += AnsiByte(value);
                } else {
                    out += e;
                }
        }
    }
    return false;
}

bool ReadHexList(const std::string& text, std::string& out) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
        if (pos >= text.size()) break;
        if (pos + 1 >= text.size() + 1) return false;
        int high = HexDigit(text[pos]);
        int low = pos + 1 < text.size() ? HexDigit(text[pos + 1]) : -1;
        if (high < 0 || low < 0) return false;
        out += static_cast<char>(high * 16 + low);
        pos += 2;
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
        if (pos < text.size()) {
            if (text[pos] != ',') return false;
            ++pos;
        }
    }
    return true;
}

// Text types in hex form hold UTF-16LE code units; an ANSI program sees one byte for each.
bool Utf16ToAnsi(const std::string& utf16, std::string& out) {
    if (utf16.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < utf16.size(); i += 2) {
        char32_t unit = static_cast<unsigned char>(utf16[i]) |
                        (static_cast<char32_t>(static_cast<unsigned char>(utf16[i + 1])) << 8);
        out += AnsiByte(unit);
    }
    return true;
}

std::string AnsiToUtf16(const std::string& ansi) {
    std::string out;
    for (char byte : ansi) {
        char32_t unit = windows1252::ToUnicode(static_cast<unsigned char>(byte));
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    }
    return out;
}

bool ReadQuoted(const std::string& line, std::size_t& pos, std::string& out) {
    return ReadDelimited(line, pos, '"', out);
}

bool ParseValueData(const std::string& text, RegFileValue& value) {
    std::size_t pos = 0;
    auto quotedText = [&](std::uint32_t type) {
        value.type = type;
        if (!ReadQuoted(text, ++pos, value.data) || pos != text.size()) return false;
        value.data += '\0';
        return true;
    };
    if (text.starts_with("\"")) return quotedText(RegType::Sz);
    if (text.starts_with("str(")) {
        auto close = text.find("):");
        if (close == std::string::npos || close + 2 >= text.size() || text[close + 2] != '"')
            return false;
        auto type = std::strtoul(text.substr(4, close - 4).c_str(), nullptr, 16);
        pos = close + 2;
        return quotedText(static_cast<std::uint32_t>(type));
    }
    if (text.starts_with("dword:")) {
        if (text.size() != 14) return false;
        std::uint32_t number = 0;
        for (std::size_t i = 6; i < 14; ++i) {
            int digit = HexDigit(text[i]);
            if (digit < 0) return false;
            number = number * 16 + static_cast<std::uint32_t>(digit);
        }
        value.type = RegType::Dword;
        for (int i = 0; i < 4; ++i) value.data += static_cast<char>((number >> (8 * i)) & 0xFF);
        return true;
    }
    if (text.starts_with("hex:")) {
        value.type = RegType::Binary;
        return ReadHexList(text.substr(4), value.data);
    }
    if (text.starts_with("hex(")) {
        auto close = text.find("):");
        if (close == std::string::npos || close <= 4) return false;
        for (std::size_t i = 4; i < close; ++i)
            if (HexDigit(text[i]) < 0) return false;
        value.type = static_cast<std::uint32_t>(
            std::strtoul(text.substr(4, close - 4).c_str(), nullptr, 16));
        std::string bytes;
        if (!ReadHexList(text.substr(close + 2), bytes)) return false;
        if (IsTextType(value.type)) return Utf16ToAnsi(bytes, value.data);
        value.data = bytes;
        return true;
    }
    return false;
}

void AppendEscaped(std::string& out, const std::string& ansi, char close = '"') {
    static const char kEscapes[32] = {0, 0, 0, 0, 0, 0, 0, 'a', 'b', 't', 'n', 'v', 'f', 'r', 0, 0,
                                      0, 0, 0, 0, 0, 0, 0, 0,   0,   0,   0,   'e', 0,   0,   0, 0};
    for (std::size_t i = 0; i < ansi.size(); ++i) {
        char32_t c = windows1252::ToUnicode(static_cast<unsigned char>(ansi[i]));
        char next = i + 1 < ansi.size() ? ansi[i + 1] : '\0';
        char buffer[16];
        if (c == '\\' || c == static_cast<unsigned char>(close)) {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 32 && kEscapes[c]) {
            out += '\\';
            out += kEscapes[c];
        } else if (c < 32) {
            bool octalFollows = next >= '0' && next <= '7';
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
        AppendEscaped(out, value.data.substr(0, value.data.size() - 1));
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
        AppendHexList(out, IsTextType(value.type) ? AnsiToUtf16(value.data) : value.data);
    }
    out += '\n';
}

std::string EscapeKeyPath(const std::string& path) {
    std::string out;
    AppendEscaped(out, path, ']');
    return out;
}

}  // namespace

RegFileValue* RegFileKey::FindValue(const std::string& name) {
    for (auto& value : values)
        if (SameLetters(value.name, name)) return &value;
    return nullptr;
}

RegFileKey* RegFile::FindKey(const std::string& path) {
    for (auto& key : keys)
        if (SameLetters(key.path, path)) return &key;
    return nullptr;
}

bool RegFile::KeyExists(const std::string& path) const {
    for (const auto& key : keys) {
        if (SameLetters(key.path, path)) return true;
        if (key.path.size() > path.size() && key.path[path.size()] == '\\' &&
            SameLetters(key.path.substr(0, path.size()), path))
            return true;
    }
    return false;
}

RegFileKey& RegFile::EnsureKey(const std::string& path) {
    for (std::size_t pos = path.find('\\'); pos != std::string::npos;
         pos = path.find('\\', pos + 1))
        if (!FindKey(path.substr(0, pos))) keys.push_back({path.substr(0, pos), {}});
    if (auto* key = FindKey(path)) return *key;
    keys.push_back({path, {}});
    return keys.back();
}

std::optional<RegFile> ParseRegFile(const std::string& text, std::string* error) {
    RegFile file;
    std::vector<std::string> lines;
    {
        std::istringstream stream(text);
        std::string line;
        while (std::getline(stream, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
    }
    auto fail = [&](std::size_t lineIndex, const std::string& why) -> std::optional<RegFile> {
        if (error) *error = "line " + std::to_string(lineIndex + 1) + ": " + why;
        return std::nullopt;
    };
    if (lines.empty() || lines[0] != kHeader)
        return fail(0, "missing header \"WINE REGISTRY Version 2\"");

    RegFileKey* current = nullptr;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string line = lines[i];
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '#') {
            if (!current) file.metaLines.push_back(line);
            continue;
        }
        if (line[0] == '[') {
            std::string path;
            std::size_t pos = 1;
            if (!ReadDelimited(line, pos, ']', path)) return fail(i, "key line without \"]\"");
            current = &file.EnsureKey(path);
            continue;
        }
        if (line[0] != '"' && line[0] != '@') return fail(i, "unexpected text");
        if (!current) return fail(i, "value outside a key");
        while (!line.empty() && line.back() == '\\' && i + 1 < lines.size()) {
            line.pop_back();
            std::string next = lines[++i];
            line += next.substr(next.find_first_not_of(" \t") == std::string::npos
                                    ? next.size()
                                    : next.find_first_not_of(" \t"));
        }
        RegFileValue value;
        std::size_t pos = 1;
        if (line[0] == '"') {
            if (!ReadQuoted(line, pos, value.name)) return fail(i, "unterminated value name");
        }
        if (pos >= line.size() || line[pos] != '=') return fail(i, "missing \"=\"");
        if (!ParseValueData(line.substr(pos + 1), value))
            return fail(i, "value data not understood");
        if (auto* existing = current->FindValue(value.name)) {
            *existing = value;
        } else {
            current->values.push_back(value);
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
    for (const auto& key : file.keys) {
        out += "\n[" + EscapeKeyPath(key.path) + "]\n";
        for (const auto& value : key.values) AppendValue(out, value);
    }
    return out;
}

}  // namespace xal::platform
