// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "core/model/campaign.h"

namespace xal::cli {

// The campaign as JSON, texts decoded from Windows-1252 to UTF-8.
nlohmann::ordered_json CampaignToJson(const Campaign& campaign);

// The JSON of a text; text that is not JSON, or nests lists and objects deeper than a
// campaign does, raises 13 "Type mismatch" before any of it is built in memory.
nlohmann::json ParseJson(const std::string& text);

// A campaign from such JSON, refusing what a campaign file cannot hold, with an error
// whose description names the field, e.g. "Scenarios[0].Prestige: 65536 is more than a
// campaign file holds (0 to 65535)":
// - 13 "Type mismatch": a value of the wrong type;
// - 6 "Overflow": a number outside what its field holds;
// - 5 "Invalid procedure call or argument": a missing field, a list of the wrong length,
//   a text that Windows-1252 cannot hold, one longer than its field or holding a NUL.
Campaign CampaignFromJson(const nlohmann::json& json);

}  // namespace xal::cli
