#include <filesystem>

#include "campaign_file/campaign_reader.h"
#include "model/mod_main.h"
#include "new_campaign/frm_new.h"
#include "platform/read_limits.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"
#include "text_editor/frm_edit.h"

namespace xal {
namespace {

using platform::MessageAnswer;

class NewCampaignWizardTest : public test::MainWindowTest {
  protected:
    NewCampaignWizardTest() {
        modMain::Settings.ScnInfoFileSeparator = "i";
        modMain::Settings.ScnVFileSeparator = "v";
        modMain::Settings.ScnLFileSeparator = "l";
        std::filesystem::create_directory(game.Path() / "scenario");
    }

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

    static void Retype(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
};

TEST_F(NewCampaignWizardTest, OnAFreshStartNewAsksNothingAndShowsTheDefaults) {
    const auto empty = modMain::CurrentCampaign();
    RunWizard([](gui::frmNew& wizard) {
        const std::pair<QLineEdit*, const char*> boxes[] = {{wizard.txtCampaignName, "New"},
                                                            {wizard.txtInfo, "i"},
                                                            {wizard.txtWin, "v"},
                                                            {wizard.txtLoss, "l"},
                                                            {wizard.txtNrOfScenarios, "10"},
                                                            {wizard.txtINIMax, "1000"},
                                                            {wizard.txtINCMAX, "1000"},
                                                            {wizard.txtINCBV, "1000"},
                                                            {wizard.txtINCV, "750"},
                                                            {wizard.txtINCTV, "500"},
                                                            {wizard.txtINCL, "250"}};
        for (const auto& [box, value] : boxes) EXPECT_EQ(box->text(), value);
        EXPECT_FALSE(wizard.chkGoto->isChecked());
        QTest::mouseClick(wizard.cmdCancel, Qt::LeftButton);
        EXPECT_FALSE(wizard.isVisible());
    });
    EXPECT_EQ(modMain::CurrentCampaign(), empty);
    test::ExpectCommandState(Window(), test::CommandState::NoCampaign);
}

// The guard itself is tested with the options dialog; here its limits in the wizard.
TEST_F(NewCampaignWizardTest, TheNumberBoxesPutTheirResetValueBackAtOnce) {
    RunWizard([](gui::frmNew& wizard) {
        const std::tuple<QLineEdit*, const char*, const char*, const char*> boxes[] = {
            {wizard.txtNrOfScenarios, "250", "251", "10"},
            {wizard.txtINIMax, "65000", "65001", "1000"},
            {wizard.txtINCL, "65000.5", "x", "250"}};
        for (const auto& [box, accepted, refused, reset] : boxes) {
            Retype(box, accepted);
            EXPECT_EQ(box->text(), accepted);
            Retype(box, refused);
            EXPECT_EQ(box->text(), reset) << refused;
        }
        Retype(wizard.txtCampaignName, "");
        QTest::keyClick(wizard.txtCampaignName, Qt::Key_Backspace);
        EXPECT_EQ(wizard.txtCampaignName->text(), "") << "the name has no guard";
        QTest::mouseClick(wizard.cmdCancel, Qt::LeftButton);
    });
}

TEST_F(NewCampaignWizardTest, OkShowsTheNewCampaignWithUnsavedChangesAndSaveAsksBeforeReplacing) {
    game.Write("scenario/camp1.cam", "another campaign");
    RunWizard([this](gui::frmNew& wizard) {
        Retype(wizard.txtCampaignName, "camp1.CAM");
        Retype(wizard.txtNrOfScenarios, "3");
        Retype(wizard.txtINIMax, "500.5");
        QTest::mouseClick(wizard.chkGoto, Qt::LeftButton);
        QTest::mouseClick(wizard.cmdOK, Qt::LeftButton);
        EXPECT_FALSE(wizard.isVisible());
    });
    gui::frmMain& window = Window();
    test::ExpectCommandState(window, test::CommandState::Changed);
    EXPECT_EQ(window.fraMain->title(), "camp1.cam");
    EXPECT_EQ(window.lvScenarios->topLevelItemCount(), 3);
    EXPECT_EQ(window.txtScenarioPrestige->text(), "500");
    EXPECT_EQ(window.cbxVictoryGoto[3]->currentText(), "END/SCORE");
    EXPECT_EQ(window.cbxVictoryGoto[0]->currentText(), "1");

    const platform::MessageRequest question{
        game.File("scenario/camp1.cam") + " already exists.\r\nDo you want to replace it?",
        platform::MessageButtons::YesNo, platform::MessageIcon::Exclamation, "XaL Campaign Editor"};
    prompts.ExpectMessage(question, MessageAnswer::No);
    ClickToolbar("SAVE");
    prompts.VerifyDone();
    EXPECT_EQ(game.Read("scenario/camp1.cam"), "another campaign");
    EXPECT_TRUE(window.mnuSave->isEnabled());

    prompts.ExpectMessage(question, MessageAnswer::Yes);
    ClickToolbar("SAVE");  // into the game's scenario folder
    prompts.VerifyDone();
    EXPECT_FALSE(window.mnuSave->isEnabled());
    Campaign saved;
    ParseCampaign(
        ReadWholeFile(game.File("scenario/camp1.cam"), platform::read_limit::kCampaignFile), saved);
    ASSERT_EQ(saved.NrOfScenarios(), 3);
    EXPECT_EQ(saved.ScenarioAt(1)->ScenarioName(), "camp101.scn");
    EXPECT_EQ(saved.ScenarioAt(1)->Victories()->Item(2)->Prestige(), 2250);
    EXPECT_EQ(saved.ScenarioAt(1)->Victories()->Item(4)->OnEndGoTo(), 254);

    window.MarkChanged();
    ClickToolbar("SAVE");  // its own file now: no question
    EXPECT_FALSE(window.mnuSave->isEnabled());
}

TEST_F(NewCampaignWizardTest, ATooLongNameListsTheErrorsAndKeepsTheWizardOpen) {
    const std::string name = "Seventeen_chars_x";
    const auto before = modMain::CurrentCampaign();
    RunWizard([&](gui::frmNew& wizard) {
        Retype(wizard.txtCampaignName, QString::fromStdString(name));
        Retype(wizard.txtNrOfScenarios, "1");
        // The list shows the check's messages as they are, line breaks and all.
        const std::string errors =
            CheckNewCampaign(GenerateCampaign(wizard.Input(), modMain::Settings));
        ASSERT_EQ(errors.rfind("Campaign name (" + name + ") is too long.\r\n\r\n", 0), 0u);
        prompts.ExpectDialog("frmEdit", [errors](void* dialog) {
            auto* list = static_cast<gui::frmEdit*>(dialog);
            list->show();
            EXPECT_EQ(list->windowTitle(), "Error(s) creating new campaign");
            EXPECT_EQ(list->LargeText().toStdString(), errors);
            QTest::mouseClick(list->cmdSave, Qt::LeftButton);
        });
        QTest::mouseClick(wizard.cmdOK, Qt::LeftButton);
        EXPECT_TRUE(wizard.isVisible());
        EXPECT_EQ(wizard.txtCampaignName->text().toStdString(), name) << "values stay";
        EXPECT_EQ(modMain::CurrentCampaign(), before) << "current only once it passes the check";
        EXPECT_FALSE(Window().fraMain->isVisible()) << "the window is not redrawn";

        // Mended, OK again regenerates from scratch.
        Retype(wizard.txtCampaignName, "Short");
        QTest::mouseClick(wizard.cmdOK, Qt::LeftButton);
        EXPECT_FALSE(wizard.isVisible());
    });
    EXPECT_NE(modMain::CurrentCampaign(), before);
    EXPECT_EQ(modMain::CurrentCampaign()->NrOfScenarios(), 1);
    EXPECT_EQ(Window().fraMain->title(), "Short.cam");
}

TEST_F(NewCampaignWizardTest, CancelAfterAFailedOkBringsBackTheCampaignShown) {
    OpenThroughToolbar(WriteCampaign("camp1.cam", test::DistinctCampaign(2)));
    const auto opened = modMain::CurrentCampaign();
    RunWizard([&](gui::frmNew& wizard) {
        Retype(wizard.txtNrOfScenarios, "70");
        prompts.ExpectDialog("frmEdit",
                             [](void* dialog) { static_cast<gui::frmEdit*>(dialog)->reject(); });
        QTest::mouseClick(wizard.cmdOK, Qt::LeftButton);
        EXPECT_TRUE(wizard.isVisible());
        EXPECT_EQ(modMain::CurrentCampaign(), opened);
        QTest::keyClick(&wizard, Qt::Key_Escape);
    });
    EXPECT_EQ(modMain::CurrentCampaign(), opened);
    EXPECT_EQ(Window().fraMain->title(), "camp1.cam");
    test::ExpectCommandState(Window(), test::CommandState::Unchanged);
}

TEST_F(NewCampaignWizardTest, NoScenariosIsRefusedAndNothingIsGenerated) {
    const auto before = modMain::CurrentCampaign();
    RunWizard([&](gui::frmNew& wizard) {
        Retype(wizard.txtNrOfScenarios, "0.4");
        prompts.ExpectMessage(
            {"A new campaign needs at least 1 scenario.", platform::MessageButtons::Ok,
             platform::MessageIcon::Exclamation, "XaL Campaign Editor"},
            MessageAnswer::Ok);
        QTest::mouseClick(wizard.cmdOK, Qt::LeftButton);
        EXPECT_TRUE(wizard.isVisible());
        QTest::mouseClick(wizard.cmdCancel, Qt::LeftButton);
    });
    EXPECT_EQ(modMain::CurrentCampaign(), before);
}

}  // namespace
}  // namespace xal
