#include <gtest/gtest.h>

#include <filesystem>

#include "campaign_map/campaign_graph.h"
#include "campaign_map/map_render.h"
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

TEST(MapRender, SvgIsTheDrawingWithItsLabelsInUtf8) {
    test::TempFolder folder;
    RenderCampaignMap(SmallMap(), folder.File("camp1.svg"));
    const std::string svg = folder.Read("camp1.svg");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find(">\xc2\xa0"
                       "BV, V\xc2\xa0<"),
              std::string::npos)
        << "a no-break space either side";
    EXPECT_NE(svg.find(">END/SCORE<"), std::string::npos);
    EXPECT_NE(svg.find(">40<"), std::string::npos) << "the go-to that names no scenario";
    // Windows-1252 bytes become UTF-8; a backslash is itself, not an escape.
    EXPECT_NE(svg.find(">\xc3\xa9t\xc3\xa9\\n.scn<"), std::string::npos);
}

TEST(MapRender, PngIsAPicture) {
    test::TempFolder folder;
    RenderCampaignMap(SmallMap(), folder.File("camp1.PNG"));
    EXPECT_EQ(folder.Read("camp1.PNG").substr(0, 8), "\x89PNG\r\n\x1a\n");
}

TEST(MapRender, OtherNamesAndUnwritableFilesRaiseTheirErrorsAndWriteNothing) {
    test::TempFolder folder;
    EXPECT_EQ(test::ErrorOf([&] { RenderCampaignMap(SmallMap(), folder.File("camp1.gif")); }), 52);
    EXPECT_EQ(test::ErrorOf([&] { RenderCampaignMap(SmallMap(), folder.File("camp1")); }), 52);
    EXPECT_EQ(test::ErrorOf([&] { RenderCampaignMap(SmallMap(), folder.File("no/camp1.svg")); }),
              76);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

}  // namespace
}  // namespace xal
