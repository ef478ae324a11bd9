// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/base/conversions.h"
#include "core/model/campaign.h"

namespace xal {

// The two bytes of a 16-bit number, low byte first; outside 0 to 65535 it raises the
// invalid-argument error (5).
std::string Word16Text(Long value);

// The 31944 bytes of the campaign's file. Fails without side effects (0 or more than
// 50 scenarios, a prestige outside 0 to 65535, missing outcomes).
std::string BuildCampaignFile(const Campaign& campaign);

// Makes the bytes the whole contents of the file, safely: the old file is replaced
// only once the new contents are on disk, and stays untouched on any failure.
void WriteWholeFile(const std::string& path, const std::string& contents);

}  // namespace xal
