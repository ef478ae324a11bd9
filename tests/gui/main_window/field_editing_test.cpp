// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <functional>
#include <memory>

#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

class FieldEditingTest : public test::MainWindowTest {
  protected:
    gui::frmMain& Opened() {
        OpenThroughToolbar(WriteCampaign("camp1.cam", test::DistinctCampaign(3)));
        return Window();
    }
    static void Paste(QLineEdit* box, const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    Scenario& Shown() { return *document.Campaign()->ScenarioAt(0); }
};

TEST_F(FieldEditingTest, ANameTooLongOrOutsideWindows1252IsTakenBackWithTheMessage) {
    Opened();
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
    EXPECT_EQ(Shown().ScenarioTXT(), "\xc9t\xe9.txt");
}

TEST_F(FieldEditingTest, EachFieldStoresIntoItsOwnPlaceWithoutControlCharacters) {
    Opened();
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

TEST_F(FieldEditingTest, PrestigeIsReadInTheUsersLocaleAndBadTextsAreMarked) {
    Opened();
    QLineEdit* box = Find("txtCampaignPrestige");
    const QColor normalBase = box->palette().color(QPalette::Base);
    const struct {
        QLocale::Language language;
        const char* text;
        Long stored;
        bool marked;
    } cases[] = {{QLocale::English, "65001", 0, true}, {QLocale::German, "1.000", 1000, false}};
    const QLocale before;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QLocale::setDefault(QLocale(c.language));
        test::Retype(box, c.text);
        EXPECT_EQ(document.Campaign()->Prestige(), c.stored);
        EXPECT_EQ(box->text(), c.text) << "the text stays as typed";
        EXPECT_EQ(box->palette().color(QPalette::Base) != normalBase, c.marked);
        EXPECT_EQ(box->toolTip() == "Not a number from 0 to 65000: 0 will be saved.", c.marked);
    }
    QLocale::setDefault(before);
}

TEST_F(FieldEditingTest, KeysMarkTheCampaignChangedExceptTabAndProgramChanges) {
    gui::frmMain& window = Opened();
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
TEST_F(FieldEditingTest, TheMouseAloneChangesTheCampaignAndItsMenuUndoesTheCampaign) {
    gui::frmMain& window = Opened();
    auto* box = static_cast<gui::FieldBox*>(Find("txtScenarioMOV"));
    const struct {
        const char* way;
        std::function<void()> change;
    } ways[] = {
        {"Paste from the field's menu",
         [&] {
             QApplication::clipboard()->setText("menu.mov");
             const std::unique_ptr<QMenu> menu(box->Menu());
             MenuEntry(*menu, "&Paste")->trigger();
         }},
        {"Delete from the field's menu",
         [&] {
             box->selectAll();
             const std::unique_ptr<QMenu> menu(box->Menu());
             MenuEntry(*menu, "Delete")->trigger();
         }},
        {"a drop",
         [&] {
             QMimeData text;
             text.setText("drop.mov");
             QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &text, Qt::LeftButton,
                                   Qt::NoModifier);
             QApplication::sendEvent(box, &enter);
             QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(box, &drop);
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        document.SetUnsavedChanges(false);
        const std::string before = Shown().ScenarioMOV();
        way.change();
        EXPECT_NE(Shown().ScenarioMOV(), before);
        EXPECT_TRUE(window.mnuSave->isEnabled());
    }
    const std::unique_ptr<QMenu> menu(box->Menu());
    EXPECT_EQ(MenuEntry(*menu, "&Undo"), window.mnuUndo) << "no second Undo of the box's own";
    EXPECT_EQ(MenuEntry(*menu, "&Redo"), window.mnuRedo);
    MenuEntry(*menu, "&Undo")->trigger();  // the three changes, one step of the field
    EXPECT_EQ(box->text(), "s0.mov");
    EXPECT_EQ(Shown().ScenarioMOV(), "s0.mov");
}

}  // namespace
}  // namespace xal
