// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

#include "core/model/campaign_limits.h"

// Positions in a campaign file: a header, limits::kFileScenarios scenario records and a
// trailer.
namespace xal::layout {

inline constexpr std::size_t kScenarioCount = 0;
inline constexpr std::size_t kCampaignPrestige = 2;
inline constexpr std::size_t kCampaignVictoryMOV = 4;
inline constexpr std::size_t kCampaignDefeatMOV = 24;
inline constexpr std::size_t kFirstRecord = 44;
inline constexpr std::size_t kRecordSize = 636;
inline constexpr std::size_t kCampaignTXT = 31844;
inline constexpr std::size_t kCountry = 31864;
inline constexpr std::size_t kTextFieldSize = limits::kFileNameField;
inline constexpr unsigned char kUnitsByte = 150;

// Within a scenario record.
inline constexpr std::size_t kScenarioPrestige = 0;
inline constexpr std::size_t kUnits = 4;
inline constexpr std::size_t kScenarioName = 8;
inline constexpr std::size_t kScenarioMOV = 28;
inline constexpr std::size_t kScenarioTXT = 68;
inline constexpr std::size_t kOutcomeBlocks = 88;
inline constexpr std::size_t kOutcomeBlockSize = 82;
inline constexpr std::size_t kGoToEntries = 416;
inline constexpr std::size_t kGoToEntrySize = 30;

// Within an outcome block.
inline constexpr std::size_t kOutcomePrestige = 0;
inline constexpr std::size_t kOutcomeTXT = 42;
inline constexpr std::size_t kOutcomeMOV = 62;

inline constexpr std::size_t RecordAt(std::size_t position) {
    return kFirstRecord + kRecordSize * position;
}
inline constexpr std::size_t OutcomeAt(std::size_t record, std::size_t outcome) {
    return record + kOutcomeBlocks + kOutcomeBlockSize * outcome;
}
inline constexpr std::size_t GoToAt(std::size_t record, std::size_t outcome) {
    return record + kGoToEntries + kGoToEntrySize * outcome;
}

}  // namespace xal::layout
