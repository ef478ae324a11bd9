// SPDX-License-Identifier: MIT
#include "core/report/campaign_report.h"

#include "core/base/conversions.h"
#include "core/base/windows1252.h"
#include "core/campaign_file/campaign_writer.h"
#include "core/model/outcomes.h"

namespace xal {
namespace {

constexpr const char* kCrLf = "\r\n";
const std::string kDoubleRule(80, '=');
const std::string kIndent(40, ' ');
constexpr std::int16_t kGoToWidth = 21;
constexpr std::int16_t kOutcomeWidth = 38;

void AddLine(std::string& report, const std::string& line) {
    report += line;
    report += kCrLf;
}

void AddScenario(std::string& report, const Campaign& campaign, const Scenario& scenario) {
    AddLine(report, "Scenario name:\t" + scenario.ScenarioName());
    AddLine(report, "Max. prestige:\t" + DecimalText(scenario.Prestige()));
    AddLine(report, kIndent + "Goto scenario:       Prestige reward:");
    AddLine(report, kIndent + std::string(40, '-'));
    for (int k = 0; k < kOutcomeCount; ++k) {
        const Victory& outcome = *scenario.Victories()->Item(k + 1L);
        std::string line = PadText(kOutcomes[k].caption, kOutcomeWidth, true) + ": ";
        const Byte goTo = outcome.OnEndGoTo();
        if (goTo == Victory::EndOfCampaign) {
            line += "END/SCORE";
        } else {
            // A go-to that names no scenario is said as such, as the map shows it.
            const std::string next = goTo < campaign.Scenarios()->Count()
                                         ? campaign.ScenarioAt(goTo)->ScenarioName()
                                         : DecimalText(goTo) + " (no scenario)";
            line += PadText(next, kGoToWidth, false) + DecimalText(outcome.Prestige());
        }
        AddLine(report, line);
    }
    AddLine(report, kDoubleRule);
}

}  // namespace

std::string PadText(const std::string& text, std::int16_t width, bool alignRight) {
    if (width < 0 || text.size() > static_cast<std::size_t>(width)) return text;
    const std::string blanks(static_cast<std::size_t>(width) - text.size(), ' ');
    return alignRight ? blanks + text : text + blanks;
}

std::string CampaignReportText(const Campaign& campaign, const std::string& countryText) {
    std::string report;
    AddLine(report, "CAMPAIGN SUMMARY REPORT");
    AddLine(report, kDoubleRule);
    // The report is in the code page of the campaign's texts; a name it cannot hold stays
    // as the file system spells it rather than losing letters.
    const std::string& name = campaign.CampaignName();
    AddLine(report, "  Campaign name:\t" + windows1252::FromUtf8(name).value_or(name) + ".cam");
    AddLine(report, "Nr of scenarios:\t" + DecimalText(campaign.NrOfScenarios()));
    AddLine(report,
            "        Country:\t" + countryText + " (" + DecimalText(campaign.Country()) + ")");
    AddLine(report, " Start prestige:\t" + DecimalText(campaign.Prestige()));
    AddLine(report, "");
    AddLine(report, "SCENARIOS:");
    AddLine(report, kDoubleRule);
    for (int i = 0; i < campaign.NrOfScenarios(); ++i)
        AddScenario(report, campaign, *campaign.ScenarioAt(static_cast<Byte>(i)));
    return report;
}

std::string CampaignReportPath(const Campaign& campaign) {
    return campaign.CampaignFolder() + campaign.CampaignName() + "_REPORT.txt";
}

std::string WriteCampaignReport(const Campaign& campaign, const std::string& countryText) {
    const std::string report = CampaignReportText(campaign, countryText);
    const std::string path = CampaignReportPath(campaign);
    WriteWholeFile(path, report);
    return path;
}

}  // namespace xal
