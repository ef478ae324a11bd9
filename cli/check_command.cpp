#include <iostream>

#include "campaign_check/campaign_check.h"
#include "cli/commands.h"

namespace xal::cli {

void AddCheckCommand(CLI::App& app, int& status) {
    auto* command = app.add_subcommand(
        "check", "Print what is wrong with a campaign; exit 1 when there is an error");
    auto file = std::make_shared<std::string>();
    command->add_option("FILE", *file, "The campaign file (.cam)")->required();
    command->callback([file, &status] {
        bool errors = false;
        status = RunReportingErrors(*file, [&] {
            const std::vector<Finding> findings = CheckCampaign(ReadCampaignFile(*file));
            for (const Finding& finding : findings) std::cout << FindingLine(finding) << '\n';
            errors = HasErrors(findings);
        });
        if (status == 0 && errors) status = 1;
    });
}

}  // namespace xal::cli
