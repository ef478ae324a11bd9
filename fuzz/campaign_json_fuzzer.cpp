// SPDX-License-Identifier: MIT
// Feeds arbitrary text to the JSON reader of "xal-cam build" as the tool reads a file:
// what it accepts must build a campaign file, and what it refuses must be refused with
// the program's run-time error; any other exception escapes and is a finding.
#include <cstdint>
#include <string>

#include "cli/campaign_json.h"
#include "core/base/error.h"
#include "core/campaign_file/campaign_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        xal::BuildCampaignFile(xal::cli::CampaignFromJson(xal::cli::ParseJson(text)));
    } catch (const xal::RunTimeError&) {
        // bad input, refused with a numbered error
    }
    return 0;
}
