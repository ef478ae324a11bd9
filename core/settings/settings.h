// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "core/model/outcomes.h"

namespace xal {

// The program's settings, loaded once at start-up; the options dialog changes them.
struct SettingsRecord {
    std::string ScenarioEditorPath;
    std::string GameFolder;
    std::string ScnFileSeparator;
    std::string ScnInfoFileSeparator;
    std::string ScnBVFileSeparator;
    std::string ScnVFileSeparator;
    std::string ScnTVFileSeparator;
    std::string ScnLFileSeparator;
    std::int32_t PrestigeIncrement = 0;
};

namespace settings_keys {
inline constexpr const char* kSettingsKey = "Software\\XaL Campaign Editor";
inline constexpr const char* kGameKey = "Software\\Ostrand\\Xandor's Legion\\1.0";
inline constexpr const char* kGameDirectory = "Directory";
inline constexpr const char* kScenarioEditor = "RH XaL Scenario Editor";
inline constexpr const char* kGameFolder = "XaL Path";
inline constexpr const char* kScnFileSeparator = "Scn File Separator";
inline constexpr const char* kScnInfoFileSeparator = "Scn Info File Separator";
inline constexpr const char* kScnBVFileSeparator = "Scn Brilliant Victory File Separator";
inline constexpr const char* kScnVFileSeparator = "Scn Victory File Separator";
inline constexpr const char* kScnTVFileSeparator = "Scn Tactical Victory File Separator";
inline constexpr const char* kScnLFileSeparator = "Scn Loss File Separator";
inline constexpr const char* kPrestigeIncrement = "Prestige Increment";
}  // namespace settings_keys

// The six separators of generated file names: each one's value name, place in the record
// and default, in the order the options dialog lists them.
struct SeparatorSetting {
    const char* key;
    std::string SettingsRecord::*value;
    const char* defaultText;
};
inline constexpr SeparatorSetting kSeparatorSettings[] = {
    {settings_keys::kScnFileSeparator, &SettingsRecord::ScnFileSeparator, ""},
    {settings_keys::kScnInfoFileSeparator, &SettingsRecord::ScnInfoFileSeparator, "i"},
    {settings_keys::kScnBVFileSeparator, &SettingsRecord::ScnBVFileSeparator, "v"},
    {settings_keys::kScnVFileSeparator, &SettingsRecord::ScnVFileSeparator, "v"},
    {settings_keys::kScnTVFileSeparator, &SettingsRecord::ScnTVFileSeparator, "v"},
    {settings_keys::kScnLFileSeparator, &SettingsRecord::ScnLFileSeparator, "l"},
};

// The separator that marks the text file of each outcome.
inline constexpr std::string SettingsRecord::*kOutcomeTextSeparators[kOutcomeCount] = {
    &SettingsRecord::ScnBVFileSeparator, &SettingsRecord::ScnVFileSeparator,
    &SettingsRecord::ScnTVFileSeparator, &SettingsRecord::ScnLFileSeparator};

// The settings in the registry, with the default of every missing value written back,
// all in one update. A value stored as the empty text is the empty text, and a start that
// finds every value writes nothing. Never fails: a value that cannot be used takes its
// default, and a failure to store the defaults is told at start-up (TakeSettingsNotice).
SettingsRecord LoadSettings();

// Writes all nine settings to the registry as texts, in the order the options dialog
// lists them, in one update. Raises the failure when they cannot be stored, naming the
// settings file (on Windows, the key).
void SaveSettings(const SettingsRecord& entered);

// The game folder as the settings name it, or as the game's own key does when they name
// none (on Linux, when the settings store holds no game key, the key in the registry of
// the Wine prefix the game is installed in); unlike LoadSettings it writes nothing.
std::string ConfiguredGameFolder();

}  // namespace xal
