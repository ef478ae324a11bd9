// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

// The limits of a campaign file and of the editor, each written here once.
namespace xal::limits {

// The most prestige the editor's fields, commands and wizard accept.
inline constexpr std::int32_t kEditorPrestige = 65000;
// The most prestige a campaign file's 16-bit fields hold.
inline constexpr std::int32_t kFilePrestige = 65535;
// The characters a campaign file's file name field holds.
inline constexpr std::size_t kFileNameField = 20;
// The characters of a campaign name the new-campaign wizard accepts.
inline constexpr std::size_t kWizardCampaignName = 16;
// The scenarios a campaign file holds.
inline constexpr std::size_t kFileScenarios = 50;
// The go-to of an outcome that ends the campaign.
inline constexpr std::uint8_t kEndOfCampaign = 254;
// The largest value of a Byte.
inline constexpr int kLargestByte = 255;
// The countries of the game's country list.
inline constexpr int kCountries = 20;
// The most scenarios the new-campaign wizard generates.
inline constexpr int kWizardScenarios = 250;
// The prestige increment of the options when none is stored.
inline constexpr std::int32_t kDefaultPrestigeIncrement = 1000;

}  // namespace xal::limits
