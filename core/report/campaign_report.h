// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "core/model/campaign.h"

namespace xal {

// The text filled with blanks to exactly `width` characters, in front when alignRight is
// set, behind otherwise; a longer text comes back unchanged.
std::string PadText(const std::string& text, std::int16_t width, bool alignRight);

// The campaign's summary: its settings, then each scenario with where each outcome leads
// and the prestige it rewards. `countryText` is the country's name as the window shows
// it. A go-to that names no scenario of the campaign is written as "99 (no scenario)".
std::string CampaignReportText(const Campaign& campaign, const std::string& countryText);

// Where the campaign's report goes: beside its campaign file, as Name_REPORT.txt.
std::string CampaignReportPath(const Campaign& campaign);

// Writes the report to its file, replacing an earlier one only once the new one is
// complete, and returns the file's path. Failures raise the run-time error; the earlier
// report then stays as it was.
std::string WriteCampaignReport(const Campaign& campaign, const std::string& countryText);

}  // namespace xal
