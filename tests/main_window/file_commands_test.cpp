#include <filesystem>

#include "model/mod_main.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"
#include "text_editor/frm_edit.h"

namespace xal {
namespace {

using test::MainWindowTest;

class FileCommandsTest : public MainWindowTest {
  protected:
    FileCommandsTest() {
        modMain::Settings.ScnInfoFileSeparator = "i";
        modMain::Settings.ScnBVFileSeparator = "v";
        modMain::Settings.ScnVFileSeparator = "v";
        modMain::Settings.ScnTVFileSeparator = "v";
        modMain::Settings.ScnLFileSeparator = "l";
    }
    // Opens a campaign whose scenario 0 is Alpha_01.scn with no loss text.
    gui::frmMain& Opened() {
        Campaign campaign = test::DistinctCampaign(2);
        campaign.ScenarioAt(0)->SetScenarioName("Alpha_01.scn");
        campaign.ScenarioAt(0)->Victories()->Item(4)->SetVictoryTXT("");
        OpenThroughToolbar(WriteCampaign("camp1.cam", campaign));
        EXPECT_FALSE(Window().mnuSave->isEnabled());
        return Window();
    }
    Scenario& Shown() { return *modMain::CurrentCampaign()->ScenarioAt(0); }
    // Answers the text editor: checks what it shows, then types and closes it.
    void ExpectEditor(const QString& caption, const QString& shownText, const QString& typed,
                      bool save) {
        prompts.ExpectDialog("frmEdit", [=](void* dialog) {
            auto* editor = static_cast<gui::frmEdit*>(dialog);
            editor->show();
            EXPECT_EQ(editor->windowTitle(), caption);
            EXPECT_EQ(editor->txtLargeEdit->toPlainText(), shownText);
            editor->txtLargeEdit->moveCursor(QTextCursor::End);
            QTest::keyClicks(editor->txtLargeEdit, typed);
            QTest::mouseClick(save ? editor->cmdSave : editor->cmdCancel, Qt::LeftButton);
            EXPECT_FALSE(editor->isVisible());
        });
    }
};

TEST_F(FileCommandsTest, SelectPutsTheChosenFilesNameWithoutItsFolderIntoTheField) {
    gui::frmMain& window = Opened();
    prompts.ExpectFilePick("Select movie file", "/media/Movies/intro.mov");
    QTest::mouseClick(window.cmdSelectScenarioMOV, Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(prompts.FilePicks().back().initialFileName, "s0.mov") << "proposes the field's name";
    EXPECT_EQ(window.txtScenarioMOV->text(), "intro.mov");
    EXPECT_EQ(Shown().ScenarioMOV(), "intro.mov");
    EXPECT_TRUE(window.mnuSave->isEnabled());

    window.SetSaved();
    prompts.ExpectFilePick("Select text file", std::nullopt);
    QTest::mouseClick(window.cmdSelectVictoryTXT[1], Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(window.txtVictoryTXT[1]->text(), "t0_1.txt");
    EXPECT_FALSE(window.mnuSave->isEnabled()) << "cancelling changes nothing";
}

TEST_F(FileCommandsTest, ATooLongChosenNameIsRefusedYetMarksTheCampaignChanged) {
    gui::frmMain& window = Opened();
    prompts.ExpectFilePick("Select scenario file", "/games/a_very_long_scenario_name.scn");
    prompts.ExpectMessage("The maximum length of a scenario file name is 20.");
    QTest::mouseClick(window.cmdSelectScenario, Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(window.txtScenario->text(), "Alpha_01.scn");
    EXPECT_EQ(Shown().ScenarioName(), "Alpha_01.scn");
    EXPECT_TRUE(window.mnuSave->isEnabled());
}

TEST_F(FileCommandsTest, EditingAnEmptyLossFieldFillsTheDefaultNameAndCreatesTheFile) {
    gui::frmMain& window = Opened();
    ExpectEditor("Edit Alpha_01l.txt", "", "typed but cancelled", false);
    QTest::mouseClick(window.cmdEditVictoryTXT[3], Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(window.txtVictoryTXT[3]->text(), "Alpha_01l.txt");
    EXPECT_EQ(Shown().Victories()->Item(4)->VictoryTXT(), "Alpha_01l.txt");
    EXPECT_TRUE(window.mnuSave->isEnabled());
    EXPECT_TRUE(std::filesystem::exists(campaigns.File("Alpha_01l.txt")));
    EXPECT_EQ(campaigns.Read("Alpha_01l.txt"), "") << "the cancelled text is not written";
}

TEST_F(FileCommandsTest, SavingTheEditorReplacesTheFileAndLeavesTheCampaignUnchanged) {
    gui::frmMain& window = Opened();
    campaigns.Write("s0i.txt", "Line one\r\nLine two\r\n");
    ExpectEditor("Edit s0i.txt", "Line one\nLine two\n", "Three", true);
    QTest::mouseClick(window.cmdEditScenarioTXT, Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(campaigns.Read("s0i.txt"), "Line one\r\nLine two\r\nThree");
    EXPECT_FALSE(window.mnuSave->isEnabled()) << "a text file is not part of the campaign";

    ExpectEditor("Edit s0i.txt", "Line one\nLine two\nThree", " more", false);
    QTest::mouseClick(window.cmdEditScenarioTXT, Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(campaigns.Read("s0i.txt"), "Line one\r\nLine two\r\nThree")
        << "cancel writes nothing";
}

TEST_F(FileCommandsTest, AFailedWriteBringsTheEditorBackWithTheTextAsTyped) {
    gui::frmMain& window = Opened();
    campaigns.Write("s0i.txt", "Line one\r\n");
    const std::string saved = campaigns.Read("s0i.txt");
    prompts.ExpectDialog("frmEdit", [&](void* dialog) {
        auto* editor = static_cast<gui::frmEdit*>(dialog);
        editor->show();
        editor->txtLargeEdit->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor->txtLargeEdit, "typed");
        std::filesystem::remove_all(campaigns.Path());  // the write must fail
        QTest::mouseClick(editor->cmdSave, Qt::LeftButton);
    });
    prompts.ExpectMessage("76\r\nPath not found");
    prompts.ExpectDialog("frmEdit", [&](void* dialog) {
        auto* editor = static_cast<gui::frmEdit*>(dialog);
        editor->show();
        EXPECT_EQ(editor->txtLargeEdit->toPlainText(), "Line one\ntyped");
        std::filesystem::create_directories(campaigns.Path());
        QTest::mouseClick(editor->cmdSave, Qt::LeftButton);
    });
    QTest::mouseClick(window.cmdEditScenarioTXT, Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(campaigns.Read("s0i.txt"), "Line one\r\ntyped");
}

TEST_F(FileCommandsTest, ANameInOtherCapitalsEditsTheExistingFile) {
    Campaign campaign = test::DistinctCampaign(1);
    campaign.SetCampaignTXT("CAMP1.TXT");
    OpenThroughToolbar(WriteCampaign("camp1.cam", campaign));
    campaigns.Write("camp1.txt", "The story so far");
    ExpectEditor("Edit CAMP1.TXT", "The story so far", ".", true);
    QTest::mouseClick(Window().cmdEditCampaignTXT, Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(campaigns.Read("camp1.txt"), "The story so far.");
    EXPECT_FALSE(std::filesystem::exists(campaigns.File("CAMP1.TXT")));
}

TEST_F(FileCommandsTest, AFailedEditIsReportedWithItsNumberAndDescription) {
    Campaign campaign = test::DistinctCampaign(1);
    campaign.ScenarioAt(0)->SetScenarioName("ab");  // too short for a default name
    campaign.ScenarioAt(0)->SetScenarioTXT("");
    OpenThroughToolbar(WriteCampaign("camp1.cam", campaign));
    prompts.ExpectMessage({"5\r\nInvalid procedure call or argument", platform::MessageButtons::Ok,
                           platform::MessageIcon::None, "XaL_CampaignEdit"},
                          platform::MessageAnswer::Ok);
    QTest::mouseClick(Window().cmdEditScenarioTXT, Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(Window().txtScenarioTXT->text(), "");
}

TEST_F(FileCommandsTest, TheScenarioEditorGetsTheScenarioFileInQuotes) {
    modMain::Settings.ScenarioEditorPath = "E:\\Tools\\scned.exe";
    gui::frmMain& window = Opened();
    ASSERT_TRUE(window.cmdEditScenario->isEnabled());
    const std::string commandLine =
        "E:\\Tools\\scned.exe \"" + modMain::CurrentCampaign()->CampaignFolder() + "Alpha_01.scn\"";
    EXPECT_EQ(window.ScenarioEditorCommandLine(), commandLine);
    prompts.ExpectProcess(commandLine, true);
    QTest::mouseClick(window.cmdEditScenario, Qt::LeftButton);
    prompts.VerifyDone();

    prompts.ExpectProcess(commandLine, false);
    prompts.ExpectMessage("The scenario editor could not be started:\r\nE:\\Tools\\scned.exe");
    QTest::mouseClick(window.cmdEditScenario, Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_FALSE(window.mnuSave->isEnabled());
}

}  // namespace
}  // namespace xal
