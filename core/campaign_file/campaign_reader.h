// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "core/base/conversions.h"
#include "core/model/campaign.h"

namespace xal {

// The size of every campaign file.
inline constexpr std::size_t kCampaignFileSize = 31944;

// Reads a whole file as bytes (one character per byte); reading never creates anything.
// A missing file raises 53 "File not found"; a file that cannot be opened, is not a
// regular file or is larger than maxBytes raises the file error.
std::string ReadWholeFile(const std::string& path, std::uint64_t maxBytes);

// A text field's value: everything before the first zero byte, blanks trimmed.
std::string FieldText(const std::string& field);

// Exactly two bytes as a little-endian 16-bit number; any other length gives 0.
Long Word16Value(const std::string& twoBytes);

// Fills a campaign (normally a new, empty one) from campaign file contents. Contents of
// another size than kCampaignFileSize are refused before anything is set; any other
// failure raises the run-time error and leaves what was set before it in the campaign.
void ParseCampaign(const std::string& contents, Campaign& campaign);

}  // namespace xal
