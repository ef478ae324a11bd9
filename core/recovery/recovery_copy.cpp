// SPDX-License-Identifier: MIT
#include "core/recovery/recovery_copy.h"

#include <charconv>
#include <limits>
#include <string_view>

#include "core/base/error.h"
#include "core/model/outcomes.h"

namespace xal {
namespace {

constexpr std::string_view kHeader = "XaL Campaign Editor recovery copy";
constexpr long long kVersion = 1;
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

bool Unescaped(unsigned char c) {
    return c >= ' ' && c <= '~' && c != '%';
}

std::string Escaped(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (Unescaped(c)) {
            text += byte;
        } else {
            text += '%';
            text += kHexDigits[c >> 4];
            text += kHexDigits[c & 0xF];
        }
    }
    return text;
}

// A line's start as an error shows it: escaped, and cut short when long.
std::string Shown(std::string_view text) {
    constexpr std::size_t kShown = 40;
    return Escaped(text.substr(0, kShown)) + (text.size() > kShown ? "..." : "");
}

void PutLine(std::string& out, std::string_view key, std::string_view value) {
    out.append(key).append(" ").append(value).append("\n");
}
void PutText(std::string& out, std::string_view key, const std::string& value) {
    PutLine(out, key, Escaped(value));
}
void PutNumber(std::string& out, std::string_view key, long long value) {
    PutLine(out, key, std::to_string(value));
}

// Reads a copy line by line, each line the next one the format has; a failure names the line.
class CopyReader {
  public:
    explicit CopyReader(std::string_view text) : text_(text) {}

    // The value of the next line, which is the key, a space and the value.
    std::string_view Value(std::string_view key) {
        const std::string_view line = NextLine();
        if (line.size() <= key.size() || !line.starts_with(key) || line[key.size()] != ' ')
            RefuseLine(line, std::string(key) + " ...");
        return line.substr(key.size() + 1);
    }

    std::string Text(std::string_view key) {
        const std::string_view value = Value(key);
        std::string bytes;
        bytes.reserve(value.size());
        for (std::size_t pos = 0; pos < value.size(); ++pos) {
            const auto c = static_cast<unsigned char>(value[pos]);
            if (c == '%') {
                const int high = HexDigit(value, pos + 1), low = HexDigit(value, pos + 2);
                if (high < 0 || low < 0)
                    Refuse(ErrorNumber::InvalidArgument,
                           std::string(key) + ": '%' without two upper-case hexadecimal digits");
                bytes += static_cast<char>(high * 16 + low);
                pos += 2;
            } else if (!Unescaped(c)) {
                Refuse(ErrorNumber::InvalidArgument, std::string(key) + ": the byte " +
                                                         Escaped(value.substr(pos, 1)) +
                                                         " stands unescaped");
            } else {
                bytes += value[pos];
            }
        }
        return bytes;
    }

    long long Number(std::string_view key, long long low, long long high) {
        const std::string_view value = Value(key);
        long long number = 0;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), number);
        const std::string range = " (" + std::to_string(low) + " to " + std::to_string(high) + ")";
        if (error == std::errc::result_out_of_range ||
            (error == std::errc() && (number < low || number > high)))
            Refuse(ErrorNumber::Overflow,
                   std::string(key) + ": " + Shown(value) + " is out of range" + range);
        // Only the one spelling the copy writes: no sign but '-', no leading zeros.
        if (error != std::errc() || end != value.data() + value.size() ||
            std::to_string(number) != value)
            Refuse(ErrorNumber::TypeMismatch, std::string(key) + ": not a whole number");
        return number;
    }

    // The next line, which is exactly `expected`.
    void Line(std::string_view expected) {
        const std::string_view line = NextLine();
        if (line != expected) RefuseLine(line, std::string(expected));
    }

    void End() {
        Line("End");
        if (pos_ != text_.size()) Refuse(ErrorNumber::InvalidArgument, "more follows the end");
    }

  private:
    std::string_view NextLine() {
        ++line_;
        if (pos_ >= text_.size()) Refuse(ErrorNumber::InvalidArgument, "the copy ends early");
        const std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos)
            Refuse(ErrorNumber::InvalidArgument, "the line is cut off");
        const std::string_view line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        return line;
    }

    static int HexDigit(std::string_view value, std::size_t pos) {
        if (pos >= value.size()) return -1;
        const std::size_t digit = kHexDigits.find(value[pos]);
        return digit == std::string_view::npos ? -1 : static_cast<int>(digit);
    }

    [[noreturn]] void RefuseLine(std::string_view line, const std::string& expected) const {
        Refuse(ErrorNumber::InvalidArgument,
               "\"" + expected + "\" expected, \"" + Shown(line) + "\" found");
    }

    [[noreturn]] void Refuse(int number, const std::string& problem) const {
        Raise(number,
              "The recovery copy is damaged: line " + std::to_string(line_) + ": " + problem);
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 0;
};

constexpr long long kLargestByte = std::numeric_limits<Byte>::max();
constexpr long long kSmallestLong = std::numeric_limits<Long>::min();
constexpr long long kLargestLong = std::numeric_limits<Long>::max();

Byte ReadByte(CopyReader& reader, std::string_view key) {
    return static_cast<Byte>(reader.Number(key, 0, kLargestByte));
}
Long ReadLong(CopyReader& reader, std::string_view key) {
    return static_cast<Long>(reader.Number(key, kSmallestLong, kLargestLong));
}

