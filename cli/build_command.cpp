// SPDX-License-Identifier: MIT
#include "cli/campaign_json.h"
#include "cli/commands.h"
#include "core/base/error.h"
#include "core/base/read_limits.h"
#include "core/campaign_file/campaign_writer.h"
#include "core/platform/file_system.h"

namespace xal::cli {
namespace {

// Whether both paths name one existing file, however spelled or linked.
bool SameFile(const std::string& first, const std::string& second) {
    std::error_code error;
    return std::filesystem::equivalent(platform::FsPath(first), platform::FsPath(second), error);
}

}  // namespace

void AddBuildCommand(CLI::App& app, int& status) {
    auto* command =
        app.add_subcommand("build", "Write a campaign file from JSON as dump prints it");
    auto input = std::make_shared<std::string>();
    auto output = std::make_shared<std::string>();
    command->add_option("FILE", *input, "The JSON file")->required();
    command->add_option("-o,--output", *output, "The campaign file to write")->required();
    command->callback([input, output, &status] {
        std::string contents;
        status = RunReportingErrors(*input, [&] {
            const std::string text =
                platform::ReadFileBytes(*input, platform::read_limit::kCampaignJson);
            contents = BuildCampaignFile(CampaignFromJson(ParseJson(text)));
        });
        if (status == 0)
            status = RunReportingErrors(*output, [&] {
                if (SameFile(*input, *output))
                    Raise(ErrorNumber::InvalidArgument,
                          "The output would replace the JSON it is built from");
                WriteWholeFile(*output, contents);
            });
    });
}

}  // namespace xal::cli
