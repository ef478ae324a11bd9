// SPDX-License-Identifier: MIT
#include <filesystem>

#include "gui/new_campaign/frm_new.h"
#include "gui/text_editor/frm_edit.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

class NewCampaignWizardTest : public test::MainWindowTest {
  protected:
    NewCampaignWizardTest() { std::filesystem::create_directory(game.Path() / "scenario"); }

    // Opens the wizard with the New button; `fill` works in it and must close it.
    void RunWizard(const std::function<void(gui::frmNew&)>& fill) {
        prompts.ExpectDialog("frmNew", [fill](void* dialog) {
            auto& wizard = *static_cast<gui::frmNew*>(dialog);
            wizard.show();
            fill(wizard);
        });
        ClickToolbar("NEW");
        prompts.VerifyDone();
    }
};

TEST_F(NewCampaignWizardTest, OkShowsTheNewCampaignWithUnsavedChanges) {
    settings.ScnInfoFileSeparator = "inf";
    settings.ScnVFileSeparator = "win";
    settings.ScnLFileSeparator = "los";
    RunWizard([](gui::frmNew& wizard) {
        EXPECT_EQ(
            (QStringList{wizard.txtInfo->text(), wizard.txtWin->text(), wizard.txtLoss->text()}),
            (QStringList{"inf", "win", "los"}))
            << "the texts start as the settings' separators";
        test::Retype(wizard.txtCampaignName, "camp1.CAM");
        test::Retype(wizard.txtNrOfScenarios, "3");
        QTest::mouseClick(wizard.chkGoto, Qt::LeftButton);
        QTest::mouseClick(wizard.cmdOK, Qt::LeftButton);
    });
    test::ExpectCommandState(Window(), test::CommandState::Changed);
    EXPECT_EQ(List("cbxVictoryGoto_3")->currentText(), "END/SCORE");
}

TEST_F(NewCampaignWizardTest, RefusedValuesKeepTheWizardOpenAndTheCampaignAsItWas) {
    const auto before = document.Campaign();
    RunWizard([&](gui::frmNew& wizard) {
        test::Retype(wizard.txtNrOfScenarios, "0.4");
        prompts.ExpectMessage(
            {"A new campaign needs at least 1 scenario.", platform::MessageButtons::Ok,
             platform::MessageIcon::Exclamation, "XaL Campaign Editor"},
            platform::MessageAnswer::Ok);
        QTest::mouseClick(wizard.cmdOK, Qt::LeftButton);

        test::Retype(wizard.txtNrOfScenarios, "1");
        test::Retype(wizard.txtCampaignName, "Seventeen_chars_x");
        prompts.ExpectDialog("frmEdit", [](void* list) {
            auto& errors = *static_cast<gui::frmEdit*>(list);
            EXPECT_TRUE(errors.LargeText().startsWith(
                "A campaign name has at most 16 characters.\r\nA file name has at most 20 "
                "characters.\r\n\r\nCampaign name "
                "(Seventeen_chars_x) is too"));
            errors.reject();
        });
        QTest::mouseClick(wizard.cmdOK, Qt::LeftButton);
        EXPECT_TRUE(wizard.isVisible());
        EXPECT_EQ(document.Campaign(), before) << "current only once it passes the check";

        test::Retype(wizard.txtCampaignName, "Short");
        QTest::mouseClick(wizard.cmdOK, Qt::LeftButton);
        EXPECT_FALSE(wizard.isVisible());
    });
    EXPECT_EQ(Window().fraMain->title(), "Short.cam");
}

}  // namespace
}  // namespace xal
