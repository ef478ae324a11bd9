// SPDX-License-Identifier: MIT
#include "cli/campaign_json.h"

#include "core/base/error.h"
#include "core/base/windows1252.h"
#include "core/campaign_file/campaign_layout.h"
#include "core/model/campaign_limits.h"
#include "core/model/editing_rules.h"
#include "core/model/outcomes.h"

namespace xal::cli {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

// The campaign, its Scenarios list, a scenario, its Victories list, an outcome.
constexpr int kCampaignNesting = 5;

// Reads JSON without keeping it, stopping at the first list or object nested deeper than
// in a campaign, or at the first syntax error.
class NestingCheck final : public nlohmann::json_sax<json> {
  public:
    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return Enter(); }
    bool key(string_t&) override { return true; }
    bool end_object() override { return Leave(); }
    bool start_array(std::size_t) override { return Enter(); }
    bool end_array() override { return Leave(); }
    bool parse_error(std::size_t, const std::string&, const json::exception& error) override {
        parseError_ = error.what();
        return false;
    }

    bool TooDeep() const { return depth_ > kCampaignNesting; }
    const std::string& ParseError() const { return parseError_; }

  private:
    bool Enter() { return ++depth_ <= kCampaignNesting; }
    bool Leave() {
        --depth_;
        return true;
    }

    int depth_ = 0;
    std::string parseError_;
};

std::string Utf8(const std::string& bytes) {
    return windows1252::ToUtf8(bytes);
}

// The path of a field, as "Scenarios[1].Victories[2].Prestige".
std::string FieldName(const std::string& object, const std::string& key) {
    return object.empty() ? key : object + "." + key;
}

std::string ItemName(const std::string& list, std::size_t index) {
    return list + "[" + std::to_string(index) + "]";
}

[[noreturn]] void Refuse(int number, const std::string& field, const std::string& problem) {
    Raise(number, field + ": " + problem);
}

const json& Object(const json& value, const std::string& name) {
    if (!value.is_object()) Refuse(ErrorNumber::TypeMismatch, name, "not an object");
    return value;
}

const json& Field(const json& object, const std::string& where, const char* key) {
    if (!object.contains(key))
        Refuse(ErrorNumber::InvalidArgument, FieldName(where, key), "missing");
    return object.at(key);
}

std::string Text(const json& object, const std::string& where, const char* key) {
    const std::string name = FieldName(where, key);
    const json& value = Field(object, where, key);
    if (!value.is_string()) Refuse(ErrorNumber::TypeMismatch, name, "not a text");
    const auto bytes = windows1252::FromUtf8(value.get<std::string>());
    if (!bytes)
        Refuse(ErrorNumber::InvalidArgument, name, "holds a character Windows-1252 cannot hold");
    // The file ends a text at its first NUL: what follows would be lost.
    if (bytes->find('\0') != std::string::npos)
        Refuse(ErrorNumber::InvalidArgument, name, "holds a NUL character, which ends a text");
    if (!FitsFileNameField(*bytes))
        Refuse(ErrorNumber::InvalidArgument, name,
               std::to_string(bytes->size()) + " characters, more than a campaign file holds (" +
                   std::to_string(limits::kFileNameField) + ")");
    return *bytes;
}

long long Number(const json& object, const std::string& where, const char* key, long long low,
                 long long high) {
    const std::string name = FieldName(where, key);
    const json& value = Field(object, where, key);
    if (!value.is_number_integer()) Refuse(ErrorNumber::TypeMismatch, name, "not a whole number");
    const std::string range = " (" + std::to_string(low) + " to " + std::to_string(high) + ")";
    // Compared unsigned: a number above the largest long long would wrap around.
    const bool above = value.is_number_unsigned()
                           ? value.get<unsigned long long>() > static_cast<unsigned long long>(high)
                           : value.get<long long>() > high;
    if (above)
        Refuse(ErrorNumber::Overflow, name,
               value.dump() + " is more than a campaign file holds" + range);
    if (value.get<long long>() < low)
        Refuse(ErrorNumber::Overflow, name,
               value.dump() + " is less than a campaign file holds" + range);
    return value.get<long long>();
}

Byte ByteField(const json& object, const std::string& where, const char* key) {
    return static_cast<Byte>(Number(object, where, key, 0, limits::kLargestByte));
}

