// SPDX-License-Identifier: MIT
#include "core/settings/settings.h"

#include <cmath>
#include <functional>
#include <vector>

#include "core/base/conversions.h"
#include "core/base/error.h"
#include "core/base/number_text.h"
#include "core/model/campaign_limits.h"
#include "core/platform/file_system.h"
#include "core/registry/registry.h"
#include "core/registry/settings_notice.h"
#include "core/settings/settings_home.h"

#ifndef _WIN32
#include "core/registry/wine_prefix.h"
#include "core/registry/wine_registry.h"
#endif

namespace xal {
namespace {

using namespace settings_keys;

// A stored value counts as missing when it is absent or of a kind the setting cannot use
// (raw bytes); one stored as the empty text is the empty text.
bool Missing(const RegistryValue& value) {
    return value.IsEmpty() || value.IsBytes();
}

RegistryValue Read(const char* name) {
    return ReadSetting(kSettingsKey, name);
}

void WriteText(const char* name, const std::string& text) {
    WriteSetting(kSettingsKey, name, text, RegType::Sz);
}

std::string StoredText(const RegistryValue& stored) {
    return stored.IsText() ? stored.Text() : DecimalText(stored.Integer());
}

// The writes that loading the settings leaves to do, in order: the defaults of missing
// values.
using Writes = std::vector<std::function<void()>>;

std::string TextSetting(const char* name, const std::string& defaultText, Writes& writes) {
    const RegistryValue stored = Read(name);
    if (!Missing(stored)) return StoredText(stored);
    writes.push_back([name, defaultText] { WriteText(name, defaultText); });
    return defaultText;
}

#ifndef _WIN32
// On Linux the game runs under Wine, and its installer wrote the game's key into the Wine
// prefix's registry, naming the folder as Windows sees it.
std::string GameFolderUnderWine() {
    const std::optional<std::string> prefix = platform::DefaultWinePrefix();
    if (!prefix) return {};
    const std::optional<std::string> directory =
        platform::WineMachineText(*prefix, kGameKey, kGameDirectory);
    if (!directory) return {};
    return platform::WinePathToUnix(*prefix, *directory).value_or("");
}
#endif

// The game's folder from the game's own key, with the path separator appended.
std::string GameFolderFromGameKey() {
    auto read = [](bool view32) {
        const RegistryValue directory =
            RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kGameKey, kGameDirectory, view32);
        return directory.IsText() ? directory.Text() : std::string();
    };
    std::string folder = read(false);
#ifdef _WIN32
    // The game's 32-bit installer writes its key where 64-bit Windows keeps the keys of
    // 32-bit programs.
    if (folder.empty()) folder = read(true);
#else
    if (folder.empty()) folder = GameFolderUnderWine();
#endif
    return folder.empty() ? folder : platform::WithTrailingSeparator(folder);
}

// The stored increment, or nothing when it cannot be used as a 32-bit number (text that
// is not a number, or a number beyond the 32-bit range such as 1E20).
std::optional<std::int32_t> StoredIncrement(const RegistryValue& stored) {
    if (stored.IsInteger()) return stored.Integer();
    if (!stored.IsText()) return std::nullopt;
    auto number = ReadNumber(stored.Text());
    if (!number) return std::nullopt;
    double rounded = RoundHalfEven(*number);
    if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
    return ToLong(rounded);
}

// The settings as stored; `writes` receives the defaults to store.
SettingsRecord StoredSettings(Writes& writes) {
    SettingsRecord settings;
    writes.clear();

    const RegistryValue editor = Read(kScenarioEditor);
    if (Missing(editor)) {
        writes.push_back([] {
            RegistryCreateNewKey(SettingsWriteRoot(), kSettingsKey);
            WriteText(kScenarioEditor, "");
        });
    } else {
        settings.ScenarioEditorPath = StoredText(editor);
    }

    // An empty folder names none: the game's key is asked again at every start.
    const RegistryValue gameFolder = Read(kGameFolder);
    settings.GameFolder = ConfiguredGameFolder();
    if (Missing(gameFolder) || StoredText(gameFolder) != settings.GameFolder)
        writes.push_back([folder = settings.GameFolder] { WriteText(kGameFolder, folder); });

    for (const SeparatorSetting& separator : kSeparatorSettings)
        settings.*separator.value = TextSetting(separator.key, separator.defaultText, writes);

    auto increment = StoredIncrement(Read(kPrestigeIncrement));
    if (!increment) {
        increment = limits::kDefaultPrestigeIncrement;
        writes.push_back([text = DecimalText(*increment)] {
            WriteSetting(kSettingsKey, kPrestigeIncrement, text, RegType::Dword);
        });
    }
    settings.PrestigeIncrement = *increment;
    return settings;
}

}  // namespace

SettingsRecord LoadSettings() {
    SettingsRecord settings;
    Writes writes;
    bool read = false;
    try {
        UpdateSettings([&] {
            settings = StoredSettings(writes);
            read = true;
            for (const auto& write : writes) write();
        });
    } catch (const RunTimeError& error) {
        // The store could not be locked: it is read without the lock, which tells of it.
        if (!read) settings = StoredSettings(writes);
        // The defaults are used all the same, and stored at a later start.
        if (!writes.empty()) platform::AddSettingsFailure(error);
    }
    return settings;
}

void SaveSettings(const SettingsRecord& entered) {
    UpdateSettings([&] {
        WriteText(kScenarioEditor, entered.ScenarioEditorPath);
        WriteText(kGameFolder, entered.GameFolder);
        for (const SeparatorSetting& separator : kSeparatorSettings)
            WriteText(separator.key, entered.*separator.value);
        WriteText(kPrestigeIncrement, DecimalText(entered.PrestigeIncrement));
    });
}

std::string ConfiguredGameFolder() {
    const RegistryValue stored = Read(kGameFolder);
    if (stored.IsMissing() || stored.IsBytes()) return GameFolderFromGameKey();
    return StoredText(stored);
}

}  // namespace xal
