// SPDX-License-Identifier: MIT
#include "campaign_file/campaign_path.h"
#include "campaign_file/campaign_reader.h"
#include "cli/campaign_json.h"
#include "cli/commands.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/read_limits.h"

namespace xal::cli {

Campaign ReadCampaignFile(const std::string& file) {
    // The tool never creates its input, as the reader would for a missing file.
    if (!platform::FileExists(file)) Raise(ErrorNumber::FileNotFound);
    Campaign campaign;
    const CampaignPlace place = CampaignPlaceOf(file);
    campaign.SetCampaignName(place.name);
    campaign.SetCampaignFolder(place.folder);
    ParseCampaign(ReadWholeFile(file, platform::read_limit::kCampaignFile), campaign);
    return campaign;
}

void AddDumpCommand(CLI::App& app, int& status) {
    auto* command = app.add_subcommand("dump", "Print a campaign file as JSON");
    auto file = std::make_shared<std::string>();
    command->add_option("FILE", *file, "The campaign file (.cam)")->required();
    command->callback([file, &status] {
        std::string json;
        status = RunReportingErrors(
            *file, [&] { json = CampaignToJson(ReadCampaignFile(*file)).dump(2) + '\n'; });
        if (status == 0)
            status = RunReportingErrors(kStandardOutput, [&] { WriteStandardOutput(json); });
    });
}

}  // namespace xal::cli
