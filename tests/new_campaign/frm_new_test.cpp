#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
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
        modMain::Settings.ScnBVFileSeparator = "B";
        modMain::Settings.ScnVFileSeparator = "v";
        modMain::Settings.ScnTVFileSeparator = "T";
        modMain::Settings.ScnLFileSeparator = "l";
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

    // Answers the error list: checks it and closes it with its OK button.
    void ExpectErrorList(const std::string& errors) {
        prompts.ExpectDialog("frmEdit", [errors](void* dialog) {
            auto* list = static_cast<gui::frmEdit*>(dialog);
            list->show();
            EXPECT_EQ(list->windowTitle(), "Error(s) creating new campaign");
            EXPECT_TRUE(list->txtLargeEdit->isVisible());
            EXPECT_EQ(list->cmdSave->text(), "OK");
            EXPECT_EQ(list->LargeText().toStdString(), errors);
            QTest::mouseClick(list->cmdSave, Qt::LeftButton);
        });
    }

    static void Retype(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
};

// The caption of the label the wizard's form shows beside a box, and the box's group.
QString LabelOf(QWidget* box) {
    auto* form = qobject_cast<QFormLayout*>(box->parentWidget()->layout());
    auto* label = form ? qobject_cast<QLabel*>(form->labelForField(box)) : nullptr;
    return label ? label->text() : QString();
}
QString GroupOf(QWidget* control) {
    auto* group = qobject_cast<QGroupBox*>(control->parentWidget());
    return group ? group->title() : QString();
}

TEST_F(NewCampaignWizardTest, OnAFreshStartNewAsksNothingAndShowsTheDefaults) {
    const auto empty = modMain::CurrentCampaign;
    RunWizard([](gui::frmNew& wizard) {
        EXPECT_EQ(wizard.windowTitle(), "New campaign");
        const std::tuple<QLineEdit*, const char*, const char*, const char*> boxes[] = {
            {wizard.txtCampaignName, "New", "Campaign name:", "General campaign settings:"},
            {wizard.txtInfo, "i", "Info text:", "General campaign settings:"},
            {wizard.txtWin, "v", "Win text:", "General campaign settings:"},
            {wizard.txtLoss, "l", "Loss text:", "General campaign settings:"},
            {wizard.txtNrOfScenarios, "10", "Nr of scenarios:", "General campaign settings:"},
            {wizard.txtINIMax, "1000", "Initial MAX prestige:", "Scenario settings:"},
            {wizard.txtINCMAX, "1000", "MAX:", "Incremental prestige settings:"},
            {wizard.txtINCBV, "1000", "BV:", "Incremental prestige settings:"},
            {wizard.txtINCV, "750", "V:", "Incremental prestige settings:"},
            {wizard.txtINCTV, "500", "TV:", "Incremental prestige settings:"},
            {wizard.txtINCL, "250", "L:", "Incremental prestige settings:"}};
        for (const auto& [box, value, label, group] : boxes) {
            SCOPED_TRACE(box->objectName().toStdString());
            EXPECT_EQ(box->text(), value);
            EXPECT_EQ(LabelOf(box), label);
            EXPECT_EQ(GroupOf(box), group);
            EXPECT_FALSE(box->toolTip().isEmpty());
        }
        EXPECT_EQ(wizard.txtINCL->toolTip(),
                  "This is the increase of maximum prestige gained despite a loss");
        EXPECT_FALSE(wizard.chkGoto->isChecked());
        EXPECT_EQ(wizard.chkGoto->text(), "Scenario loss immediately loses campaign");
        EXPECT_EQ(GroupOf(wizard.chkGoto), "Scenario settings:");
        EXPECT_EQ(wizard.cmdOK->text(), "OK");
        EXPECT_EQ(wizard.cmdCancel->text(), "&Cancel");
        QTest::mouseClick(wizard.cmdCancel, Qt::LeftButton);
        EXPECT_FALSE(wizard.isVisible());
    });
    EXPECT_EQ(modMain::CurrentCampaign, empty);
    test::ExpectCommandState(Window(), test::CommandState::NoCampaign);
}

