// SPDX-License-Identifier: MIT
#include "gui/options/frm_options.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "core/registry/registry.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

using namespace settings_keys;

class OptionsDialogTest : public test::MainWindowTest {
  protected:
    OptionsDialogTest() { settings.ScenarioEditorPath = "/opt/rh/editor.exe"; }

    // Opens the options with the toolbar; `work` works in the dialog and must close it.
    void RunOptions(const std::function<void(gui::frmOptions&)>& work) {
        Window();
        prompts.ExpectDialog("frmOptions", [work](void* dialog) {
            auto& options = *static_cast<gui::frmOptions*>(dialog);
            options.show();
            work(options);
            EXPECT_FALSE(options.isVisible());
        });
        ClickToolbar("OPTIONS");
        prompts.VerifyDone();
    }

    std::string Stored(const char* name) {
        const RegistryValue value =
            RegistryGetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kSettingsKey, name);
        return value.IsText() ? value.Text() : "(not a text)";
    }
};

TEST_F(OptionsDialogTest, ShowsTheSettingsAndOkStoresThemAsTexts) {
    settings.PrestigeIncrement = 250;
    RunOptions([this](gui::frmOptions& options) {
        EXPECT_EQ(options.txtXaLPath->text().toStdString(), game.File(""));
        EXPECT_EQ(options.txtPrestigeIncrement->text(), "250");
        // Browsing for the game's folder keeps only the chosen file's folder.
        prompts.ExpectFilePick("Select application", "/games/Legion/any file.txt");
        QTest::mouseClick(options.cmdSelectXaLPath, Qt::LeftButton);
        EXPECT_EQ(prompts.FilePicks().back().initialFileName, game.File("") + "xandors.exe");
        test::Retype(options.txtInfoFileSeparator, "");
        for (QLineEdit* box :
             {options.txtScenarioFileSeparator, options.txtBVFileSeparator,
              options.txtVFileSeparator, options.txtTVFileSeparator, options.txtLFileSeparator})
            test::Retype(box, box->objectName().mid(3, 3));  // "Sce", "BVF", "VFi", …
        test::Retype(options.txtPrestigeIncrement, "500");
        QTest::mouseClick(options.cmdOK, Qt::LeftButton);
    });
    EXPECT_EQ(settings.GameFolder, "/games/Legion/");
    EXPECT_EQ(Stored(kScenarioEditor), "/opt/rh/editor.exe");
    EXPECT_EQ(Stored(kScnInfoFileSeparator), "");
    EXPECT_EQ((std::vector<std::string>{settings.ScnFileSeparator, settings.ScnBVFileSeparator,
                                        settings.ScnVFileSeparator, settings.ScnTVFileSeparator,
                                        settings.ScnLFileSeparator}),
              (std::vector<std::string>{"Sce", "BVF", "VFi", "TVF", "LFi"}));
    EXPECT_EQ(Stored(kPrestigeIncrement), "500") << "a text, not a number";
    EXPECT_EQ(Window().mnuScn_Down->text(), "Decrease prestige of selected scenario by 500");
}

TEST_F(OptionsDialogTest, TheIncrementGuardAndAnIncrementStoredOutOfRange) {
    settings.PrestigeIncrement = 100000;
    RunOptions([](gui::frmOptions& options) {
        EXPECT_EQ(options.txtPrestigeIncrement->text(), "1000") << "100000 shows as 1000";
        test::Retype(options.txtPrestigeIncrement, "65001");
        EXPECT_EQ(options.txtPrestigeIncrement->text(), "1000");
        test::Retype(options.txtPrestigeIncrement, "65000");
        EXPECT_EQ(options.txtPrestigeIncrement->text(), "65000") << "the limit itself is kept";
        test::Retype(options.txtPrestigeIncrement, "12.5");
        QTest::mouseClick(options.cmdOK, Qt::LeftButton);
    });
    EXPECT_EQ(settings.PrestigeIncrement, 12) << "halves to even";
}

TEST_F(OptionsDialogTest, TheEditorPathEnablesTheScenarioEditorButtonOnOkOnly) {
    OpenThroughToolbar(WriteCampaign("camp1.cam", test::DistinctCampaign(1)));
    RunOptions([](gui::frmOptions& options) {
        test::Retype(options.txtRHXaLScenarioEditor, "");
        QTest::mouseClick(options.cmdCancel, Qt::LeftButton);
    });
    EXPECT_TRUE(Button("cmdEditScenario")->isEnabled());
    EXPECT_EQ(Stored(kScenarioEditor), "(not a text)") << "Cancel stores nothing";
    RunOptions([](gui::frmOptions& options) {
        test::Retype(options.txtRHXaLScenarioEditor, "");
        QTest::mouseClick(options.cmdOK, Qt::LeftButton);
    });
    EXPECT_FALSE(Button("cmdEditScenario")->isEnabled());
    RunOptions([this](gui::frmOptions& options) {
        prompts.ExpectFilePick("Select application", "/opt/other/XaLEdit.exe");
        QTest::mouseClick(options.cmdSelectRHXaLScenarioEditor, Qt::LeftButton);
        QTest::mouseClick(options.cmdOK, Qt::LeftButton);
    });
    EXPECT_TRUE(Button("cmdEditScenario")->isEnabled());
}

#ifndef _WIN32
TEST_F(OptionsDialogTest, OkThatCannotStoreTellsWhyAndStaysOpenWithWhatWasTyped) {
    RegistrySetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kSettingsKey, kGameFolder, game.File(""),
                        RegType::Sz);
    ::chmod(sandbox.StorePath().c_str(), 0444);
    settings.PrestigeIncrement = 250;
    RunOptions([this](gui::frmOptions& options) {
        test::Retype(options.txtPrestigeIncrement, "500");
        prompts.ExpectMessage(
            "70\r\nPermission denied: the file is read-only\r\nThe options were "
            "not saved.\r\nFile: " +
            sandbox.StorePath() + "\r\nNothing was saved: the file is unchanged.");
        QTest::mouseClick(options.cmdOK, Qt::LeftButton);
        EXPECT_TRUE(options.isVisible());
        EXPECT_EQ(options.txtPrestigeIncrement->text(), "500");
        QTest::mouseClick(options.cmdCancel, Qt::LeftButton);
    });
    EXPECT_EQ(settings.PrestigeIncrement, 250);
}
#endif

}  // namespace
}  // namespace xal
