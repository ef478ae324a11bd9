// SPDX-License-Identifier: MIT
#include "cli/campaign_json.h"
#include "cli/commands.h"
#include "core/base/read_limits.h"
#include "core/campaign_file/campaign_path.h"
#include "core/campaign_file/campaign_reader.h"

namespace xal::cli {

Campaign ReadCampaignFile(const std::string& file) {
    Campaign campaign;
    const CampaignPlace place = CampaignPlaceOf(file);
    campaign.SetCampaignName(place.name);
    campaign.SetCampaignFolder(place.folder);
    campaign.SetCampaignFile(file);
    ParseCampaign(ReadWholeFile(file, platform::read_limit::kCampaignFile), campaign);
    return campaign;
}

void AddDumpCommand(CLI::App& app, int& status) {
    auto* command = app.add_subcommand("dump", "Print a campaign file as JSON");
    auto file = std::make_shared<std::string>();
    command->add_option("FILE", *file, "The campaign file (.cam)")->required();
    command->callback([file, &status] {
        std::string json;
        // Only the campaign's name and folder, which come from the path, can hold bytes
        // that are not UTF-8 (the file's texts are Windows-1252, decoded). build ignores
        // both, so such a byte is shown as U+FFFD rather than escaped to be taken back.
        status = RunReportingErrors(*file, [&] {
            json = CampaignToJson(ReadCampaignFile(*file))
                       .dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) +
                   '\n';
        });
        if (status == 0)
            status = RunReportingErrors(kStandardOutput, [&] { WriteStandardOutput(json); });
    });
}

}  // namespace xal::cli
