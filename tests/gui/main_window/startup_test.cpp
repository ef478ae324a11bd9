// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTimer>
#include <filesystem>
#include <new>

#include "core/campaign_file/campaign_writer.h"
#include "core/recovery/recovery_store.h"
#include "core/registry/registry.h"
#include "core/settings/settings.h"
#include "gui/main_window/editor_application.h"
#include "gui/main_window/startup.h"
#include "gui/widgets/font_engine.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"
#include "support/test_application.h"

namespace xal {
namespace {

// A start of the program through gui::Main, over a game folder with its country list, named
// by the game's key. The editor Main started is closed and deleted after it, while the
// test's registry and prompts are still there.
class Startup : public ::testing::Test {
  protected:
    Startup() {
        test::EnsureApplication();
        game.Write("GUI97.txt", test::CountryLines(20));
        RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, settings_keys::kGameKey,
                            settings_keys::kGameDirectory, game.Path().string(),
                            platform::RegType::Sz);
    }
    ~Startup() override {
        if (editor) editor->Window().close();
        editor.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void OpenArgument(const std::string& name) {
        editor->OpenCommandLineCampaign({game.File(name)});
    }

    test::RegistrySandbox sandbox;
    test::ScriptedPrompts prompts;
    std::unique_ptr<gui::Editor> editor;
    test::TempFolder game;
};

TEST_F(Startup, MainLoadsTheSettingsShowsTheWindowAndOpensTheArgument) {
    game.Write("camp1.cam", BuildCampaignFile(test::DistinctCampaign(3)));
    editor = gui::Main();
    EXPECT_TRUE(editor->Window().isVisible());
    // The minor version in two digits, as the first release showed "1.00".
    EXPECT_TRUE(QRegularExpression("^XaL Campaign Editor - \\d+\\.\\d\\d$")
                    .match(editor->Window().windowTitle())
                    .hasMatch())
        << editor->Window().windowTitle().toStdString();
    OpenArgument("camp1.cam");
    EXPECT_EQ(editor->Window().fraMain->title(), "camp1.cam");
    EXPECT_EQ(editor->Window().findChild<QComboBox*>("cbxCountry")->count(), 20)
        << "from the game's folder";
    EXPECT_FALSE(editor->Window().mnuSave->isEnabled());
}

TEST_F(Startup, ABadArgumentIsReportedAndTheWindowStaysEmpty) {
    editor = gui::Main();
    prompts.ExpectMessage("53\r\nFile not found\r\nFile: " + game.File("no.cam"));
    OpenArgument("no.cam");
    testing::internal::CaptureStderr();
    editor->OpenCommandLineCampaign({"a.cam", "b.cam"});  // usage: no prompt
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Usage: XaL_CampaignEdit [FILE.cam]\n");
    prompts.VerifyDone();
    const gui::CampaignPanel* frame = editor->Window().fraMain;
    EXPECT_TRUE(!frame || !frame->isVisible());
}

#ifndef _WIN32
// Qt's own text of the arguments loses what is not UTF-8, such as a folder named in Latin-1.
TEST(CommandLine, FilesAreTakenInTheirOwnBytes) {
    std::string program = "XaL_CampaignEdit", endOfOptions = "--", notAnOption = "-",
                file = "fold\xe9r/camp1.cam";
    char* argv[] = {program.data(), endOfOptions.data(), notAnOption.data(), file.data()};
    EXPECT_EQ(gui::ReadCommandLine(4, argv), (std::vector<std::string>{"-", file}));
}

TEST_F(Startup, ADamagedSettingsFileIsToldInAMessageBox) {
    sandbox.Folder().Write("HKEY_LOCAL_MACHINE.reg",
                           sandbox.Folder().Read("HKEY_LOCAL_MACHINE.reg") + "garbage\n");
    const std::string path = sandbox.StorePath();
    prompts.ExpectMessage(
        {"The settings file " + path + " is damaged (line 12: unexpected text). It was kept as " +
             path + ".bad; the settings that could be read are kept, the others start afresh.",
         platform::MessageButtons::Ok, platform::MessageIcon::Exclamation, "XaL Campaign Editor"},
        platform::MessageAnswer::Ok);
    editor = gui::Main();
}

TEST_F(Startup, ACampaignOfTheCommandLineOpensAfterTheRecoveryQuestionAskingToSaveFirst) {
    game.Write("camp1.cam", BuildCampaignFile(test::DistinctCampaign(3)));
    const test::TempFolder state;
    const test::ScopedEnvironment stateHome("XDG_STATE_HOME", state.File(""));
    Campaign left = test::DistinctCampaign(2);
    left.SetCampaignName("left");
    RecoveryStore(RecoveryStore::DefaultFolder()).Keep(left, 0);
    prompts.ExpectMessage(test::RecoveryQuestion("left", "none, it was never saved", 0),
                          platform::MessageAnswer::Restore);
    editor = gui::Main();
    prompts.ExpectMessage("Save left.cam", platform::MessageAnswer::Cancel);
    OpenArgument("camp1.cam");
    prompts.VerifyDone();
    EXPECT_EQ(editor->Document().Campaign()->CampaignName(), "left") << "not dropped unasked";
    prompts.ExpectMessage("Save left.cam", platform::MessageAnswer::No);
}
#endif

using CountryListTest = test::MainWindowTest;

TEST_F(CountryListTest, TheCountriesAreShownAsWindows1252AndNoneIsChosen) {
    game.Write("GUI97.txt", "\xc9ire\r\n" + test::CountryLines(19));
    OpenThroughToolbar(WriteCampaign("camp1.cam", test::DistinctCampaign(1)));
    QComboBox* list = List("cbxCountry");
    EXPECT_EQ(list->itemText(0), QString::fromUtf8("\u00c9ire"));
    EXPECT_EQ(list->itemData(19).toInt(), 20);
}

TEST_F(CountryListTest, AnIncompleteOrMissingCountryListSendsTheUserToTheOptions) {
    for (const int lines : {12, -1}) {  // -1: no file
        SCOPED_TRACE(lines);
        std::filesystem::remove(game.File("GUI97.txt"));
        if (lines >= 0) game.Write("GUI97.txt", test::CountryLines(lines));
        prompts.ExpectMessage(
            {"Cannot find the Xandor's Legion folder.\r\nPlease select the correct folder in "
             "'Options' and then close and restart the program.",
             platform::MessageButtons::Ok, platform::MessageIcon::Critical, "XaL Campaign Editor"},
            platform::MessageAnswer::Ok);
        prompts.ExpectDialog("frmOptions", [](void*) {});
        gui::frmMain window(document, settings);
        prompts.VerifyDone();
        document.Replace(std::make_shared<Campaign>(test::DistinctCampaign(1)));
        EXPECT_EQ(window.findChild<QComboBox*>("cbxCountry")->count(), std::max(lines, 0));
    }
}

// What an event handler or the start lets escape is told with a number.
TEST(EditorApplication, ReportsWhatEscapesWithANumber) {
    test::EnsureApplication();
    test::ScriptedPrompts prompts;
    prompts.ExpectMessage("9\r\nSubscript out of range").ExpectMessage("7\r\nOut of memory");
    QTimer::singleShot(0, [] { Raise(ErrorNumber::SubscriptOutOfRange); });
    QCoreApplication::processEvents();
    auto* application = static_cast<gui::EditorApplication*>(QCoreApplication::instance());
    EXPECT_EQ(application->Run([] { throw std::bad_alloc(); }), EXIT_FAILURE);
}

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