TEST_F(NewCampaignWizardTest, TheNumberBoxesPutTheirResetValueBackAtOnce) {
    RunWizard([](gui::frmNew& wizard) {
        const std::pair<QLineEdit*, QString> boxes[] = {
            {wizard.txtNrOfScenarios, "10"}, {wizard.txtINIMax, "1000"}, {wizard.txtINCMAX, "1000"},
            {wizard.txtINCBV, "1000"},       {wizard.txtINCV, "750"},    {wizard.txtINCTV, "500"},
            {wizard.txtINCL, "250"}};
        for (const auto& [box, reset] : boxes) {
            SCOPED_TRACE(box->objectName().toStdString());
            Retype(box, "7");
            EXPECT_EQ(box->text(), "7");
            QTest::keyClick(box, Qt::Key_Backspace);
            EXPECT_EQ(box->text(), reset) << "an empty box";
            Retype(box, "-");
            EXPECT_EQ(box->text(), reset) << "a lone minus";
            Retype(box, "x");
            EXPECT_EQ(box->text(), reset) << "a letter";
        }
        for (QLineEdit* box : {wizard.txtINIMax, wizard.txtINCBV, wizard.txtINCL}) {
            Retype(box, "65000");
            EXPECT_EQ(box->text(), "65000");
            Retype(box, "65000.5");
            EXPECT_EQ(box->text(), "65000.5") << "rounds to 65000";
        }
        Retype(wizard.txtINCV, "65001");
        EXPECT_EQ(wizard.txtINCV->text(), "750");
        Retype(wizard.txtNrOfScenarios, "250");
        EXPECT_EQ(wizard.txtNrOfScenarios->text(), "250");
        Retype(wizard.txtNrOfScenarios, "251");
        EXPECT_EQ(wizard.txtNrOfScenarios->text(), "10");
        Retype(wizard.txtNrOfScenarios, "0");
        EXPECT_EQ(wizard.txtNrOfScenarios->text(), "0") << "the box lets 0 stand";
        Retype(wizard.txtCampaignName, "");
        QTest::keyClick(wizard.txtCampaignName, Qt::Key_Backspace);
        EXPECT_EQ(wizard.txtCampaignName->text(), "") << "the name has no guard";
        QTest::mouseClick(wizard.cmdCancel, Qt::LeftButton);
    });
}

TEST_F(NewCampaignWizardTest, OkShowsTheNewCampaignWithUnsavedChanges) {
    std::filesystem::create_directory(game.Path() / "scenario");
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
    EXPECT_EQ(window.txtScenario->text(), "camp100.scn");
    EXPECT_EQ(window.txtScenarioPrestige->text(), "500");
    EXPECT_EQ(window.txtVictoryTXT[3]->text(), "camp100l.txt");
    EXPECT_EQ(window.cbxVictoryGoto[3]->currentText(), "END/SCORE");
    EXPECT_EQ(window.cbxVictoryGoto[0]->currentText(), "1");
    EXPECT_EQ(window.cbxCountry->currentText(), "Country 1");

    ClickToolbar("SAVE");  // into the game's scenario folder, no dialog
    EXPECT_FALSE(window.mnuSave->isEnabled());
    Campaign saved;
    ParseCampaign(
        ReadWholeFile(game.File("scenario/camp1.cam"), platform::read_limit::kCampaignFile), saved);
    ASSERT_EQ(saved.NrOfScenarios(), 3);
    EXPECT_EQ(saved.CampaignTXT(), "camp1.txt");
    EXPECT_EQ(saved.ScenarioAt(1)->ScenarioName(), "camp101.scn");
    EXPECT_EQ(saved.ScenarioAt(1)->Prestige(), 1500);
    EXPECT_EQ(saved.ScenarioAt(1)->Victories()->Item(2)->Prestige(), 2250);
    EXPECT_EQ(saved.ScenarioAt(1)->Victories()->Item(4)->OnEndGoTo(), 254);
}

TEST_F(NewCampaignWizardTest, SavingOverAnotherCampaignsFileAsksFirst) {
    std::filesystem::create_directory(game.Path() / "scenario");
    game.Write("scenario/demo.cam", "another campaign");
    RunWizard([](gui::frmNew& wizard) {
        Retype(wizard.txtCampaignName, "demo");
        QTest::mouseClick(wizard.cmdOK, Qt::LeftButton);
    });
    const platform::MessageRequest question{
        game.File("scenario/demo.cam") + " already exists.\r\nDo you want to replace it?",
        platform::MessageButtons::YesNo, platform::MessageIcon::Exclamation, "XaL Campaign Editor"};
    prompts.ExpectMessage(question, MessageAnswer::No);
    ClickToolbar("SAVE");
    prompts.VerifyDone();
    EXPECT_EQ(game.Read("scenario/demo.cam"), "another campaign");
    EXPECT_TRUE(Window().mnuSave->isEnabled());

    prompts.ExpectMessage(question, MessageAnswer::Yes);
    ClickToolbar("SAVE");
    prompts.VerifyDone();
    EXPECT_EQ(game.Read("scenario/demo.cam").size(), 31944u);
    EXPECT_FALSE(Window().mnuSave->isEnabled());

    Window().MarkChanged();
    ClickToolbar("SAVE");  // its own file now: no question
    EXPECT_FALSE(Window().mnuSave->isEnabled());
}