Long Prestige(const json& object, const std::string& where) {
    return static_cast<Long>(Number(object, where, "Prestige", 0, limits::kFilePrestige));
}

// A list of the given length, which `what` names in the error.
const json& List(const json& object, const std::string& where, const char* key, std::size_t length,
                 const std::string& what) {
    const std::string name = FieldName(where, key);
    const json& value = Field(object, where, key);
    if (!value.is_array()) Refuse(ErrorNumber::TypeMismatch, name, "not a list");
    if (value.size() != length)
        Refuse(ErrorNumber::InvalidArgument, name,
               "lists " + std::to_string(value.size()) + ", but " + what + " " +
                   std::to_string(length));
    return value;
}

void AddVictory(Scenario& scenario, const json& v, const std::string& at) {
    scenario.Victories()->Add(Text(v, at, "VictoryMOV"), Text(v, at, "VictoryTXT"), Prestige(v, at),
                              ByteField(v, at, "OnEndGoTo"));
}

// A byte the file does not hold, which must be what reading the file gives.
void ExpectByte(const json& object, const std::string& where, const char* key, Byte expected,
                const std::string& why) {
    const Byte value = ByteField(object, where, key);
    if (value != expected)
        Refuse(ErrorNumber::InvalidArgument, FieldName(where, key),
               std::to_string(value) + ", but " + why + " " + std::to_string(expected));
}

void AddScenario(Campaign& campaign, const json& s, const std::string& at, std::size_t position) {
    const auto number = static_cast<Byte>(position);
    ExpectByte(s, at, "ScenarioNr", number, "its place in Scenarios is");
    ExpectByte(s, at, "NrOfUnits", layout::kUnitsByte, "a campaign file always holds");
    auto scenario =
        campaign.Scenarios()->Add(Text(s, at, "ScenarioName"), number, Text(s, at, "ScenarioMOV"),
                                  Text(s, at, "ScenarioTXT"), Prestige(s, at), layout::kUnitsByte);
    const std::string name = FieldName(at, "Victories");
    const json& victories = List(s, at, "Victories", kOutcomeCount, "a scenario has");
    for (std::size_t j = 0; j < victories.size(); ++j)
        AddVictory(*scenario, Object(victories[j], ItemName(name, j)), ItemName(name, j));
}

}  // namespace

ordered_json CampaignToJson(const Campaign& campaign) {
    ordered_json out;
    // Name and folder come from the file's path, which is UTF-8 already.
    out["CampaignName"] = campaign.CampaignName();
    out["CampaignFolder"] = campaign.CampaignFolder();
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

json ParseJson(const std::string& text) {
    // The text is walked first without building anything, so that nesting no campaign
    // has is refused before it takes time and memory.
    NestingCheck check;
    if (!json::sax_parse(text, &check)) {
        if (check.TooDeep())
            Raise(ErrorNumber::TypeMismatch, "lists and objects nested more than " +
                                                 std::to_string(kCampaignNesting) +
                                                 " deep, deeper than in a campaign");
        // Without the library's "[json.exception.parse_error.101] " in front.
        const std::string& message = check.ParseError();
        const std::size_t end = message.find("] ");
        Raise(ErrorNumber::TypeMismatch,
              "not JSON: " + (end == std::string::npos ? message : message.substr(end + 2)));
    }
    return json::parse(text);
}

Campaign CampaignFromJson(const json& document) {
    const json& in = Object(document, "the campaign");
    Campaign campaign;
    const auto count = Number(in, "", "NrOfScenarios", 1, limits::kFileScenarios);
    campaign.SetNrOfScenarios(static_cast<Byte>(count));
    campaign.SetCountry(ByteField(in, "", "Country"));
    campaign.SetPrestige(Prestige(in, ""));
    campaign.SetCampaignTXT(Text(in, "", "CampaignTXT"));
    campaign.SetDefeatMOV(Text(in, "", "DefeatMOV"));
    campaign.SetVictoryMOV(Text(in, "", "VictoryMOV"));
    const auto& scenarios =
        List(in, "", "Scenarios", static_cast<std::size_t>(count), "NrOfScenarios is");
    for (std::size_t i = 0; i < scenarios.size(); ++i)
        AddScenario(campaign, Object(scenarios[i], ItemName("Scenarios", i)),
                    ItemName("Scenarios", i), i);
    return campaign;
}

}  // namespace xal::cli
