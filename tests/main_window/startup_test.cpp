#include <gtest/gtest.h>

#include "main_window/frm_main.h"
#include "model/mod_main.h"
#include "settings/main.h"
#include "settings/registry.h"
#include "settings/settings.h"
#include "support/registry_sandbox.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "support/test_application.h"

namespace xal {
namespace {

TEST(Startup, MainLoadsTheSettingsAndShowsTheTitledWindow) {
    test::EnsureApplication();
    test::RegistrySandbox sandbox;
    test::ScriptedPrompts prompts;
    test::TempFolder game;
    std::string lines;
    for (int k = 0; k < 20; ++k) lines += "Land\r\n";
    game.Write("GUI97.txt", lines);
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, settings_keys::kGameKey,
                        settings_keys::kGameDirectory, game.Path().string(), platform::RegType::Sz);
    modMain::CurrentCampaign.reset();

    gui::Main();

    ASSERT_NE(gui::MainWindow(), nullptr);
    EXPECT_TRUE(gui::MainWindow()->isVisible());
    EXPECT_EQ(gui::MainWindow()->windowTitle(), "XaL Campaign Editor - 1.00");
    ASSERT_NE(modMain::CurrentCampaign, nullptr);
    EXPECT_EQ(modMain::CurrentCampaign->NrOfScenarios(), 0);
    EXPECT_EQ(modMain::Settings.PrestigeIncrement, 1000);
    EXPECT_EQ(modMain::Settings.GameFolder, game.File(""));
    EXPECT_EQ(gui::MainWindow()->cbxCountry->count(), 20);
    EXPECT_TRUE(
        sandbox.Stored(settings_keys::kSettingsKey, settings_keys::kPrestigeIncrement).has_value());
    gui::MainWindow()->close();
}

}  // namespace
}  // namespace xal