void ReadOutcome(CopyReader& reader, Victories& victories) {
    const Byte goTo = ReadByte(reader, "OnEndGoTo");
    const Long prestige = ReadLong(reader, "Prestige");
    const std::string text = reader.Text("VictoryTXT");
    victories.Add(reader.Text("VictoryMOV"), text, prestige, goTo);
}

void ReadScenario(CopyReader& reader, Scenarios& scenarios) {
    const std::string name = reader.Text("ScenarioName");
    const Byte number = ReadByte(reader, "ScenarioNr");
    const Byte units = ReadByte(reader, "NrOfUnits");
    const Long prestige = ReadLong(reader, "Prestige");
    const std::string text = reader.Text("ScenarioTXT");
    const auto scenario =
        scenarios.Add(name, number, reader.Text("ScenarioMOV"), text, prestige, units);
    for (long k = 1; k <= kOutcomeCount; ++k) {
        reader.Line("Outcome " + std::to_string(k));
        ReadOutcome(reader, *scenario->Victories());
    }
}

}  // namespace

std::string RecoveryCopyText(const Campaign& campaign, std::int64_t madeAt) {
    const long count = campaign.Scenarios()->Count();
    if (static_cast<std::size_t>(count) > kRecoveryCopyScenarios)
        Raise(ErrorNumber::InvalidArgument,
              "A recovery copy holds at most 255 scenarios, not " + std::to_string(count));
    std::string out;
    out.append(kHeader).append("\n");
    PutNumber(out, "Version", kVersion);
    PutNumber(out, "MadeAt", madeAt);
    PutText(out, "CampaignName", campaign.CampaignName());
    PutText(out, "CampaignFolder", campaign.CampaignFolder());
    PutText(out, "CampaignFile", campaign.CampaignFile());
    PutNumber(out, "NrOfScenarios", campaign.NrOfScenarios());
    PutNumber(out, "Country", campaign.Country());
    PutNumber(out, "Prestige", campaign.Prestige());
    PutText(out, "CampaignTXT", campaign.CampaignTXT());
    PutText(out, "DefeatMOV", campaign.DefeatMOV());
    PutText(out, "VictoryMOV", campaign.VictoryMOV());
    PutNumber(out, "Scenarios", count);
    long n = 0;
    for (const auto& scenario : *campaign.Scenarios()) {
        PutNumber(out, "Scenario", ++n);
        if (scenario->Victories()->Count() != kOutcomeCount)
            Raise(ErrorNumber::InvalidArgument, "Scenario " + std::to_string(n) + " has " +
                                                    std::to_string(scenario->Victories()->Count()) +
                                                    " outcomes, not four");
        PutText(out, "ScenarioName", scenario->ScenarioName());
        PutNumber(out, "ScenarioNr", scenario->ScenarioNr());
        PutNumber(out, "NrOfUnits", scenario->NrOfUnits());
        PutNumber(out, "Prestige", scenario->Prestige());
        PutText(out, "ScenarioTXT", scenario->ScenarioTXT());
        PutText(out, "ScenarioMOV", scenario->ScenarioMOV());
        long k = 0;
        for (const auto& outcome : *scenario->Victories()) {
            PutNumber(out, "Outcome", ++k);
            PutNumber(out, "OnEndGoTo", outcome->OnEndGoTo());
            PutNumber(out, "Prestige", outcome->Prestige());
            PutText(out, "VictoryTXT", outcome->VictoryTXT());
            PutText(out, "VictoryMOV", outcome->VictoryMOV());
        }
    }
    out.append("End\n");
    return out;
}

RecoveryCopy ReadRecoveryCopy(const std::string& text) {
    CopyReader reader(text);
    reader.Line(kHeader);
    const long long version = reader.Number("Version", 0, std::numeric_limits<long long>::max());
    if (version != kVersion)
        Raise(ErrorNumber::InvalidArgument, "The recovery copy is of version " +
                                                std::to_string(version) +
                                                ", which this editor does not read");
    RecoveryCopy copy;
    copy.madeAt = reader.Number("MadeAt", std::numeric_limits<std::int64_t>::min(),
                                std::numeric_limits<std::int64_t>::max());
    auto campaign = std::make_shared<Campaign>();
    campaign->SetCampaignName(reader.Text("CampaignName"));
    campaign->SetCampaignFolder(reader.Text("CampaignFolder"));
    campaign->SetCampaignFile(reader.Text("CampaignFile"));
    campaign->SetNrOfScenarios(ReadByte(reader, "NrOfScenarios"));
    campaign->SetCountry(ReadByte(reader, "Country"));
    campaign->SetPrestige(ReadLong(reader, "Prestige"));
    campaign->SetCampaignTXT(reader.Text("CampaignTXT"));
    campaign->SetDefeatMOV(reader.Text("DefeatMOV"));
    campaign->SetVictoryMOV(reader.Text("VictoryMOV"));
    const long long count = reader.Number("Scenarios", 0, kRecoveryCopyScenarios);
    for (long long n = 1; n <= count; ++n) {
        reader.Line("Scenario " + std::to_string(n));
        ReadScenario(reader, *campaign->Scenarios());
    }
    reader.End();
    copy.campaign = std::move(campaign);
    return copy;
}

}  // namespace xal
