#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>

#include "campaign_file/campaign_writer.h"
#include "platform/file_system.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"
#include "support/scoped_environment.h"
#include "support/startup_fixture.h"
#include "support/wine_prefix_layout.h"

namespace xal {
namespace {

// A first start on Linux with the game installed in the Wine prefix: the folder
// "C:\Games\Legion" with the country list and a campaign in its scenario folder, the key
// the 32-bit installer wrote into the prefix's registry, and no settings yet.
class WineStartup : public test::StartupTest {
  protected:
    WineStartup() {
        const std::filesystem::path game = prefix.DriveC() / "Games" / "Legion";
        std::filesystem::create_directories(game / "scenario");
        platform::ReplaceFileContents((game / "GUI97.txt").string(), test::CountryLines(20));
        platform::ReplaceFileContents((game / "scenario" / "camp1.cam").string(),
                                      BuildCampaignFile(test::DistinctCampaign(3)));
        prefix.WriteSystemRegistry(
            test::GameKeySection(test::kWow64GameKey, "C:\\\\Games\\\\Legion"));
    }

    test::WinePrefixLayout prefix;
    test::ScopedEnvironment winePrefix{"WINEPREFIX", prefix.Path()};
};

TEST_F(WineStartup, ShowsTheGamesCountriesAndOpensItsCampaign) {
    gui::Main();
    ASSERT_NE(gui::MainWindow(), nullptr);
    gui::frmMain& window = *gui::MainWindow();
    const std::string legion = (prefix.DriveC() / "Games" / "Legion" / "").string();
    EXPECT_EQ(modMain::Settings.GameFolder, legion);
    ASSERT_EQ(window.cbxCountry->count(), 20);
    EXPECT_EQ(window.cbxCountry->itemText(0), "Country 1");
    EXPECT_EQ(window.cbxCountry->itemText(19), "Country 20");

    const std::string campaign = legion + "scenario/camp1.cam";
    prompts.ExpectFilePick("Open campaign file", campaign);
    QTest::mouseClick(window.tbMain->widgetForAction(window.ToolbarButton("OPEN")), Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(modMain::CurrentCampaign()->CampaignName(), "camp1");
    EXPECT_EQ(modMain::CurrentCampaign()->CampaignFolder(), legion + "scenario/");
    EXPECT_EQ(window.fraMain->title(), "camp1.cam");
    EXPECT_EQ(window.lvScenarios->topLevelItemCount(), 3);
}

}  // namespace
}  // namespace xal
