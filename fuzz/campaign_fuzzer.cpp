// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the campaign reader; whatever it reads must build again and
// read back to the same file.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/base/error.h"
#include "core/campaign_file/campaign_reader.h"
#include "core/campaign_file/campaign_writer.h"
#include "core/model/outcomes.h"

namespace {

// A full-length file to lay short inputs over, so that they reach the scenario records
// and not only the header.
const std::string& BaseFile() {
    static const std::string base = [] {
        xal::Campaign campaign;
        campaign.SetNrOfScenarios(50);
        for (int i = 0; i < 50; ++i) {
            auto scenario =
                campaign.Scenarios()->Add("s.scn", static_cast<xal::Byte>(i), "", "", i, 150);
            for (int j = 0; j < xal::kOutcomeCount; ++j)
                scenario->Victories()->Add("m.mov", "t.txt", j, 254);
        }
        return xal::BuildCampaignFile(campaign);
    }();
    return base;
}

void ReadAndRebuild(const std::string& contents) {
    xal::Campaign campaign;
    try {
        xal::ParseCampaign(contents, campaign);
    } catch (const xal::RunTimeError&) {
        return;  // bad input is refused with an error, nothing more
    }
    std::string built;
    try {
        built = xal::BuildCampaignFile(campaign);
    } catch (const xal::RunTimeError&) {
        return;  // a file that reads can still hold more than 50 scenarios
    }
    if (built.size() != xal::kCampaignFileSize) std::abort();
    xal::Campaign again;
    xal::ParseCampaign(built, again);
    if (xal::BuildCampaignFile(again) != built) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    ReadAndRebuild(input);
    if (size < BaseFile().size()) ReadAndRebuild(input + BaseFile().substr(size));
    return 0;
}
