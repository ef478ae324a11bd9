#include <gtest/gtest.h>

#include <filesystem>

#include "campaign_file/campaign_writer.h"
#include "settings/registry.h"
#include "settings/settings.h"
#include "support/campaign_fixtures.h"
#include "support/startup_fixture.h"
#include "support/temp_folder.h"

namespace xal {
namespace {

// A game folder with its country list, named by the game's key.
class Startup : public test::StartupTest {
  protected:
    Startup() {
        std::string lines;
        for (int k = 0; k < 20; ++k) lines += "Land\r\n";
        game.Write("GUI97.txt", lines);
        RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, settings_keys::kGameKey,
                            settings_keys::kGameDirectory, game.Path().string(),
                            platform::RegType::Sz);
    }

    test::TempFolder game;
};

TEST_F(Startup, MainLoadsTheSettingsAndShowsTheTitledWindow) {
    gui::Main();

    ASSERT_NE(gui::MainWindow(), nullptr);
    EXPECT_TRUE(gui::MainWindow()->isVisible());
    EXPECT_EQ(gui::MainWindow()->windowTitle(), "XaL Campaign Editor - 1.00");
    ASSERT_NE(modMain::CurrentCampaign(), nullptr);
    EXPECT_EQ(modMain::CurrentCampaign()->NrOfScenarios(), 0);
    EXPECT_EQ(modMain::Settings.PrestigeIncrement, 1000);
    EXPECT_EQ(modMain::Settings.GameFolder, game.File(""));
    EXPECT_EQ(gui::MainWindow()->cbxCountry->count(), 20);
    EXPECT_TRUE(
        sandbox.Stored(settings_keys::kSettingsKey, settings_keys::kPrestigeIncrement).has_value());
}

#ifndef _WIN32
TEST_F(Startup, ADamagedSettingsFileIsKeptAsideAndToldOnceInAMessageBox) {
    const std::string damaged = sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg") + "garbage\n";
    sandbox.Folder().Write("HKEY_LOCAL_MACHINE.reg", damaged);
    const std::string path = sandbox.StorePath();
    prompts.ExpectMessage(
        {"The settings file " + path + " is damaged (line 12: unexpected text). It was kept as " +
             path + ".bad; the settings that could be read are kept, the " + "others start afresh.",
         platform::MessageButtons::Ok, platform::MessageIcon::Exclamation, "XaL Campaign Editor"},
        platform::MessageAnswer::Ok);
    gui::Main();
    prompts.VerifyDone();
    EXPECT_EQ(sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg.bad"), damaged);
    EXPECT_EQ(modMain::Settings.GameFolder, game.File("")) << "what could be read is kept";
}
#endif

TEST_F(Startup, TheOneArgumentIsACampaignFileOpenedAsOpenWould) {
    game.Write("camp1.cam", BuildCampaignFile(test::DistinctCampaign(3)));
    gui::Main();
    gui::OpenCommandLineCampaign(
        {"XaL_CampaignEdit", QString::fromStdString(game.File("camp1.cam"))});
    EXPECT_EQ(modMain::CurrentCampaign()->CampaignName(), "camp1");
    EXPECT_EQ(modMain::CurrentCampaign()->CampaignFolder(), game.File(""));
    EXPECT_EQ(gui::MainWindow()->fraMain->title(), "camp1.cam");
    EXPECT_EQ(gui::MainWindow()->lvScenarios->topLevelItemCount(), 3);
    EXPECT_FALSE(gui::MainWindow()->mnuSave->isEnabled());
}

TEST_F(Startup, AMissingArgumentFileIsReportedAndTheWindowOpensEmpty) {
    gui::Main();
    prompts.ExpectMessage("53\r\nFile not found");
    gui::OpenCommandLineCampaign({"XaL_CampaignEdit", QString::fromStdString(game.File("no.cam"))});
    prompts.VerifyDone();
    EXPECT_FALSE(std::filesystem::exists(game.Path() / "no.cam")) << "nothing is created";
    EXPECT_EQ(modMain::CurrentCampaign()->NrOfScenarios(), 0);
    EXPECT_FALSE(gui::MainWindow()->fraMain->isVisible());

    game.Write("short.cam", std::string(500, '\x03'));
    prompts.ExpectMessage("5\r\nInvalid procedure call or argument");
    gui::OpenCommandLineCampaign(
        {"XaL_CampaignEdit", QString::fromStdString(game.File("short.cam"))});
    prompts.VerifyDone();
    EXPECT_FALSE(gui::MainWindow()->fraMain->isVisible());

    gui::OpenCommandLineCampaign({"XaL_CampaignEdit", "a.cam", "b.cam"});  // usage: no prompt
    EXPECT_FALSE(gui::MainWindow()->fraMain->isVisible());
}

}  // namespace
}  // namespace xal
