#include <QApplication>
#include <QClipboard>

#include "campaign_file/campaign_reader.h"
#include "model/mod_main.h"
#include "platform/read_limits.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

using test::MainWindowTest;

class FieldEditingTest : public MainWindowTest {
  protected:
    gui::frmMain& Opened() {
        OpenThroughToolbar(WriteCampaign("camp1.cam", test::DistinctCampaign(3)));
        EXPECT_FALSE(Window().mnuSave->isEnabled());
        return Window();
    }
    // Replaces the whole text of a box as a user does: select all, then type.
    static void TypeOver(QLineEdit* box, const QString& text) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Backspace);
        else
            QTest::keyClicks(box, text);
    }
    Scenario& Shown() { return *modMain::CurrentCampaign()->ScenarioAt(0); }
};

TEST_F(FieldEditingTest, ATwentyFirstCharacterTypedOrPastedIsTakenBackWithTheMessage) {
    gui::frmMain& window = Opened();
    TypeOver(window.txtScenarioTXT, "abcdefghijklmnopqrst");
    prompts.ExpectMessage(
        {"The maximum length of a text file name is 20.", platform::MessageButtons::Ok,
         platform::MessageIcon::Exclamation, "XaL Campaign Editor"},
        platform::MessageAnswer::Ok);
    QTest::keyClick(window.txtScenarioTXT, Qt::Key_U);
    prompts.VerifyDone();
    EXPECT_EQ(window.txtScenarioTXT->text(), "abcdefghijklmnopqrst");
    EXPECT_EQ(Shown().ScenarioTXT(), "abcdefghijklmnopqrst");
    EXPECT_TRUE(window.mnuSave->isEnabled());

    TypeOver(window.txtVictoryMOV[2], "fifteen_chars.m");
    QApplication::clipboard()->setText("123456");
    prompts.ExpectMessage("The maximum length of a movie file name is 20.");
    QTest::keyClick(window.txtVictoryMOV[2], Qt::Key_V, Qt::ControlModifier);
    prompts.VerifyDone();
    EXPECT_EQ(Shown().Victories()->Item(3)->VictoryMOV(), "fifteen_chars.m") << "taken back whole";

    // An over-long value is shown as it is and can only be replaced in one step.
    const std::string generated = "Campaign_Scenario_01.scn";  // 24 characters
    Shown().SetScenarioName(generated);
    window.RefreshScenarioDisplay(0);  // no message: showing stores nothing
    prompts.ExpectMessage("The maximum length of a scenario file name is 20.");
    QTest::keyClick(window.txtScenario, Qt::Key_End);
    QTest::keyClick(window.txtScenario, Qt::Key_Backspace);
    prompts.VerifyDone();
    EXPECT_EQ(window.txtScenario->text().toStdString(), generated);
    EXPECT_EQ(Shown().ScenarioName(), generated);
}

TEST_F(FieldEditingTest, EveryFileNameFieldStoresIntoItsOwnProperty) {
    gui::frmMain& window = Opened();
    QTest::mouseClick(window.lvScenarios->viewport(), Qt::LeftButton, {},
                      window.lvScenarios->visualItemRect(window.ScenarioEntry("_2")).center());
    ASSERT_EQ(window.txtScenarioNr->text(), "2");
    TypeOver(window.txtCampaignTXT, "c.txt");
    TypeOver(window.txtCampaignVictoryMOV, "w.mov");
    TypeOver(window.txtCampaignDefeatMOV, "l.mov");
    TypeOver(window.txtScenarioMOV, "s.mov");
    TypeOver(window.txtVictoryTXT[3], "lost.txt");
    const Campaign& campaign = *modMain::CurrentCampaign();
    EXPECT_EQ(campaign.CampaignTXT(), "c.txt");
    EXPECT_EQ(campaign.VictoryMOV(), "w.mov");
    EXPECT_EQ(campaign.DefeatMOV(), "l.mov");
    EXPECT_EQ(campaign.ScenarioAt(2)->ScenarioMOV(), "s.mov");
    EXPECT_EQ(campaign.ScenarioAt(2)->Victories()->Item(4)->VictoryTXT(), "lost.txt");
    EXPECT_EQ(campaign.ScenarioAt(0)->ScenarioMOV(), "s0.mov") << "scenario 0 untouched";
}

TEST_F(FieldEditingTest, RenamingTheScenarioFileRenamesItsListEntryAsYouType) {
    gui::frmMain& window = Opened();
    TypeOver(window.txtScenario, "Al");
    QTest::keyClick(window.txtScenario, Qt::Key_P);
    EXPECT_EQ(window.ScenarioEntry("_0")->text(1), "Alp");
    EXPECT_EQ(window.ScenarioEntry("_1")->text(1), "camp11.scn");
    EXPECT_EQ(Shown().ScenarioName(), "Alp");
}

