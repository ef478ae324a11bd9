// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The largest file of each kind the program reads. Each is far above what such a file
// holds, so a real file always fits, while a device, a runaway file or a wrong pick is
// refused at once instead of being read into memory.
namespace xal::platform::read_limit {

inline constexpr std::uint64_t kMiB = 1024 * 1024;

// A campaign file holds 31944 bytes.
inline constexpr std::uint64_t kCampaignFile = 1 * kMiB;
// The game's text files, its country list and the read-me: a few kilobytes each.
inline constexpr std::uint64_t kTextFile = 16 * kMiB;
// The editor's settings: a few hundred bytes, tens of thousands of values at most.
inline constexpr std::uint64_t kSettingsFile = 16 * kMiB;
// A Wine prefix's system.reg: tens of megabytes, read a line at a time.
inline constexpr std::uint64_t kWineRegistry = 512 * kMiB;
// The JSON of a campaign for xal-cam build: about 40 kilobytes, and what dump prints for
// the largest campaign (255 scenarios, every text at its longest in JSON's escapes) is
// about half a megabyte.
inline constexpr std::uint64_t kCampaignJson = 4 * kMiB;
// A recovery copy: a campaign of up to 255 scenarios, escaped, a few hundred kilobytes.
inline constexpr std::uint64_t kRecoveryCopy = 16 * kMiB;

}  // namespace xal::platform::read_limit
