// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "core/campaign_check/campaign_check.h"

namespace xal::cli {

void AddCheckCommand(CLI::App& app, int& status) {
    auto* command = app.add_subcommand(
        "check", "Print what is wrong with a campaign; exit 1 when there is an error");
    auto file = std::make_shared<std::string>();
    command->add_option("FILE", *file, "The campaign file (.cam)")->required();
    command->callback([file, &status] {
        std::vector<Finding> findings;
        status =
            RunReportingErrors(*file, [&] { findings = CheckCampaign(ReadCampaignFile(*file)); });
        if (status != 0) return;
        std::string lines;
        for (const Finding& finding : findings) lines += FindingLine(finding) + '\n';
        status = RunReportingErrors(kStandardOutput, [&] { WriteStandardOutput(lines); });
        if (HasErrors(findings)) status = 1;
    });
}

}  // namespace xal::cli
