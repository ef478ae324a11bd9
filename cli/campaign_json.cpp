#include "cli/campaign_json.h"

#include <stdexcept>

#include "platform/windows1252.h"

namespace xal::cli {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

std::string Utf8(const std::string& bytes) {
    return windows1252::ToUtf8(bytes);
}

const json& Field(const json& object, const char* key, const std::string& where) {
    if (!object.is_object() || !object.contains(key))
        throw std::invalid_argument(where + key + ": missing");
    return object.at(key);
}

std::string Text(const json& object, const char* key, const std::string& where) {
    const json& value = Field(object, key, where);
    if (!value.is_string()) throw std::invalid_argument(where + key + ": not a text");
    auto bytes = windows1252::FromUtf8(value.get<std::string>());
    if (!bytes)
        throw std::invalid_argument(where + key + ": holds a character Windows-1252 cannot hold");
    return *bytes;
}

long long Number(const json& object, const char* key, const std::string& where, long long low,
                 long long high) {
    const json& value = Field(object, key, where);
    if (!value.is_number_integer())
        throw std::invalid_argument(where + key + ": not a whole number");
    long long number = value.get<long long>();
    if (number < low || number > high)
        throw std::invalid_argument(where + key + ": outside " + std::to_string(low) + " to " +
                                    std::to_string(high));
    return number;
}

const json& List(const json& object, const char* key, const std::string& where) {
    const json& value = Field(object, key, where);
    if (!value.is_array()) throw std::invalid_argument(where + key + ": not a list");
    return value;
}

}  // namespace

ordered_json CampaignToJson(const Campaign& campaign) {
    ordered_json out;
    out["CampaignName"] = Utf8(campaign.CampaignName());
    out["CampaignFolder"] = Utf8(campaign.CampaignFolder());
    out["NrOfScenarios"] = campaign.NrOfScenarios();
    out["Country"] = campaign.Country();
    out["Prestige"] = campaign.Prestige();
    out["CampaignTXT"] = Utf8(campaign.CampaignTXT());
    out["DefeatMOV"] = Utf8(campaign.DefeatMOV());
    out["VictoryMOV"] = Utf8(campaign.VictoryMOV());
    out["Scenarios"] = ordered_json::array();
    for (const auto& scenario : *campaign.Scenarios()) {
        ordered_json s;
        s["ScenarioNr"] = scenario->ScenarioNr();
        s["ScenarioName"] = Utf8(scenario->ScenarioName());
        s["ScenarioMOV"] = Utf8(scenario->ScenarioMOV());
        s["ScenarioTXT"] = Utf8(scenario->ScenarioTXT());
        s["Prestige"] = scenario->Prestige();
        s["NrOfUnits"] = scenario->NrOfUnits();
        s["Victories"] = ordered_json::array();
        for (const auto& victory : *scenario->Victories()) {
            ordered_json v;
            v["OnEndGoTo"] = victory->OnEndGoTo();
            v["Prestige"] = victory->Prestige();
            v["VictoryTXT"] = Utf8(victory->VictoryTXT());
            v["VictoryMOV"] = Utf8(victory->VictoryMOV());
            s["Victories"].push_back(v);
        }
        out["Scenarios"].push_back(s);
    }
    return out;
}

Campaign CampaignFromJson(const json& in) {
    Campaign campaign;
    campaign.SetNrOfScenarios(static_cast<Byte>(Number(in, "NrOfScenarios", "", 0, 255)));
    campaign.SetCountry(static_cast<Byte>(Number(in, "Country", "", 0, 255)));
    campaign.SetPrestige(static_cast<Long>(Number(in, "Prestige", "", INT32_MIN, INT32_MAX)));
    campaign.SetCampaignTXT(Text(in, "CampaignTXT", ""));
    campaign.SetDefeatMOV(Text(in, "DefeatMOV", ""));
    campaign.SetVictoryMOV(Text(in, "VictoryMOV", ""));
    const json& scenarios = List(in, "Scenarios", "");
    for (std::size_t i = 0; i < scenarios.size(); ++i) {
        const std::string where = "Scenarios[" + std::to_string(i) + "].";
        const json& s = scenarios[i];
        auto scenario = campaign.Scenarios()->Add(
            Text(s, "ScenarioName", where),
            static_cast<Byte>(Number(s, "ScenarioNr", where, 0, 255)),
            Text(s, "ScenarioMOV", where), Text(s, "ScenarioTXT", where),
            static_cast<Long>(Number(s, "Prestige", where, INT32_MIN, INT32_MAX)),
            static_cast<Byte>(Number(s, "NrOfUnits", where, 0, 255)));
        const json& victories = List(s, "Victories", where);
        for (std::size_t j = 0; j < victories.size(); ++j) {
            const std::string at = where + "Victories[" + std::to_string(j) + "].";
            const json& v = victories[j];
            scenario->Victories()->Add(
                Text(v, "VictoryMOV", at), Text(v, "VictoryTXT", at),
                static_cast<Long>(Number(v, "Prestige", at, INT32_MIN, INT32_MAX)),
                static_cast<Byte>(Number(v, "OnEndGoTo", at, 0, 255)));
        }
    }
    return campaign;
}

}  // namespace xal::cli
