// SPDX-License-Identifier: MIT
#include "settings/settings.h"

#include <cmath>

#include "model/campaign_limits.h"
#include "model/conversions.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/number_text.h"
#include "settings/registry.h"
#include "settings/settings_home.h"

#ifndef _WIN32
#include "platform/wine_prefix.h"
#include "platform/wine_registry.h"
#endif

namespace xal {
namespace {

using namespace settings_keys;

// A stored value counts as missing when it is absent, empty, or of a kind the setting
// cannot use (raw bytes).
bool Missing(const RegistryValue& value) {
    return value.IsMissing() || value.IsBytes();
}

RegistryValue Read(const char* name) {
    return ReadSetting(kSettingsKey, name);
}

void WriteText(const char* name, const std::string& text) {
    WriteSetting(kSettingsKey, name, text, RegType::Sz);
}

std::string TextSetting(const char* name, const std::string& defaultText) {
    RegistryValue stored = Read(name);
    if (Missing(stored)) {
        WriteText(name, defaultText);
        return defaultText;
    }
    return stored.IsText() ? stored.Text() : DecimalText(stored.Integer());
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

}  // namespace

SettingsRecord LoadSettings() {
    SettingsRecord settings;

    RegistryValue editor = Read(kScenarioEditor);
    if (Missing(editor)) {
        RegistryCreateNewKey(SettingsWriteRoot(), kSettingsKey);
        WriteText(kScenarioEditor, "");
        settings.ScenarioEditorPath.clear();
    } else {
        settings.ScenarioEditorPath =
            editor.IsText() ? editor.Text() : DecimalText(editor.Integer());
    }

    const bool gameFolderStored = !Missing(Read(kGameFolder));
    settings.GameFolder = ConfiguredGameFolder();
    if (!gameFolderStored) WriteText(kGameFolder, settings.GameFolder);

    settings.ScnFileSeparator = TextSetting(kScnFileSeparator, "");
    settings.ScnInfoFileSeparator = TextSetting(kScnInfoFileSeparator, "i");
    settings.ScnBVFileSeparator = TextSetting(kScnBVFileSeparator, "v");
    settings.ScnVFileSeparator = TextSetting(kScnVFileSeparator, "v");
    settings.ScnTVFileSeparator = TextSetting(kScnTVFileSeparator, "v");
    settings.ScnLFileSeparator = TextSetting(kScnLFileSeparator, "l");

    auto increment = StoredIncrement(Read(kPrestigeIncrement));
    if (!increment) {
        increment = limits::kDefaultPrestigeIncrement;
        WriteSetting(kSettingsKey, kPrestigeIncrement, DecimalText(*increment), RegType::Dword);
    }
    settings.PrestigeIncrement = *increment;
    return settings;
}

void SaveSettings(const SettingsRecord& entered) {
    const std::pair<const char*, const std::string*> texts[] = {
        {kScenarioEditor, &entered.ScenarioEditorPath},
        {kGameFolder, &entered.GameFolder},
        {kScnFileSeparator, &entered.ScnFileSeparator},
        {kScnInfoFileSeparator, &entered.ScnInfoFileSeparator},
        {kScnBVFileSeparator, &entered.ScnBVFileSeparator},
        {kScnVFileSeparator, &entered.ScnVFileSeparator},
        {kScnTVFileSeparator, &entered.ScnTVFileSeparator},
        {kScnLFileSeparator, &entered.ScnLFileSeparator}};
    for (const auto& [name, text] : texts) WriteText(name, *text);
    WriteText(kPrestigeIncrement, DecimalText(entered.PrestigeIncrement));
}

std::string ConfiguredGameFolder() {
    RegistryValue stored = Read(kGameFolder);
    if (Missing(stored)) return GameFolderFromGameKey();
    return stored.IsText() ? stored.Text() : DecimalText(stored.Integer());
}

}  // namespace xal
