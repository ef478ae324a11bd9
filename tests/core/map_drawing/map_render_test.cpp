// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>

#include "core/campaign_map/campaign_graph.h"
#include "core/map_drawing/map_render.h"
#include "support/campaign_fixtures.h"
#include "support/error_of.h"
#include "support/temp_folder.h"

namespace xal {
namespace {

CampaignGraph SmallMap() {
    Campaign campaign = test::DistinctCampaign(2);
    test::SetLinks(campaign, {{1, 1, 254, 40}, {254, 254, 254, 254}});
    campaign.Scenarios()->Item(2)->SetScenarioName("\xe9t\xe9\\n.scn");
    return MapOfCampaign(campaign, CheckCampaign(campaign));
}

TEST(MapRender, WritesTheTypeTheNameAsksOrRaisesItsErrorWritingNothing) {
    test::TempFolder folder;
    EXPECT_EQ(test::ErrorOf([&] { RenderCampaignMap(SmallMap(), folder.File("camp1.gif")); }), 52);
    EXPECT_EQ(test::ErrorOf([&] { RenderCampaignMap(SmallMap(), folder.File("no/camp1.svg")); }),
              76);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));

    RenderCampaignMap(SmallMap(), folder.File("camp1.svg"));
    const std::string svg = folder.Read("camp1.svg");
    const std::string noBreakSpace = "\xc2\xa0";  // either side of an edge's label
    EXPECT_NE(svg.find(">" + noBreakSpace + "BV, V" + noBreakSpace + "<"), std::string::npos);
    EXPECT_NE(svg.find(">40<"), std::string::npos) << "the go-to that names no scenario";
    // Windows-1252 bytes become UTF-8; a backslash is itself, not an escape.
    EXPECT_NE(svg.find(">\xc3\xa9t\xc3\xa9\\n.scn<"), std::string::npos);
#ifdef XAL_MAP_SVG_ONLY
    EXPECT_EQ(test::ErrorOf([&] { RenderCampaignMap(SmallMap(), folder.File("camp1.PNG")); }), 5);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "camp1.PNG"));
#else
    RenderCampaignMap(SmallMap(), folder.File("camp1.PNG"));
    EXPECT_EQ(folder.Read("camp1.PNG").substr(0, 8), "\x89PNG\r\n\x1a\n");
#endif
}

}  // namespace
}  // namespace xal
