// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>

#include "core/campaign_file/campaign_path.h"

namespace xal {
namespace {

TEST(CampaignPlaceOf, SplitsThePathIntoNameWithoutEndingAndFolder) {
    const std::string separator(1, static_cast<char>(std::filesystem::path::preferred_separator));
    const struct {
        std::string path;
        std::string name;
        std::string folder;
    } cases[] = {
        {"camp1.cam", "camp1", ""},
        {"games/Legion/CAMP1.CAM", "CAMP1", "games" + separator + "Legion" + separator},
        {"Été Größe/Übung.cam", "Übung", "Été Größe" + separator},
        {"camps/.cam", "", "camps" + separator},
    };
    for (const auto& c : cases) {
        const CampaignPlace place = CampaignPlaceOf(c.path);
        EXPECT_EQ(place.name, c.name) << c.path;
        EXPECT_EQ(place.folder, c.folder) << c.path;
    }
}

}  // namespace
}  // namespace xal
