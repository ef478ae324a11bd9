// SPDX-License-Identifier: MIT
#include "campaign_check/campaign_check.h"
#include "campaign_map/campaign_graph.h"
#include "campaign_map/map_render.h"
#include "cli/commands.h"

namespace xal::cli {

void AddMapCommand(CLI::App& app, int& status) {
    auto* command = app.add_subcommand(
        "map", "Draw a campaign's scenarios and outcomes as a picture (.svg or .png)");
    auto input = std::make_shared<std::string>();
    auto output = std::make_shared<std::string>();
    command->add_option("FILE", *input, "The campaign file (.cam)")->required();
    command->add_option("-o,--output", *output, "The picture to write (.svg or .png)")->required();
    command->callback([input, output, &status] {
        CampaignGraph graph;
        status = RunReportingErrors(*input, [&] {
            const Campaign campaign = ReadCampaignFile(*input);
            graph = MapOfCampaign(campaign, CheckCampaign(campaign));
        });
        if (status == 0)
            status = RunReportingErrors(*output, [&] { RenderCampaignMap(graph, *output); });
    });
}

}  // namespace xal::cli
