// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "core/base/error.h"
#include "core/base/read_limits.h"
#include "core/campaign_file/campaign_writer.h"
#include "core/platform/file_system.h"
#include "core/report/campaign_report.h"
#include "core/settings/country_list.h"
#include "core/settings/settings.h"

namespace xal::cli {
namespace {

// The country's name as the editor's country list shows it: its line of the configured
// game folder's country list; empty when there is no such list or line.
std::string CountryNameOf(Byte country) {
    std::vector<std::string> names;
    try {
        names = CountryNames(platform::ReadFileBytes(
            platform::FileInFolder(ConfiguredGameFolder(), kCountryListFile),
            platform::read_limit::kTextFile));
    } catch (const RunTimeError&) {
        return {};
    }
    return country >= 1 && country <= names.size() ? names[country - 1u] : std::string();
}

}  // namespace

void AddReportCommand(CLI::App& app, int& status) {
    auto* command = app.add_subcommand(
        "report", "Write a campaign's summary report beside it (Name_REPORT.txt)");
    auto file = std::make_shared<std::string>();
    auto toStandardOutput = std::make_shared<bool>(false);
    command->add_option("FILE", *file, "The campaign file (.cam)")->required();
    command->add_flag("--stdout", *toStandardOutput, "Print the report instead of writing it");
    command->callback([file, toStandardOutput, &status] {
        std::string report;
        std::string path;
        status = RunReportingErrors(*file, [&] {
            const Campaign campaign = ReadCampaignFile(*file);
            report = CampaignReportText(campaign, CountryNameOf(campaign.Country()));
            path = CampaignReportPath(campaign);
        });
        if (status == 0 && !*toStandardOutput)
            status = RunReportingErrors(path, [&] { WriteWholeFile(path, report); });
        // The report's text, or the path of the report written.
        const std::string output = *toStandardOutput ? report : path + '\n';
        if (status == 0)
            status = RunReportingErrors(kStandardOutput, [&] { WriteStandardOutput(output); });
    });
}

}  // namespace xal::cli
