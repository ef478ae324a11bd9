// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QMenu>
#include <memory>

#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

class FieldEditingTest : public test::MainWindowTest {
  protected:
    static void Paste(QLineEdit* box, const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    Scenario& Shown() { return *document.Campaign()->ScenarioAt(0); }
};

TEST_F(FieldEditingTest, ANameTooLongOrOutsideWindows1252IsTakenBackWithTheMessage) {
    Open(test::DistinctCampaign(3));
    QLineEdit* box = Find("txtScenarioTXT");
    test::Retype(box, "abcdefghijklmnopqrst");
    prompts.ExpectMessage(
        {"The maximum length of a text file name is 20.", platform::MessageButtons::Ok,
         platform::MessageIcon::Exclamation, "XaL Campaign Editor"},
        platform::MessageAnswer::Ok);
    QTest::keyClick(box, Qt::Key_U);
    prompts.VerifyDone();
    EXPECT_EQ(box->text(), "abcdefghijklmnopqrst");
    EXPECT_EQ(Shown().ScenarioTXT(), "abcdefghijklmnopqrst");

    test::Retype(box, "");
    Paste(box, "Été.txt");
    EXPECT_EQ(Shown().ScenarioTXT(), "\xc9t\xe9.txt");
    prompts.ExpectMessage(
        "A campaign file can only hold file names in Latin letters (Windows-1252).");
    Paste(box, "Ж");
    prompts.VerifyDone();
    EXPECT_EQ(box->text(), "Été.txt");
}

TEST_F(FieldEditingTest, EachFieldStoresIntoItsOwnPlaceWithoutControlCharacters) {
    Open(test::DistinctCampaign(3));
    test::Retype(Find("txtCampaignDefeatMOV"), "l.mov");
    test::Retype(Find("txtVictoryTXT_3"), "lost.txt");
    test::Retype(Find("txtScenarioMOV"), "");
    Paste(Find("txtScenarioMOV"), "ab\ncd\r\n\t");
    test::Retype(Find("txtScenario"), "Alp");
    const Campaign& campaign = *document.Campaign();
    EXPECT_EQ(campaign.DefeatMOV(), "l.mov");
    EXPECT_EQ(Shown().Victories()->Item(4)->VictoryTXT(), "lost.txt");
    EXPECT_EQ(Find("txtScenarioMOV")->text(), "abcd");
    EXPECT_EQ(Shown().ScenarioMOV(), "abcd");
    EXPECT_EQ(Scenarios()->topLevelItem(0)->text(1), "Alp") << "the list follows as you type";
    EXPECT_EQ(campaign.ScenarioAt(1)->ScenarioMOV(), "s1.mov");
}

// What a number is, and the limit, are the core's (ReadPrestige); the window reads in the
// user's locale and marks a text that is none.
TEST_F(FieldEditingTest, PrestigeIsReadInTheUsersLocaleAndBadTextsAreMarked) {
    Open(test::DistinctCampaign(3));
    QLineEdit* box = Find("txtCampaignPrestige");
    const QColor normalBase = box->palette().color(QPalette::Base);
    const QString designToolTip = box->toolTip();
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German));
    test::Retype(box, "65.001");  // in English 65.001, which rounds to 65
    EXPECT_EQ(document.Campaign()->Prestige(), 0);
    EXPECT_EQ(box->text(), "65.001") << "the text stays as typed";
    EXPECT_NE(box->palette().color(QPalette::Base), normalBase);
    EXPECT_EQ(box->toolTip(), "Not a number from 0 to 65000: 0 will be saved.");
    test::Retype(box, "1.000");
    EXPECT_EQ(document.Campaign()->Prestige(), 1000);
    EXPECT_EQ(box->palette().color(QPalette::Base), normalBase);
    EXPECT_EQ(box->toolTip(), designToolTip);
    QLocale::setDefault(before);
}

TEST_F(FieldEditingTest, KeysMarkTheCampaignChangedExceptTabAndProgramChanges) {
    gui::frmMain& window = Open(test::DistinctCampaign(3));
    Find("txtScenarioMOV")->setText("shown.mov");  // as the display sets a field
    QTest::keyClick(Find("txtScenarioMOV"), Qt::Key_Tab);
    QTest::keyClick(Find("txtScenarioMOV"), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_FALSE(window.mnuSave->isEnabled());
    QTest::keyClick(Find("txtScenarioMOV"), Qt::Key_Left);
    EXPECT_TRUE(window.mnuSave->isEnabled());
}

// The field's own menu, with the action whose caption begins with `caption`.
QAction* MenuEntry(QMenu& menu, const char* caption) {
    for (QAction* action : menu.actions())
        if (action->text().startsWith(QCoreApplication::translate("QLineEdit", caption)))
            return action;
    return nullptr;
}

// A change made with the mouse alone is an edit, and the field's menu undoes the campaign's.
// A drop or the menu's Delete reaches the campaign the same way, as the box's edit.
TEST_F(FieldEditingTest, TheMouseAloneChangesTheCampaignAndItsMenuUndoesTheCampaign) {
    gui::frmMain& window = Open(test::DistinctCampaign(3));
    auto* box = static_cast<gui::FieldBox*>(Find("txtScenarioMOV"));
    QApplication::clipboard()->setText("menu.mov");
    const std::unique_ptr<QMenu> menu(box->Menu());
    MenuEntry(*menu, "&Paste")->trigger();
    EXPECT_EQ(Shown().ScenarioMOV(), "s0.movmenu.mov");
    EXPECT_TRUE(window.mnuSave->isEnabled());
    EXPECT_EQ(MenuEntry(*menu, "&Undo"), window.mnuUndo) << "no second Undo of the box's own";
    EXPECT_EQ(MenuEntry(*menu, "&Redo"), window.mnuRedo);
    MenuEntry(*menu, "&Undo")->trigger();
    EXPECT_EQ(box->text(), "s0.mov");
    EXPECT_EQ(Shown().ScenarioMOV(), "s0.mov");
}

}  // namespace
}  // namespace xal