TEST_F(NewCampaignWizardTest, ATooLongNameListsTheErrorsAndKeepsTheWizardOpen) {
    const std::string name = "Seventeen_chars_x";
    const auto before = modMain::CurrentCampaign;
    RunWizard([&](gui::frmNew& wizard) {
        Retype(wizard.txtCampaignName, QString::fromStdString(name));
        Retype(wizard.txtNrOfScenarios, "1");
        // The list shows the check's messages as they are, line breaks and all.
        const std::string errors =
            CheckNewCampaign(GenerateCampaign(wizard.Input(), modMain::Settings));
        ASSERT_EQ(errors.rfind("Campaign name (" + name + ") is too long.\r\n\r\n", 0), 0u);
        ExpectErrorList(errors);
        QTest::mouseClick(wizard.cmdOK, Qt::LeftButton);
        EXPECT_TRUE(wizard.isVisible());
        EXPECT_EQ(wizard.txtCampaignName->text().toStdString(), name) << "values stay";
        EXPECT_EQ(modMain::CurrentCampaign->CampaignName(), name) << "replaced before the check";
        EXPECT_FALSE(Window().fraMain->isVisible()) << "the window is not redrawn";

        // Mended, OK again regenerates from scratch.
        Retype(wizard.txtCampaignName, "Short");
        QTest::mouseClick(wizard.cmdOK, Qt::LeftButton);
        EXPECT_FALSE(wizard.isVisible());
    });
    EXPECT_NE(modMain::CurrentCampaign, before);
    EXPECT_EQ(modMain::CurrentCampaign->CampaignName(), "Short");
    EXPECT_EQ(modMain::CurrentCampaign->NrOfScenarios(), 1);
    EXPECT_EQ(Window().fraMain->title(), "Short.cam");
}

TEST_F(NewCampaignWizardTest, CancelAfterAFailedOkBringsBackTheCampaignShown) {
    OpenThroughToolbar(WriteCampaign("camp1.cam", test::DistinctCampaign(2)));
    const auto opened = modMain::CurrentCampaign;
    RunWizard([&](gui::frmNew& wizard) {
        Retype(wizard.txtNrOfScenarios, "70");
        prompts.ExpectDialog("frmEdit",
                             [](void* dialog) { static_cast<gui::frmEdit*>(dialog)->reject(); });
        QTest::mouseClick(wizard.cmdOK, Qt::LeftButton);
        EXPECT_TRUE(wizard.isVisible());
        EXPECT_NE(modMain::CurrentCampaign, opened);
        QTest::keyClick(&wizard, Qt::Key_Escape);
        EXPECT_FALSE(wizard.isVisible());
    });
    EXPECT_EQ(modMain::CurrentCampaign, opened);
    EXPECT_EQ(Window().fraMain->title(), "camp1.cam");
    test::ExpectCommandState(Window(), test::CommandState::Unchanged);
}

TEST_F(NewCampaignWizardTest, NoScenariosIsRefusedAndNothingIsGenerated) {
    const auto before = modMain::CurrentCampaign;
    RunWizard([&](gui::frmNew& wizard) {
        Retype(wizard.txtNrOfScenarios, "0.4");
        prompts.ExpectMessage(
            {"A new campaign needs at least 1 scenario.", platform::MessageButtons::Ok,
             platform::MessageIcon::Exclamation, "XaL Campaign Editor"},
            MessageAnswer::Ok);
        QTest::mouseClick(wizard.cmdOK, Qt::LeftButton);
        EXPECT_TRUE(wizard.isVisible());
        EXPECT_EQ(modMain::CurrentCampaign, before);
        QTest::mouseClick(wizard.cmdCancel, Qt::LeftButton);
    });
    EXPECT_EQ(modMain::CurrentCampaign, before);
}

TEST_F(NewCampaignWizardTest, TheSaveQuestionComesFirstAndCancelOpensNoWizard) {
    OpenThroughToolbar(WriteCampaign("camp1.cam", test::DistinctCampaign(2)));
    Window().MarkChanged();
    const auto opened = modMain::CurrentCampaign;
    const platform::MessageRequest question{"Save camp1.cam", platform::MessageButtons::YesNoCancel,
                                            platform::MessageIcon::Question, "XaL Campaign Editor"};
    prompts.ExpectMessage(question, MessageAnswer::Cancel);
    ClickToolbar("NEW");
    prompts.VerifyDone();
    EXPECT_EQ(modMain::CurrentCampaign, opened);
    test::ExpectCommandState(Window(), test::CommandState::Changed);

    prompts.ExpectMessage(question, MessageAnswer::Yes);
    RunWizard([](gui::frmNew& wizard) { QTest::mouseClick(wizard.cmdCancel, Qt::LeftButton); });
    EXPECT_FALSE(Window().mnuSave->isEnabled()) << "Yes saved the campaign first";
}

}  // namespace
}  // namespace xal
