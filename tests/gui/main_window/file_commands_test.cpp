// SPDX-License-Identifier: MIT
#include <filesystem>

#include "gui/text_editor/frm_edit.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

class FileCommandsTest : public test::MainWindowTest {
  protected:
    // Opens a campaign whose scenario 0 is Alpha_01.scn with no loss text.
    gui::frmMain& Opened() {
        settings.ScnLFileSeparator = "l";
        Campaign campaign = test::DistinctCampaign(2);
        campaign.ScenarioAt(0)->SetScenarioName("Alpha_01.scn");
        campaign.ScenarioAt(0)->Victories()->Item(4)->SetVictoryTXT("");
        return Open(campaign);
    }
    Scenario& Shown() { return *document.Campaign()->ScenarioAt(0); }
    // Answers the text editor: checks what it shows, then types and closes it.
    void ExpectEditor(
        const QString& caption, const QString& shownText, const QString& typed, bool save,
        const std::function<void()>& beforeClosing = [] {}) {
        prompts.ExpectDialog("frmEdit", [=, this](void* dialog) {
            auto* editor = static_cast<gui::frmEdit*>(dialog);
            editor->show();
            EXPECT_EQ(editor->windowTitle(), caption);
            EXPECT_EQ(editor->txtLargeEdit->toPlainText(), shownText);
            editor->txtLargeEdit->moveCursor(QTextCursor::End);
            QTest::keyClicks(editor->txtLargeEdit, typed);
            beforeClosing();
            if (!save && !typed.isEmpty())
                prompts.ExpectMessage("The text has been changed.\r\nDo you want to save it?",
                                      platform::MessageAnswer::Discard);
            QTest::mouseClick(save ? editor->cmdSave : editor->cmdCancel, Qt::LeftButton);
        });
    }
};

TEST_F(FileCommandsTest, SelectPutsTheChosenNameWithoutItsFolderIntoTheField) {
    gui::frmMain& window = Opened();
    prompts.ExpectFilePick("Select movie file", "/media/Movies/intro.mov");
    QTest::mouseClick(Button("cmdSelectScenarioMOV"), Qt::LeftButton);
    prompts.ExpectFilePick("Select scenario file", "/games/a_very_long_scenario_name.scn");
    prompts.ExpectMessage("The maximum length of a scenario file name is 20.");
    QTest::mouseClick(Button("cmdSelectScenario"), Qt::LeftButton);
    prompts.ExpectFilePick("Select text file", "/media/Кампания/поход.txt");
    prompts.ExpectMessage(
        "5\r\n\"поход.txt\" holds characters that a campaign file cannot store; "
        "choose a name in Latin letters (Windows-1252).\r\n"
        "Field: Scenario 0 > Loss > TXT File");
    QTest::mouseClick(Button("cmdSelectVictoryTXT_3"), Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(prompts.FilePicks()[1].initialFileName, "s0.mov") << "proposes the field's name";
    EXPECT_EQ(Shown().ScenarioMOV(), "intro.mov");

    // A pick is a step of its own between typing before and after it.
    Find("txtScenarioMOV")->setFocus();
    QTest::keyClick(Find("txtScenarioMOV"), Qt::Key_X);
    prompts.ExpectFilePick("Select movie file", "/media/Movies/outro.mov");
    QTest::mouseClick(Button("cmdSelectScenarioMOV"), Qt::LeftButton);
    QTest::keyClick(Find("txtScenarioMOV"), Qt::Key_Y);
    for (const char* before : {"outro.mov", "intro.movx", "intro.mov"}) {
        window.mnuUndo->trigger();
        EXPECT_EQ(Shown().ScenarioMOV(), before);
    }
}

TEST_F(FileCommandsTest, EditingAnEmptyFieldFillsTheDefaultNameAndOnlySavingCreatesTheFile) {
    gui::frmMain& window = Opened();
    ExpectEditor("Edit Alpha_01l.txt", "", "typed but cancelled", false);
    QTest::mouseClick(Button("cmdEditVictoryTXT_3"), Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(Shown().Victories()->Item(4)->VictoryTXT(), "Alpha_01l.txt");
    EXPECT_TRUE(window.mnuSave->isEnabled());
    EXPECT_EQ(campaigns.Names(), std::vector<std::string>{"camp1.cam"}) << "nothing is created";

    // Without the campaign's folder there is nothing to edit.
    std::filesystem::remove_all(campaigns.Path());
    prompts.ExpectMessage("53\r\nFile not found\r\nFile: " + campaigns.File("Alpha_01l.txt"));
    QTest::mouseClick(Button("cmdEditVictoryTXT_3"), Qt::LeftButton);
    prompts.VerifyDone();

    std::filesystem::create_directories(campaigns.Path());
    ExpectEditor("Edit Alpha_01l.txt", "", "saved", true);
    QTest::mouseClick(Button("cmdEditVictoryTXT_3"), Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(campaigns.Read("Alpha_01l.txt"), "saved");
}

// The text file is found in other capitals, and saving it changes no campaign.
TEST_F(FileCommandsTest, AFailedWriteBringsTheEditorBackWithTheTextAsTyped) {
    Campaign campaign = test::DistinctCampaign(1);
    campaign.SetCampaignTXT("CAMP1.TXT");
    Open(campaign);
    campaigns.Write("camp1.txt", "Line one\r\n");
    ExpectEditor("Edit CAMP1.TXT", "Line one\n", "typed", true,
                 [&] { std::filesystem::remove_all(campaigns.Path()); });
    prompts.ExpectMessage("76\r\nPath not found\r\nFile: " + campaigns.File("camp1.txt") +
                          "\r\nNothing was saved: no file was created.");
    // Back with the text as typed, which closing does not drop unasked.
    prompts.ExpectDialog("frmEdit", [&](void* dialog) {
        auto* editor = static_cast<gui::frmEdit*>(dialog);
        editor->show();
        EXPECT_EQ(editor->txtLargeEdit->toPlainText(), "Line one\ntyped");
        std::filesystem::create_directories(campaigns.Path());
        prompts.ExpectMessage("The text has been changed.\r\nDo you want to save it?",
                              platform::MessageAnswer::Save);
        QTest::mouseClick(editor->cmdCancel, Qt::LeftButton);
    });
    QTest::mouseClick(Button("cmdEditCampaignTXT"), Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_EQ(campaigns.Read("camp1.txt"), "Line one\r\ntyped");
    EXPECT_EQ(campaigns.Names(), std::vector<std::string>{"camp1.txt"}) << "spelled as it was";
    EXPECT_FALSE(Window().mnuSave->isEnabled()) << "a text file is not part of the campaign";
}

TEST_F(FileCommandsTest, TheScenarioEditorGetsTheScenarioFileInQuotes) {
    settings.ScenarioEditorPath = "E:\\Tools\\scned.exe";
    gui::frmMain& window = Opened();
    const std::string commandLine =
        "E:\\Tools\\scned.exe \"" + document.Campaign()->CampaignFolder() + "Alpha_01.scn\"";
    prompts.ExpectProcess(commandLine, false);
    prompts.ExpectMessage("The scenario editor could not be started:\r\nE:\\Tools\\scned.exe");
    QTest::mouseClick(Button("cmdEditScenario"), Qt::LeftButton);
    prompts.VerifyDone();
    EXPECT_FALSE(window.mnuSave->isEnabled());
}

}  // namespace
}  // namespace xal
