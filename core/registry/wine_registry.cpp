// SPDX-License-Identifier: MIT
#ifndef _WIN32
#include "core/registry/wine_registry.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/error.h"
#include "core/base/read_limits.h"
#include "core/platform/file_system.h"
#include "core/registry/reg_file_format.h"

namespace xal::platform {
namespace {

constexpr std::string_view kHeader = "WINE REGISTRY Version 2";
constexpr std::string_view kSoftware = "Software\\";
constexpr std::string_view kWow64Software = "Software\\Wow6432Node\\";

bool SameLetters(std::string_view a, std::string_view b) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [&](unsigned char x, unsigned char y) { return lower(x) == lower(y); });
}

bool StartsWithLetters(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && SameLetters(text.substr(0, start.size()), start);
}

// The keys to look in, in order: the key itself, then where a 32-bit program's key lies.
std::vector<std::string> Views(const std::string& keyPath) {
    std::vector<std::string> views{keyPath};
    if (StartsWithLetters(keyPath, kSoftware) && !StartsWithLetters(keyPath, kWow64Software))
        views.push_back(std::string(kWow64Software) + keyPath.substr(kSoftware.size()));
    return views;
}

// The start of the key's line as Wine writes it, "[" and the path with its backslashes
// doubled. Wine escapes nothing else in a path of printable characters other than
// brackets, and the program asks only for such keys.
std::string KeyLine(const std::string& path) {
    std::string line = "[";
    for (char c : path) {
        line += c;
        if (c == '\\') line += '\\';
    }
    return line + "]";
}

bool IsHeader(std::string_view line) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line == kHeader;
}

// The sections of the wanted keys in the registry file, each from its key line to the next
// key line, one text for each key with the header before it; nothing when the file cannot
// be read or is not in Wine's format. The file is read through the bounded read that
// refuses at once what is no regular file, and scanned a line at a time, so the store's
// parser reads a few lines, not a prefix's whole registry, which runs to tens of
// megabytes; and a value it does not understand in one key leaves the other readable. Key
// lines are matched without case, as Wine does.
std::optional<std::vector<std::string>> WantedSections(const std::string& file,
                                                       const std::vector<std::string>& keyLines) {
    std::string bytes;
    try {
        bytes = ReadFileBytes(file, read_limit::kWineRegistry);
    } catch (const RunTimeError&) {
        return std::nullopt;
    }
    std::string_view rest = bytes;
    auto nextLine = [&](std::string_view& line) {
        if (rest.empty()) return false;
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        return true;
    };
    std::string_view line;
    if (!nextLine(line) || !IsHeader(line)) return std::nullopt;
    std::vector<std::string> kept(keyLines.size(), std::string(kHeader) + "\n");
    std::string* keeping = nullptr;
    while (nextLine(line)) {
        if (line.starts_with('[')) {
            auto key = std::find_if(keyLines.begin(), keyLines.end(), [&](const std::string& k) {
                return StartsWithLetters(line, k);
            });
            keeping = key == keyLines.end() ? nullptr : &kept[key - keyLines.begin()];
        }
        if (keeping) (*keeping += line) += '\n';
    }
    return kept;
}

}  // namespace

std::optional<std::string> WineMachineText(const std::string& prefix, const std::string& keyPath,
                                           const std::string& valueName) {
    const std::vector<std::string> views = Views(keyPath);
    std::vector<std::string> keyLines;
    for (const auto& view : views) keyLines.push_back(KeyLine(view));
    const std::optional<std::vector<std::string>> sections =
        WantedSections(FromFsPath(FsPath(prefix) / "system.reg"), keyLines);
    if (!sections) return std::nullopt;
    for (std::size_t i = 0; i < views.size(); ++i) {
        std::string fault;
        std::optional<RegFile> file = ParseRegFile((*sections)[i], &fault);
        RegFileKey* key = file && fault.empty() ? file->FindKey(views[i]) : nullptr;
        RegFileValue* value = key ? key->FindValue(valueName) : nullptr;
        if (!value || value->type != RegType::Sz) continue;
        std::string found = value->data.substr(0, value->data.find('\0'));
        if (!found.empty()) return found;
    }
    return std::nullopt;
}

}  // namespace xal::platform
#endif
