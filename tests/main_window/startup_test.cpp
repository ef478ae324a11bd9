// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>

#include <filesystem>
#endif

#include "campaign_file/campaign_writer.h"
#include "platform/font_engine.h"
#include "settings/registry.h"
#include "settings/settings.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"
#include "support/startup_fixture.h"
#include "support/temp_folder.h"

namespace xal {
namespace {

// A game folder with its country list, named by the game's key.
class Startup : public test::StartupTest {
  protected:
    Startup() {
        game.Write("GUI97.txt", test::CountryLines(20));
        RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, settings_keys::kGameKey,
                            settings_keys::kGameDirectory, game.Path().string(),
                            platform::RegType::Sz);
    }
    void OpenArgument(const std::string& name) {
        gui::OpenCommandLineCampaign({QString::fromStdString(game.File(name))});
    }

    test::TempFolder game;
};

TEST_F(Startup, MainLoadsTheSettingsShowsTheWindowAndOpensTheArgument) {
    game.Write("camp1.cam", BuildCampaignFile(test::DistinctCampaign(3)));
    gui::Main();
    ASSERT_NE(gui::MainWindow(), nullptr);
    EXPECT_TRUE(gui::MainWindow()->isVisible());
    EXPECT_EQ(gui::MainWindow()->cbxCountry->count(), 20) << "from the game's folder";
    OpenArgument("camp1.cam");
    EXPECT_EQ(modMain::CurrentCampaign()->CampaignFolder(), game.File(""));
    EXPECT_EQ(gui::MainWindow()->fraMain->title(), "camp1.cam");
    EXPECT_FALSE(gui::MainWindow()->mnuSave->isEnabled());
}

TEST_F(Startup, ABadArgumentIsReportedAndTheWindowStaysEmpty) {
    gui::Main();
    prompts.ExpectMessage("53\r\nFile not found");
    OpenArgument("no.cam");
    gui::OpenCommandLineCampaign({"a.cam", "b.cam"});  // usage: no prompt
    prompts.VerifyDone();
    EXPECT_EQ(modMain::CurrentCampaign()->NrOfScenarios(), 0);
    EXPECT_FALSE(gui::MainWindow()->fraMain->isVisible());
}

#ifndef _WIN32
TEST_F(Startup, ADamagedSettingsFileIsToldInAMessageBox) {
    sandbox.Folder().Write("HKEY_LOCAL_MACHINE.reg",
                           sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg") + "garbage\n");
    const std::string path = sandbox.StorePath();
    prompts.ExpectMessage(
        {"The settings file " + path + " is damaged (line 12: unexpected text). It was kept as " +
             path + ".bad; the settings that could be read are kept, the others start afresh.",
         platform::MessageButtons::Ok, platform::MessageIcon::Exclamation, "XaL Campaign Editor"},
        platform::MessageAnswer::Ok);
    gui::Main();
    prompts.VerifyDone();
}

// A start that finds every setting the first start stored, two of them empty, leaves the
// settings file as it was: its bytes, its time stamp and the file itself.
TEST_F(Startup, AStartThatChangesNothingWritesNothing) {
    gui::Main();
    const std::string path = sandbox.StorePath();
    std::filesystem::last_write_time(path, std::filesystem::file_time_type{});
    const std::string bytes = sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg");
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);

    gui::Main();
    EXPECT_EQ(sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg"), bytes);
    EXPECT_EQ(std::filesystem::last_write_time(path), std::filesystem::file_time_type{});
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "not replaced";
}
#endif

#ifdef _WIN32
// The Windows build's tests run under Wine, where the editor draws text with FreeType.
TEST(WindowSystem, UnderWineFreeTypeIsAskedForUnlessAPlatformWasChosen) {
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    qunsetenv("QT_QPA_PLATFORM");
    gui::UseFreeTypeUnderWine();
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray("windows:fontengine=freetype"));
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    gui::UseFreeTypeUnderWine();
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray("offscreen"));
    qputenv("QT_QPA_PLATFORM", chosen);
}
#endif

}  // namespace
}  // namespace xal
