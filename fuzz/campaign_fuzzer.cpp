// Feeds arbitrary bytes to the campaign reader; whatever it reads must build again and
// read back to the same file.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "campaign_file/campaign_reader.h"
#include "campaign_file/campaign_writer.h"
#include "platform/error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string contents(reinterpret_cast<const char*>(data), size);
    xal::Campaign campaign;
    try {
        xal::ParseCampaign(contents, campaign);
    } catch (const xal::RunTimeError&) {
        return 0;  // bad input is refused with an error, nothing more
    }
    std::string built;
    try {
        built = xal::BuildCampaignFile(campaign);
    } catch (const xal::RunTimeError&) {
        return 0;  // a file that reads can still hold more than 50 scenarios
    }
    if (built.size() != xal::kCampaignFileSize) std::abort();
    xal::Campaign again;
    xal::ParseCampaign(built, again);
    if (xal::BuildCampaignFile(again) != built) std::abort();
    return 0;
}
