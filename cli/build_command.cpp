#include <fstream>
#include <sstream>

#include "campaign_file/campaign_writer.h"
#include "cli/campaign_json.h"
#include "cli/commands.h"
#include "platform/error.h"

namespace xal::cli {

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
            std::ifstream in(*input, std::ios::binary);
            if (!in) Raise(ErrorNumber::FileNotFound);
            std::stringstream text;
            text << in.rdbuf();
            nlohmann::json json;
            try {
                json = nlohmann::json::parse(text.str());
            } catch (const nlohmann::json::parse_error& error) {
                throw std::invalid_argument(std::string("not JSON: ") + error.what());
            }
            contents = BuildCampaignFile(CampaignFromJson(json));
        });
        if (status == 0)
            status = RunReportingErrors(*output, [&] { WriteWholeFile(*output, contents); });
    });
}

}  // namespace xal::cli
