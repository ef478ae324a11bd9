// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "core/base/error.h"
#include "core/campaign_check/campaign_check.h"
#include "core/campaign_map/campaign_graph.h"
#ifdef XAL_CAMPAIGN_MAP
#include "core/map_drawing/map_render.h"
#endif

namespace xal::cli {

namespace {

void Render(const CampaignGraph& graph, const std::string& path) {
#ifdef XAL_CAMPAIGN_MAP
    RenderCampaignMap(graph, path);
#else
    (void)graph;
    (void)path;
    Raise(ErrorNumber::InvalidArgument,
          "The campaign map is not available in this build of xal-cam, which has no Graphviz "
          "to lay it out");
#endif
}

}  // namespace

void AddMapCommand(CLI::App& app, int& status) {
    auto* command = app.add_subcommand(
        "map", "Draw a campaign's scenarios and outcomes as a picture (.svg or .png)");
    auto input = std::make_shared<std::string>();
    auto output = std::make_shared<std::string>();
    command->add_option("FILE", *input, "The campaign file (.cam)")->required();
    command->add_option("-o,--output", *output, "The picture to write (.svg or .png)")->required();
    auto game = AddGameOption(*command);
    command->callback([input, output, game, &status] {
        CampaignGraph graph;
        status = RunReportingErrors(*input, [&] {
            const Campaign campaign = ReadCampaignFile(*input);
            graph = MapOfCampaign(campaign, CheckCampaign(campaign, game()));
        });
        if (status == 0) status = RunReportingErrors(*output, [&] { Render(graph, *output); });
    });
}

}  // namespace xal::cli