TEST_F(FieldEditingTest, PrestigeTextsAreStoredByTheRuleAndBadOnesAreMarked) {
    gui::frmMain& window = Opened();
    const QString designToolTip = window.txtCampaignPrestige->toolTip();
    const QColor normalBase = window.txtCampaignPrestige->palette().color(QPalette::Base);
    const struct {
        const char* text;
        Long stored;
        bool marked;
    } cases[] = {{"65000", 65000, false}, {"65001", 0, true}, {"12.5", 12, false}, {"", 0, true}};
    for (const auto& c : cases) {
        TypeOver(window.txtCampaignPrestige, c.text);
        EXPECT_EQ(modMain::CurrentCampaign()->Prestige(), c.stored) << c.text;
        EXPECT_EQ(window.txtCampaignPrestige->text(), c.text) << "the text stays as typed";
        const QPalette shown = window.txtCampaignPrestige->palette();
        EXPECT_EQ(shown.color(QPalette::Base) != normalBase, c.marked) << c.text;
        EXPECT_EQ(window.txtCampaignPrestige->toolTip(),
                  c.marked ? "Not a number from 0 to 65000: 0 will be saved." : designToolTip)
            << c.text;
    }
}

TEST_F(FieldEditingTest, AnyKeyInAFieldMarksTheCampaignChangedButAProgramChangeDoesNot) {
    gui::frmMain& window = Opened();
    window.txtScenarioMOV->setText("pasted.mov");  // as the context menu's paste does
    EXPECT_EQ(Shown().ScenarioMOV(), "pasted.mov");
    EXPECT_FALSE(window.mnuSave->isEnabled());
    QTest::keyClick(window.txtVictoryMOV[1], Qt::Key_Left);
    EXPECT_TRUE(window.mnuSave->isEnabled());
    EXPECT_EQ(Shown().Victories()->Item(2)->VictoryMOV(), "m0_1.mov") << "nothing else changed";
}

TEST_F(FieldEditingTest, APastedLineBreakNeverReachesAFileName) {
    gui::frmMain& window = Opened();
    TypeOver(window.txtScenarioTXT, "");
    QApplication::clipboard()->setText("ab\ncd\r\n\t");
    QTest::keyClick(window.txtScenarioTXT, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window.txtScenarioTXT->text(), "abcd");
    EXPECT_EQ(Shown().ScenarioTXT(), "abcd");
}

TEST_F(FieldEditingTest, ANameACampaignFileCannotHoldIsTakenBackWithTheMessage) {
    gui::frmMain& window = Opened();
    QApplication::clipboard()->setText("Été.txt");
    QTest::keyClick(window.txtScenarioTXT, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window.txtScenarioTXT, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Shown().ScenarioTXT(), "\xc9t\xe9.txt");
    prompts.ExpectMessage(
        "A campaign file can only hold file names in Latin letters (Windows-1252).");
    QApplication::clipboard()->setText("Ж");
    QTest::keyClick(window.txtScenarioTXT, Qt::Key_V, Qt::ControlModifier);
    prompts.VerifyDone();
    EXPECT_EQ(window.txtScenarioTXT->text(), "Été.txt");
    EXPECT_EQ(Shown().ScenarioTXT(), "\xc9t\xe9.txt");
}

TEST_F(FieldEditingTest, TabAndShiftTabOnlyMoveTheFocus) {
    gui::frmMain& window = Opened();
    QTest::keyClick(window.txtScenarioMOV, Qt::Key_Tab);
    QTest::keyClick(window.txtScenarioMOV, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_FALSE(window.mnuSave->isEnabled());
    QTest::keyClick(window.txtScenarioMOV, Qt::Key_Right);
    EXPECT_TRUE(window.mnuSave->isEnabled()) << "other keys count still";
}

TEST_F(FieldEditingTest, PrestigeIsReadAsTheUsersLocaleWritesNumbers) {
    gui::frmMain& window = Opened();
    const struct {
        QLocale::Language language;
        const char* text;
        Long stored;
    } cases[] = {{QLocale::German, "1.000", 1000}, {QLocale::English, "1,000", 1000}};
    const QLocale before;
    for (const auto& c : cases) {
        QLocale::setDefault(QLocale(c.language));
        TypeOver(window.txtCampaignPrestige, c.text);
        EXPECT_EQ(modMain::CurrentCampaign()->Prestige(), c.stored) << c.text;
    }
    QLocale::setDefault(before);
}

TEST_F(FieldEditingTest, WhatIsTypedIsWhatTheSavedFileHolds) {
    gui::frmMain& window = Opened();
    TypeOver(window.txtCampaignPrestige, "12.5");
    TypeOver(window.txtScenario, "Alpha_01.scn");
    TypeOver(window.txtVictoryTXT[1], "Alpha_01v.txt");
    TypeOver(window.txtVictoryPrestige[3], "65001");
    ClickToolbar("SAVE");
    ASSERT_FALSE(window.mnuSave->isEnabled());

    Campaign saved;
    ParseCampaign(ReadWholeFile(campaigns.File("camp1.cam"), platform::read_limit::kCampaignFile),
                  saved);
    Campaign expected = test::DistinctCampaign(3);
    expected.SetPrestige(12);
    expected.ScenarioAt(0)->SetScenarioName("Alpha_01.scn");
    expected.ScenarioAt(0)->Victories()->Item(2)->SetVictoryTXT("Alpha_01v.txt");
    expected.ScenarioAt(0)->Victories()->Item(4)->SetPrestige(0);
    test::ExpectSameFileFields(expected, saved);
}

}  // namespace
}  // namespace xal
