#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "model/campaign.h"

namespace xal::cli {

// The campaign as JSON, texts decoded from Windows-1252 to UTF-8.
nlohmann::ordered_json CampaignToJson(const Campaign& campaign);

// A campaign from such JSON; a missing key, a value of the wrong type or a text that
// Windows-1252 cannot hold raises an error naming the field.
Campaign CampaignFromJson(const nlohmann::json& json);

}  // namespace xal::cli
