// SPDX-License-Identifier: MIT
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>
#include <filesystem>
#include <vector>

#include "core/settings/recent_campaigns.h"
#include "support/campaign_fixtures.h"
#include "support/main_window_fixture.h"

namespace xal {
namespace {

using platform::MessageAnswer;

class FileMenuTest : public test::MainWindowTest {
  protected:
    // The recent campaigns as the File menu shows them when it opens.
    QList<QAction*> RecentEntries() {
        emit Window().menuBar()->actions().front()->menu()->aboutToShow();
        return Window().mnuRecent->actions();
    }
    // Drops a file on the window; false when the window refuses it.
    bool Drop(const std::string& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(&Window(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&Window(), &drop);
        return true;
    }
    void Press(QKeyCombination keys) {
        Window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
        QTest::keyClick(&Window(), keys.key(), keys.keyboardModifiers());
    }
    // Opens camp1.cam and changes it; returns the file's path.
    std::string OpenChanged() {
        const std::string path = WriteCampaign("camp1.cam", test::DistinctCampaign(3));
        OpenThroughToolbar(path);
        document.SetNumber(Field::CampaignPrestige, {}, 4321);
        return path;
    }
    void ExpectQuestion(MessageAnswer answer) {
        prompts.ExpectMessage({"Save camp1.cam", platform::MessageButtons::YesNoCancel,
                               platform::MessageIcon::Question, "XaL Campaign Editor"},
                              answer);
    }
};

TEST_F(FileMenuTest, TheFileMenuListsRecentCampaignsNewestFirstAndDropsVanishedOnes) {
    const std::string first = WriteCampaign("camp1.cam", test::DistinctCampaign(2));
    const std::string second = WriteCampaign("camp2.cam", test::DistinctCampaign(3));
    OpenThroughToolbar(first);
    OpenThroughToolbar(second);
    ASSERT_EQ(RecentEntries().size(), 2);
    EXPECT_EQ(RecentEntries()[0]->text(), "&1 " + QString::fromStdString(second));
    RecentEntries()[1]->trigger();
    EXPECT_EQ(document.Campaign()->CampaignName(), "camp1");

    RememberRecentCampaign(campaigns.File("gone.cam"));
    prompts.ExpectMessage(campaigns.File("gone.cam") +
                          "\r\nThis campaign file is no longer there; it has been taken off "
                          "the list of recent campaigns.");
    RecentEntries()[0]->trigger();
    prompts.VerifyDone();
    EXPECT_EQ(RecentCampaigns(), (std::vector<std::string>{first, second}));
    EXPECT_EQ(document.Campaign()->CampaignName(), "camp1") << "the campaign stays";
}

TEST_F(FileMenuTest, ADroppedCampaignFileOpens) {
    campaigns.Write("notes.txt", "text");
    EXPECT_FALSE(Drop(campaigns.File("notes.txt"))) << "only campaign files";
    EXPECT_TRUE(Drop(WriteCampaign("OTHER.CAM", test::DistinctCampaign(3))));
    EXPECT_EQ(document.Campaign()->CampaignName(), "OTHER");
#ifndef _WIN32
    // A folder named in Latin-1, which Qt shows with U+FFFD, is found in its own bytes.
    const std::string latin1 = WriteCampaign("fold\xe9r/camp\xe9.cam", test::DistinctCampaign(2));
    EXPECT_TRUE(Drop(latin1));
    EXPECT_EQ(document.Campaign()->CampaignFile(), latin1);
#endif
}

TEST_F(FileMenuTest, TheUsualKeysRunTheFileCommandsOnlyWhereTheyAreEnabled) {
    const std::string path = WriteCampaign("camp1.cam", test::DistinctCampaign(2));
    Press(Qt::CTRL | Qt::Key_S);  // nothing to save: no prompt at all
    prompts.ExpectFilePick("Open campaign file", path);
    Press(Qt::CTRL | Qt::Key_O);
    document.SetUnsavedChanges(true);
    Press(Qt::CTRL | Qt::Key_S);
    EXPECT_FALSE(Window().mnuSave->isEnabled());
    prompts.ExpectFilePick("Save campaign file", std::nullopt);
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    prompts.ExpectDialog("frmNew", [](void* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    Press(Qt::CTRL | Qt::Key_N);
    prompts.VerifyDone();
    Press(Qt::CTRL | Qt::Key_Q);
    EXPECT_FALSE(Window().isVisible());
}

TEST_F(FileMenuTest, OpenShowsTheChosenCampaignAndTheNextOpenStartsAtIt) {
    Open(test::DistinctCampaign(3), "CAMP1.CAM");
    EXPECT_EQ(prompts.FilePicks()[0].initialFolder, game.File("scenario/"));
    EXPECT_EQ(Window().fraMain->title(), "CAMP1.cam");

    prompts.ExpectFilePick("Open campaign file", std::nullopt);
    ClickToolbar("OPEN");
    EXPECT_EQ(prompts.FilePicks()[1].initialFileName, campaigns.File("CAMP1.cam"));
    EXPECT_EQ(document.Campaign()->CampaignName(), "CAMP1") << "cancel changes nothing";
}

TEST_F(FileMenuTest, SaveAsGivesTheCaptionTheChosenName) {
    Open(test::DistinctCampaign(2));
    prompts.ExpectFilePick("Save campaign file", campaigns.File("Жук.cam"));
    Window().mnuSaveAs->trigger();
    EXPECT_EQ(Window().fraMain->title(), "Жук.cam");
}

TEST_F(FileMenuTest, CommandStatesFollowOpeningEditingAndSaving) {
    gui::frmMain& window = Window();
    test::ExpectCommandState(window, test::CommandState::NoCampaign);
    Open(test::DistinctCampaign(3));
    test::ExpectCommandState(window, test::CommandState::Unchanged);
    QTest::keyClick(List("cbxCountry"), Qt::Key_Space);  // opening the list marks a change
    List("cbxCountry")->hidePopup();
    test::ExpectCommandState(window, test::CommandState::Changed);
    ClickToolbar("SAVE");
    test::ExpectCommandState(window, test::CommandState::Unchanged);
}

TEST_F(FileMenuTest, ClosingAndNewAskOnlyWithUnsavedChanges) {
    gui::frmMain& window = Window();
    EXPECT_TRUE(window.close()) << "nothing to ask without a campaign";
    window.show();
    const std::string path = OpenChanged();
    ExpectQuestion(MessageAnswer::Cancel);
    EXPECT_FALSE(window.close());
    ExpectQuestion(MessageAnswer::No);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(test::StoredPrestige(path), 300);
    window.show();
    ExpectQuestion(MessageAnswer::Yes);
    prompts.ExpectDialog("frmNew", [](void*) {});
    ClickToolbar("NEW");  // New asks too
    prompts.VerifyDone();
    EXPECT_EQ(test::StoredPrestige(path), 4321) << "saved before the wizard";
}

TEST_F(FileMenuTest, AFailedSaveAfterYesGoesNoFurther) {
    gui::frmMain& window = Window();
    const std::string failed = "76\r\nPath not found\r\nFile: " + OpenChanged() +
                               "\r\nNothing was saved: no file was created.";
    std::filesystem::remove_all(campaigns.Path());
    ExpectQuestion(MessageAnswer::Yes);
    prompts.ExpectMessage(failed);
    EXPECT_FALSE(window.close());
    ExpectQuestion(MessageAnswer::Yes);
    prompts.ExpectMessage(failed);
    ClickToolbar("OPEN");  // no file dialog follows
    prompts.VerifyDone();
    EXPECT_TRUE(window.mnuSave->isEnabled());
    EXPECT_EQ(document.Campaign()->Prestige(), 4321);
}

}  // namespace
}  // namespace xal
