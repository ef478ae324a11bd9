// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "core/campaign_check/campaign_check.h"
#include "core/settings/settings.h"

namespace xal::cli {

std::function<std::string()> AddGameOption(CLI::App& command) {
    auto folder = std::make_shared<std::string>();
    const CLI::Option* option =
        command
            .add_option("--game", *folder,
                        "The game's folder: the scenario, text and movie files the campaign "
                        "names are looked for as the game does. Without it, the game folder of "
                        "the editor's settings, as report reads it; --game '' for none")
            ->option_text("FOLDER");
    return [folder, option] { return option->count() > 0 ? *folder : ConfiguredGameFolder(); };
}

void AddCheckCommand(CLI::App& app, int& status) {
    auto* command = app.add_subcommand(
        "check", "Print what is wrong with a campaign; exit 1 when there is an error");
    auto file = std::make_shared<std::string>();
    command->add_option("FILE", *file, "The campaign file (.cam)")->required();
    auto game = AddGameOption(*command);
    command->callback([file, game, &status] {
        std::vector<Finding> findings;
        status = RunReportingErrors(
            *file, [&] { findings = CheckCampaign(ReadCampaignFile(*file), game()); });
        if (status != 0) return;
        std::string lines;
        for (const Finding& finding : findings) lines += FindingLine(finding) + '\n';
        status = RunReportingErrors(kStandardOutput, [&] { WriteStandardOutput(lines); });
        if (HasErrors(findings)) status = 1;
    });
}

}  // namespace xal::cli
